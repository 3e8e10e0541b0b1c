#include "appwindows.h"
#include "myserial.h"
#include "prompts.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

class SilentPrompts final : public Prompts {
public:
    void message(QWidget*, const QString&, const QString&) override {}
    bool openFile(QWidget*, FileDialogState&) override { return false; }
    bool saveFile(QWidget*, FileDialogState&) override { return false; }
};

} // namespace

class TestFormTimings : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showingLoadsAndClampsOkStores_data();
    void showingLoadsAndClampsOkStores();
    void movedBarShowsAtOnceAndCancelDiscards();
    void keysDoNotCloseOrCopy();
    void designPlaces_data();
    void designPlaces();

private:
    [[nodiscard]] TFormTimings& dialog() { return windows_->FormTimings; }
    [[nodiscard]] QStringList shownValues()
    {
        return {dialog().lblTimeout->text(), dialog().lblRxDelay->text(),
                dialog().lblNAKDelay->text()};
    }

    SilentPrompts prompts_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<AppWindows> windows_;
};

void TestFormTimings::init()
{
    ComEnumeratePorts(ComMaxPorts, ComPortList,
                      [](int n) { return n == 1 ? QStringLiteral("/dev/null") : QString(); });
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    windows_ = std::make_unique<AppWindows>(prompts_, dir_->path());
    windows_->MainForm.StartTimer->stop(); // no first-run COM dialog
    windows_->MainForm.show();
}

void TestFormTimings::cleanup()
{
    windows_.reset();
    ComPortList.clear();
}

void TestFormTimings::showingLoadsAndClampsOkStores_data()
{
    QTest::addColumn<QList<int>>("stored"); // Timeout, RxDelay, NAKDelay
    QTest::addColumn<QList<int>>("shown");

    QTest::newRow("defaults") << QList<int>{10, 30, 30} << QList<int>{10, 30, 30};
    QTest::newRow("below range") << QList<int>{3, 9, -1} << QList<int>{5, 10, 10};
    QTest::newRow("above range") << QList<int>{31, 250, 250} << QList<int>{30, 100, 100};
    QTest::newRow("at the limits") << QList<int>{30, 10, 100} << QList<int>{30, 10, 100};
}

void TestFormTimings::showingLoadsAndClampsOkStores()
{
    QFETCH(QList<int>, stored);
    QFETCH(QList<int>, shown);
    TMainForm& main = windows_->MainForm;
    main.Timeout = stored[0];
    main.RxDelay = stored[1];
    main.NAKDelay = stored[2];
    main.Timings1Click();
    QVERIFY(dialog().isVisible());
    QVERIFY(!dialog().isModal());
    QCOMPARE(shownValues(), QStringList({QString::number(shown[0]), QString::number(shown[1]),
                                         QString::number(shown[2])}));
    QVERIFY((dialog().frameGeometry().center() - main.frameGeometry().center()).manhattanLength() <
            40);
    QTest::mouseClick(dialog().btnOK, Qt::LeftButton);
    QVERIFY(!dialog().isVisible());
    QCOMPARE(QList<int>({main.Timeout, main.RxDelay, main.NAKDelay}), shown);
}

void TestFormTimings::movedBarShowsAtOnceAndCancelDiscards()
{
    TMainForm& main = windows_->MainForm;
    main.Timeout = 3;
    main.Timings1Click();
    QTest::keyClick(dialog().tbTimeout, Qt::Key_Right);
    QTest::keyClick(dialog().tbRxDelay, Qt::Key_PageUp);
    QTest::keyClick(dialog().tbNAKDelay, Qt::Key_Left);
    QCOMPARE(shownValues(), QStringList({"6", "32", "29"}));
    QTest::mouseClick(dialog().btnCancel, Qt::LeftButton);
    QVERIFY(!dialog().isVisible());
    QCOMPARE(QList<int>({main.Timeout, main.RxDelay, main.NAKDelay}), QList<int>({3, 30, 30}));

    main.Timings1Click();
    QCOMPARE(dialog().tbRxDelay->value(), 30);
    QCOMPARE(shownValues(), QStringList({"5", "30", "30"}));
    QTest::keyClick(dialog().tbRxDelay, Qt::Key_End);
    main.Timings1Click(); // already open: brought to the front, not reloaded
    QCOMPARE(dialog().lblRxDelay->text(), "100");
    dialog().close(); // the close box discards like Cancel
    QVERIFY(!dialog().isVisible());
    QCOMPARE(main.RxDelay, 30);
}

void TestFormTimings::keysDoNotCloseOrCopy()
{
    TMainForm& main = windows_->MainForm;
    main.Timings1Click();
    QTest::keyClick(dialog().tbTimeout, Qt::Key_Right);
    for (QWidget* focus :
         {static_cast<QWidget*>(dialog().tbTimeout), static_cast<QWidget*>(dialog().btnOK)}) {
        QTest::keyClick(focus, Qt::Key_Escape);
        QTest::keyClick(focus, Qt::Key_Return);
    }
    QVERIFY(dialog().isVisible());
    QCOMPARE(main.Timeout, 10);
}

void TestFormTimings::designPlaces_data()
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
    QTest::newRow("Label9") << "Label9" << QRect(200, 152, 137, 57) << QColor(0, 128, 128);
    QTest::newRow("Shape2") << "Shape2" << QRect(16, 144, 321, 2) << QColor();
    QTest::newRow("btnCancel") << "btnCancel" << QRect(200, 248, 75, 25) << QColor();
    QTest::newRow("btnOK") << "btnOK" << QRect(280, 248, 75, 25) << QColor();
}

void TestFormTimings::designPlaces()
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
}

QTEST_MAIN(TestFormTimings)
#include "test_formtimings.moc"
