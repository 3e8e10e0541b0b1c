#pragma once

#include <QByteArray>

#include <cstdint>

// What the receiver asks its driver to do after one read, in this order: log the read; when
// `drain` is set, wait the NAK delay and throw away what has arrived; write `send`; log the
// judgement and the answer; then wait as `wait` says before the next read. The driver decides
// each group of log lines when it is due, by whether logging is on at that moment; the words
// are TransferLog's, made from the facts here.
struct XModemStep {
    enum class Kind {
        Nothing,       // empty read
        Incomplete,    // part of a read; more bytes are expected
        Eot,           // a lone EOT: the transfer is over
        BlockAccepted, // 133 bytes, CRC good, data kept
        BlockRepeated, // 133 bytes, CRC good, the sender repeated the last block: not kept again
        BlockRejected, // 133 bytes, CRC wrong
        Garbage,       // any other length
        // The transfer is cancelled (`send` holds the CANs) and the download ends without a
        // picture:
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
    // Of a block: its number, the number that was due (BlockLost), the CRC computed over its
    // data and the one it carried.
    unsigned number = 0;
    unsigned expected = 0;
    std::uint16_t crc = 0;
    std::uint16_t receivedCrc = 0;

    // A 133-byte read, good or bad: the start time-out is over for good.
    [[nodiscard]] bool isBlock() const
    {
        return kind == Kind::BlockAccepted || kind == Kind::BlockRepeated ||
               kind == Kind::BlockRejected || ends();
    }
    // The receiver gave the transfer up.
    [[nodiscard]] bool ends() const
    {
        return kind == Kind::EarlierTransfer || kind == Kind::BlockLost;
    }
};
