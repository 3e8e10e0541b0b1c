#include "windowsfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

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

    WindowsFixture fixture_;

    // Opens the dialog from the menu handler as the user does; `answer` runs inside the modal
    // loop. A dialog left open is rejected after a generous bound so a fault cannot hang the run.
    void runFromMenu(const std::function<void(TMySerialSetupForm&)>& answer)
    {
        TMySerialSetupForm& dialog = fixture_.windows().MySerialSetupForm;
        bool answered = false;
        QTimer::singleShot(0, &dialog, [&] {
            answered = dialog.isVisible() && dialog.isModal();
            answer(dialog);
        });
        QTimer::singleShot(10000, &dialog, [&dialog] { dialog.reject(); });
        fixture_.mainForm().Comportsettings1Click();
        QVERIFY(answered);
        QVERIFY(!dialog.isVisible());
    }

private slots:
    void init()
    {
        QVERIFY(fixture_.dir().isValid());
        fixture_.start({1, 3, 12}, QStringLiteral("/dev/null-%1"));
        ComPortNumber = 3;
    }

    void cleanup() { fixture_.reset(); }

    void listsAreFilledOnce()
    {
        const TMySerialSetupForm& d = fixture_.windows().MySerialSetupForm;
        ComPortList.append(QStringLiteral("20,COM20,/dev/null-20")); // appears after creation
        QCOMPARE(entries(d.ComboPort), QStringList({"COM1", "COM3", "COM12"}));
        QCOMPARE(d.ComboPort->itemData(2, Qt::ToolTipRole).toString(), "/dev/null-12");
        QCOMPARE(entries(d.ComboBaud), QStringList({"110", "300", "1200", "2400", "4800", "9600",
                                                    "19200", "38400", "57600", "115200"}));
        QCOMPARE(entries(d.ComboDataBits), QStringList({"7", "8"}));
        QCOMPARE(entries(d.ComboStopBits), QStringList({"1", "1.5", "2"}));
        QCOMPARE(entries(d.ComboParity), QStringList({"None", "Odd", "Even", "Mark", "Space"}));
        QCOMPARE(entries(d.ComboFlowControl), QStringList({"None", "Software", "Hardware"}));
    }

    void showingSelectsCurrentSettings_data()
    {
        QTest::addColumn<QList<int>>("settings"); // port, baud, data bits, stop-bit code
        QTest::addColumn<char>("parity");
        QTest::addColumn<QStringList>("shown"); // port, baud, data bits, stop bits, parity

        QTest::newRow("COM3 38400 7 1 N")
            << QList<int>{3, 38400, 7, 1} << 'N' << QStringList{"COM3", "38400", "7", "1", "None"};
        QTest::newRow("COM1 110 8 2 e")
            << QList<int>{1, 110, 8, 2} << 'e' << QStringList{"COM1", "110", "8", "2", "Even"};
        QTest::newRow("COM12 14400 9 3 X") << QList<int>{12, 14400, 9, 3} << 'X'
                                           << QStringList{"COM12", "110", "8", "1.5", "None"};
        QTest::newRow("undetected 0 stop s")
            << QList<int>{5, 115200, 8, 0} << 's' << QStringList{"", "115200", "8", "1", "Space"};
    }

    void showingSelectsCurrentSettings()
    {
        QFETCH(QList<int>, settings);
        QFETCH(char, parity);
        QFETCH(QStringList, shown);
        ComPortNumber = settings[0];
        ComBaudRate = settings[1];
        ComDataBits = static_cast<std::uint8_t>(settings[2]);
        ComStopBits = static_cast<std::uint8_t>(settings[3]);
        ComParity = parity;
        QStringList seen;
        runFromMenu([&](TMySerialSetupForm& d) {
            for (const QComboBox* list : {d.ComboPort, d.ComboBaud, d.ComboDataBits,
                                          d.ComboStopBits, d.ComboParity, d.ComboFlowControl})
                seen << list->currentText();
            d.ButtonCancel->click();
        });
        QCOMPARE(seen, shown << "None");
    }

    void okTakesPickedPortOnly()
    {
        QList<bool> enabled;
        runFromMenu([&](TMySerialSetupForm& d) {
            for (const QComboBox* list : {d.ComboPort, d.ComboBaud, d.ComboDataBits,
                                          d.ComboStopBits, d.ComboParity, d.ComboFlowControl})
                enabled << list->isEnabled();
            d.ComboPort->setCurrentText("COM12");
            d.ComboBaud->setCurrentText("110"); // whatever the other lists show, OK ignores them
            d.ComboParity->setCurrentText("Odd");
            QTest::mouseClick(d.ButtonOK, Qt::LeftButton);
        });
        QCOMPARE(enabled, QList<bool>({true, false, false, false, false, false}));
        QCOMPARE(ComPortNumber, 12);
        QCOMPARE(fixture_.mainForm().statusPanelText(0), "COM12:38400,8,N,1");
    }

    void cancelAndCloseBoxKeepPortAndNextShowingStartsOver()
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
        QCOMPARE(fixture_.mainForm().statusPanelText(0), "COM3:38400,8,N,1");
    }

    // Each showing looks at the ports again: an adapter plugged in after start is offered and
    // keeps its selection, one pulled out is not.
    void showingProbesPortsAgain()
    {
        QString plugged;
        ComStartUnit([&plugged](int n) { return n == 1 ? "/dev/null-1" : n == 4 ? plugged : ""; });
        ComPortNumber = 4; // stored by an earlier run
        QStringList seen;
        for (const char* path : {"", "/dev/ttyUSB7", ""}) {
            plugged = path;
            runFromMenu([&seen](TMySerialSetupForm& d) {
                seen << entries(d.ComboPort).join(',') + '|' + d.ComboPort->currentText();
                d.ButtonCancel->click();
            });
        }
        ComStopUnit(); // `plugged` goes with this scope
        QCOMPARE(seen, QStringList({"COM1|", "COM1,COM4|COM4", "COM1|"}));
    }

    // Which device each port is: what the system says about it, and always its device path; a
    // device about which the system says nothing shows its path alone.
    void tooltipsTellTheDevice()
    {
        QStringList shown;
        runFromMenu([&shown](TMySerialSetupForm& d) {
            for (int i = 0; i < d.ComboPort->count(); ++i)
                shown << d.ComboPort->itemData(i, Qt::ToolTipRole).toString();
            d.ButtonCancel->click();
        });
        QCOMPARE(shown, QStringList({"/dev/null-1", "/dev/null-3", "/dev/null-12"}));
    }

    // The labels' own texts fit, whatever the font: "Flow control" was cut to "Flow contro".
    void labelsAreNotCut()
    {
        TMySerialSetupForm& dialog = fixture_.windows().MySerialSetupForm;
        dialog.show();
        const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
        QCOMPARE(labels.size(), 6);
        for (const QLabel* label : labels) {
            QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                     qPrintable(label->text()));
            QCOMPARE(label->x(), 8);
        }
        dialog.hide();
    }

    void okWithoutSelectionKeepsStoredPort()
    {
        ComPortNumber = 7; // stored earlier, not detected now
        runFromMenu([](TMySerialSetupForm& d) { QTest::mouseClick(d.ButtonOK, Qt::LeftButton); });
        QCOMPARE(ComPortNumber, 7);
        QVERIFY(fixture_.prompts().messages.isEmpty());
    }

    void escapeDoesNothingEnterPressesOk()
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
};

QTEST_MAIN(TestMySerialSetupForm)
#include "test_myserialsetupform.moc"
