#pragma once

#include "faultplan.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// Everything the command line sets.
struct SimOptions {
    std::string file; // empty: a generated picture
    bool notBmp = false;
    std::string makeBmpKind; // with makeBmpOut: write a sample picture and exit
    std::string makeBmpOut;
    std::string link;
    int baud = 38400;
    int burstMs = 0;
    int startDelayMs = 0;
    int replyDelayMs = 0;
    int answerTimeoutMs = 10000;
    int eotRepeats = 2;
    int eotIntervalMs = 1000;
    bool loop = false;
    // Keeps what arrived while it waited to start: the request's second NAK then answers block
    // 1, and from there on the answer to each block is taken for the next.
    bool keepsInput = false;
    // The first transfer begins with this block, as one that lost its receiver would go on.
    std::size_t firstBlock = 1;
    bool verbose = false;
    bool help = false;
    FaultPlan faults;
    std::optional<std::uint32_t> randomFaultSeed; // a new fault for every transfer
};
