#pragma once

#include <cstdint>
#include <functional>

// The time a download runs on: the clock its waits and time-outs are measured with, and the
// one wake-up it asks for at a time. The system's is a monotonic clock and a timer of the event
// loop; a test's runs on time of its own.
class DownloadClock {
public:
    DownloadClock() = default;
    virtual ~DownloadClock() = default;
    DownloadClock(const DownloadClock&) = delete;
    DownloadClock& operator=(const DownloadClock&) = delete;

    [[nodiscard]] virtual std::int64_t nowMs() const = 0;
    // Calls `handler` once, from the event loop, at `atMs` or soon after; replaces a wake-up
    // asked for before.
    virtual void wakeAt(std::int64_t atMs, std::function<void()> handler) = 0;
    virtual void cancelWake() = 0;
};
