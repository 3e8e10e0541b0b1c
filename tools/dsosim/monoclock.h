#pragma once

#include <cstdint>
#include <ctime>
#include <limits>

// Nanoseconds on the monotonic clock. All pacing is scheduled against absolute times of this
// clock so that sleeping late never accumulates into drift.
using Nanos = std::int64_t;

inline constexpr Nanos kNanosPerMs = 1'000'000;
inline constexpr Nanos kNanosPerSecond = 1'000'000'000;
inline constexpr Nanos kNever = std::numeric_limits<Nanos>::max();

[[nodiscard]] inline Nanos monotonicNow()
{
    timespec ts{};
    ::clock_gettime(CLOCK_MONOTONIC, &ts);
    return Nanos{ts.tv_sec} * kNanosPerSecond + ts.tv_nsec;
}

[[nodiscard]] inline constexpr Nanos millis(std::int64_t ms)
{
    return ms * kNanosPerMs;
}
