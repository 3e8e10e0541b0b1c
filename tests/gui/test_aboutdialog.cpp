// The About card: its texts whole, its drawn frame, the logo pixel-doubled, and how it opens
// and closes from the window.
#include "aboutdialog.h"
#include "executableversion.h"
#include "windowsfixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

const QColor Silver(192, 192, 192);
const QColor Card(255, 255, 224);

} // namespace

class TestAboutDialog : public QObject {
    Q_OBJECT

    WindowsFixture fixture_;

    [[nodiscard]] AboutDialog& dialog()
    {
        if (!fixture_.window().findChild<AboutDialog*>()) {
            fixture_.action("aboutAction").trigger();
            fixture_.window().findChild<AboutDialog*>()->hide();
        }
        return *fixture_.window().findChild<AboutDialog*>();
    }
    [[nodiscard]] QPushButton& okButton() { return *dialog().findChild<QPushButton*>("okButton"); }

private slots:
    void init()
    {
        QVERIFY(fixture_.dir().isValid());
        fixture_.start();
    }

    void cleanup() { fixture_.reset(); }

    void textsShowWhole_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text"); // empty: a credit line of free wording

        QTest::newRow("name") << "nameLabel"
                              << "Orvisnap";
        QTest::newRow("version") << "versionLabel"
                                 << "0.1.1 build 5";
        QTest::newRow("ampersand kept") << "ideaTitle"
                                        << "Idea & Realization";
        QTest::newRow("thanks") << "thanksTitle"
                                << "Special thanks to:";
        QTest::newRow("release") << "releaseLabel"
                                 << "First release";
        QTest::newRow("release date") << "releaseDateLabel"
                                      << "June, 2010";
        QTest::newRow("developers") << "developersLabel" << QString();
        // Two labels each show one line of one text.
        QTest::newRow("makersLine") << "makersLine"
                                    << "The makers of the DSOs,";
        QTest::newRow("dumpsLine") << "dumpsLine"
                                   << "for XModem screen dumps.";
        QTest::newRow("testersLine") << "testersLine"
                                     << "Everyone who tested early";
        QTest::newRow("bugsLine") << "bugsLine"
                                  << "versions and reported bugs.";
    }

    // On Windows the text comes from the executable's version record, stamped by the build.
    void versionRecordIsRead()
    {
#ifndef Q_OS_WIN
        QSKIP("Only Windows executables carry a version record");
#else
        const std::optional<ExecutableVersion> record = ExecutableVersion::ofRecord();
        QVERIFY(record);
        const ExecutableVersion built = ExecutableVersion::builtIn();
        QCOMPARE(QList<int>(
                     {record->majorVersion, record->minorVersion, record->release, record->build}),
                 QList<int>({built.majorVersion, built.minorVersion, built.release, built.build}));
#endif
    }

    void textsShowWhole()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        QCOMPARE(dialog().windowTitle(), "About Orvisnap");
        const auto* label = dialog().findChild<QLabel*>(name);
        QVERIFY(label);
        if (!text.isEmpty())
            QCOMPARE(label->text(), text);
        QVERIFY(!label->text().isEmpty());
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
    }

    void cardPixels_data()
    {
        QTest::addColumn<QPoint>("at");
        QTest::addColumn<QColor>("colour");

        QTest::newRow("frame top") << QPoint(120, 8) << Silver;
        QTest::newRow("frame left") << QPoint(8, 128) << Silver;
        QTest::newRow("frame right") << QPoint(232, 128) << Silver;
        QTest::newRow("frame bottom") << QPoint(120, 248) << Silver;
        QTest::newRow("above top") << QPoint(120, 7) << Card;
        QTest::newRow("past right, exclusive") << QPoint(233, 128) << Card;
        QTest::newRow("past bottom, exclusive") << QPoint(120, 249) << Card;
        QTest::newRow("top-left corner rounded") << QPoint(8, 8) << Card;
        QTest::newRow("top-left corner arc") << QPoint(9, 9) << Silver;
        QTest::newRow("bottom-right corner rounded") << QPoint(232, 248) << Card;
        QTest::newRow("bottom-right corner arc") << QPoint(231, 247) << Silver;
        QTest::newRow("inside frame") << QPoint(12, 100) << Card;
        QTest::newRow("first rule") << QPoint(100, 65) << Silver;
        QTest::newRow("third rule") << QPoint(200, 218) << Silver;
        QTest::newRow("below frame") << QPoint(230, 300) << Card;
    }

    void cardPixels()
    {
        QFETCH(QPoint, at);
        QFETCH(QColor, colour);
        QCOMPARE(dialog().size(), QSize(241, 305));
        QCOMPARE(dialog().grab().toImage().pixelColor(at), colour);
    }

    void logoIsPixelDoubled()
    {
        const QImage logo = dialog().findChild<QLabel*>("logo")->pixmap().toImage();
        const QImage original(QStringLiteral(":/pictures/ICO16"));
        QCOMPARE(original.size(), QSize(16, 16));
        QCOMPARE(logo.size(), QSize(32, 32));
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QCOMPARE(logo.pixelColor(x, y), original.pixelColor(x / 2, y / 2));
    }

    void okAndCloseBoxHideItShowingAgainReturns()
    {
        fixture_.action("aboutAction").trigger();
        QVERIFY(dialog().isVisible() && !dialog().isModal());
        QTest::keyClick(&okButton(), Qt::Key_Escape);
        QVERIFY(dialog().isVisible());
        QTest::mouseClick(&okButton(), Qt::LeftButton);
        QVERIFY(!dialog().isVisible());
        fixture_.action("aboutAction").trigger();
        QVERIFY(dialog().isVisible());
        dialog().close();
        QVERIFY(!dialog().isVisible());
    }
};

QTEST_MAIN(TestAboutDialog)
#include "test_aboutdialog.moc"
