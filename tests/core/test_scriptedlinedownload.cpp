// The download driver's endings over a scripted line on a synthetic clock: no pty, no waiting,
// the same on every platform.
#include "crc16.h"
#include "goldenlogs.h"
#include "linescript.h"
#include "recordinglistener.h"
#include "screenshotdownload.h"
#include "transferlog.h"

#include <QTest>

using Ending = DownloadResult::Ending;

namespace {
const QString Thin(47, '-');
const QString Thick(47, '=');
const QByteArray Nak(1, XModemReceiver::NAK);
const QByteArray Ack(1, XModemReceiver::ACK);
const QByteArray Eot(1, XModemReceiver::EOT);
const QByteArray Can(3, XModemReceiver::CAN);
// The request goes out once the reopening delay has passed on the script's clock; the times
// below count from there.
constexpr std::int64_t Request = ScreenshotDownload::ReopenDelayMs;

QByteArray dataOf(int n)
{
    return QByteArray(XModemReceiver::DataSize, static_cast<char>('a' + n));
}

QByteArray block(int n, bool goodCrc = true)
{
    const QByteArray data = dataOf(n);
    std::uint16_t crc = 0;
    Crc16OfBuffer(crc, data.constData(), XModemReceiver::DataSize);
    if (!goodCrc)
        crc ^= 0x0101;
    return QByteArray(1, '\x01') + char(n) + char(~n) + data + char(crc >> 8) + char(crc & 0xFF);
}

// The window's front end in small: countdowns with the time they came, at the script's clock.
class TimedListener : public RecordingListener {
public:
    explicit TimedListener(const LineScript& script) : script_(script) {}
    QList<std::int64_t> countdownAtMs;
    std::int64_t expiredAtMs = -1;
    void countdown(std::int64_t secondsLeft) override
    {
        RecordingListener::countdown(secondsLeft);
        countdownAtMs << script_.nowMs() - Request;
    }
    void startTimeoutExpired() override
    {
        RecordingListener::startTimeoutExpired();
        expiredAtMs = script_.nowMs() - Request;
    }

private:
    const LineScript& script_;
};
} // namespace

class TestScriptedLineDownload : public QObject {
    Q_OBJECT
private slots:
    void endings_data();
    void endings();
    void startTimeoutCountsDownAndStops();
    void cancelDuringAWaitLetsThePassFinish();
    void closeUnderADownloadCancelsOnce();
    void lostLineEndsTheDownload();
    void logGroupIsDecidedWhenDue_data();
    void logGroupIsDecidedWhenDue();
    void refusalsAndFrontEndsNotReady();
    void repeatedRequests_data();
    void repeatedRequests();
    void goldenLogs_data();
    void goldenLogs();
};

void TestScriptedLineDownload::endings_data()
{
    QTest::addColumn<QByteArrayList>("messages");
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("answers"); // after the request
    QTest::addColumn<QStringList>("lastLines");
    const QStringList complete{"XModem transfer complete", Thick};
    QTest::newRow("EOT") << QByteArrayList{block(1), block(2), Eot} << Ending::Complete
                         << dataOf(1) + dataOf(2) << Ack + Ack << complete;
    QTest::newRow("wrong CRC") << QByteArrayList{block(1, false), block(1), Eot} << Ending::Complete
                               << dataOf(1) << Nak + Ack << complete;
    QTest::newRow("garbage, then a good block")
        << QByteArrayList{"noise", block(1), Eot} << Ending::Complete << dataOf(1) << Nak + Ack
        << complete;
    QTest::newRow("lost ACK: the block again")
        << QByteArrayList{block(1), block(1), block(2), Eot} << Ending::Complete
        << dataOf(1) + dataOf(2) << Ack + Ack + Ack << complete;
    QTest::newRow("no data") << QByteArrayList{Eot} << Ending::NoData << QByteArray()
                             << QByteArray() << QStringList{"EOT", "No data received.", Thick};
    QTest::newRow("an earlier transfer still running")
        << QByteArrayList{block(98), block(99)} << Ending::EarlierTransfer << QByteArray() << Can
        << QStringList{"Block 98 came first: an earlier transfer is still running",
                       "Tx: CAN CAN CAN", Thick};
    QTest::newRow("a lost block") << QByteArrayList{block(1), block(3), Eot} << Ending::BlockLost
                                  << QByteArray() << Ack + Can
                                  << QStringList{
                                         "Block 3 came instead of block 2: a block was lost",
                                         "Tx: CAN CAN CAN", Thick};
}

void TestScriptedLineDownload::endings()
{
    QFETCH(QByteArrayList, messages);
    QFETCH(Ending, ending);
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, answers);
    QFETCH(QStringList, lastLines);
    LineScript line;
    line.playInstrument(messages);
    RecordingListener listener;
    listener.loggingOn = true;
    ScreenshotDownload download(listener);

    const DownloadResult result = download.run(line.port(), line);

    QCOMPARE(result.ending, ending);
    QCOMPARE(result.data, data);
    QCOMPARE(line.written(), Nak + Nak + answers);
    QCOMPARE(line.writes().first().bytes, Nak); // the request is two writes
    QCOMPARE(result.naks, int(answers.count(XModemReceiver::NAK)));
    QCOMPARE(listener.lines.first(), QStringLiteral("Waiting for XModem transfer..."));
    QCOMPARE(listener.lines.mid(listener.lines.size() - lastLines.size()), lastLines);
    QVERIFY(!line.port().line()); // closed again
    QVERIFY(!download.running());
}

void TestScriptedLineDownload::startTimeoutCountsDownAndStops()
{
    LineScript line; // nothing ever comes
    TimedListener listener(line);
    listener.loggingOn = true;
    ScreenshotDownload download(listener);

    const DownloadResult result = download.run(line.port(), line);

    QCOMPARE(result.ending, Ending::TimedOut);
    QCOMPARE(listener.lines.mid(listener.lines.size() - 2), QStringList({"Timeout.", Thick}));
    QCOMPARE(line.written(), Nak + Nak);
    // "10" from the first tick at 200 ms, down to "0", each for its whole second; the stop at the
    // first tick after 11 whole seconds.
    QVERIFY(listener.countdownAtMs.first() >= 200 && listener.countdownAtMs.first() <= 230);
    for (int i = 0; i < listener.countdowns.size(); ++i)
        QCOMPARE(listener.countdowns[i], 10 - listener.countdownAtMs[i] / 1000);
    QCOMPARE(listener.countdowns.last(), std::int64_t(0));
    QVERIFY(listener.countdownAtMs.last() < 11000);
    QVERIFY(listener.expiredAtMs >= 11000 && listener.expiredAtMs < 11000 + 200);
    QVERIFY(result.elapsedMs >= 11000 && result.elapsedMs < 11000 + 200);
}

void TestScriptedLineDownload::cancelDuringAWaitLetsThePassFinish()
{
    LineScript line;
    // Block 1 comes at 20 ms and is answered at 30, block 2 comes at 50; the click falls into the
    // wait before block 2 is read at 60.
    line.playInstrument({block(1), block(2), Eot}, 20);
    RecordingListener listener;
    listener.loggingOn = true;
    line.at(Request + 45, [&listener] { listener.stop = true; });
    ScreenshotDownload download(listener);

    const DownloadResult result = download.run(line.port(), line);

    QCOMPARE(result.ending, Ending::Cancelled);
    QCOMPARE(result.blocks, 2);
    // That pass still read and answered; then the instrument is told to stop.
    QCOMPARE(line.written(), Nak + Nak + Ack + Ack + Can);
    QCOMPARE(listener.lines.mid(listener.lines.size() - 4),
             QStringList({"Tx: ACK", Thin, "Tx: CAN CAN CAN", Thick}));
}

void TestScriptedLineDownload::closeUnderADownloadCancelsOnce()
{
    LineScript line;
    line.playInstrument({block(1), block(2), Eot}, 20);
    RecordingListener listener;
    ScreenshotDownload download(listener);
    // As the window closes: the cancel, the port closed under the running download, the stop.
    line.at(Request + 45, [&] {
        download.cancelTransfer();
        line.port().close();
        listener.stop = true;
    });

    QCOMPARE(download.run(line.port(), line).ending, Ending::Cancelled);
    QCOMPARE(line.written(), Nak + Nak + Ack + Can);
}

void TestScriptedLineDownload::lostLineEndsTheDownload()
{
    LineScript line;
    line.playInstrument({block(1), block(2), Eot});
    line.loseLineAt(100);
    RecordingListener listener;
    listener.loggingOn = true;
    ScreenshotDownload download(listener);

    const DownloadResult result = download.run(line.port(), line);

    QCOMPARE(result.ending, Ending::LineLost);
    QCOMPARE(listener.lines.mid(listener.lines.size() - 2),
             QStringList({"The COM port was lost.", Thick}));
    QVERIFY(!line.port().line()); // closed again
}

void TestScriptedLineDownload::logGroupIsDecidedWhenDue_data()
{
    QTest::addColumn<bool>("loggingAtTheRead");
    QTest::newRow("switched on during the NAK delay") << false;
    QTest::newRow("switched off during the NAK delay") << true;
}

void TestScriptedLineDownload::logGroupIsDecidedWhenDue()
{
    QFETCH(bool, loggingAtTheRead);
    LineScript line;
    // Three bytes at 40 ms, taken at 60, judged after 50 quiet ms at 110; the NAK delay then
    // runs to 140, when the NAK goes out.
    line.arrive(Request + 40, "xyz");
    RecordingListener listener;
    line.at(Request + 250, [&listener] { listener.stop = true; });
    listener.loggingOn = loggingAtTheRead;
    line.at(Request + 125, [&] { listener.loggingOn = !loggingAtTheRead; });
    ScreenshotDownload download(listener);

    (void)download.run(line.port(), line);

    QCOMPARE(line.writes().size(), 3);
    QCOMPARE(line.writes().at(2).atMs, Request + 140);
    const QStringList readGroup{"Rx: 3 byte(s)", "78 79 7A "};
    const QStringList answerGroup{"Tx: NAK", Thin};
    if (loggingAtTheRead)
        QCOMPARE(listener.lines.mid(2, 2), readGroup);
    else
        QCOMPARE(listener.lines.mid(0, 2), answerGroup);
    QCOMPARE(listener.lines.contains("Tx: NAK"), !loggingAtTheRead);
}

void TestScriptedLineDownload::refusalsAndFrontEndsNotReady()
{
    LineScript line;
    RecordingListener listener;
    ScreenshotDownload download(listener);
    line.refuseOpen(SerialLine::Refusal::Busy, "in use");
    DownloadResult result = download.run(line.port(), line);
    QCOMPARE(result.ending, Ending::PortNotOpened);
    QCOMPARE(result.reason, QStringLiteral("line: in use\nAnother program has the port open."));

    line.refuseOpen(SerialLine::Refusal::None, {});
    listener.ready = Outcome::failure("TMP.BMP: read-only");
    result = download.run(line.port(), line);
    QCOMPARE(result.ending, Ending::NotReady);
    QCOMPARE(result.reason, QStringLiteral("TMP.BMP: read-only"));
    QVERIFY(line.writes().isEmpty()); // nothing was asked of the instrument
    QVERIFY(!line.port().line());     // closed again

    listener.ready = {};
    line.at(100, [&] { QCOMPARE(download.run(line.port(), line).ending, Ending::AlreadyRunning); });
    line.at(200, [&] { listener.stop = true; });
    QCOMPARE(download.run(line.port(), line).ending, Ending::Cancelled);
}

void TestScriptedLineDownload::repeatedRequests_data()
{
    QTest::addColumn<bool>("instrumentSends");
    QTest::newRow("until the transfer starts") << true;
    QTest::newRow("until the start time-out") << false;
}

// orvisnap-capture after its first picture: the instrument may still be ending the last
// transfer, whose EOT comes again, and hears only a later request.
void TestScriptedLineDownload::repeatedRequests()
{
    QFETCH(bool, instrumentSends);
    LineScript line;
    line.arrive(Request + 100, Eot);
    if (instrumentSends) {
        line.arrive(Request + 4500, block(1));
        line.arrive(Request + 4700, Eot);
    }
    RecordingListener listener;
    ScreenshotDownload download(listener);

    const DownloadResult result = download.run(line.port(), line, RequestPolicy{2000});

    QList<std::int64_t> requests;
    for (const LineScript::Write& write : line.writes())
        if (write.bytes == Nak)
            requests << (write.atMs - Request) / 1000;
    if (instrumentSends) {
        QCOMPARE(result.ending, Ending::Complete);
        QCOMPARE(result.data, dataOf(1));
        QCOMPARE(requests, QList<std::int64_t>({0, 0, 2, 2, 4, 4}));
    } else {
        // One start time-out over all the requests, counted from the first.
        QCOMPARE(result.ending, Ending::TimedOut);
        QVERIFY(result.elapsedMs >= 11000 && result.elapsedMs < 11200);
        QCOMPARE(requests.size(), 12);
        QCOMPARE(listener.countdowns.last(), std::int64_t(0));
    }
}

void TestScriptedLineDownload::goldenLogs_data()
{
    GoldenLogs::addRows();
}

// Every line of the golden logs comes from the driver and its one log writer; the window only
// shows them (its own test runs the same exchanges).
void TestScriptedLineDownload::goldenLogs()
{
    QFETCH(QByteArrayList, messages);
    QFETCH(QString, golden);
    LineScript line;
    line.playInstrument(messages);
    RecordingListener listener;
    listener.loggingOn = true;
    listener.timingsNow.timeoutSeconds = 1;
    ScreenshotDownload download(listener);
    if (golden == "cancel")
        line.at(500, [&listener] {
            listener.log(TransferLog::cancelled());
            listener.stop = true;
        });

    (void)download.run(line.port(), line);

    const QString log = listener.lines.join('\n').replace("\r\n", "\n") + '\n';
    QCOMPARE(log, GoldenLogs::read(golden));
}

QTEST_GUILESS_MAIN(TestScriptedLineDownload)
#include "test_scriptedlinedownload.moc"
