#pragma once

#include <QByteArray>

#include <cstdint>

// What the receiver makes of one read, for the transfer session to act on: what kind of read it
// was, what to send back, whether the rest of the line is to be drained first, and the wait
// before the next read. The session decides the download's state from the kind; the log's words
// are TransferLog's, made from the facts here.
struct XModemStep {
    enum class Kind {
        Nothing,       // empty read
        Incomplete,    // part of a read; more bytes are expected
        Eot,           // a lone EOT after data: the transfer is over
        StrayEot,      // a lone EOT before any block was kept: the end of an earlier transfer
        BlockAccepted, // 133 bytes, CRC good, data kept
        BlockRepeated, // 133 bytes, CRC good, the sender repeated the last block: not kept again
        BlockRejected, // 133 bytes, CRC wrong
        Misnumbered,   // 133 bytes, CRC good, the complement does not match the number: asked again
        Garbage,       // any other length
        InstrumentCancel, // the instrument gave up: a read that begins with two CANs
        // The receiver gives up: the transfer is to be cancelled, no picture kept.
        EarlierTransfer, // the first block is not block 1: an earlier transfer is still running
        BlockLost        // a block came out of turn: the one before it never will
    };

    enum class Wait {
        RxDelay, // the user's receive delay
        Poll     // a read is being completed: until more bytes come, at most PollMs
    };

    Kind kind = Kind::Nothing;
    QByteArray read; // the judged read; empty while it is being completed
    bool drain = false;
    QByteArray send;
    Wait wait = Wait::RxDelay;
    // Of a block: its number, its complement, the number that was due (BlockLost), the CRC
    // computed over its data and the one it carried.
    unsigned number = 0;
    unsigned complement = 0;
    unsigned expected = 0;
    std::uint16_t crc = 0;
    std::uint16_t receivedCrc = 0;

    // A read of block length, good or bad: the start time-out is over for good.
    [[nodiscard]] bool isBlock() const
    {
        return kind == Kind::BlockAccepted || kind == Kind::BlockRepeated ||
               kind == Kind::BlockRejected || kind == Kind::Misnumbered || givesUp();
    }
    // The receiver gives the transfer up.
    [[nodiscard]] bool givesUp() const
    {
        return kind == Kind::EarlierTransfer || kind == Kind::BlockLost;
    }
};
