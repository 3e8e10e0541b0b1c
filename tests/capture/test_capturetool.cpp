// orvisnap-capture as a script runs it: its own process against the simulated instrument (or
// lrzsz's sz) on a real pty, judged by its exit status, its files and its words.
#include "capturetoolprocess.h"
#include "dsosimprocess.h"
#include "ptypair.h"
#include "szbridge.h"
#include "testfiles.h"
#include "testpictures.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
// Bounds against hangs only; a capture of the small sample takes well under a second.
constexpr int ToolMs = 60000;
const QByteArray Thick(47, '=');

QByteArray patched(QByteArray bmp)
{
    bmp[58] = 0; // colour-table entry 1, blue green red
    bmp[59] = char(255);
    bmp[60] = char(240);
    return bmp;
}

// Every colour inverted; what was the commonest colour becomes white.
QImage forPaper(const QImage& picture)
{
    QHash<QRgb, int> counts;
    QImage paper = Rgb32(picture);
    for (int y = 0; y < paper.height(); ++y)
        for (int x = 0; x < paper.width(); ++x)
            ++counts[paper.pixel(x, y)];
    const QRgb background = std::max_element(counts.cbegin(), counts.cend()).key();
    for (int y = 0; y < paper.height(); ++y)
        for (int x = 0; x < paper.width(); ++x) {
            const QRgb c = paper.pixel(x, y);
            paper.setPixel(x, y,
                           c == background ? qRgb(255, 255, 255)
                                           : qRgb(255 - qRed(c), 255 - qGreen(c), 255 - qBlue(c)));
        }
    return paper;
}
} // namespace

class TestCaptureTool : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void endings_data();
    void endings();
    void pngPixels_data();
    void pngPixels();
    void standardOutputFails_data();
    void standardOutputFails();
    void seriesOfThree();
    void runsInARow();
    void interrupted_data();
    void interrupted();
    void fromSz();
    void listPorts();

private:
    [[nodiscard]] static QStringList toolArguments(const QString& device);

    QTemporaryDir samples_;
    QString sample_ = samples_.filePath("small.bmp");
    QString longer_ = samples_.filePath("longer.bmp"); // 200 bytes more than its header makes
    QByteArray sent_;                                  // the sample as the instrument sends it
};

void TestCaptureTool::initTestCase()
{
    QVERIFY(DsoSimProcess::makeBmp("small", sample_));
    sent_ = ReadTestFile(sample_);
    QVERIFY(sent_.size() % 128 != 0); // so that the padding shows
    WriteTestFile(longer_, sent_ + QByteArray(200, 'x'));
}

void TestCaptureTool::endings_data()
{
    QTest::addColumn<QStringList>("simArgs"); // empty: no simulator
    QTest::addColumn<QStringList>("toolArgs");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("words");
    QTest::addColumn<QByteArray>("lastLogged"); // before the closing separator
    const QStringList sample{"--file", sample_};
    QTest::newRow("clean") << sample << QStringList{} << 0 << "shot.bmp: 128x64, 1086 bytes in"
                           << QByteArray("XModem transfer complete");
    QTest::newRow("CRC errors") << sample + QStringList{"--corrupt-crc", "2,4"} << QStringList{}
                                << 0 << ", 2 NAKs" << QByteArray("XModem transfer complete");
    QTest::newRow("start time-out")
        << sample + QStringList{"--start-delay-ms", "20000"} << QStringList{"--timeout", "1"} << 4
        << "No transfer from /" << QByteArray("Timeout.");
    QTest::newRow("not a picture")
        << QStringList{"--not-bmp"} << QStringList{} << 5 << "kept in shot.bmp.raw"
        << QByteArray("XModem transfer complete");
    // An EOT before any block is an earlier transfer's, and forgotten.
    QTest::newRow("EOT first") << sample +
                                      QStringList{"--eot-first", "--eot-repeats", "0", "--loop"}
                               << QStringList{"--timeout", "1"} << 4 << "No transfer from /"
                               << QByteArray("Timeout.");
    QTest::newRow("line closed") << sample + QStringList{"--close-after", "3"} << QStringList{} << 6
                                 << "connection to /" << QByteArray("The COM port was lost.");
    QTest::newRow("no such device")
        << QStringList{} << QStringList{} << 3 << "/nonexistent/tty: No such file" << QByteArray();
    QTest::newRow("an earlier transfer still running")
        << sample + QStringList{"--first-block", "5"} << QStringList{} << 7
        << "still sending an earlier picture" << QByteArray("Tx: CAN CAN CAN");
    QTest::newRow("one answer behind, one bad block")
        << sample + DsoSimProcess::oneAnswerBehind() + QStringList{"--corrupt-crc", "3"}
        << QStringList{} << 8 << "A block was lost on the line" << QByteArray("Tx: CAN CAN CAN");
    QTest::newRow("a block skipped")
        << sample + QStringList{"--skip-block", "4"} << QStringList{} << 8
        << "A block was lost on the line" << QByteArray("Tx: CAN CAN CAN");
    QTest::newRow("more than its header makes")
        << QStringList{"--file", longer_} << QStringList{} << 5
        << "header states 1086 bytes; 1408 bytes arrived" << QByteArray("XModem transfer complete");
    QTest::newRow("noise on a block number")
        << sample + QStringList{"--bad-complement", "2"} << QStringList{} << 0
        << "shot.bmp: 128x64, 1086 bytes in" << QByteArray("XModem transfer complete");
    QTest::newRow("the instrument gives up")
        << sample + QStringList{"--cancel-after", "3", "--loop"} << QStringList{} << 9
        << "The instrument cancelled the transfer."
        << QByteArray("CAN CAN: the instrument cancelled the transfer");
    QTest::newRow("the instrument falls silent")
        << sample + QStringList{"--silent-after", "3"} << QStringList{"--timeout", "1"} << 10
        << "The instrument stopped sending" << QByteArray("Tx: CAN CAN CAN");
    // Told before anything is asked of the instrument: the log is not even begun.
    QTest::newRow("no output folder") << sample << QStringList{"--output", "missing/shot.bmp"} << 1
                                      << "missing: no such folder" << QByteArray();
}

void TestCaptureTool::endings()
{
    QFETCH(QStringList, simArgs);
    QFETCH(QStringList, toolArgs);
    QFETCH(int, status);
    QFETCH(QString, words);
    QFETCH(QByteArray, lastLogged);
    const QTemporaryDir work;
    DsoSimProcess sim;
    const QString device = simArgs.isEmpty() ? "/nonexistent/tty" : sim.start(simArgs);
    QVERIFY(!device.isEmpty());
    WriteTestFile(work.filePath("log.txt"), "earlier\r\n");

    const auto ended = CaptureToolProcess::run(
        toolArguments(device) + QStringList{"--log", "log.txt"} + toolArgs, work.path(), ToolMs);

    QVERIFY2(ended.exited, qPrintable(ended.standardError));
    QCOMPARE(ended.exitCode, status);
    QVERIFY2(ended.standardError.contains(words), qPrintable(ended.standardError));
    // Only a whole picture is ever under the output name.
    const QStringList files = QDir(work.path()).entryList(QDir::Files);
    const QByteArray saved = ReadTestFile(work.filePath("shot.bmp"));
    QCOMPARE(files.contains("shot.bmp"), status == 0);
    if (status == 0)
        QVERIFY(saved == patched(sent_)); // byte for byte, without the padding
    QCOMPARE(files.contains("shot.bmp.raw"), status == 5);
    const QByteArray log = ReadTestFile(work.filePath("log.txt"));
    QVERIFY(log.startsWith("earlier\r\n"));
    QVERIFY2(lastLogged.isEmpty() ? log == "earlier\r\n"
                                  : log.endsWith(lastLogged + "\r\n" + Thick + "\r\n"),
             log.right(200).constData());
}

void TestCaptureTool::pngPixels_data()
{
    QTest::addColumn<QString>("output");
    QTest::addColumn<bool>("printable");
    QTest::newRow("file") << "shot.png" << false;
    QTest::newRow("standard output") << "-" << false;
    QTest::newRow("for paper") << "shot.png" << true;
}

void TestCaptureTool::pngPixels()
{
    QFETCH(QString, output);
    QFETCH(bool, printable);
    const QTemporaryDir work;
    DsoSimProcess sim;
    const QString device = sim.start({"--file", sample_});
    QVERIFY(!device.isEmpty());
    QStringList args{"--port", device, "--output", output, "--timeout", "20"};
    if (printable)
        args << "--printable";

    const auto ended = CaptureToolProcess::run(args, work.path(), ToolMs);

    QCOMPARE(ended.exitCode, 0);
    const QByteArray png =
        output == "-" ? ended.standardOutput : ReadTestFile(work.filePath(output));
    QVERIFY(png.startsWith("\x89PNG"));
    const QImage sentPicture = QImage::fromData(patched(sent_), "BMP");
    const QImage expected = printable ? forPaper(sentPicture) : Rgb32(sentPicture);
    QVERIFY(Rgb32(QImage::fromData(png, "PNG")) == expected);
}

void TestCaptureTool::standardOutputFails_data()
{
    QTest::addColumn<QString>("output"); // empty: a pipe whose reader has gone
    QTest::addColumn<QString>("words");
    QTest::newRow("reader gone") << QString()
                                 << "Standard output was closed before the picture was written.";
    QTest::newRow("full disk") << "/dev/full"
                               << "Cannot write to standard output: No space left on device";
}

// A reader that has gone (`| true`, a viewer closed early) is told, not a silent end by
// SIGPIPE; a full disk is told too, however little the picture is.
void TestCaptureTool::standardOutputFails()
{
    QFETCH(QString, output);
    QFETCH(QString, words);
    const QTemporaryDir work;
    DsoSimProcess sim;
    const QString device = sim.start({"--file", sample_});
    QVERIFY(!device.isEmpty());
    const QTemporaryDir pipes;
    const QString pipe = pipes.filePath("output");
    int reader = -1;
    if (output.isEmpty()) {
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        reader = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        QVERIFY(reader >= 0);
    } else if (!QFile::exists(output)) {
        QSKIP("no /dev/full here");
    }
    CaptureToolProcess tool;
    tool.outputTo(output.isEmpty() ? pipe : output);
    tool.start({"--port", device, "--output", "-"}, work.path());
    if (reader >= 0)
        ::close(reader); // gone before the picture comes

    const auto ended = tool.wait(ToolMs);

    QVERIFY2(ended.exited, "ended by a signal");
    QCOMPARE(ended.exitCode, 1);
    QVERIFY2(ended.standardError.endsWith("orvisnap-capture: " + words + "\n"),
             qPrintable(ended.standardError));
    QCOMPARE(QDir(work.path()).entryList(QDir::Files), QStringList());
}

void TestCaptureTool::seriesOfThree()
{
    const QTemporaryDir work;
    DsoSimProcess sim;
    const QString device = sim.start({"--file", sample_, "--loop"});
    QVERIFY(!device.isEmpty());

    const auto ended = CaptureToolProcess::run(toolArguments(device) + QStringList{"--count", "3"},
                                               work.path(), ToolMs);

    QCOMPARE(ended.exitCode, 0);
    QCOMPARE(QDir(work.path()).entryList(QDir::Files),
             (QStringList{"shot-2.bmp", "shot-3.bmp", "shot.bmp"}));
    for (const QString name : {"shot.bmp", "shot-2.bmp", "shot-3.bmp"}) {
        QVERIFY(ReadTestFile(work.filePath(name)) == patched(sent_));
        QVERIFY(ended.standardError.contains(name + ": 128x64"));
    }
}

// The instrument repeats the EOT that is never answered, a few times a second apart, and hears
// no request meanwhile: the next run asks again until it does.
void TestCaptureTool::runsInARow()
{
    const QTemporaryDir work;
    DsoSimProcess sim;
    const QString device = sim.start({"--file", sample_, "--loop"});
    QVERIFY(!device.isEmpty());
    for (const QString name : {"one.bmp", "two.bmp", "three.bmp"}) {
        const auto ended =
            CaptureToolProcess::run({"--port", device, "--output", name}, work.path(), ToolMs);
        QCOMPARE(ended.exitCode, 0);
        QVERIFY(ReadTestFile(work.filePath(name)) == patched(sent_));
    }
}

void TestCaptureTool::interrupted_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<int>("signal");
    const QStringList waiting{"--start-delay-ms", "60000"};
    const QStringList midTransfer{"--loop", "--reply-delay-ms", "100"};
    QTest::newRow("SIGINT while waiting") << waiting << SIGINT;
    QTest::newRow("SIGTERM while waiting") << waiting << SIGTERM;
    QTest::newRow("SIGINT during the transfer") << midTransfer << SIGINT;
    QTest::newRow("SIGTERM during the transfer") << midTransfer << SIGTERM;
}

void TestCaptureTool::interrupted()
{
    QFETCH(QStringList, simArgs);
    QFETCH(int, signal);
    const QTemporaryDir work;
    DsoSimProcess sim;
    const QString device = sim.start(QStringList{"--file", sample_} + simArgs);
    QVERIFY(!device.isEmpty());
    CaptureToolProcess tool;
    tool.start(toolArguments(device) + QStringList{"--timeout", "120", "--log", "log.txt"},
               work.path());
    // Signalled once the exchange is under way (the request, or the first blocks, logged).
    const bool midTransfer = simArgs.contains("--loop");
    const auto underway = [&] {
        const QByteArray log = ReadTestFile(work.filePath("log.txt"));
        return midTransfer ? log.count("Tx: ACK") >= 2 : log.contains("Waiting for XModem");
    };
    QTRY_VERIFY_WITH_TIMEOUT(underway(), ToolMs);
    tool.signal(signal);

    const auto ended = tool.wait(ToolMs);

    QVERIFY(ended.exited);
    QCOMPARE(ended.exitCode, 130);
    QVERIFY(ended.standardError.endsWith("orvisnap-capture: Interrupted.\n"));
    QCOMPARE(QDir(work.path()).entryList(QDir::Files), QStringList{"log.txt"});
    // A transfer under way is cancelled with the instrument, which then takes a new request.
    const QByteArray cancelled = midTransfer ? "Tx: CAN CAN CAN\r\n" : "";
    QVERIFY(ReadTestFile(work.filePath("log.txt"))
                .endsWith("Cancelled.\r\n" + cancelled + Thick + "\r\n"));
    if (midTransfer) {
        const auto again = CaptureToolProcess::run(toolArguments(device), work.path(), ToolMs);
        QCOMPARE(again.exitCode, 0);
        QVERIFY(ReadTestFile(work.filePath("shot.bmp")) == patched(sent_));
    }
}

void TestCaptureTool::fromSz()
{
    if (!SzBridge::available())
        QSKIP("lrzsz's sz is not installed");
    const QTemporaryDir work;
    SzBridge bridge;
    QVERIFY2(bridge.start(sample_), bridge.szErrors().constData());

    const auto ended = CaptureToolProcess::run(
        toolArguments(bridge.devicePath()) + QStringList{"--timeout", "30"}, work.path(), ToolMs);

    QCOMPARE(ended.exitCode, 0);
    QVERIFY2(bridge.waitForSuccess(30000), bridge.szErrors().constData());
    QVERIFY(ReadTestFile(work.filePath("shot.bmp")) == patched(sent_));
}

// The ports as the window numbers them, from a portable folder whose settings map two.
void TestCaptureTool::listPorts()
{
    const QTemporaryDir folder;
    const PtyPair pty;
    const QString tool = folder.filePath("orvisnap-capture");
    QVERIFY(QFile::copy(CaptureToolProcess::executable(), tool));
    WriteTestFile(folder.filePath("Orvisnap.ini"),
                  "[Ports]\nCOM7=" + pty.slavePath().toUtf8() + "\nCOM8=/dev/orvisnap-gone\n");

    const auto ended = CaptureToolProcess::run({"--list-ports"}, folder.path(), ToolMs, tool);

    QCOMPARE(ended.exitCode, 0);
    const QStringList lines = QString::fromLocal8Bit(ended.standardOutput).split('\n');
    QVERIFY2(lines.contains("COM7\t" + pty.slavePath()), ended.standardOutput.constData());
    QVERIFY(!ended.standardOutput.contains("COM8"));
    QCOMPARE(lines.last(), QString()); // every line ended
    for (const QString& line : lines.sliced(0, lines.size() - 1))
        QVERIFY2(line.count('\t') >= 1 && line.startsWith("COM"), qPrintable(line));
}

QStringList TestCaptureTool::toolArguments(const QString& device)
{
    return {"--port", device, "--output", "shot.bmp"};
}

QTEST_GUILESS_MAIN(TestCaptureTool)
#include "test_capturetool.moc"
