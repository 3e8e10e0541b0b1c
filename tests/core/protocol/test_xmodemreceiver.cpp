#include "crc16.h"
#include "downloadtimings.h"
#include "transferlog.h"
#include "xmodemreceiver.h"

#include <QTest>

using Kind = XModemStep::Kind;

namespace {
constexpr std::int32_t NakDelay = DownloadTimings{}.nakDelayMs;
constexpr std::int32_t RxDelay = DownloadTimings{}.rxDelayMs;
using Wait = XModemStep::Wait;

QByteArray makeBlock(unsigned number, const QByteArray& data, bool goodCrc = true,
                     char start = 0x01)
{
    QByteArray block;
    block += start;
    block += static_cast<char>(number & 0xFF);
    block += static_cast<char>(~number & 0xFF);
    const QByteArray padded = data.leftJustified(128, '\x1A', true);
    block += padded;
    std::uint16_t crc = 0;
    Crc16OfBuffer(crc, padded.constData(), 128);
    if (!goodCrc)
        crc ^= 0x0101;
    block += static_cast<char>(crc >> 8);
    block += static_cast<char>(crc & 0xFF);
    return block;
}

QByteArray dataOf(int i)
{
    return QByteArray(128, static_cast<char>('A' + i % 26));
}

// Feeds a whole read and lets the quiet time pass, as the driver would.
XModemStep feedWhole(XModemReceiver& rx, const QByteArray& bytes, qint64& now)
{
    XModemStep step = rx.feed(bytes, now, NakDelay);
    while (step.kind == Kind::Incomplete) {
        now += XModemReceiver::PollMs;
        step = rx.feed({}, now, NakDelay);
    }
    now += RxDelay;
    return step;
}
} // namespace

class TestXModemReceiver : public QObject {
    Q_OBJECT
private slots:
    void goodBlockIsKeptAndLoggedExactly();
    void wrongCrcIsDroppedAndLogged();
    void readsAreJudgedByLength_data();
    void readsAreJudgedByLength();
    void partialReadIsCompletedBeforeItIsJudged();
    void shortReadIsJudgedAfterTheQuietTime_data();
    void shortReadIsJudgedAfterTheQuietTime();
    void emptyReadWaitsRxDelay();
    void repeatedBlockAfterLostAckIsNotKeptTwice();
    void equalDataUnderNewNumbersIsKept();
    void numberingWrapsPast255();
    void numbering_data();
    void numbering();
    void cancelOnlyWhileATransferIsUnderWay();
    void stepCarriesTheJudgedRead();
};

void TestXModemReceiver::goodBlockIsKeptAndLoggedExactly()
{
    XModemReceiver rx;
    qint64 now = 30;
    const QByteArray block = makeBlock(1, dataOf(0));
    const XModemStep step = feedWhole(rx, block, now);
    QCOMPARE(step.kind, Kind::BlockAccepted);
    QVERIFY(step.isBlock());
    QCOMPARE(step.send, QByteArray(1, XModemReceiver::ACK));
    QVERIFY(!step.drain);
    QCOMPARE(step.wait, Wait::RxDelay);
    QCOMPARE(rx.collected(), dataOf(0));
    QCOMPARE(rx.acceptedBlocks(), 1);
    QCOMPARE(TransferLog::read(step).size(), 2);
    QCOMPARE(TransferLog::read(step)[0], QStringLiteral("Rx: 133 byte(s)"));
    const QStringList dump = TransferLog::read(step)[1].split(QStringLiteral("\r\n"));
    QCOMPARE(dump.size(), 9);
    QCOMPARE(dump[0], QStringLiteral("01 01 FE 41 41 41 41 41 41 41 41 41 41 41 41 41 "));
    QCOMPARE(dump[8].size(), 15);
    // CRC-16/XMODEM of 128 'A' bytes is 1CCE.
    QCOMPARE(TransferLog::answer(step), QStringList({QStringLiteral("CRC: 1CCE ok"),
                                                     QStringLiteral("Tx: ACK"), QString(47, '-')}));
}

void TestXModemReceiver::wrongCrcIsDroppedAndLogged()
{
    XModemReceiver rx;
    qint64 now = 30;
    const XModemStep step = feedWhole(rx, makeBlock(1, QByteArray(128, '\0'), false), now);
    QCOMPARE(step.kind, Kind::BlockRejected);
    QVERIFY(step.isBlock());
    QCOMPARE(step.send, QByteArray(1, XModemReceiver::NAK));
    QVERIFY(rx.collected().isEmpty());
    QCOMPARE(TransferLog::answer(step), QStringList({QStringLiteral("CRC: 0000 RxCRC: 0101"),
                                                     QStringLiteral("Tx: NAK"), QString(47, '-')}));
}

void TestXModemReceiver::readsAreJudgedByLength_data()
{
    QTest::addColumn<QByteArray>("read");
    QTest::addColumn<Kind>("kind");
    QTest::newRow("lone EOT before any block") << QByteArray(1, 0x04) << Kind::StrayEot;
    QTest::newRow("one other byte") << QByteArray(1, 0x15) << Kind::Garbage;
    QTest::newRow("EOT and more") << QByteArray("\x04\x04", 2) << Kind::Garbage;
    QTest::newRow("block starting with EOT")
        << makeBlock(1, dataOf(1), true, 0x04) << Kind::BlockAccepted;
    QTest::newRow("block plus a byte") << makeBlock(1, dataOf(1)) + 'x' << Kind::Garbage;
    QTest::newRow("two blocks at once")
        << makeBlock(1, dataOf(1)) + makeBlock(2, dataOf(2)) << Kind::Garbage;
}

void TestXModemReceiver::readsAreJudgedByLength()
{
    QFETCH(QByteArray, read);
    QFETCH(Kind, kind);
    XModemReceiver rx;
    qint64 now = 30;
    const XModemStep step = feedWhole(rx, read, now);
    QCOMPARE(step.kind, kind);
    if (kind == Kind::Garbage) {
        QVERIFY(step.drain);
        QCOMPARE(step.send, QByteArray(1, XModemReceiver::NAK));
        QCOMPARE(TransferLog::answer(step),
                 QStringList({QStringLiteral("Tx: NAK"), QString(47, '-')}));
    }
    if (kind == Kind::StrayEot) {
        QVERIFY(step.send.isEmpty()); // unanswered, as every EOT
        QCOMPARE(TransferLog::read(step),
                 QStringList({QStringLiteral("Rx: 1 byte(s)"), QStringLiteral("04 "),
                              QStringLiteral("EOT")}));
    }
}

void TestXModemReceiver::partialReadIsCompletedBeforeItIsJudged()
{
    XModemReceiver rx;
    const QByteArray block = makeBlock(1, dataOf(3));
    XModemStep step = rx.feed(block.left(100), 30, NakDelay);
    QCOMPARE(step.kind, Kind::Incomplete);
    QCOMPARE(step.wait, Wait::Poll);
    QVERIFY(TransferLog::read(step).isEmpty());
    QVERIFY(step.send.isEmpty());
    step = rx.feed(block.mid(100, 20), 34, NakDelay);
    QCOMPARE(step.kind, Kind::Incomplete);
    // A USB adapter's burst gap is shorter than the quiet time.
    step = rx.feed({}, 34 + 20, NakDelay);
    QCOMPARE(step.kind, Kind::Incomplete);
    step = rx.feed(block.mid(120), 34 + 21, NakDelay);
    QCOMPARE(step.kind, Kind::BlockAccepted);
    QCOMPARE(TransferLog::read(step).value(0), QStringLiteral("Rx: 133 byte(s)"));
    QCOMPARE(rx.collected(), dataOf(3));
}

void TestXModemReceiver::shortReadIsJudgedAfterTheQuietTime_data()
{
    QTest::addColumn<int>("nakDelay");
    QTest::addColumn<int>("quiet");
    QTest::newRow("NAK delay below the minimum") << 30 << 50;
    QTest::newRow("NAK delay above it") << 90 << 90;
}

void TestXModemReceiver::shortReadIsJudgedAfterTheQuietTime()
{
    QFETCH(int, nakDelay);
    QFETCH(int, quiet);
    XModemReceiver rx;
    QCOMPARE(rx.feed(QByteArray(60, 'n'), 100, nakDelay).kind, Kind::Incomplete);
    QCOMPARE(rx.feed({}, 100 + quiet - 1, nakDelay).kind, Kind::Incomplete);
    const XModemStep step = rx.feed({}, 100 + quiet, nakDelay);
    QCOMPARE(step.kind, Kind::Garbage);
    QCOMPARE(TransferLog::read(step).value(0), QStringLiteral("Rx: 60 byte(s)"));
    QVERIFY(step.drain);
    QVERIFY(!rx.readPending());
}

void TestXModemReceiver::emptyReadWaitsRxDelay()
{
    XModemReceiver rx;
    const XModemStep step = rx.feed({}, 0, NakDelay);
    QCOMPARE(step.kind, Kind::Nothing);
    QCOMPARE(step.wait, Wait::RxDelay);
    QVERIFY(TransferLog::read(step).isEmpty() && TransferLog::answer(step).isEmpty() &&
            step.send.isEmpty());
}

void TestXModemReceiver::repeatedBlockAfterLostAckIsNotKeptTwice()
{
    XModemReceiver rx;
    qint64 now = 0;
    QCOMPARE(feedWhole(rx, makeBlock(1, dataOf(1)), now).kind, Kind::BlockAccepted);
    QCOMPARE(feedWhole(rx, makeBlock(2, dataOf(2)), now).kind, Kind::BlockAccepted);
    const XModemStep repeat = feedWhole(rx, makeBlock(2, dataOf(2)), now);
    QCOMPARE(repeat.kind, Kind::BlockRepeated);
    QCOMPARE(repeat.send, QByteArray(1, XModemReceiver::ACK));
    const QStringList answer = TransferLog::answer(repeat);
    QCOMPARE(answer.value(answer.size() - 2), QStringLiteral("Tx: ACK"));
    QCOMPARE(feedWhole(rx, makeBlock(3, dataOf(3)), now).kind, Kind::BlockAccepted);
    QCOMPARE(rx.collected(), dataOf(1) + dataOf(2) + dataOf(3));
    QCOMPARE(rx.acceptedBlocks(), 3);
}

void TestXModemReceiver::equalDataUnderNewNumbersIsKept()
{
    XModemReceiver rx;
    qint64 now = 0;
    const QByteArray zeros(128, '\0');
    QCOMPARE(feedWhole(rx, makeBlock(1, zeros), now).kind, Kind::BlockAccepted);
    QCOMPARE(feedWhole(rx, makeBlock(2, zeros), now).kind, Kind::BlockAccepted);
    QCOMPARE(rx.collected(), zeros + zeros);
}

void TestXModemReceiver::numberingWrapsPast255()
{
    XModemReceiver rx;
    qint64 now = 0;
    for (unsigned i = 1; i <= 300; ++i)
        QCOMPARE(feedWhole(rx, makeBlock(i, dataOf(int(i))), now).kind, Kind::BlockAccepted);
    QCOMPARE(feedWhole(rx, makeBlock(300, dataOf(300)), now).kind, Kind::BlockRepeated);
    QCOMPARE(rx.acceptedBlocks(), 300);
    QCOMPARE(rx.collected().size(), 300 * 128);
}

namespace {
// One block as a test writes it: its number, which data, and what can spoil it.
struct Sent {
    unsigned number;
    int data;
    bool goodCrc = true;
    bool goodComplement = true;
};

QByteArray sentBlock(const Sent& sent)
{
    QByteArray block = makeBlock(sent.number, dataOf(sent.data), sent.goodCrc);
    if (!sent.goodComplement)
        block[2] = block[1];
    return block;
}
} // namespace

void TestXModemReceiver::numbering_data()
{
    QTest::addColumn<QList<Sent>>("blocks");
    QTest::addColumn<QList<Kind>>("kinds");
    QTest::addColumn<QList<int>>("kept"); // data of the kept blocks, in order
    QTest::newRow("block 98 first: an earlier transfer")
        << QList<Sent>{{98, 98}} << QList<Kind>{Kind::EarlierTransfer} << QList<int>{};
    QTest::newRow("block 0 first: the same")
        << QList<Sent>{{0, 1}} << QList<Kind>{Kind::EarlierTransfer} << QList<int>{};
    QTest::newRow("a bad block 98 first is only refused")
        << QList<Sent>{{98, 98, false}, {1, 1}}
        << QList<Kind>{Kind::BlockRejected, Kind::BlockAccepted} << QList<int>{1};
    QTest::newRow("a skipped block is lost")
        << QList<Sent>{{1, 1}, {2, 2}, {4, 4}}
        << QList<Kind>{Kind::BlockAccepted, Kind::BlockAccepted, Kind::BlockLost}
        << QList<int>{1, 2};
    // A sender one answer behind takes the NAK for block 3 as the answer to block 4, and
    // repeats block 4: block 3 never comes again.
    QTest::newRow("one answer behind, one bad block")
        << QList<Sent>{{1, 1}, {1, 1}, {2, 2}, {3, 3, false}, {4, 4}}
        << QList<Kind>{Kind::BlockAccepted, Kind::BlockRepeated, Kind::BlockAccepted,
                       Kind::BlockRejected, Kind::BlockLost}
        << QList<int>{1, 2};
    QTest::newRow("an unreadable number: asked again, then the block as sent")
        << QList<Sent>{{1, 1}, {2, 2, true, false}, {2, 2}, {3, 3}}
        << QList<Kind>{Kind::BlockAccepted, Kind::Misnumbered, Kind::BlockAccepted,
                       Kind::BlockAccepted}
        << QList<int>{1, 2, 3};
    QTest::newRow("an unreadable number twice the same way, new data: the next block")
        << QList<Sent>{{1, 1}, {2, 2, true, false}, {2, 2, true, false}, {3, 3}}
        << QList<Kind>{Kind::BlockAccepted, Kind::Misnumbered, Kind::BlockAccepted,
                       Kind::BlockAccepted}
        << QList<int>{1, 2, 3};
    QTest::newRow("an unreadable number twice the same way, the same data: a repeat")
        << QList<Sent>{{1, 1}, {1, 1, true, false}, {1, 1, true, false}, {2, 2}}
        << QList<Kind>{Kind::BlockAccepted, Kind::Misnumbered, Kind::BlockRepeated,
                       Kind::BlockAccepted}
        << QList<int>{1, 2};
    // Noise on block 1's complement: asked again, so numbers still count, and a block the
    // sender repeats after a lost ACK is not kept twice.
    QTest::newRow("block 1 misnumbered once, then a lost ACK")
        << QList<Sent>{{1, 1, true, false}, {1, 1}, {2, 2}, {2, 2}, {3, 3}}
        << QList<Kind>{Kind::Misnumbered, Kind::BlockAccepted, Kind::BlockAccepted,
                       Kind::BlockRepeated, Kind::BlockAccepted}
        << QList<int>{1, 2, 3};
    QTest::newRow("the first number unreadable twice: numbers mean nothing")
        << QList<Sent>{{7, 1, true, false}, {7, 1, true, false}, {7, 1}, {3, 2}}
        << QList<Kind>{Kind::Misnumbered, Kind::BlockAccepted, Kind::BlockAccepted,
                       Kind::BlockAccepted}
        << QList<int>{1, 1, 2};
}

void TestXModemReceiver::numbering()
{
    QFETCH(QList<Sent>, blocks);
    QFETCH(QList<Kind>, kinds);
    QFETCH(QList<int>, kept);
    XModemReceiver rx;
    qint64 now = 0;
    XModemStep step;
    for (qsizetype i = 0; i < blocks.size(); ++i) {
        step = feedWhole(rx, sentBlock(blocks[i]), now);
        QCOMPARE(step.kind, kinds[i]);
    }
    QByteArray collected;
    for (int data : kept)
        collected += dataOf(data);
    QCOMPARE(rx.collected(), collected);
    QCOMPARE(step.givesUp(), step.kind == Kind::EarlierTransfer || step.kind == Kind::BlockLost);
    if (step.givesUp()) {
        QVERIFY(step.send.isEmpty()); // the session cancels
        QCOMPARE(rx.cancel(), QByteArray(3, XModemReceiver::CAN));
        QVERIFY(rx.cancel().isEmpty()); // said once
    }
}

void TestXModemReceiver::cancelOnlyWhileATransferIsUnderWay()
{
    XModemReceiver rx;
    qint64 now = 0;
    QVERIFY(rx.cancel().isEmpty()); // nothing came: the instrument waits for a request
    (void)feedWhole(rx, QByteArray(1, XModemReceiver::EOT), now);
    QVERIFY(rx.cancel().isEmpty()); // an earlier transfer's EOT is no transfer
    (void)rx.feed(makeBlock(1, dataOf(1)).left(30), now, NakDelay);
    QVERIFY(rx.transferUnderWay()); // block 1 half in
    QCOMPARE(rx.cancel(), QByteArray(3, XModemReceiver::CAN));
    QVERIFY(rx.cancel().isEmpty());

    XModemReceiver done;
    (void)feedWhole(done, makeBlock(1, dataOf(1)), now);
    (void)feedWhole(done, QByteArray(1, XModemReceiver::EOT), now);
    QVERIFY(done.cancel().isEmpty()); // the transfer is over

    XModemReceiver givenUp;
    QCOMPARE(feedWhole(givenUp, QByteArray(2, XModemReceiver::CAN), now).kind,
             Kind::InstrumentCancel);
    QVERIFY(givenUp.cancel().isEmpty()); // the instrument gave up itself
}

void TestXModemReceiver::stepCarriesTheJudgedRead()
{
    // The driver logs a read when it is due, from the read itself.
    XModemReceiver rx;
    qint64 now = 0;
    for (const QByteArray& read : {makeBlock(1, dataOf(1)), QByteArray("zz"), QByteArray(1, 4)})
        QCOMPARE(feedWhole(rx, read, now).read, read);
    QVERIFY(rx.feed("part", now, NakDelay).read.isEmpty());
}

QTEST_APPLESS_MAIN(TestXModemReceiver)
#include "test_xmodemreceiver.moc"
