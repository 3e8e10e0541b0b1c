#include "systemclock.h"

#include <algorithm>
#include <chrono>
#include <utility>

SystemClock::SystemClock()
{
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // The handler may ask for the next wake-up, which replaces this one's.
        const std::function<void()> handler = std::exchange(handler_, nullptr);
        if (handler)
            handler();
    });
}

std::int64_t SystemClock::nowMs() const
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void SystemClock::wakeAt(std::int64_t atMs, std::function<void()> handler)
{
    handler_ = std::move(handler);
    const std::int64_t delay = std::clamp<std::int64_t>(atMs - nowMs(), 0, 0x7FFFFFFF);
    timer_.start(static_cast<int>(delay));
}

void SystemClock::cancelWake()
{
    timer_.stop();
    handler_ = nullptr;
}
