#include "windowsfixture.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTest>

class TestFormTimings : public QObject {
    Q_OBJECT

    WindowsFixture fixture_;

    [[nodiscard]] TFormTimings& dialog() { return fixture_.windows().FormTimings; }
    [[nodiscard]] TMainForm& main() { return fixture_.mainForm(); }
    [[nodiscard]] QList<int> stored() { return {main().Timeout, main().RxDelay, main().NAKDelay}; }
    [[nodiscard]] QStringList shownValues()
    {
        return {dialog().lblTimeout->text(), dialog().lblRxDelay->text(),
                dialog().lblNAKDelay->text()};
    }

private slots:
    void init()
    {
        QVERIFY(fixture_.dir().isValid());
        fixture_.start();
    }

    void cleanup() { fixture_.reset(); }

    void showingLoadsAndClampsOkStores_data()
    {
        QTest::addColumn<QList<int>>("values"); // Timeout, RxDelay, NAKDelay
        QTest::addColumn<QStringList>("shown");

        QTest::newRow("defaults") << QList<int>{10, 30, 30} << QStringList{"10", "30", "30"};
        QTest::newRow("below range") << QList<int>{3, 9, -1} << QStringList{"5", "10", "10"};
        QTest::newRow("above range") << QList<int>{31, 250, 250} << QStringList{"30", "100", "100"};
        QTest::newRow("at the limits") << QList<int>{30, 10, 100} << QStringList{"30", "10", "100"};
    }

    void showingLoadsAndClampsOkStores()
    {
        QFETCH(QList<int>, values);
        QFETCH(QStringList, shown);
        main().Timeout = values[0];
        main().RxDelay = values[1];
        main().NAKDelay = values[2];
        main().Timings1Click();
        QVERIFY(dialog().isVisible() && !dialog().isModal());
        QCOMPARE(shownValues(), shown);
        const QPoint offCentre =
            dialog().frameGeometry().center() - main().frameGeometry().center();
        QVERIFY(offCentre.manhattanLength() < 40);
        QTest::mouseClick(dialog().btnOK, Qt::LeftButton);
        QVERIFY(!dialog().isVisible());
        QCOMPARE(stored(), QList<int>({shown[0].toInt(), shown[1].toInt(), shown[2].toInt()}));
    }

    void movedBarShowsAtOnceAndCancelDiscards()
    {
        main().Timeout = 3;
        main().Timings1Click();
        QTest::keyClick(dialog().tbTimeout, Qt::Key_Right);
        QTest::keyClick(dialog().tbRxDelay, Qt::Key_PageUp);
        QTest::keyClick(dialog().tbNAKDelay, Qt::Key_Left);
        QCOMPARE(shownValues(), QStringList({"6", "32", "29"}));
        QTest::mouseClick(dialog().btnCancel, Qt::LeftButton);
        QVERIFY(!dialog().isVisible());
        QCOMPARE(stored(), QList<int>({3, 30, 30}));

        main().Timings1Click();
        QCOMPARE(dialog().tbRxDelay->value(), 30);
        QCOMPARE(shownValues(), QStringList({"5", "30", "30"}));
        QTest::keyClick(dialog().tbRxDelay, Qt::Key_End);
        main().Timings1Click(); // already open: brought to the front, not reloaded
        QCOMPARE(dialog().lblRxDelay->text(), "100");
        dialog().close(); // the close box discards like Cancel
        QVERIFY(!dialog().isVisible());
        QCOMPARE(main().RxDelay, 30);
    }

    void keysDoNotCloseOrCopy()
    {
        main().Timings1Click();
        QTest::keyClick(dialog().tbTimeout, Qt::Key_Right);
        for (QWidget* focus : std::initializer_list<QWidget*>{dialog().tbTimeout, dialog().btnOK}) {
            QTest::keyClick(focus, Qt::Key_Escape);
            QTest::keyClick(focus, Qt::Key_Return);
        }
        QVERIFY(dialog().isVisible());
        QCOMPARE(main().Timeout, 10);
    }

    void designPlaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("place");
        QTest::addColumn<QColor>("textColour"); // invalid: not checked

        QTest::newRow("GroupBox1") << "GroupBox1" << QRect(8, 8, 353, 225) << QColor();
        QTest::newRow("Label1") << "Label1" << QRect(24, 8, 153, 13) << QColor(0, 0, 128);
        QTest::newRow("lblRxDelay") << "lblRxDelay" << QRect(24, 100, 41, 13) << QColor(128, 0, 0);
        QTest::newRow("Label8") << "Label8" << QRect(72, 172, 95, 13) << QColor(0, 0, 0);
        QTest::newRow("tbNAKDelay") << "tbNAKDelay" << QRect(16, 184, 161, 25) << QColor();
        QTest::newRow("Label4") << "Label4" << QRect(200, 8, 129, 57) << QColor(0, 128, 128);
        QTest::newRow("Label6") << "Label6" << QRect(200, 80, 137, 57) << QColor(0, 128, 128);
        QTest::newRow("Label9") << "Label9" << QRect(200, 152, 137, 57) << QColor(0, 128, 128);
        QTest::newRow("Shape2") << "Shape2" << QRect(16, 144, 321, 2) << QColor();
        QTest::newRow("btnOK") << "btnOK" << QRect(280, 248, 75, 25) << QColor();
    }

    void designPlaces()
    {
        QFETCH(QString, name);
        QFETCH(QRect, place);
        QFETCH(QColor, textColour);
        QCOMPARE(dialog().size(), QSize(369, 289));
        const auto* control = dialog().findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->geometry(), place);
        if (textColour.isValid())
            QCOMPARE(control->palette().color(QPalette::WindowText), textColour);
        // Wrapped explanations must show their last line, whatever font stands in.
        if (const auto* label = qobject_cast<const QLabel*>(control); label && label->wordWrap())
            QVERIFY(label->heightForWidth(label->width()) <= label->height());
    }
};

QTEST_MAIN(TestFormTimings)
#include "test_formtimings.moc"
