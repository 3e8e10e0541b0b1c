// A download's port: the system's serial line on a real pty, opened by its device path with the
// download's line settings, and what it tells when it cannot be opened.
#include "deviceport.h"
#include "downloadrun.h"
#include "ptypair.h"
#include "recordinglistener.h"
#include "screenshotdownload.h"
#include "systemclock.h"
#include "unprivilegeduser.h"

#include <QFile>
#include <QScopeGuard>
#include <QSerialPort>
#include <QTest>
#include <QTimer>

#include <fcntl.h>
#include <optional>
#include <termios.h>
#include <unistd.h>

namespace {
// A line that tells what happened to it.
class WatchfulLine final : public SerialLine {
public:
    explicit WatchfulLine(QStringList& events) : events_(events) {}
    ~WatchfulLine() override { events_ << "destroyed"; }

    [[nodiscard]] Opened open(const QString& /*device*/) override { return {}; }
    [[nodiscard]] bool configure(const LineSettings& /*settings*/) override { return true; }
    [[nodiscard]] QString errorString() const override { return {}; }
    void close() override
    {
        if (std::exchange(open_, false))
            events_ << "closed";
    }
    void resetDevice() override {}
    void write(const QByteArray& /*bytes*/) override {}
    [[nodiscard]] QByteArray readAvailable() override { return {}; }
    void onReadyRead(std::function<void()> /*handler*/) override {}
    [[nodiscard]] bool lost() const override { return false; }

private:
    QStringList& events_;
    bool open_ = true;
};

// Takes what arrives on the open line within `ms`.
QByteArray readFor(SerialLine& line, int ms)
{
    QByteArray all;
    for (int waited = 0; waited < ms; waited += 10) {
        QTest::qWait(10);
        all += line.readAvailable();
    }
    return all;
}
} // namespace

class TestDevicePort : public QObject {
    Q_OBJECT
private slots:
    void openWriteReadCloseOnPty();
    void lineIsTheDialogsLine_data();
    void lineIsTheDialogsLine();
    void secondOpenOfHeldPortFails();
    void openFailureTellsTheCause_data();
    void openFailureTellsTheCause();
    void lostLineIsNoticed();
    void lineClosedUnderARunningDownload();
};

void TestDevicePort::openWriteReadCloseOnPty()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    DevicePort port(pty.slavePath());
    QVERIFY(port.open());
    port.line()->write(QByteArray("\x15"));
    port.line()->write(QByteArray("\x15\x06"));
    QCOMPARE(pty.read(3, 2000), QByteArray("\x15\x15\x06"));
    pty.write(QByteArray("hello"));
    QCOMPARE(readFor(*port.line(), 300), QByteArray("hello"));
    const std::shared_ptr<SerialLine> line = port.line();
    port.close();
    QVERIFY(!port.line());
    // Closed, it sends and takes nothing.
    line->write("x");
    QVERIFY(line->readAvailable().isEmpty());
    QVERIFY(pty.read(1, 200).isEmpty());
}

void TestDevicePort::lineIsTheDialogsLine_data()
{
    QTest::addColumn<tcflag_t>("leftCflag"); // what the last program left on the device
    QTest::addColumn<tcflag_t>("leftIflag");
    QTest::newRow("a fresh device") << tcflag_t{0} << tcflag_t{0};
    QTest::newRow("left with RTS/CTS and XON/XOFF")
        << tcflag_t{CRTSCTS} << tcflag_t{IXON | IXOFF | IXANY};
}

// 38400 baud, 8 data bits, no parity, one stop bit, flow control "None": every byte value
// passes both ways, whatever the device was left with.
void TestDevicePort::lineIsTheDialogsLine()
{
    QFETCH(tcflag_t, leftCflag);
    QFETCH(tcflag_t, leftIflag);
    PtyPair pty;
    const int line = ::open(QFile::encodeName(pty.slavePath()).constData(), O_RDWR | O_NOCTTY);
    const auto closeLine = qScopeGuard([line] { ::close(line); });
    termios tio{};
    QCOMPARE(::tcgetattr(line, &tio), 0);
    tio.c_cflag |= leftCflag;
    tio.c_iflag |= leftIflag;
    QCOMPARE(::tcsetattr(line, TCSANOW, &tio), 0);

    DevicePort port(pty.slavePath());
    QVERIFY(port.open());

    QCOMPARE(::tcgetattr(line, &tio), 0);
    QCOMPARE(tio.c_cflag & (CRTSCTS | PARENB | CSTOPB | CSIZE), tcflag_t{CS8});
    QCOMPARE(tio.c_iflag & (IXON | IXOFF | IXANY | ISTRIP), tcflag_t{0});
    QCOMPARE(::cfgetispeed(&tio), speed_t{B38400});
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<char>(i);
    pty.write(all);
    QCOMPARE(readFor(*port.line(), 400), all);
    port.line()->write(all);
    QCOMPARE(pty.read(256, 2000), all);
}

void TestDevicePort::secondOpenOfHeldPortFails()
{
    PtyPair pty;
    DevicePort port(pty.slavePath());
    QVERIFY(port.open());
    // Another holder of the device must be refused.
    QSerialPort other(pty.slavePath());
    QVERIFY(!other.open(QIODevice::ReadWrite));
    // And after a close it can be had again.
    port.close();
    QVERIFY(other.open(QIODevice::ReadWrite));
}

void TestDevicePort::openFailureTellsTheCause_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("told");
    QTest::addColumn<QString>("notTold");
    const QString dialout = QStringLiteral("\"dialout\"");
    const QString busy = QStringLiteral("Another program has the port open.");
    QTest::newRow("not detected") << "undetected"
                                  << "COM5 is not among the detected ports." << dialout;
    QTest::newRow("no such device") << "missing"
                                    << "was the adapter unplugged?" << dialout;
    QTest::newRow("permission denied") << "forbidden" << dialout << busy;
    QTest::newRow("held by another program") << "held" << busy << dialout;
}

void TestDevicePort::openFailureTellsTheCause()
{
    QFETCH(QString, cause);
    QFETCH(QString, told);
    QFETCH(QString, notTold);
    PtyPair pty;
    QString path = pty.slavePath();
    if (cause == "missing")
        path = QStringLiteral("/dev/orvisnap-test-gone/ttyUSB0");
    QSerialPort other(pty.slavePath());
    if (cause == "held")
        QVERIFY(other.open(QIODevice::ReadWrite));
    std::optional<UnprivilegedUser> user; // root may open anything
    if (cause == "forbidden") {
        QVERIFY(QFile::setPermissions(path, {}));
        QVERIFY(user.emplace().ok());
    }
    const std::unique_ptr<DevicePort> port =
        cause == "undetected" ? DevicePort::unknown("COM5 is not among the detected ports.")
                              : std::make_unique<DevicePort>(path);
    const Outcome opened = port->open();
    QVERIFY(!opened);
    QVERIFY(!port->line());
    QVERIFY2(opened.reason().contains(told), qPrintable(opened.reason()));
    QVERIFY2(!opened.reason().contains(notTold), qPrintable(opened.reason()));
    if (cause != "undetected")
        QVERIFY(opened.reason().startsWith(path + QStringLiteral(": ")));
}

void TestDevicePort::lostLineIsNoticed()
{
    auto pty = std::make_unique<PtyPair>();
    DevicePort port(pty->slavePath());
    QVERIFY(port.open());
    pty.reset();
    for (int i = 0; i < 50 && !port.line()->lost(); ++i) {
        QTest::qWait(10);
        (void)port.line()->readAvailable();
    }
    QVERIFY(port.line()->lost());
}

// Closing the window closes the port under a running download: the device is released at once,
// and the line lives until the download is over.
void TestDevicePort::lineClosedUnderARunningDownload()
{
    QStringList events;
    DevicePort port(QStringLiteral("/dev/null"),
                    [&events] { return std::make_unique<WatchfulLine>(events); });
    RecordingListener listener;
    SystemClock clock;
    ScreenshotDownload driver(listener, clock);
    QStringList whileRunning;
    QTimer::singleShot(150, [&port] { port.close(); });
    QTimer::singleShot(250, [&] {
        whileRunning = events;
        driver.requestStop();
    });

    QCOMPARE(DownloadRun::toEnd(driver, listener, port).result.ending, DownloadEnding::Cancelled);

    QCOMPARE(whileRunning, QStringList{"closed"});
    QCOMPARE(events, QStringList({"closed", "destroyed"}));
}

QTEST_GUILESS_MAIN(TestDevicePort)
#include "test_deviceport.moc"
