#include "appwindows.h"
#include "myserial.h"
#include "prompts.h"

#include <QComboBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

class RecordingPrompts final : public Prompts {
public:
    void message(QWidget*, const QString& text, const QString&) override { messages << text; }
    bool openFile(QWidget*, FileDialogState&) override { return false; }
    bool saveFile(QWidget*, FileDialogState&) override { return false; }
    QStringList messages;
};

QStringList entries(const QComboBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

} // namespace

class TestMySerialSetupForm : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void listsAreFilledOnce();
    void showingSelectsCurrentSettings_data();
    void showingSelectsCurrentSettings();
    void okTakesPickedPortOnly();
    void cancelAndCloseBoxKeepPortAndNextShowingStartsOver();
    void okWithoutSelectionKeepsStoredPort();
    void escapeDoesNothingEnterPressesOk();

private:
    // Opens the dialog from the menu handler as the user does; `answer` runs inside the modal
    // loop. A dialog left open is rejected after a generous bound so a fault cannot hang the run.
    void runFromMenu(const std::function<void(TMySerialSetupForm&)>& answer);

    RecordingPrompts prompts_;
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<AppWindows> windows_;
    bool answered_ = false;
};

void TestMySerialSetupForm::init()
{
    ComEnumeratePorts(ComMaxPorts, ComPortList, [](int n) {
        return n == 1 || n == 3 || n == 12 ? QStringLiteral("/dev/null-%1").arg(n) : QString();
    });
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    windows_ = std::make_unique<AppWindows>(prompts_, dir_->path());
    windows_->MainForm.StartTimer->stop(); // no first-run dialog of its own
    ComPortNumber = 3;
    answered_ = false;
}

void TestMySerialSetupForm::cleanup()
{
    windows_.reset();
    ComPortList.clear();
}

void TestMySerialSetupForm::runFromMenu(const std::function<void(TMySerialSetupForm&)>& answer)
{
    TMySerialSetupForm& dialog = windows_->MySerialSetupForm;
    QTimer::singleShot(0, &dialog, [&] {
        answered_ = dialog.isVisible() && dialog.isModal();
        answer(dialog);
    });
    QTimer::singleShot(10000, &dialog, [&dialog] { dialog.reject(); });
    windows_->MainForm.Comportsettings1Click();
    QVERIFY(answered_);
    QVERIFY(!dialog.isVisible());
}

void TestMySerialSetupForm::listsAreFilledOnce()
{
    const TMySerialSetupForm& dialog = windows_->MySerialSetupForm;
    ComPortList.append(QStringLiteral("20,COM20,/dev/null-20")); // appears after creation
    QCOMPARE(entries(dialog.ComboPort), QStringList({"COM1", "COM3", "COM12"}));
#ifndef Q_OS_WIN
    QCOMPARE(dialog.ComboPort->itemData(2, Qt::ToolTipRole).toString(), "/dev/null-12");
#endif
    QCOMPARE(entries(dialog.ComboBaud), QStringList({"110", "300", "1200", "2400", "4800", "9600",
                                                     "19200", "38400", "57600", "115200"}));
    QCOMPARE(entries(dialog.ComboDataBits), QStringList({"7", "8"}));
    QCOMPARE(entries(dialog.ComboStopBits), QStringList({"1", "1.5", "2"}));
    QCOMPARE(entries(dialog.ComboParity), QStringList({"None", "Odd", "Even", "Mark", "Space"}));
    QCOMPARE(entries(dialog.ComboFlowControl), QStringList({"None", "Software", "Hardware"}));
}

void TestMySerialSetupForm::showingSelectsCurrentSettings_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("baud");
    QTest::addColumn<int>("dataBits");
    QTest::addColumn<int>("stopBits");
    QTest::addColumn<char>("parity");
    QTest::addColumn<QStringList>("shown"); // port, baud, data bits, stop bits, parity

    QTest::newRow("COM3 38400 7 1 N")
        << 3 << 38400 << 7 << 1 << 'N' << QStringList{"COM3", "38400", "7", "1", "None"};
    QTest::newRow("COM1 110 8 2 e")
        << 1 << 110 << 8 << 2 << 'e' << QStringList{"COM1", "110", "8", "2", "Even"};
    QTest::newRow("COM12 14400 9 3 X")
        << 12 << 14400 << 9 << 3 << 'X' << QStringList{"COM12", "110", "8", "1.5", "None"};
    QTest::newRow("undetected 0 stop s")
        << 5 << 115200 << 8 << 0 << 's' << QStringList{"", "115200", "8", "1", "Space"};
}

void TestMySerialSetupForm::showingSelectsCurrentSettings()
{
    QFETCH(int, port);
    QFETCH(int, baud);
    QFETCH(int, dataBits);
    QFETCH(int, stopBits);
    QFETCH(char, parity);
    QFETCH(QStringList, shown);
    ComPortNumber = port;
    ComBaudRate = baud;
    ComDataBits = static_cast<std::uint8_t>(dataBits);
    ComStopBits = static_cast<std::uint8_t>(stopBits);
    ComParity = parity;
    QStringList seen;
    bool flowFixed = false;
    runFromMenu([&](TMySerialSetupForm& d) {
        for (const QComboBox* list :
             {d.ComboPort, d.ComboBaud, d.ComboDataBits, d.ComboStopBits, d.ComboParity})
            seen << list->currentText();
        flowFixed = d.ComboFlowControl->currentText() == "None" && !d.ComboFlowControl->isEnabled();
        d.ButtonCancel->click();
    });
    QCOMPARE(seen, shown);
    QVERIFY(flowFixed);
}

void TestMySerialSetupForm::okTakesPickedPortOnly()
{
    QList<bool> enabled;
    runFromMenu([&](TMySerialSetupForm& d) {
        for (const QComboBox* list : {d.ComboPort, d.ComboBaud, d.ComboDataBits, d.ComboStopBits,
                                      d.ComboParity, d.ComboFlowControl})
            enabled << list->isEnabled();
        d.ComboPort->setCurrentText("COM12");
        d.ComboBaud->setCurrentText("110"); // whatever the other lists show, OK ignores them
        d.ComboParity->setCurrentText("Odd");
        QTest::mouseClick(d.ButtonOK, Qt::LeftButton);
    });
    QCOMPARE(enabled, QList<bool>({true, false, false, false, false, false}));
    QCOMPARE(ComPortNumber, 12);
    QCOMPARE(windows_->MainForm.statusPanelText(0), "COM12:38400,8,N,1");
}

void TestMySerialSetupForm::cancelAndCloseBoxKeepPortAndNextShowingStartsOver()
{
    runFromMenu([](TMySerialSetupForm& d) {
        d.ComboPort->setCurrentText("COM12");
        QTest::mouseClick(d.ButtonCancel, Qt::LeftButton);
    });
    QCOMPARE(ComPortNumber, 3);
    QString shownAgain;
    runFromMenu([&](TMySerialSetupForm& d) {
        shownAgain = d.ComboPort->currentText();
        d.ComboPort->setCurrentText("COM1");
        d.close();
    });
    QCOMPARE(shownAgain, "COM3");
    QCOMPARE(ComPortNumber, 3);
    QCOMPARE(windows_->MainForm.statusPanelText(0), "COM3:38400,8,N,1");
}

void TestMySerialSetupForm::okWithoutSelectionKeepsStoredPort()
{
    ComPortNumber = 7; // stored earlier, not detected now
    runFromMenu([](TMySerialSetupForm& d) { QTest::mouseClick(d.ButtonOK, Qt::LeftButton); });
    QCOMPARE(ComPortNumber, 7);
    QVERIFY(prompts_.messages.isEmpty());
}

void TestMySerialSetupForm::escapeDoesNothingEnterPressesOk()
{
    bool openAfterEscape = false;
    runFromMenu([&](TMySerialSetupForm& d) {
        QTest::keyClick(d.ComboPort, Qt::Key_Escape);
        openAfterEscape = d.isVisible();
        QTest::keyClick(d.ComboPort, Qt::Key_Down); // COM3 -> COM12
        QTest::keyClick(d.ComboPort, Qt::Key_Return);
    });
    QVERIFY(openAfterEscape);
    QCOMPARE(ComPortNumber, 12);
}

QTEST_MAIN(TestMySerialSetupForm)
#include "test_myserialsetupform.moc"
