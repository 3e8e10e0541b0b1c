#pragma once

#include <QByteArray>
#include <QStringList>

#include <cstdint>

// What the receiver asks its driver to do after one read. In this order: log `rxLog`; if
// `drainMs` > 0, wait that long and throw away what has arrived; write `send`; log `txLog`;
// then wait `waitMs` before the next read.
struct XModemStep {
    enum class Kind {
        Nothing,       // empty read
        Incomplete,    // part of a read; more bytes are expected
        Eot,           // a lone EOT: the transfer is over
        BlockAccepted, // 133 bytes, CRC good, data kept
        BlockRepeated, // 133 bytes, CRC good, the sender repeated the last block: not kept again
        BlockRejected, // 133 bytes, CRC wrong
        Garbage        // any other length
    };

    Kind kind = Kind::Nothing;
    QStringList rxLog;
    std::int64_t drainMs = 0;
    QByteArray send;
    QStringList txLog;
    std::int64_t waitMs = 0;

    // A 133-byte read, good or bad: the start time-out is over for good.
    [[nodiscard]] bool isBlock() const
    {
        return kind == Kind::BlockAccepted || kind == Kind::BlockRepeated ||
               kind == Kind::BlockRejected;
    }
};
