#pragma once

#include "downloadclock.h"

#include <QTimer>

// Milliseconds on the system's monotonic clock (no wrap, no wall-clock jumps), and one precise
// timer of the event loop for the wake-ups.
class SystemClock final : public DownloadClock {
public:
    SystemClock();

    [[nodiscard]] std::int64_t nowMs() const override;
    void wakeAt(std::int64_t atMs, std::function<void()> handler) override;
    void cancelWake() override;

private:
    QTimer timer_;
    std::function<void()> handler_;
};
