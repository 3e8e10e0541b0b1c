#pragma once

#include <cstdint>

// One tick of the start time-out: whole seconds elapsed, truncated; the wait is over once more
// than `timeoutSeconds` have elapsed, otherwise the counter shows the seconds left.
struct StartTimeoutTick {
    bool expired = false;
    std::int64_t secondsLeft = 0;
};

[[nodiscard]] constexpr StartTimeoutTick EvaluateStartTimeout(std::int64_t elapsedMs,
                                                              std::int32_t timeoutSeconds)
{
    const std::int64_t elapsed = (elapsedMs < 0 ? -elapsedMs : elapsedMs) / 1000;
    if (elapsed > timeoutSeconds)
        return {true, 0};
    return {false, timeoutSeconds - elapsed};
}
