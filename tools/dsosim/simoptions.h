#pragma once

#include "faultplan.h"

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
    bool verbose = false;
    bool help = false;
    FaultPlan faults;
    std::optional<std::uint32_t> randomFaultSeed; // a new fault for every transfer
};
