// The download driver over a scripted line on a synthetic clock: what it writes and logs and
// when, its endings, and a front end that cancels or closes in the middle. No pty, no waiting,
// the same on every platform.
#include "crc16.h"
#include "goldenlogs.h"
#include "linescript.h"
#include "recordinglistener.h"
#include "screenshotdownload.h"
#include "transferlog.h"
#include "xmodemreceiver.h"

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
    void finished(const DownloadResult& ended) override
    {
        RecordingListener::finished(ended);
        expiredAtMs = script_.nowMs() - Request;
    }

private:
    const LineScript& script_;
};
} // namespace

class TestScriptedLineDownload : public QObject {
    Q_OBJECT
private slots:
    void completeDownload();
    void startTimeoutCountsDownAndStops();
    void cancelDuringAWaitLetsThePassFinish();
    void closeUnderADownloadCancelsOnce();
    void closeDuringTheReopeningWaitAfterALostLine();
    void lostLineEndsTheDownload();
    void logGroupIsDecidedWhenDue_data();
    void logGroupIsDecidedWhenDue();
    void timingsAreReadAtEveryWait();
    void refusalsAndFrontEndsNotReady();
    void repeatedRequests_data();
    void repeatedRequests();
    void goldenLogs_data();
    void goldenLogs();
};

void TestScriptedLineDownload::completeDownload()
{
    LineScript line;
    line.playInstrument({block(1), block(1, false), block(2), Eot});
    RecordingListener listener;
    listener.loggingOn = true;
    ScreenshotDownload download(listener, line);

    const DownloadResult result = line.run(download, listener);

    QCOMPARE(result.ending, Ending::Complete);
    QCOMPARE(result.data, dataOf(1) + dataOf(2));
    QCOMPARE(result.blocks, 2);
    QCOMPARE(result.naks, 1);
    QCOMPARE(line.written(), Nak + Nak + Ack + Nak + Ack);
    QCOMPARE(line.writes().first().bytes, Nak); // the request is two writes
    QCOMPARE(line.writes().first().atMs, Request);
    QCOMPARE(listener.lines.first(), QStringLiteral("Waiting for XModem transfer..."));
    QCOMPARE(listener.lines.mid(listener.lines.size() - 2),
             QStringList({"XModem transfer complete", Thick}));
    QCOMPARE(listener.blocksArrived, 3);
    QCOMPARE(listener.received, 2 * 128);
    QCOMPARE(listener.endings, 1);
    QVERIFY(!line.port().line()); // closed again
    QVERIFY(!download.running());
}

void TestScriptedLineDownload::startTimeoutCountsDownAndStops()
{
    LineScript line; // nothing ever comes
    TimedListener listener(line);
    listener.loggingOn = true;
    ScreenshotDownload download(listener, line);

    const DownloadResult result = line.run(download, listener);

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
    ScreenshotDownload download(listener, line);
    line.at(Request + 45, [&download] { download.requestStop(); });

    const DownloadResult result = line.run(download, listener);

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
    ScreenshotDownload download(listener, line);
    // As the window closes: the download ends now, unreported.
    line.at(Request + 45, [&] {
        download.abort();
        download.abort();
    });

    line.run(download, listener);

    QCOMPARE(line.written(), Nak + Nak + Ack + Can);
    QCOMPARE(listener.endings, 0);
    QVERIFY(!download.running());
    QVERIFY(!line.port().line());
}

// A download ended by a lost line after a block; the next one is closed while it waits to
// reopen the port: nothing of the last download's state may reach the gone line.
void TestScriptedLineDownload::closeDuringTheReopeningWaitAfterALostLine()
{
    LineScript line;
    line.playInstrument({block(1), block(2)}, 20);
    line.loseLineAt(Request + 40);
    RecordingListener listener;
    ScreenshotDownload download(listener, line);
    QCOMPARE(line.run(download, listener).ending, Ending::LineLost);
    const QByteArray before = line.written();

    QVERIFY(download.start(line.port()));
    line.runUntil([] { return false; }, line.nowMs() + ScreenshotDownload::ReopenDelayMs / 2);
    download.abort();

    QCOMPARE(line.written(), before);
    QCOMPARE(listener.endings, 1);
    QVERIFY(!download.running());
    line.runUntil([] { return false; }, line.nowMs() + 1000); // nothing is left to happen
    QCOMPARE(listener.endings, 1);
}

void TestScriptedLineDownload::lostLineEndsTheDownload()
{
    LineScript line;
    line.playInstrument({block(1), block(2), Eot});
    line.loseLineAt(100);
    RecordingListener listener;
    listener.loggingOn = true;
    ScreenshotDownload download(listener, line);

    const DownloadResult result = line.run(download, listener);

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
    ScreenshotDownload download(listener, line);
    line.at(Request + 250, [&download] { download.requestStop(); });
    listener.loggingOn = loggingAtTheRead;
    line.at(Request + 125, [&] { listener.loggingOn = !loggingAtTheRead; });

    line.run(download, listener);

    QCOMPARE(line.writes().at(2).bytes, Nak);
    QCOMPARE(line.writes().at(2).atMs, Request + 140);
    const QStringList readGroup{"Rx: 3 byte(s)", "78 79 7A "};
    const QStringList answerGroup{"Tx: NAK", Thin};
    if (loggingAtTheRead)
        QCOMPARE(listener.lines.mid(2, 2), readGroup);
    else
        QCOMPARE(listener.lines.mid(0, 2), answerGroup);
    QCOMPARE(listener.lines.contains("Tx: NAK"), !loggingAtTheRead);
}

// The Timings dialog's changes take effect at once: the Rx delay at the next wait, the NAK delay
// at the next drain.
void TestScriptedLineDownload::timingsAreReadAtEveryWait()
{
    LineScript line;
    line.arrive(Request + 500, "xyz");
    RecordingListener listener;
    ScreenshotDownload download(listener, line);
    line.at(Request + 200, [&listener] {
        listener.timingsNow.rxDelayMs = 100;
        listener.timingsNow.nakDelayMs = 90;
    });
    line.at(Request + 1000, [&download] { download.requestStop(); });

    line.run(download, listener);

    // Reads at 30, 60, ... 210, then every 100 ms: 310, 410, 510 takes the bytes; judged after
    // 90 quiet ms (a poll each 5 ms) at 600; the NAK after a NAK delay of 90 at 690.
    QCOMPARE(line.writes().at(2).bytes, Nak);
    QCOMPARE(line.writes().at(2).atMs, Request + 690);
}

void TestScriptedLineDownload::refusalsAndFrontEndsNotReady()
{
    LineScript line;
    RecordingListener listener;
    ScreenshotDownload download(listener, line);
    line.refuseOpen(SerialLine::Refusal::Busy, "in use");
    DownloadResult result = line.run(download, listener);
    QCOMPARE(result.ending, Ending::PortNotOpened);
    QCOMPARE(result.reason, QStringLiteral("line: in use\nAnother program has the port open."));

    line.refuseOpen(SerialLine::Refusal::None, {});
    listener.ready = Outcome::failure("TMP.BMP: read-only");
    result = line.run(download, listener);
    QCOMPARE(result.ending, Ending::NotReady);
    QCOMPARE(result.reason, QStringLiteral("TMP.BMP: read-only"));
    QVERIFY(line.writes().isEmpty()); // nothing was asked of the instrument
    QVERIFY(!line.port().line());     // closed again

    listener.ready = {};
    line.at(line.nowMs() + 200, [&] { QVERIFY(!download.start(line.port())); });
    line.at(line.nowMs() + 300, [&download] { download.requestStop(); });
    QCOMPARE(line.run(download, listener).ending, Ending::Cancelled);
    QCOMPARE(listener.endings, 3); // one each, the refused start none
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
    ScreenshotDownload download(listener, line);

    const DownloadResult result = line.run(download, listener, RequestPolicy{2000});

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
    ScreenshotDownload download(listener, line);
    if (golden == "cancel")
        line.at(500, [&] {
            listener.log(TransferLog::cancelled());
            download.requestStop();
        });

    line.run(download, listener);

    const QString log = listener.lines.join('\n').replace("\r\n", "\n") + '\n';
    QCOMPARE(log, GoldenLogs::read(golden));
}

QTEST_GUILESS_MAIN(TestScriptedLineDownload)
#include "test_scriptedlinedownload.moc"
