// The COM settings dialog as the window opens it: given the ports now and the chosen one, it
// hands back the choice; the line settings are shown, not chosen.
#include "portdialog.h"
#include "testfiles.h"
#include "windowsfixture.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <functional>

namespace {
QStringList entries(const QComboBox& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.itemText(i);
    return texts;
}

QComboBox& list(PortDialog& dialog, const char* name)
{
    return *dialog.findChild<QComboBox*>(name);
}

QPushButton& button(PortDialog& dialog, const char* name)
{
    return *dialog.findChild<QPushButton*>(name);
}

const char* const Lists[] = {"portList",     "baudRateList", "dataBitsList",
                             "stopBitsList", "parityList",   "flowControlList"};
} // namespace

class TestPortDialog : public QObject {
    Q_OBJECT

    WindowsFixture fixture_;

    // Opens the dialog from the menu as the user does; `answer` runs inside the modal loop. A
    // dialog left open is rejected after a generous bound so a fault cannot hang the run.
    void runFromMenu(const std::function<void(PortDialog&)>& answer)
    {
        bool answered = false;
        QTimer::singleShot(0, &fixture_.window(), [&] {
            PortDialog& dialog = *fixture_.window().findChild<PortDialog*>();
            answered = dialog.isVisible() && dialog.isModal();
            QTimer::singleShot(10000, &dialog, &QDialog::reject);
            answer(dialog);
        });
        fixture_.action("portSettingsAction").trigger();
        QVERIFY(answered);
        QVERIFY(!fixture_.window().findChild<PortDialog*>()->isVisible());
    }

private slots:
    void init()
    {
        WriteTestFile(fixture_.path("Orvisnap.ini"), "[ComPort]\r\nPort=3\r\n");
        fixture_.start({1, 3, 12}, QStringLiteral("/dev/null-%1"));
    }

    void cleanup() { fixture_.reset(); }

    void listsShowThePortsAndTheDownloadsLine()
    {
        QStringList shown;
        QList<bool> enabled;
        runFromMenu([&](PortDialog& d) {
            QCOMPARE(entries(list(d, "portList")), QStringList({"COM1", "COM3", "COM12"}));
            QCOMPARE(entries(list(d, "baudRateList")),
                     QStringList({"110", "300", "1200", "2400", "4800", "9600", "19200", "38400",
                                  "57600", "115200"}));
            QCOMPARE(entries(list(d, "dataBitsList")), QStringList({"7", "8"}));
            QCOMPARE(entries(list(d, "stopBitsList")), QStringList({"1", "1.5", "2"}));
            QCOMPARE(entries(list(d, "parityList")),
                     QStringList({"None", "Odd", "Even", "Mark", "Space"}));
            QCOMPARE(entries(list(d, "flowControlList")),
                     QStringList({"None", "Software", "Hardware"}));
            for (const char* name : Lists) {
                shown << list(d, name).currentText();
                enabled << list(d, name).isEnabled();
            }
            button(d, "cancelButton").click();
        });
        QCOMPARE(shown, QStringList({"COM3", "38400", "8", "1", "None", "None"}));
        QCOMPARE(enabled, QList<bool>({true, false, false, false, false, false}));
    }

    void okTakesPickedPortOnly()
    {
        runFromMenu([](PortDialog& d) {
            list(d, "portList").setCurrentText("COM12");
            QTest::mouseClick(&button(d, "okButton"), Qt::LeftButton);
        });
        QCOMPARE(fixture_.window().portNumber(), 12);
        QCOMPARE(fixture_.statusText("lineSettingsPanel"), "COM12:38400,8,N,1");
    }

    void cancelAndCloseBoxKeepPortAndNextShowingStartsOver()
    {
        runFromMenu([](PortDialog& d) {
            list(d, "portList").setCurrentText("COM12");
            QTest::mouseClick(&button(d, "cancelButton"), Qt::LeftButton);
        });
        QCOMPARE(fixture_.window().portNumber(), 3);
        QString shownAgain;
        runFromMenu([&](PortDialog& d) {
            shownAgain = list(d, "portList").currentText();
            list(d, "portList").setCurrentText("COM1");
            d.close();
        });
        QCOMPARE(shownAgain, "COM3");
        QCOMPARE(fixture_.window().portNumber(), 3);
        QCOMPARE(fixture_.statusText("lineSettingsPanel"), "COM3:38400,8,N,1");
    }

    // Each showing looks at the ports again: an adapter plugged in after start is offered and
    // keeps its selection, one pulled out is not.
    void showingProbesPortsAgain()
    {
        fixture_.reset();
        WriteTestFile(fixture_.path("Orvisnap.ini"), "[ComPort]\r\nPort=4\r\n");
        QString plugged;
        fixture_.start([&plugged] {
            QMap<int, QString> devices{{1, QStringLiteral("/dev/null-1")}};
            if (!plugged.isEmpty())
                devices.insert(4, plugged);
            return ComPortList(devices);
        });
        QStringList seen;
        for (const char* path : {"", "/dev/ttyUSB7", ""}) {
            plugged = path;
            runFromMenu([&seen](PortDialog& d) {
                seen << entries(list(d, "portList")).join(',') + '|' +
                            list(d, "portList").currentText();
                button(d, "cancelButton").click();
            });
        }
        fixture_.reset(); // `plugged` goes with this scope
        QCOMPARE(seen, QStringList({"COM1|", "COM1,COM4|COM4", "COM1|"}));
    }

    // Which device each port is: what the system says about it, and always its device path; a
    // device about which the system says nothing shows its path alone.
    void tooltipsTellTheDevice()
    {
        QStringList shown;
        runFromMenu([&shown](PortDialog& d) {
            for (int i = 0; i < list(d, "portList").count(); ++i)
                shown << list(d, "portList").itemData(i, Qt::ToolTipRole).toString();
            button(d, "cancelButton").click();
        });
        QCOMPARE(shown, QStringList({"/dev/null-1", "/dev/null-3", "/dev/null-12"}));
    }

    // The labels' own texts fit, whatever the font: "Flow control" was cut to "Flow contro".
    void labelsAreNotCut()
    {
        runFromMenu([](PortDialog& d) {
            const QList<QLabel*> labels = d.findChildren<QLabel*>();
            QCOMPARE(labels.size(), 6);
            for (const QLabel* label : labels) {
                QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(label->text()),
                         qPrintable(label->text()));
                QCOMPARE(label->x(), 8);
            }
            d.reject();
        });
    }

    void okWithoutSelectionKeepsStoredPort()
    {
        fixture_.reset();
        WriteTestFile(fixture_.path("Orvisnap.ini"), "[ComPort]\r\nPort=7\r\n"); // not detected
        fixture_.start({1, 3});
        runFromMenu(
            [](PortDialog& d) { QTest::mouseClick(&button(d, "okButton"), Qt::LeftButton); });
        QCOMPARE(fixture_.window().portNumber(), 7);
        QVERIFY(fixture_.prompts().messages.isEmpty());
    }

    void escapeDoesNothingEnterPressesOk()
    {
        bool openAfterEscape = false;
        runFromMenu([&](PortDialog& d) {
            QTest::keyClick(&list(d, "portList"), Qt::Key_Escape);
            openAfterEscape = d.isVisible();
            QTest::keyClick(&list(d, "portList"), Qt::Key_Down); // COM3 -> COM12
            QTest::keyClick(&list(d, "portList"), Qt::Key_Return);
        });
        QVERIFY(openAfterEscape);
        QCOMPARE(fixture_.window().portNumber(), 12);
    }
};

QTEST_MAIN(TestPortDialog)
#include "test_portdialog.moc"
