#pragma once

#include <cstdint>

// The time a download runs on: every wait of a download, the reopening delay included, and the
// clock its time-outs are measured with. The system's is a monotonic clock whose waits keep the
// application's events flowing; a test's runs on time of its own.
class DownloadClock {
public:
    DownloadClock() = default;
    virtual ~DownloadClock() = default;
    DownloadClock(const DownloadClock&) = delete;
    DownloadClock& operator=(const DownloadClock&) = delete;

    [[nodiscard]] virtual std::int64_t nowMs() const = 0;
    // Lets `milliseconds` pass, events flowing meanwhile; 0 or less returns at once.
    virtual void delay(std::int64_t milliseconds) = 0;
};

// Milliseconds on the system's monotonic clock (no wrap, no wall-clock jumps), and
// DelayWithMessages.
class SystemClock final : public DownloadClock {
public:
    [[nodiscard]] std::int64_t nowMs() const override;
    void delay(std::int64_t milliseconds) override;
};
