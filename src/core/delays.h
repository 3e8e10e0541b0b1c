#pragma once

#include <cstdint>

// Lets at least `milliseconds` pass on a monotonic clock while the application's events keep
// being dispatched (paint, clicks, timers, posted events), and returns promptly after.
// 0 or less returns at once. Safe to nest.
void DelayWithMessages(std::int64_t milliseconds);
