#include "aboutdialog.h"
#include "closeontermination.h"
#include "portdialog.h"
#include "ptypair.h"
#include "terminationsignals.h"
#include "testfiles.h"
#include "windowsfixture.h"

#include <QMessageBox>
#include <QProcess>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

class TestCloseOnTermination : public QObject {
    Q_OBJECT
private slots:
    void signalClosesInOrderThroughAnOpenDialog();
    void secondSignalEndsAHangingClose_data();
    void secondSignalEndsAHangingClose();
};

// One signal per process: the second one would end the test as it ends the program.
void TestCloseOnTermination::signalClosesInOrderThroughAnOpenDialog()
{
    WindowsFixture fixture;
    MainWindow& window = fixture.start();
    const CloseOnTermination closeOnTermination;
    fixture.action("aboutAction").trigger(); // a modeless dialog, besides the modal one below
    bool modalWasOpen = false;
    bool hung = false;
    QTimer::singleShot(0, &window, [&] {
        auto* dialog = window.findChild<PortDialog*>();
        modalWasOpen = dialog->isVisible();
        QTimer::singleShot(60000, dialog, [&hung, dialog] {
            hung = true;
            dialog->reject();
        });
        std::raise(SIGTERM);
    });
    // Returns once the modal dialog has been closed.
    fixture.action("portSettingsAction").trigger();
    QVERIFY(modalWasOpen);
    QVERIFY(!hung);
    QVERIFY(TerminationSignals::requested());
    QVERIFY(!window.isVisible());
    QVERIFY(!window.findChild<AboutDialog*>()->isVisible());
    QVERIFY(!window.downloadRunning());
    QCOMPARE(fixture.statusText("portStatePanel"), QStringLiteral("closed"));
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

void TestCloseOnTermination::secondSignalEndsAHangingClose_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::newRow("SIGINT, then SIGTERM") << SIGINT << SIGTERM;
    QTest::newRow("SIGTERM, then SIGINT") << SIGTERM << SIGINT;
    QTest::newRow("SIGTERM twice") << SIGTERM << SIGTERM;
}

// The program itself, whose close after the first signal hangs: its settings file has become a
// named pipe that nobody writes (as a network folder that stopped answering would), and the
// close waits to read it. The second signal, whichever, ends the program there.
void TestCloseOnTermination::secondSignalEndsAHangingClose()
{
    QFETCH(int, first);
    QFETCH(int, second);
    const QTemporaryDir dir;
    const PtyPair pty;
    const QString program = dir.filePath(QStringLiteral("orvisnap")); // its settings beside it
    QVERIFY(QFile::copy(QStringLiteral(ORVISNAP_APP), program));
    const QString ini = dir.filePath(QStringLiteral("Orvisnap.ini"));
    // Without a stamp, which the program writes once it has read the file.
    WriteTestFile(ini,
                  "[ComPort]\r\nPort=9\r\n[Ports]\r\nCOM9=" + pty.slavePath().toUtf8() + "\r\n");
    QProcess app;
    app.setWorkingDirectory(dir.path());
    app.start(program, {});
    QVERIFY(app.waitForStarted(30000));
    QTRY_VERIFY_WITH_TIMEOUT(ReadTestFile(ini).contains("CreationTime=2"), 30000);
    QVERIFY(QFile::remove(ini));
    QCOMPARE(::mkfifo(QFile::encodeName(ini).constData(), 0600), 0);
    const auto pid = static_cast<pid_t>(app.processId());

    ::kill(pid, first);
    // A writer can open the pipe only while a reader has it open: the close is under way.
    int writer = -1;
    const auto closing = [&] {
        writer = ::open(QFile::encodeName(ini).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        return writer >= 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(closing(), 30000);
    const auto closeWriter = qScopeGuard([writer] { ::close(writer); });
    QVERIFY(!app.waitForFinished(300)); // hanging, as it would without a second signal
    ::kill(pid, second);

    QVERIFY2(app.waitForFinished(10000), "the second signal did not end the program");
    QCOMPARE(app.exitStatus(), QProcess::CrashExit);
    QCOMPARE(app.exitCode(), second);
}

QTEST_MAIN(TestCloseOnTermination)
#include "test_closeontermination.moc"
