#pragma once

#include "faultplan.h"

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>

// A fault drawn anew for every transfer, for long runs: none, a wrong CRC, noise, a stall, a lost
// ACK, and now and then a closed line, each at a random block. The same seed gives the same
// series, so a run that went wrong can be repeated.
class RandomFaults {
public:
    explicit RandomFaults(std::uint32_t seed);

    // The faults of the next transfer of a file of `blockCount` blocks.
    [[nodiscard]] FaultPlan next(std::size_t blockCount);

    // One word for the fault and its block (and stall time): "none", "crc 4", "noise 2",
    // "stall 5 700", "lost-ack 3", "close 6".
    [[nodiscard]] static std::string describe(const FaultPlan& plan);

private:
    // 0 to bound - 1; plain modulo of the engine, which is the same on every standard library.
    [[nodiscard]] std::size_t below(std::size_t bound);

    std::mt19937 engine_;
};
