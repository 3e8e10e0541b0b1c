// The download driver's endings, each against the simulated instrument on a real pty.
#include "deviceport.h"
#include "downloadrun.h"
#include "dsosimprocess.h"
#include "filehelpers.h"
#include "recordinglistener.h"
#include "screenshotdownload.h"
#include "systemclock.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using Ending = DownloadResult::Ending;

namespace {
const QString Thick(47, '=');

QByteArray padded(QByteArray data)
{
    while (data.size() % XModemReceiver::DataSize != 0)
        data += '\x1A';
    return data;
}
} // namespace

class TestPtyDownload : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void endings_data();
    void endings();
    void portThatCannotBeOpened();
    void nothingIsLoggedWithoutLogging();

private:
    QTemporaryDir dir_;
    QString sample_;
    QByteArray sent_;
};

void TestPtyDownload::initTestCase()
{
    sample_ = dir_.filePath("small.bmp");
    QVERIFY(DsoSimProcess::makeBmp("small", sample_));
    QVERIFY(FileToString(sample_, sent_));
}

void TestPtyDownload::endings_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::addColumn<int>("stopAfterMs");
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<QStringList>("lastLines");
    const QStringList complete{"XModem transfer complete", Thick};
    QTest::newRow("clean") << QStringList{} << -1 << Ending::Complete << complete;
    QTest::newRow("CRC errors") << QStringList{"--corrupt-crc", "1,3"} << -1 << Ending::Complete
                                << complete;
    QTest::newRow("lost ACK") << QStringList{"--lost-ack", "2"} << -1 << Ending::Complete
                              << complete;
    QTest::newRow("no block in time") << QStringList{"--start-delay-ms", "20000"} << -1
                                      << Ending::TimedOut << QStringList{"Timeout.", Thick};
    QTest::newRow("cancelled") << QStringList{"--start-delay-ms", "20000"} << 700
                               << Ending::Cancelled << QStringList{Thick};
    // An EOT before any block is an earlier transfer's: forgotten, the wait goes on.
    QTest::newRow("EOT first") << QStringList{"--eot-first", "--eot-repeats", "0", "--loop"} << -1
                               << Ending::TimedOut << QStringList{"Timeout.", Thick};
    QTest::newRow("line closed") << QStringList{"--close-after", "3"} << -1 << Ending::LineLost
                                 << QStringList{"The COM port was lost.", Thick};
    QTest::newRow("noise on a block number")
        << QStringList{"--bad-complement", "1"} << -1 << Ending::Complete << complete;
    QTest::newRow("the instrument gives up")
        << QStringList{"--cancel-after", "2", "--loop"} << -1 << Ending::InstrumentCancelled
        << QStringList{"CAN CAN: the instrument cancelled the transfer", Thick};
    QTest::newRow("the instrument falls silent")
        << QStringList{"--silent-after", "2"} << -1 << Ending::InstrumentSilent
        << QStringList{"No data for 1 s: the instrument stopped sending", "Tx: CAN CAN CAN", Thick};
}

void TestPtyDownload::endings()
{
    QFETCH(QStringList, simArgs);
    QFETCH(int, stopAfterMs);
    QFETCH(Ending, ending);
    QFETCH(QStringList, lastLines);
    DsoSimProcess sim;
    const QString device = sim.start(QStringList{"--file", sample_} + simArgs);
    QVERIFY2(!device.isEmpty(), sim.errorOutput().constData());
    DevicePort port(device);
    SystemClock clock;
    RecordingListener listener;
    listener.loggingOn = true;
    listener.timingsNow.timeoutSeconds = 1;
    ScreenshotDownload download(listener, clock);
    if (stopAfterMs >= 0)
        QTimer::singleShot(stopAfterMs, [&download] { download.requestStop(); });

    const DownloadRun run = DownloadRun::toEnd(download, listener, port);
    const DownloadResult& result = run.result;

    QVERIFY(!run.hung);
    QCOMPARE(result.ending, ending);
    QVERIFY(!port.line());
    QVERIFY(!download.running());
    QCOMPARE(listener.lines.mid(listener.lines.size() - lastLines.size()), lastLines);
    if (ending == Ending::Complete) {
        QCOMPARE(result.data, padded(sent_));
        QCOMPARE(result.blocks, int(padded(sent_).size() / 128));
        QCOMPARE(listener.received, qint64(result.data.size()));
        QCOMPARE(listener.expected, qint64(sent_.size()));
        QCOMPARE(result.naks > 0,
                 simArgs.contains("--corrupt-crc") || simArgs.contains("--bad-complement"));
    }
    if (ending == Ending::TimedOut) {
        // Timeout 1: the counter shows 1, then 0 for a whole second, then the download ends.
        QCOMPARE(listener.countdowns.first(), qint64(1));
        QCOMPARE(listener.countdowns.last(), qint64(0));
        QVERIFY(result.elapsedMs >= 2000);
    }
}

void TestPtyDownload::portThatCannotBeOpened()
{
    RecordingListener listener;
    listener.loggingOn = true;
    SystemClock clock;
    ScreenshotDownload download(listener, clock);
    DevicePort device(QStringLiteral("/dev/null/none"));
    const std::unique_ptr<DevicePort> unknown =
        DevicePort::unknown(QStringLiteral("COM7 is not among the detected ports."));
    for (DownloadPort* port : std::initializer_list<DownloadPort*>{&device, unknown.get()}) {
        const DownloadResult result = DownloadRun::toEnd(download, listener, *port).result;
        QCOMPARE(result.ending, Ending::PortNotOpened);
        QVERIFY(result.reason.contains(port == &device ? "/dev/null/none" : "COM7"));
        QVERIFY(!port->line());
    }
    QVERIFY(listener.lines.isEmpty());
}

void TestPtyDownload::nothingIsLoggedWithoutLogging()
{
    DsoSimProcess sim;
    const QString device = sim.start({"--file", sample_, "--corrupt-crc", "2"});
    QVERIFY(!device.isEmpty());
    DevicePort port(device);
    SystemClock clock;
    RecordingListener listener;
    ScreenshotDownload download(listener, clock);
    QCOMPARE(DownloadRun::toEnd(download, listener, port).result.ending, Ending::Complete);
    QVERIFY(listener.lines.isEmpty());
}

QTEST_GUILESS_MAIN(TestPtyDownload)
#include "test_ptydownload.moc"
