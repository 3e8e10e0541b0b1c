#include "downloadrun.h"
#include "myserial.h"
#include "ptypair.h"
#include "recordinglistener.h"
#include "screenshotdownload.h"
#include "systemclock.h"
#include "unitport.h"
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
PortProbe portsAt(QList<int> numbers)
{
    return [numbers](int n) {
        return numbers.contains(n) ? QStringLiteral("/dev/ttyFAKE%1").arg(n) : QString();
    };
}

// A line whose waits look at the line again after their nested event loop, as the Windows
// line's do; it tells what happened to it.
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

// Takes what arrives within `ms`.
QByteArray readFor(int ms)
{
    QByteArray all;
    QByteArray chunk;
    for (int waited = 0; waited < ms; waited += 10) {
        QTest::qWait(10);
        ComReadAvailable(chunk);
        all += chunk;
    }
    return all;
}
} // namespace

class TestMySerial : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ComClose(); }
    void detectsPortsInAscendingOrder();
    void noPortsLeavesListEmptyAndNumberZero();
    void lookups_data();
    void lookups();
    void probeBeyondThirtyAndCountBelowOne();
    void parityCodes_data();
    void parityCodes();
    void stopBitCodes_data();
    void stopBitCodes();
    void openWriteReadCloseOnPty();
    void lineIsTheDialogsLine_data();
    void lineIsTheDialogsLine();
    void secondOpenOfHeldPortFails();
    void closedPortSendsAndTakesNothing();
    void openFailureTellsTheCause_data();
    void openFailureTellsTheCause();
    void refreshSeesPortsComeAndGo();
    void lostLineIsNoticed();
    void lineClosedUnderARunningDownload();
};

void TestMySerial::detectsPortsInAscendingOrder()
{
    // Above COM30 too, where the system numbers its ports itself.
    const MySerialUnit unit(portsAt({45, 12, 1, 3}));
    QCOMPARE(ComPortList, QStringList({QStringLiteral("1,COM1,/dev/ttyFAKE1"),
                                       QStringLiteral("3,COM3,/dev/ttyFAKE3"),
                                       QStringLiteral("12,COM12,/dev/ttyFAKE12"),
                                       QStringLiteral("45,COM45,/dev/ttyFAKE45")}));
    QCOMPARE(ComPortNumber, 1);
    QCOMPARE(ComBaudRate, 9600);
    QCOMPARE(ComDataBits, 8);
    QCOMPARE(ComParity, 'N');
    QCOMPARE(ComStopBits, 1);
    QVERIFY(!ComPortOpen);
}

void TestMySerial::noPortsLeavesListEmptyAndNumberZero()
{
    ComPortNumber = 7;
    const MySerialUnit unit(portsAt({}));
    QVERIFY(ComPortList.isEmpty());
    QCOMPARE(ComPortNumber, 0);
    QCOMPARE(ComFindByName(QStringLiteral("COM1")), -1);
    QCOMPARE(ComFindByNumber(1), -1);
}

void TestMySerial::lookups_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<int>("expected");
    QTest::newRow("name COM3") << "name:COM3" << 1;
    QTest::newRow("name com3 (case counts)") << "name:com3" << -1;
    QTest::newRow("name COM12") << "name:COM12" << 2;
    QTest::newRow("number 12") << "number:12" << 2;
    QTest::newRow("number 5") << "number:5" << -1;
    QTest::newRow("number at 2") << "at:2" << 12;
    QTest::newRow("number at 0") << "at:0" << 1;
    QTest::newRow("number at -1 (outside)") << "at:-1" << -1;
    QTest::newRow("number at 3 (outside)") << "at:3" << -1;
}

void TestMySerial::lookups()
{
    QFETCH(QString, query);
    QFETCH(int, expected);
    const MySerialUnit unit(portsAt({1, 3, 12}));
    const QString kind = query.section(':', 0, 0);
    const QString arg = query.section(':', 1);
    int result = 0;
    if (kind == "name")
        result = ComFindByName(arg);
    else if (kind == "number")
        result = ComFindByNumber(arg.toInt());
    else
        result = ComPortNumberAt(arg.toInt());
    QCOMPARE(result, expected);
}

void TestMySerial::probeBeyondThirtyAndCountBelowOne()
{
    QStringList list{QStringLiteral("keep")};
    ComEnumeratePorts(0, list, portsAt({1}));
    QCOMPARE(list, QStringList{QStringLiteral("keep")});
    ComEnumeratePorts(ComMaxPorts, list, portsAt({30, 31}));
    QCOMPARE(list, QStringList{QStringLiteral("30,COM30,/dev/ttyFAKE30")});
    // A device path with a comma cannot be told apart from the record's fields.
    ComEnumeratePorts(ComMaxPorts, list, [](int n) { return n == 2 ? "/dev/a,b" : QString(); });
    QVERIFY(list.isEmpty());
}

void TestMySerial::parityCodes_data()
{
    QTest::addColumn<char>("letter");
    QTest::addColumn<int>("code");
    for (const auto& [letter, code] : {std::pair{'N', 0},
                                       {'O', 1},
                                       {'E', 2},
                                       {'M', 3},
                                       {'S', 4},
                                       {'e', 2},
                                       {'s', 4},
                                       {'X', 0},
                                       {'\0', 0}})
        QTest::newRow(QByteArray(1, letter ? letter : '0').constData()) << letter << code;
}

void TestMySerial::parityCodes()
{
    QFETCH(char, letter);
    QFETCH(int, code);
    QCOMPARE(ParityCode(letter), code);
}

void TestMySerial::stopBitCodes_data()
{
    QTest::addColumn<int>("stopBits");
    QTest::addColumn<int>("code");
    for (const auto& [bits, code] : {std::pair{1, 0}, {3, 1}, {2, 2}, {0, 0}, {7, 0}})
        QTest::newRow(QByteArray::number(bits).constData()) << bits << code;
}

void TestMySerial::stopBitCodes()
{
    QFETCH(int, stopBits);
    QFETCH(int, code);
    QCOMPARE(StopBitsCode(static_cast<std::uint8_t>(stopBits)), code);
}

void TestMySerial::openWriteReadCloseOnPty()
{
    PtyPair pty;
    QVERIFY(pty.isValid());
    const MySerialUnit unit([&](int n) { return n == 3 ? pty.slavePath() : QString(); });
    QVERIFY(ComOpen(3, 38400, 8, 'N', 1));
    QVERIFY(ComPortOpen);
    ComWrite(QByteArray("\x15"));
    ComWrite(QByteArray("\x15\x06"));
    QCOMPARE(pty.read(3, 2000), QByteArray("\x15\x15\x06"));
    pty.write(QByteArray("hello"));
    QCOMPARE(readFor(300), QByteArray("hello"));
    ComClose();
    QVERIFY(!ComPortOpen);
}

void TestMySerial::lineIsTheDialogsLine_data()
{
    QTest::addColumn<tcflag_t>("leftCflag"); // what the last program left on the device
    QTest::addColumn<tcflag_t>("leftIflag");
    QTest::newRow("a fresh device") << tcflag_t{0} << tcflag_t{0};
    QTest::newRow("left with RTS/CTS and XON/XOFF")
        << tcflag_t{CRTSCTS} << tcflag_t{IXON | IXOFF | IXANY};
}

// 38400 baud, 8 data bits, no parity, one stop bit, flow control "None": every byte value
// passes both ways, whatever the device was left with.
void TestMySerial::lineIsTheDialogsLine()
{
    QFETCH(tcflag_t, leftCflag);
    QFETCH(tcflag_t, leftIflag);
    PtyPair pty;
    const MySerialUnit unit([&](int n) { return n == 1 ? pty.slavePath() : QString(); });
    const int line = ::open(QFile::encodeName(pty.slavePath()).constData(), O_RDWR | O_NOCTTY);
    const auto closeLine = qScopeGuard([line] { ::close(line); });
    termios tio{};
    QCOMPARE(::tcgetattr(line, &tio), 0);
    tio.c_cflag |= leftCflag;
    tio.c_iflag |= leftIflag;
    QCOMPARE(::tcsetattr(line, TCSANOW, &tio), 0);

    QVERIFY(ComOpen(1, 38400, 8, 'N', 1));

    QCOMPARE(::tcgetattr(line, &tio), 0);
    QCOMPARE(tio.c_cflag & (CRTSCTS | PARENB | CSTOPB | CSIZE), tcflag_t{CS8});
    QCOMPARE(tio.c_iflag & (IXON | IXOFF | IXANY | ISTRIP), tcflag_t{0});
    QCOMPARE(::cfgetispeed(&tio), speed_t{B38400});
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i)
        all[i] = static_cast<char>(i);
    pty.write(all);
    QCOMPARE(readFor(400), all);
    ComWrite(all);
    QCOMPARE(pty.read(256, 2000), all);
}

void TestMySerial::secondOpenOfHeldPortFails()
{
    PtyPair pty;
    const MySerialUnit unit([&](int n) { return n == 1 ? pty.slavePath() : QString(); });
    QVERIFY(ComOpen(1, 38400, 8, 'N', 1));
    // The caller closes before opening again; another holder of the device must be refused.
    QSerialPort other(pty.slavePath());
    QVERIFY(!other.open(QIODevice::ReadWrite));
    // And after a close it can be had again.
    ComClose();
    QVERIFY(other.open(QIODevice::ReadWrite));
}

void TestMySerial::closedPortSendsAndTakesNothing()
{
    PtyPair pty;
    const MySerialUnit unit([&](int n) { return n == 1 ? pty.slavePath() : QString(); });
    ComWrite(QByteArray("x"));
    QByteArray out("stale");
    QCOMPARE(ComReadAvailable(out), 0);
    QVERIFY(out.isEmpty());
    QVERIFY(pty.read(1, 200).isEmpty());
    ComResetDevice();
    ComClose();
    ComClose();
}

void TestMySerial::openFailureTellsTheCause_data()
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

void TestMySerial::openFailureTellsTheCause()
{
    QFETCH(QString, cause);
    QFETCH(QString, told);
    QFETCH(QString, notTold);
    PtyPair pty;
    QString path = pty.slavePath();
    if (cause == "missing")
        path = QStringLiteral("/dev/orvisnap-test-gone/ttyUSB0");
    const MySerialUnit unit([&path](int n) { return n == 1 ? path : QString(); });
    QSerialPort other(pty.slavePath());
    if (cause == "held")
        QVERIFY(other.open(QIODevice::ReadWrite));
    std::optional<UnprivilegedUser> user; // root may open anything
    if (cause == "forbidden") {
        QVERIFY(QFile::setPermissions(path, {}));
        QVERIFY(user.emplace().ok());
    }
    const Outcome opened = ComOpenChecked(cause == "undetected" ? 5 : 1, 38400, 8, 'N', 1);
    QVERIFY(!opened);
    QVERIFY(!ComPortOpen);
    QVERIFY2(opened.reason().contains(told), qPrintable(opened.reason()));
    QVERIFY2(!opened.reason().contains(notTold), qPrintable(opened.reason()));
    if (cause != "undetected")
        QVERIFY(opened.reason().startsWith(path + QStringLiteral(": ")));
}

void TestMySerial::refreshSeesPortsComeAndGo()
{
    QString plugged; // the adapter's device while it is plugged in
    const MySerialUnit unit([&plugged](int n) {
        return n == 1 ? QStringLiteral("/dev/null") : (n == 4 ? plugged : QString());
    });
    {
        PtyPair pty;
        plugged = pty.slavePath();
        ComRefreshPorts();
        QCOMPARE(ComPortNumber, 1);            // the choice stays the user's
        QVERIFY(ComOpen(4, 38400, 8, 'N', 1)); // the download opens what 4 names now
        ComClose();
    }
    plugged.clear();
    ComRefreshPorts();
    QCOMPARE(ComPortList, QStringList{QStringLiteral("1,COM1,/dev/null")});
}

void TestMySerial::lostLineIsNoticed()
{
    auto pty = std::make_unique<PtyPair>();
    const QString path = pty->slavePath();
    const MySerialUnit unit([&](int n) { return n == 1 ? path : QString(); });
    QVERIFY(ComOpen(1, 38400, 8, 'N', 1));
    pty.reset();
    QByteArray out;
    for (int i = 0; i < 50 && !ComLineLost(); ++i) {
        QTest::qWait(10);
        ComReadAvailable(out);
    }
    QVERIFY(ComLineLost());
}

// Closing the window closes the port under a running download: the device is released at once,
// and the line lives until the download is over.
void TestMySerial::lineClosedUnderARunningDownload()
{
    QStringList events;
    const MySerialUnit unit([](int n) { return n == 1 ? QStringLiteral("/dev/null") : QString(); });
    ComUseLines([&events] { return std::make_unique<WatchfulLine>(events); });
    const auto ownLines = qScopeGuard([] { ComUseLines({}); });
    RecordingListener listener;
    SystemClock clock;
    ScreenshotDownload driver(listener, clock);
    UnitPort port;
    QStringList whileRunning;
    QTimer::singleShot(150, [] { ComClose(); });
    QTimer::singleShot(250, [&] {
        whileRunning = events;
        driver.requestStop();
    });

    QCOMPARE(DownloadRun::toEnd(driver, listener, port).result.ending, DownloadEnding::Cancelled);

    QCOMPARE(whileRunning, QStringList{"closed"});
    QCOMPARE(events, QStringList({"closed", "destroyed"}));
    QVERIFY(!ComPortOpen);
}

QTEST_GUILESS_MAIN(TestMySerial)
#include "test_myserial.moc"
