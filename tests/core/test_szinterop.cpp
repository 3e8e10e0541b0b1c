// The receiver engine against a standard sender: lrzsz's `sz --xmodem` over a real pty, fed in
// real time with the program's default timings, as the download drives it.
#include "ptypair.h"
#include "rawterminal.h"
#include "xmodemreceiver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <map>

using Kind = XModemStep::Kind;

namespace {
const QString Sz = QStringLiteral("/usr/bin/sz");
const XModemReceiver::Timings Default{30, 30};
// Bounds against hangs only; the largest case takes a few seconds.
constexpr qint64 ExchangeLimitMs = 120000;
// sz may still be starting (and flush its input) when the first 'C' comes: ask again, slowly
// enough that a second 'C' never meets a block already on its way.
constexpr qint64 RequestEveryMs = 3000;

// Every byte value, in an order that is not a pattern of the block size.
QByteArray contentOfSize(int size)
{
    QByteArray data(size, Qt::Uninitialized);
    std::uint32_t state = 0x2545F491U + static_cast<std::uint32_t>(size);
    for (char& byte : data) {
        state = state * 1664525U + 1013904223U;
        byte = static_cast<char>(state >> 24);
    }
    return data;
}

QByteArray paddedWithSub(QByteArray data)
{
    while (data.size() % XModemReceiver::DataSize != 0)
        data += '\x1A';
    return data;
}

bool startSz(QProcess& sz, const QString& slavePath, const QString& file)
{
    // sz's stdin and stdout, open here only while sz starts.
    const RawTerminal slave(slavePath);
    if (!slave.isOpen())
        return false;
    const int fd = slave.fd();
    sz.setChildProcessModifier([fd] {
        ::dup2(fd, STDIN_FILENO);
        ::dup2(fd, STDOUT_FILENO);
    });
    sz.start(Sz, {QStringLiteral("--xmodem"), QStringLiteral("-q"), file});
    return sz.waitForStarted(10000);
}

struct Exchange {
    bool eot = false;
    std::map<Kind, int> steps;
    QByteArray collected;
};

// Drives the engine as the download does: wait as the step says, read what has come, carry
// out the step. sz wants its EOT acknowledged, which the engine never does.
Exchange receive(PtyPair& line, QProcess& sz)
{
    XModemReceiver receiver;
    receiver.start();
    Exchange exchange;
    QElapsedTimer clock;
    clock.start();
    qint64 lastRequestAt = -RequestEveryMs;
    bool heard = false;
    std::int64_t waitMs = Default.rxDelayMs;
    while (clock.elapsed() < ExchangeLimitMs) {
        if (!heard && clock.elapsed() - lastRequestAt >= RequestEveryMs) {
            line.write("C");
            lastRequestAt = clock.elapsed();
        }
        const QByteArray bytes = line.read(1 << 20, static_cast<int>(waitMs));
        if (bytes.isEmpty() && !receiver.readPending() && sz.waitForFinished(0))
            break; // sz gave up: nothing more will come
        heard = heard || !bytes.isEmpty();
        const XModemStep step = receiver.feed(bytes, clock.elapsed(), Default, false);
        ++exchange.steps[step.kind];
        if (step.drainMs > 0)
            (void)line.read(1 << 20, static_cast<int>(step.drainMs));
        line.write(step.send);
        if (step.kind == Kind::Eot) {
            line.write(QByteArray(1, XModemReceiver::ACK));
            exchange.eot = true;
            break;
        }
        waitMs = step.waitMs;
    }
    exchange.collected = receiver.collected();
    return exchange;
}
} // namespace

class TestSzInterop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void fileFromSzArrivesWhole_data();
    void fileFromSzArrivesWhole();
};

void TestSzInterop::initTestCase()
{
    if (!QFileInfo(Sz).isExecutable())
        QSKIP("lrzsz's sz is not installed");
}

void TestSzInterop::fileFromSzArrivesWhole_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("1 byte") << 1;
    QTest::newRow("one full block") << 128;
    QTest::newRow("one byte into a second block") << 129;
    QTest::newRow("about 5 KB") << 5000;
    QTest::newRow("block numbers wrap past 255") << 300 * 128 + 17;
}

void TestSzInterop::fileFromSzArrivesWhole()
{
    QFETCH(int, size);
    const QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QByteArray content = contentOfSize(size);
    const QString file = dir.filePath(QStringLiteral("sent.bin"));
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(content), qint64(size));
    }
    PtyPair line;
    QVERIFY(line.isValid());
    QProcess sz;
    QVERIFY2(startSz(sz, line.slavePath(), file), qPrintable(sz.errorString()));

    const Exchange exchange = receive(line, sz);

    QVERIFY2(sz.waitForFinished(30000), "sz did not end after its EOT was acknowledged");
    QVERIFY2(exchange.eot, "no EOT within the time bound");
    QCOMPARE(sz.exitStatus(), QProcess::NormalExit);
    QVERIFY2(sz.exitCode() == 0, sz.readAllStandardError().constData());
    const int blocks = (size + XModemReceiver::DataSize - 1) / XModemReceiver::DataSize;
    QCOMPARE(exchange.collected.size(), blocks * XModemReceiver::DataSize);
    QVERIFY(exchange.collected == paddedWithSub(content));
    // A clean line: every block is taken at its first transmission, nothing is answered NAK.
    const auto count = [&](Kind kind) {
        const auto found = exchange.steps.find(kind);
        return found == exchange.steps.end() ? 0 : found->second;
    };
    QCOMPARE(count(Kind::BlockAccepted), blocks);
    QCOMPARE(count(Kind::BlockRepeated), 0);
    QCOMPARE(count(Kind::BlockRejected), 0);
    QCOMPARE(count(Kind::Garbage), 0);
}

QTEST_GUILESS_MAIN(TestSzInterop)
#include "test_szinterop.moc"
