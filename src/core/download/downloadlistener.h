#pragma once

#include "downloadresult.h"
#include "downloadtimings.h"
#include "outcome.h"

#include <QStringList>

#include <cstdint>

// The front end's side of a download (the main window, the command-line tool, the benchmark):
// what the driver asks while it runs, and what it reports. Every call comes from the event loop
// of the driver's thread.
class DownloadListener {
public:
    virtual ~DownloadListener() = default;

    // Read at every wait and tick, so a change takes effect at once.
    [[nodiscard]] virtual DownloadTimings timings() const = 0;
    // Whether log lines are wanted at this moment; asked once per group of lines.
    [[nodiscard]] virtual bool logging() const = 0;
    // One group of log lines; lines may hold CR LF (hex dumps).
    virtual void log(const QStringList& lines) = 0;

    // The port is open and configured.
    virtual void portOpened() {}
    // Everything is ready to ask the instrument to send; a failure ends the download as
    // NotReady with its reason (the port is closed again and nothing is sent).
    [[nodiscard]] virtual Outcome readyToRequest() { return {}; }
    // While waiting for the first block, every 200 ms: whole seconds left.
    virtual void countdown(std::int64_t /*secondsLeft*/) {}
    // A read of block length arrived, good or bad: the start time-out is over.
    virtual void blockArrived() {}
    // Bytes kept so far, and the file size the picture's header implies (-1 while unknown).
    virtual void progress(std::int64_t /*received*/, std::int64_t /*expected*/) {}
    // The one ending of a download that was started. The driver is idle already: a new
    // download may start from here.
    virtual void finished(const DownloadResult& result) = 0;
};
