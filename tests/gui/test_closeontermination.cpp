#include "closeontermination.h"
#include "terminationsignals.h"
#include "testfiles.h"
#include "windowsfixture.h"

#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <csignal>

class TestCloseOnTermination : public QObject {
    Q_OBJECT
private slots:
    void signalClosesInOrderThroughAnOpenDialog();
};

// One signal per process: the second one would end the test as it ends the program.
void TestCloseOnTermination::signalClosesInOrderThroughAnOpenDialog()
{
    WindowsFixture fixture;
    AppWindows& windows = fixture.start();
    TMainForm& form = windows.MainForm;
    const CloseOnTermination closeOnTermination;
    form.About1Click(); // a modeless dialog, besides the modal one below
    bool modalWasOpen = false;
    QTimer::singleShot(0, &form, [&] {
        modalWasOpen = windows.MySerialSetupForm.isVisible();
        std::raise(SIGTERM);
    });
    bool hung = false;
    QTimer::singleShot(60000, &windows.MySerialSetupForm, [&] {
        hung = true;
        windows.MySerialSetupForm.reject();
    });
    form.Comportsettings1Click(); // returns once the modal dialog has been closed
    QVERIFY(modalWasOpen);
    QVERIFY(!hung);
    QVERIFY(TerminationSignals::requested());
    QVERIFY(!form.isVisible());
    QVERIFY(!windows.FormAbout.isVisible());
    QVERIFY(!form.downloadRunning());
    QVERIFY(!ComPortOpen);
    QVERIFY(ReadTestFile(fixture.path("Orvisnap.ini")).contains("[ComPort]\r\nPort=1\r\n"));

    // A message box that opens on the way out closes as it shows.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Orvisnap"), QStringLiteral("late"));
    QTimer::singleShot(60000, &box, [&] {
        hung = true;
        box.reject();
    });
    box.exec();
    QVERIFY(!hung);
}

QTEST_MAIN(TestCloseOnTermination)
#include "test_closeontermination.moc"
