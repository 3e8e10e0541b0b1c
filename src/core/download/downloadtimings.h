#pragma once

#include <cstdint>

// The three timings of a download, with the values a new installation starts from. The user
// tunes them in the Timings dialog; the settings file keeps them.
struct DownloadTimings {
    std::int32_t timeoutSeconds = 10; // for the first block to come
    std::int32_t rxDelayMs = 30;      // before every read
    std::int32_t nakDelayMs = 30;     // before draining a read of unexpected length
};
