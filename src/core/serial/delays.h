#pragma once

#include <QEventLoop>
#include <QObject>

#include <cstdint>
#include <functional>

// Lets at least `milliseconds` pass on a monotonic clock while the application's events keep
// being dispatched (paint, clicks, timers, posted events), and returns promptly after.
// 0 or less returns at once. Safe to nest.
void DelayWithMessages(std::int64_t milliseconds);

namespace DelaysDetail {
// The one waiting mechanism; `connectWake`, when given, makes the wait end early.
void Wait(std::int64_t milliseconds, const std::function<void(QEventLoop&)>& connectWake);
} // namespace DelaysDetail

// As DelayWithMessages, but also returns as soon as `sender` emits `signal`.
template <typename Sender, typename Signal>
void DelayWithMessagesOrSignal(std::int64_t milliseconds, const Sender* sender, Signal signal)
{
    DelaysDetail::Wait(milliseconds, [sender, signal](QEventLoop& loop) {
        QObject::connect(sender, signal, &loop, &QEventLoop::quit);
    });
}
