// The simulated oscilloscope, driven over its pseudo-terminal by small receivers written here.
#include "crc16.h"
#include "dsosimprocess.h"
#include "rawterminal.h"
#include "testfiles.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cerrno>
#include <cstdint>

#include <poll.h>
#include <unistd.h>

namespace {
constexpr char kSoh = 0x01;
constexpr char kEot = 0x04;
constexpr char kAck = 0x06;
constexpr char kNak = 0x15;
constexpr int kFrameSize = 133;
constexpr int kDataSize = 128;

// The receiving end of the line, opened the way a serial port is.
class LineEnd {
public:
    explicit LineEnd(const QString& path) : terminal_(path, RawTerminal::Reads::NonBlocking) {}

    [[nodiscard]] bool isOpen() const { return terminal_.isOpen(); }
    [[nodiscard]] bool hungUp() const { return hungUp_; }
    void send(char byte) { QCOMPARE(::write(terminal_.fd(), &byte, 1), 1); }

    // Up to `count` bytes, waiting at most `ms` in all.
    [[nodiscard]] QByteArray read(int count, int ms)
    {
        QByteArray out;
        QElapsedTimer clock;
        clock.start();
        while (out.size() < count && !hungUp_ && clock.elapsed() < ms)
            readSome(out, count - static_cast<int>(out.size()),
                     ms - static_cast<int>(clock.elapsed()));
        return out;
    }

    // One read as a time-framing receiver sees it: everything until the line is quiet.
    [[nodiscard]] QByteArray readUntilQuiet(int quietMs, int firstByteMs)
    {
        QByteArray out;
        if (!readSome(out, 4096, firstByteMs))
            return out;
        while (readSome(out, 4096, quietMs)) {
        }
        return out;
    }

private:
    bool readSome(QByteArray& out, int maxBytes, int ms)
    {
        pollfd pfd{terminal_.fd(), POLLIN, 0};
        if (::poll(&pfd, 1, std::max(ms, 0)) <= 0)
            return false;
        char buffer[4096];
        const auto n =
            ::read(terminal_.fd(), buffer, std::min<std::size_t>(sizeof buffer, maxBytes));
        if (n <= 0) {
            hungUp_ = n == 0 || errno == EIO;
            return false;
        }
        out.append(buffer, n);
        return true;
    }

    RawTerminal terminal_;
    bool hungUp_ = false;
};

[[nodiscard]] std::uint16_t crcOf(const char* data)
{
    std::uint16_t crc = 0;
    Crc16OfBuffer(crc, data, static_cast<std::uint16_t>(kDataSize));
    return crc;
}

[[nodiscard]] bool crcMatches(const QByteArray& frame)
{
    const auto received = static_cast<std::uint16_t>(static_cast<std::uint8_t>(frame[131]) << 8 |
                                                     static_cast<std::uint8_t>(frame[132]));
    return crcOf(frame.constData() + 3) == received;
}

// What a receiver made of a transfer.
struct Received {
    QByteArray data;   // accepted blocks in order; a repeat of the last one is dropped
    QStringList reads; // per read: the block number, "N!" for a wrong CRC, "?" for anything else
    QString fault;     // first framing fault
    int accepted = 0;
    bool eot = false;

    void accept(const QByteArray& frame)
    {
        if (frame.size() != kFrameSize || frame[0] != kSoh) {
            noteFault(QStringLiteral("bad frame start or size %1").arg(frame.size()));
            return;
        }
        const int number = static_cast<std::uint8_t>(frame[1]);
        const int expected = (accepted + 1) & 0xFF;
        if (static_cast<std::uint8_t>(frame[2]) != static_cast<std::uint8_t>(~number))
            noteFault(QStringLiteral("block %1: bad complement").arg(number));
        else if (!crcMatches(frame))
            noteFault(QStringLiteral("block %1: bad CRC").arg(number));
        else if (number == expected) {
            data += frame.mid(3, kDataSize);
            ++accepted;
        } else if (accepted == 0 || number != ((expected + 255) & 0xFF)) {
            noteFault(QStringLiteral("block %1 where %2 was due").arg(number).arg(expected));
        }
    }
    void noteFault(const QString& text)
    {
        if (fault.isEmpty())
            fault = text;
    }
};

// A byte-stream receiver: takes whole frames and answers at once.
Received receiveFrames(LineEnd& line, bool ackEot)
{
    Received got;
    for (;;) {
        const QByteArray head = line.read(1, 5000);
        if (head.isEmpty()) {
            got.noteFault(QStringLiteral("nothing more arrived"));
            return got;
        }
        if (head[0] == kEot) {
            got.eot = true;
            if (ackEot)
                line.send(kAck);
            return got;
        }
        got.accept(head + line.read(kFrameSize - 1, 2000));
        line.send(kAck);
    }
}

// Frames by silence like the program's receiver: a 133-byte read with a good CRC is ACKed,
// anything else NAKed. EOT is not answered.
Received receiveByPauses(LineEnd& line)
{
    Received got;
    for (;;) {
        const QByteArray read = line.readUntilQuiet(80, 5000);
        if (read.isEmpty()) {
            got.noteFault(QStringLiteral("nothing more arrived"));
            return got;
        }
        if (read.size() == 1 && read[0] == kEot) {
            got.eot = true;
            return got;
        }
        const bool good = read.size() == kFrameSize && crcMatches(read);
        const QString number = QString::number(static_cast<std::uint8_t>(read[1]));
        got.reads << (read.size() != kFrameSize ? QStringLiteral("?")
                      : good                    ? number
                                                : number + '!');
        if (good)
            got.accept(read);
        line.send(good ? kAck : kNak);
    }
}

// The program asks twice; at 38400 baud the second NAK arrives while block 1 is on the line.
void request(LineEnd& line, char byte)
{
    line.send(byte);
    if (byte == kNak) {
        QThread::msleep(5);
        line.send(byte);
    }
}

[[nodiscard]] QByteArray padded(QByteArray file)
{
    while (file.size() % kDataSize != 0)
        file += '\x1A';
    return file;
}

[[nodiscard]] quint32 le32(const QByteArray& bytes, int offset)
{
    quint32 value = 0;
    for (int i = 3; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[offset + i]);
    return value;
}

const QStringList kQuickEot = {QStringLiteral("--eot-interval-ms"), QStringLiteral("150"),
                               QStringLiteral("--eot-repeats"), QStringLiteral("1")};
} // namespace

class TestDsoSim : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void makesSamplePictures_data();
    void makesSamplePictures();
    void rejectsBadOptions_data();
    void rejectsBadOptions();
    void cleanTransfer_data();
    void cleanTransfer();
    void repeatsAfterFaults_data();
    void repeatsAfterFaults();
    void givesUpWithoutAnswers();
    void closesLineAfterBlock();
    void loopReopensClosedLine();
    void eotFirst_data();
    void eotFirst();
    void startDelayDropsEarlyRequests();
    void pacingIsNotFasterThanTheLine_data();
    void pacingIsNotFasterThanTheLine();

private:
    [[nodiscard]] QByteArray sample(const QString& kind) const;

    QTemporaryDir dir_;
    QString small_;
};

void TestDsoSim::initTestCase()
{
    QVERIFY(dir_.isValid());
    small_ = dir_.filePath(QStringLiteral("small.bmp"));
    QVERIFY(DsoSimProcess::makeBmp(QStringLiteral("small"), small_));
}

QByteArray TestDsoSim::sample(const QString& kind) const
{
    const QString path = dir_.filePath(kind + QStringLiteral(".bmp"));
    if (!QFile::exists(path) && !DsoSimProcess::makeBmp(kind, path))
        return {};
    return ReadTestFile(path);
}

void TestDsoSim::makesSamplePictures_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("size");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("bitsPerPixel");
    QTest::newRow("small") << "small" << 1086 << 128 << 64 << 1;
    QTest::newRow("medium") << "medium" << 38518 << 320 << 240 << 4;
    QTest::newRow("large") << "large" << 230454 << 320 << 240 << 24;
}

void TestDsoSim::makesSamplePictures()
{
    QFETCH(QString, kind);
    QFETCH(int, size);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, bitsPerPixel);
    const QByteArray bmp = sample(kind);
    QCOMPARE(bmp.size(), size);
    QVERIFY(bmp.startsWith("BM"));
    QCOMPARE(le32(bmp, 2), quint32(size));
    QCOMPARE(le32(bmp, 14), 40u);
    QCOMPARE(le32(bmp, 18), quint32(width));
    QCOMPARE(le32(bmp, 22), quint32(height));
    QCOMPARE(le32(bmp, 28) & 0xFFFF, quint32(bitsPerPixel));
    const quint32 colours = bitsPerPixel == 24 ? 0 : 1u << bitsPerPixel;
    QCOMPARE(le32(bmp, 10), 54 + 4 * colours);

    // Deterministic, so a transferred copy can be compared with a fresh one.
    const QString again = dir_.filePath(kind + QStringLiteral("-again.bmp"));
    QVERIFY(DsoSimProcess::makeBmp(kind, again));
    QFile file(again);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bmp);
}

void TestDsoSim::rejectsBadOptions_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("unknown option") << QStringList{"--bogus"};
    QTest::newRow("missing value") << QStringList{"--baud"};
    QTest::newRow("zero baud") << QStringList{"--baud", "0"};
    QTest::newRow("stall without time") << QStringList{"--stall", "3"};
    QTest::newRow("block 0") << QStringList{"--corrupt-crc", "1,0"};
    QTest::newRow("unknown picture") << QStringList{"--make-bmp", "huge", "x.bmp"};
    QTest::newRow("missing file") << QStringList{"--file", "/nonexistent/dso.bmp"};
    QTest::newRow("seed that is no number") << QStringList{"--random-faults", "x"};
}

void TestDsoSim::rejectsBadOptions()
{
    QFETCH(QStringList, args);
    QProcess process;
    process.start(DsoSimProcess::executable(), args);
    QVERIFY(process.waitForFinished(5000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(!process.readAllStandardOutput().startsWith("PTY"));
}

void TestDsoSim::cleanTransfer_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<char>("requestByte");
    QTest::addColumn<QString>("kind");
    QTest::newRow("small file, NAK request") << QStringList{"--file", small_} << kNak << "small";
    QTest::newRow("small file, 'C' request, 16 ms bursts")
        << QStringList{"--file", small_, "--burst-ms", "16"} << 'C' << "small";
    // One request only: at this speed a second NAK would come after block 1 and rightly count.
    QTest::newRow("generated picture, fast line, numbers wrap past 255")
        << QStringList{"--baud", "921600"} << 'C' << "medium";
}

// Framing, numbering, padding and content of an undisturbed transfer.
void TestDsoSim::cleanTransfer()
{
    QFETCH(QStringList, args);
    QFETCH(char, requestByte);
    QFETCH(QString, kind);
    DsoSimProcess sim;
    const QString path = sim.start(args + kQuickEot);
    QVERIFY(!path.isEmpty());
    LineEnd line(path);
    QVERIFY(line.isOpen());

    request(line, requestByte);
    const Received got = receiveFrames(line, true);

    QVERIFY2(got.fault.isEmpty(), qPrintable(got.fault));
    QVERIFY(got.eot);
    QCOMPARE(got.data, padded(sample(kind)));
    const auto summary = sim.waitForSummary(10000);
    QVERIFY(summary);
    QCOMPARE(summary->blocks, got.accepted);
    QCOMPARE(summary->naks, 0);
    QCOMPARE(summary->repeats, 0);
    QCOMPARE(summary->exitCode, 0);
}

void TestDsoSim::repeatsAfterFaults_data()
{
    QTest::addColumn<QStringList>("faults");
    QTest::addColumn<QString>("reads");
    QTest::addColumn<int>("naks");
    QTest::addColumn<int>("repeats");
    QTest::addColumn<int>("blocks");
    QTest::newRow("none, 16 ms bursts")
        << QStringList{"--burst-ms", "16"} << "1 2 3 4 5 6 7 8 9" << 0 << 0 << 9;
    QTest::newRow("wrong CRC in blocks 2 and 5")
        << QStringList{"--corrupt-crc", "2,5"} << "1 2! 2 3 4 5! 5 6 7 8 9" << 2 << 2 << 9;
    QTest::newRow("wrong CRC in every 4th transmission")
        << QStringList{"--corrupt-every", "4"} << "1 2 3 4! 4 5 6 7! 7 8 9" << 2 << 2 << 9;
    QTest::newRow("lost ACK of block 3")
        << QStringList{"--lost-ack", "3"} << "1 2 3 3 4 5 6 7 8 9" << 0 << 1 << 10;
    QTest::newRow("noise before block 2")
        << QStringList{"--noise-before", "2"} << "1 ? 2 3 4 5 6 7 8 9" << 1 << 1 << 9;
    // The NAK of the first half arrives while the block is still being sent and is ignored.
    QTest::newRow("stall inside block 3")
        << QStringList{"--stall", "3:300"} << "1 2 ? ? 3 4 5 6 7 8 9" << 1 << 1 << 9;
    // A seed always draws the same fault: these two start with a lost ACK and with noise.
    QTest::newRow("random faults, seed 3")
        << QStringList{"--random-faults", "3"} << "1 2 3 4 5 6 6 7 8 9" << 0 << 1 << 10;
    QTest::newRow("random faults, seed 12")
        << QStringList{"--random-faults", "12"} << "1 2 3 4 ? 5 6 7 8 9" << 1 << 1 << 9;
}

// Answered like the program answers: by what one read between pauses holds.
void TestDsoSim::repeatsAfterFaults()
{
    QFETCH(QStringList, faults);
    QFETCH(QString, reads);
    QFETCH(int, naks);
    QFETCH(int, repeats);
    QFETCH(int, blocks);
    DsoSimProcess sim;
    const QString path = sim.start(QStringList{"--file", small_} + faults + kQuickEot);
    QVERIFY(!path.isEmpty());
    LineEnd line(path);
    QVERIFY(line.isOpen());

    request(line, kNak);
    const Received got = receiveByPauses(line);

    QVERIFY2(got.fault.isEmpty(), qPrintable(got.fault));
    QVERIFY(got.eot);
    QCOMPARE(got.reads.join(' '), reads);
    QCOMPARE(got.data, padded(sample(QStringLiteral("small"))));
    const auto summary = sim.waitForSummary(10000);
    QVERIFY(summary);
    QCOMPARE(summary->naks, naks);
    QCOMPARE(summary->repeats, repeats);
    QCOMPARE(summary->blocks, blocks);
    QCOMPARE(summary->exitCode, 0);
}

void TestDsoSim::givesUpWithoutAnswers()
{
    DsoSimProcess sim;
    const QString path = sim.start({"--file", small_, "--answer-timeout-ms", "100"});
    QVERIFY(!path.isEmpty());
    LineEnd line(path);
    QVERIFY(line.isOpen());

    request(line, kNak);
    const QByteArray sent = line.read(11 * kFrameSize, 10000);

    QCOMPARE(sent.size(), 11 * kFrameSize);
    for (int i = 0; i < 11; ++i) {
        const QByteArray frame = sent.mid(i * kFrameSize, kFrameSize);
        QCOMPARE(frame.left(3), QByteArray("\x01\x01\xFE"));
        QVERIFY(crcMatches(frame));
    }
    const auto summary = sim.waitForSummary(10000);
    QVERIFY(summary);
    QCOMPARE(summary->blocks, 0);
    QCOMPARE(summary->repeats, 10);
    QCOMPARE(summary->exitCode, 1);
    QVERIFY(line.read(1, 300).isEmpty());
}

void TestDsoSim::closesLineAfterBlock()
{
    const QString link = dir_.filePath(QStringLiteral("dso"));
    DsoSimProcess sim;
    const QString path = sim.start({"--file", small_, "--close-after", "3", "--link", link});
    QVERIFY(!path.isEmpty());
    QCOMPARE(QFileInfo(link).symLinkTarget(), path);
    LineEnd line(link);
    QVERIFY(line.isOpen());

    request(line, kNak);
    const Received got = receiveFrames(line, false);

    QVERIFY(line.hungUp());
    QVERIFY(!got.eot);
    QCOMPARE(got.data, padded(sample(QStringLiteral("small"))).left(3 * kDataSize));
    const auto summary = sim.waitForSummary(10000);
    QVERIFY(summary);
    QCOMPARE(summary->blocks, 3);
    QCOMPARE(summary->exitCode, 0);
    QVERIFY(!QFileInfo::exists(link) && !QFileInfo(link).isSymLink());
}

// An unplugged and replugged cable: the receiver sees a hang-up, and the same link names a new
// line that serves the next transfer.
void TestDsoSim::loopReopensClosedLine()
{
    const QString link = dir_.filePath(QStringLiteral("dso-loop"));
    DsoSimProcess sim;
    QVERIFY(
        !sim.start({"--file", small_, "--close-after", "3", "--link", link, "--loop"}).isEmpty());
    for (int round = 1; round <= 2; ++round) {
        QVERIFY(sim.waitForLines(round, 10000));
        QCOMPARE(QFileInfo(link).symLinkTarget(), sim.devicePath());
        LineEnd line(link);
        QVERIFY(line.isOpen());

        request(line, kNak);
        const Received got = receiveFrames(line, false);

        QVERIFY(line.hungUp());
        QCOMPARE(got.data, padded(sample(QStringLiteral("small"))).left(3 * kDataSize));
        const auto summary = sim.waitForSummary(10000);
        QVERIFY(summary);
        QCOMPARE(summary->blocks, 3);
    }
    QVERIFY(sim.isRunning());
}

void TestDsoSim::eotFirst_data()
{
    QTest::addColumn<char>("answer");
    QTest::addColumn<int>("eots");
    QTest::addColumn<int>("naks");
    QTest::newRow("unanswered: repeated after the interval") << '\0' << 2 << 0;
    QTest::newRow("NAKed: repeated after the interval, not at once") << kNak << 2 << 1;
    QTest::newRow("ACKed: not repeated") << kAck << 1 << 0;
}

// An EOT before any block is an empty transfer; its exchange is the one that ends every transfer.
void TestDsoSim::eotFirst()
{
    QFETCH(char, answer);
    QFETCH(int, eots);
    QFETCH(int, naks);
    DsoSimProcess sim;
    const QString path = sim.start(QStringList{"--file", small_, "--eot-first"} + kQuickEot);
    QVERIFY(!path.isEmpty());
    LineEnd line(path);
    QVERIFY(line.isOpen());

    line.send(kNak);
    QCOMPARE(line.read(1, 1000), QByteArray(1, kEot));
    if (answer != '\0')
        line.send(answer);
    const QByteArray rest = line.read(10, 600);

    QCOMPARE(rest, QByteArray(eots - 1, kEot));
    const auto summary = sim.waitForSummary(10000);
    QVERIFY(summary);
    QCOMPARE(summary->blocks, 0);
    QCOMPARE(summary->naks, naks);
    QCOMPARE(summary->exitCode, 0);
}

void TestDsoSim::startDelayDropsEarlyRequests()
{
    DsoSimProcess sim;
    const QString path =
        sim.start(QStringList{"--file", small_, "--start-delay-ms", "400"} + kQuickEot);
    QVERIFY(!path.isEmpty());
    LineEnd line(path);
    QVERIFY(line.isOpen());

    QElapsedTimer clock;
    clock.start();
    request(line, kNak);
    for (int i = 0; i < 3; ++i) {
        QVERIFY(line.read(1, 100).isEmpty());
        line.send(kNak);
    }
    const Received got = receiveFrames(line, true);

    QVERIFY(clock.elapsed() >= 400);
    QVERIFY2(got.fault.isEmpty(), qPrintable(got.fault));
    const auto summary = sim.waitForSummary(10000);
    QVERIFY(summary);
    QCOMPARE(summary->naks, 0);
    QCOMPARE(summary->repeats, 0);
}

void TestDsoSim::pacingIsNotFasterThanTheLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("steady") << QStringList{};
    QTest::newRow("16 ms bursts") << QStringList{"--burst-ms", "16"};
}

// 9 blocks of 133 bytes of 10 bits at 38400 baud cannot arrive in less than 312 ms.
void TestDsoSim::pacingIsNotFasterThanTheLine()
{
    QFETCH(QStringList, args);
    constexpr double lineSeconds = 9.0 * kFrameSize * 10 / 38400;
    DsoSimProcess sim;
    const QString path = sim.start(QStringList{"--file", small_} + args + kQuickEot);
    QVERIFY(!path.isEmpty());
    LineEnd line(path);
    QVERIFY(line.isOpen());

    QElapsedTimer clock;
    clock.start();
    request(line, kNak);
    const Received got = receiveFrames(line, true);
    const double elapsed = clock.nsecsElapsed() / 1e9;

    QVERIFY(got.eot);
    QVERIFY2(elapsed >= lineSeconds, qPrintable(QString::number(elapsed)));
    QVERIFY2(elapsed < 20.0, qPrintable(QString::number(elapsed)));
    const auto summary = sim.waitForSummary(10000);
    QVERIFY(summary);
    QVERIFY2(summary->seconds >= lineSeconds, qPrintable(QString::number(summary->seconds)));
}

QTEST_GUILESS_MAIN(TestDsoSim)
#include "test_dsosim.moc"
