// The transfer session alone: its table of transitions, and every ending as rows of (time, bytes
// in, stop, lost line) -> (bytes out, state, ending) on a clock the test moves.
#include "crc16.h"
#include "endingtable.h"
#include "transferlog.h"
#include "transfersession.h"

#include <QTest>

using Ending = DownloadEnding;
using State = TransferSession::State;
using Event = TransferSession::Event;

namespace {
const QByteArray Nak(1, XModemReceiver::NAK);
const QByteArray Ack(1, XModemReceiver::ACK);
const QByteArray Eot(1, XModemReceiver::EOT);
const QByteArray Can3(3, XModemReceiver::CAN);

QByteArray dataOf(int n)
{
    return QByteArray(XModemReceiver::DataSize, static_cast<char>('a' + n));
}

// Block `n` with the data of `data` (default: n); the CRC and the complement can be spoiled.
QByteArray block(int n, bool goodCrc = true, bool goodComplement = true, int data = -1)
{
    const QByteArray bytes = dataOf(data < 0 ? n : data);
    std::uint16_t crc = 0;
    Crc16OfBuffer(crc, bytes.constData(), XModemReceiver::DataSize);
    if (!goodCrc)
        crc ^= 0x0101;
    const char complement = goodComplement ? char(~n) : char(n);
    return QByteArray(1, '\x01') + char(n) + complement + bytes + char(crc >> 8) + char(crc & 0xFF);
}

struct Arrival {
    std::int64_t atMs;
    QByteArray bytes;
};

// What comes in, when: the instrument's bytes, a stop, the line going away.
struct Script {
    QList<Arrival> arrivals;
    std::int64_t stopAtMs = -1;
    std::int64_t lostAtMs = -1;
};

struct Played {
    QByteArrayList writes;
    QStringList log;
    std::optional<Ending> ending;
    std::int64_t endedAtMs = -1;
    QList<State> states; // after each call
};

// The session's driver in small: calls it when it asks (sooner on bytes when it asks for that),
// gives it what has arrived, keeps what it writes and logs.
Played play(TransferSession& session, const Script& script, DownloadTimings timings = {})
{
    Played played;
    QList<Arrival> pending = script.arrivals;
    const auto note = [&played, &session](const SessionStep& step) {
        played.writes += step.writes;
        for (const LogFact& fact : step.log)
            played.log += TransferLog::lines(fact);
        played.states << session.state();
        played.ending = step.ending;
    };
    SessionStep step = session.start(0, timings);
    note(step);
    bool stopped = false;
    std::int64_t now = 0;
    while (!played.ending && now < 600000) {
        std::int64_t next = step.wakeAtMs;
        if (step.wakeOnData && !pending.isEmpty())
            next = std::min(next, std::max(now, pending.first().atMs));
        if (!stopped && script.stopAtMs >= 0 && script.stopAtMs <= next) {
            stopped = true;
            session.requestStop();
        }
        now = next;
        SessionInput input{now, {}, script.lostAtMs >= 0 && now >= script.lostAtMs, timings};
        while (!pending.isEmpty() && pending.first().atMs <= now)
            input.bytes += pending.takeFirst().bytes;
        step = session.wake(input);
        note(step);
        played.endedAtMs = now;
    }
    return played;
}

QByteArray joined(const QByteArrayList& writes)
{
    return writes.join();
}
} // namespace

class TestTransferSession : public QObject {
    Q_OBJECT
private slots:
    void everyStateHasItsWayOut();
    void endings_data();
    void endings();
    void silencesAreAskedAgainThenGivenUp();
    void noiseOnABlockNumberNeverCostsThePicture();
    void abortCancelsOnlyWhatIsUnderWay_data();
    void abortCancelsOnlyWhatIsUnderWay();
};

void TestTransferSession::everyStateHasItsWayOut()
{
    // From each waiting state a stop, a lost line and (one way or another) a time-out end it;
    // nothing leaves Ended; every ending of a transfer is reached by some transition.
    for (const State state : {State::WaitingForFirstBlock, State::Receiving}) {
        for (const Event event : {Event::Stop, Event::LineLost, Event::InstrumentCancel})
            QCOMPARE(TransferSession::transition(state, event)->to, State::Ended);
    }
    QCOMPARE(TransferSession::transition(State::WaitingForFirstBlock, Event::StartTimeout)->ending,
             Ending::TimedOut);
    QCOMPARE(TransferSession::transition(State::Receiving, Event::LastSilence)->ending,
             Ending::InstrumentSilent);
    QVERIFY(!TransferSession::transition(State::Receiving, Event::StartTimeout));
    QVERIFY(!TransferSession::transition(State::WaitingForFirstBlock, Event::Eot));
    QCOMPARE(TransferSession::transition(State::WaitingForFirstBlock, Event::StrayEot)->to,
             State::WaitingForFirstBlock);
    QList<Ending> reached;
    for (int e = 0; e <= int(Event::LineLost); ++e)
        for (const State state : {State::WaitingForFirstBlock, State::Receiving, State::Ended})
            if (const auto row = TransferSession::transition(state, Event(e))) {
                QVERIFY(state != State::Ended);
                if (row->ending)
                    reached << *row->ending;
            }
    for (const EndingTable::Row& row : EndingTable::rows())
        QCOMPARE(reached.contains(row.ending), row.ending != Ending::NotAPicture &&
                                                   row.ending != Ending::PortNotOpened &&
                                                   row.ending != Ending::NotReady);
}

void TestTransferSession::endings_data()
{
    QTest::addColumn<Script>("script");
    QTest::addColumn<Ending>("ending");
    QTest::addColumn<QByteArray>("written"); // after the request
    QTest::addColumn<QByteArray>("collected");
    QTest::addColumn<QString>("logged"); // a line the log holds

    QTest::newRow("complete") << Script{{{50, block(1)}, {100, block(2)}, {150, Eot}}}
                              << Ending::Complete << Ack + Ack << dataOf(1) + dataOf(2)
                              << "XModem transfer complete";
    QTest::newRow("complete after a bad CRC and noise")
        << Script{{{50, block(1, false)}, {100, "noise"}, {300, block(1)}, {400, Eot}}}
        << Ending::Complete << Nak + Nak + Ack << dataOf(1) << "XModem transfer complete";
    QTest::newRow("a stray EOT first is forgotten")
        << Script{{{50, Eot}, {1100, Eot}, {2000, block(1)}, {2100, Eot}}} << Ending::Complete
        << Ack << dataOf(1) << "XModem transfer complete";
    QTest::newRow("stray EOTs alone: the start time-out")
        << Script{{{50, Eot}, {1100, Eot}, {2100, Eot}}} << Ending::TimedOut << QByteArray()
        << QByteArray() << "Timeout.";
    QTest::newRow("stop while waiting: nothing to cancel")
        << Script{{}, 500} << Ending::Cancelled << QByteArray() << QByteArray()
        << TransferLog::thickSeparator();
    QTest::newRow("stop with block 1 half in: cancelled with the instrument")
        << Script{{{500, block(1).left(60)}}, 510} << Ending::Cancelled << Can3 << QByteArray()
        << "Tx: CAN CAN CAN";
    QTest::newRow("stop while receiving") << Script{{{50, block(1)}}, 500} << Ending::Cancelled
                                          << Ack + Can3 << QByteArray() << "Tx: CAN CAN CAN";
    QTest::newRow("an earlier transfer")
        << Script{{{50, block(98)}}} << Ending::EarlierTransfer << Can3 << QByteArray()
        << "Block 98 came first: an earlier transfer is still running";
    QTest::newRow("a lost block") << Script{{{50, block(1)}, {100, block(3)}}} << Ending::BlockLost
                                  << Ack + Can3 << QByteArray()
                                  << "Block 3 came instead of block 2: a block was lost";
    QTest::newRow("the instrument cancels before block 1")
        << Script{{{50, "\x18\x18"}}} << Ending::InstrumentCancelled << QByteArray() << QByteArray()
        << "CAN CAN: the instrument cancelled the transfer";
    QTest::newRow("the instrument cancels after block 1, as lrzsz does")
        << Script{{{50, block(1)}, {100, QByteArray(10, '\x18') + QByteArray(10, '\x08')}}}
        << Ending::InstrumentCancelled << Ack << QByteArray()
        << "CAN CAN: the instrument cancelled the transfer";
    QTest::newRow("one CAN is noise")
        << Script{{{50, block(1)}, {100, "\x18"}, {400, Eot}}} << Ending::Complete << Ack + Nak
        << dataOf(1) << "XModem transfer complete";
    QTest::newRow("the line lost: nothing more written")
        << Script{{{50, block(1)}, {100, block(2)}}, -1, 90} << Ending::LineLost << Ack
        << QByteArray() << "The COM port was lost.";
}

void TestTransferSession::endings()
{
    QFETCH(Script, script);
    QFETCH(Ending, ending);
    QFETCH(QByteArray, written);
    QFETCH(QByteArray, collected);
    QFETCH(QString, logged);
    TransferSession session;

    const Played played = play(session, script);

    QCOMPARE(played.ending, ending);
    QCOMPARE(session.state(), State::Ended);
    QCOMPARE(played.writes.mid(0, 2), QByteArrayList({Nak, Nak}));
    QCOMPARE(joined(played.writes.mid(2)), written);
    if (ending == Ending::Complete)
        QCOMPARE(session.collected(), collected);
    QCOMPARE(played.log.last(), TransferLog::thickSeparator());
    if (!written.endsWith(Can3))
        QVERIFY(!played.log.contains("Tx: CAN CAN CAN"));
    QVERIFY2(played.log.contains(logged), qPrintable(played.log.join('\n')));
    // Ended stays ended.
    QVERIFY(session.wake({played.endedAtMs + 1000, Eot, false, {}}).writes.isEmpty());
}

void TestTransferSession::silencesAreAskedAgainThenGivenUp()
{
    TransferSession session;
    DownloadTimings timings;
    timings.timeoutSeconds = 5;
    const Played silent = play(session, {{{50, block(1)}}}, timings);
    QCOMPARE(silent.ending, Ending::InstrumentSilent);
    QCOMPARE(joined(silent.writes.mid(2)), Ack + Nak + Nak + Can3);
    // Asked at 5 s and 10 s of silence, given up at 15 s.
    QVERIFY(silent.endedAtMs >= 50 + 15000 && silent.endedAtMs < 50 + 15000 + 100);
    QVERIFY(silent.log.contains("No data for 5 s"));
    QVERIFY(silent.log.contains("No data for 5 s: the instrument stopped sending"));

    // An instrument that missed an ACK and answers the question goes on.
    TransferSession resumed;
    const Played answered =
        play(resumed, {{{50, block(1)}, {5100, block(1)}, {5200, block(2)}, {5300, Eot}}}, timings);
    QCOMPARE(answered.ending, Ending::Complete);
    QCOMPARE(resumed.collected(), dataOf(1) + dataOf(2));
    QCOMPARE(joined(answered.writes.mid(2)), Ack + Nak + Ack + Ack);
}

// The CRC covers the data alone: a block number spoiled by noise is asked again, and a block the
// instrument repeats after a lost ACK is never kept twice, whatever happened to block 1.
void TestTransferSession::noiseOnABlockNumberNeverCostsThePicture()
{
    TransferSession noisy;
    const Played played = play(noisy, {{{50, block(1, true, false)},
                                        {100, block(1)},
                                        {150, block(2)},
                                        {200, block(2)}, // its ACK was lost
                                        {250, block(3)},
                                        {300, Eot}}});
    QCOMPARE(played.ending, Ending::Complete);
    QCOMPARE(joined(played.writes.mid(2)), Nak + Ack + Ack + Ack + Ack);
    QCOMPARE(noisy.collected(), dataOf(1) + dataOf(2) + dataOf(3));
    QVERIFY(
        played.log.contains("Block 1 with complement 1: the number is unreadable, asked again"));

    // A sender that never numbers: the same block the same way twice, then taken as it comes.
    TransferSession unnumbered;
    const Played taken = play(unnumbered, {{{50, block(7, true, false, 1)},
                                            {100, block(7, true, false, 1)},
                                            {150, block(7, true, false, 2)},
                                            {200, Eot}}});
    QCOMPARE(taken.ending, Ending::Complete);
    QCOMPARE(unnumbered.collected(), dataOf(1) + dataOf(2));
}

void TestTransferSession::abortCancelsOnlyWhatIsUnderWay_data()
{
    QTest::addColumn<QList<Arrival>>("arrivals");
    QTest::addColumn<bool>("lineLost");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("nothing came") << QList<Arrival>{} << false << QByteArray();
    QTest::newRow("a stray EOT came") << QList<Arrival>{{50, Eot}} << false << QByteArray();
    QTest::newRow("block 1 half in") << QList<Arrival>{{50, block(1).left(40)}} << false << Can3;
    QTest::newRow("blocks came") << QList<Arrival>{{50, block(1)}} << false << Can3;
    QTest::newRow("blocks came, the line is gone")
        << QList<Arrival>{{50, block(1)}} << true << QByteArray();
}

void TestTransferSession::abortCancelsOnlyWhatIsUnderWay()
{
    QFETCH(QList<Arrival>, arrivals);
    QFETCH(bool, lineLost);
    QFETCH(QByteArray, sent);
    TransferSession session;
    (void)session.start(0, {});
    for (const Arrival& arrival : arrivals)
        (void)session.wake({arrival.atMs, arrival.bytes, false, {}});
    (void)session.wake({200, {}, false, {}});

    const SessionStep ending = session.abort(lineLost);

    QCOMPARE(joined(ending.writes), sent);
    QCOMPARE(ending.ending, Ending::Cancelled);
    QCOMPARE(session.state(), State::Ended);
    QVERIFY(session.abort(false).writes.isEmpty()); // once
}

QTEST_APPLESS_MAIN(TestTransferSession)
#include "test_transfersession.moc"
