#pragma once

#include "xmodemstep.h"

#include <QByteArray>

#include <cstdint>

// Receiving side of XModem-CRC as the instrument speaks it, without I/O and without a clock: the
// transfer session feeds it each read with the time it was taken and carries out the step it
// gives back. One receiver serves one download.
//
// A read is judged by its length once it is complete: 133 bytes are a block (whatever the
// first byte), a lone 0x04 is EOT, anything else is drained and answered with NAK. A read
// shorter than a block is completed first: bytes are taken while they keep coming, and the
// read is complete at 133 bytes or after a quiet time without a new byte. Otherwise a read
// that lands while a block is still on the line would be NAKed and the sender, repeating at
// the same pace, might never get through.
class XModemReceiver {
public:
    static constexpr int BlockSize = 133;
    static constexpr int DataSize = 128;
    static constexpr char NAK = 0x15;
    static constexpr char ACK = 0x06;
    static constexpr char EOT = 0x04;
    static constexpr char CAN = 0x18;
    // USB serial adapters deliver in bursts up to about 20 ms apart.
    static constexpr std::int64_t MinQuietMs = 50;
    // The longest wait before an incomplete read is looked at again (new bytes end it sooner).
    static constexpr std::int64_t PollMs = 5;

    // `nakDelayMs` is the user's NAK delay at this moment: a short read is complete after a quiet
    // time of at least that long.
    [[nodiscard]] XModemStep feed(const QByteArray& bytes, std::int64_t nowMs,
                                  std::int32_t nakDelayMs);

    // Tells the sender to give up a transfer under way: XModem senders stop at two CANs in a
    // row, the third covers one lost on the line. Nothing before any byte of a transfer came (an
    // instrument still waiting for the request needs no cancel), once the transfer has ended,
    // or a second time.
    [[nodiscard]] QByteArray cancel();
    // Whether the instrument has begun sending: a block, a read being completed, or bytes
    // that were no block.
    [[nodiscard]] bool transferUnderWay() const;

    [[nodiscard]] const QByteArray& collected() const { return collected_; }
    [[nodiscard]] int acceptedBlocks() const { return acceptedBlocks_; }
    // Reads of block length so far, good or bad.
    [[nodiscard]] int blocksSeen() const { return blocksSeen_; }
    [[nodiscard]] bool readPending() const { return !pending_.isEmpty(); }

private:
    [[nodiscard]] bool readComplete(std::int64_t nowMs, std::int32_t nakDelayMs) const;
    [[nodiscard]] XModemStep judge(const QByteArray& read);
    void judgeBlock(const QByteArray& read, XModemStep& step);
    [[nodiscard]] bool askAgainFor(const QByteArray& read);
    enum class Place { Next, Repeat, First, Lost };
    [[nodiscard]] Place placeOf(const QByteArray& read) const;
    void keep(const QByteArray& read);

    QByteArray pending_;
    std::int64_t lastByteAtMs_ = 0;
    QByteArray collected_;
    int acceptedBlocks_ = 0;
    int blocksSeen_ = 0;
    bool otherBytesSeen_ = false;
    bool instrumentDone_ = false; // it sent its EOT after data, or gave up itself
    bool cancelled_ = false;
    // Whether the blocks count: the first came as block 1 with a valid complement. Only then
    // can a repeat or a lost block be told by its number; a sender that numbers otherwise has
    // every good block kept.
    enum class Numbering { Unknown, Counted, Uncounted };
    Numbering numbering_ = Numbering::Unknown;
    unsigned lastNumber_ = 0;
    QByteArray lastData_;
    // The last block refused for its complement: the same block again the same way is a sender
    // that numbers otherwise, not noise.
    QByteArray misnumbered_;
};
