#pragma once

#include <QByteArray>
#include <QStringList>

// What the receiver asks its driver to do after one read, in this order: log the read
// (rxLog()); when `drain` is set, wait the NAK delay and throw away what has arrived; write
// `send`; log `txLog`; then wait as `wait` says before the next read. The driver decides each
// group when it is due, by whether logging is on at that moment.
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
    QStringList txLog;
    Wait wait = Wait::RxDelay;

    // "Rx: N byte(s)", the hex dump and, for a lone EOT, "EOT". Built on demand: the hex dump
    // costs something, and is made only while logging is on.
    [[nodiscard]] QStringList rxLog() const;

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
