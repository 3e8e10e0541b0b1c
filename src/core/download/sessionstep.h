#pragma once

#include "downloadending.h"
#include "downloadtimings.h"
#include "xmodemstep.h"

#include <QByteArrayList>
#include <QList>

#include <cstdint>
#include <optional>

// One group of log lines as the facts it tells; TransferLog gives the words. The front end
// writes a group only if logging is on when it is due.
struct LogFact {
    enum class Kind {
        Read,    // a judged read: its size, its bytes
        Answer,  // the judgement of that read and what was sent back
        Silence, // no byte for a while after a block: asked again
        Ending   // how the download ended, with what went out then
    };
    Kind kind = Kind::Read;
    XModemStep step;             // Read, Answer
    DownloadEnding ending{};     // Ending
    QList<std::int64_t> numbers; // Silence: seconds; Ending: the numbers its words name
    QByteArray sent;             // Silence, Ending: sent with it

    [[nodiscard]] static LogFact read(const XModemStep& step)
    {
        return {Kind::Read, step, {}, {}, {}};
    }
    [[nodiscard]] static LogFact answer(const XModemStep& step)
    {
        return {Kind::Answer, step, {}, {}, {}};
    }
    [[nodiscard]] static LogFact silence(std::int64_t seconds, const QByteArray& sent)
    {
        return {Kind::Silence, {}, {}, {seconds}, sent};
    }
    [[nodiscard]] static LogFact ended(DownloadEnding ending, const QList<std::int64_t>& numbers,
                                       const QByteArray& sent)
    {
        return {Kind::Ending, {}, ending, numbers, sent};
    }
};

// What the transfer session asks of its driver after a call, in this order: write `writes`
// (each its own write), tell the log and the display, then call the session again at
// `wakeAtMs` (sooner when bytes arrive and `wakeOnData` is set), unless it has ended.
struct SessionStep {
    struct Progress {
        std::int64_t received = 0;  // bytes kept so far
        std::int64_t expected = -1; // the file size the picture's header implies; -1: unknown
    };

    QByteArrayList writes;
    QList<LogFact> log;
    std::optional<std::int64_t> countdown; // whole seconds left of the start time-out
    bool blockArrived = false;             // a read of block length: the start time-out is over
    std::optional<Progress> progress;
    std::optional<DownloadEnding> ending;
    std::int64_t wakeAtMs = 0;
    bool wakeOnData = false;
};

// What the driver tells the session at a call.
struct SessionInput {
    std::int64_t nowMs = 0; // monotonic
    QByteArray bytes;       // everything the line held now
    bool lineLost = false;
    DownloadTimings timings; // as the user has them now: a change takes effect at once
};
