#pragma once

#include <cstdint>

// A size as the user reads it, in the window and in orvisnap-capture alike: whole kilobytes of
// 1024 bytes, rounded to the nearest.
[[nodiscard]] constexpr std::int64_t RoundedKilobytes(std::int64_t bytes)
{
    return (bytes + 512) / 1024;
}
