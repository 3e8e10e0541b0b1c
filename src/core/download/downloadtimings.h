#pragma once

#include <algorithm>
#include <cstdint>

// The three timings of a download, with the values a new installation starts from. The user
// tunes them in the Timings dialog within the ranges below; the settings file keeps them.
struct DownloadTimings {
    struct Range {
        std::int32_t minimum;
        std::int32_t maximum;
        [[nodiscard]] constexpr std::int32_t clamp(std::int32_t value) const
        {
            return std::clamp(value, minimum, maximum);
        }
    };
    static constexpr Range TimeoutRange{5, 30};
    static constexpr Range RxDelayRange{10, 100};
    static constexpr Range NakDelayRange{10, 100};

    std::int32_t timeoutSeconds = 10; // for the first block to come
    std::int32_t rxDelayMs = 30;      // before every read
    std::int32_t nakDelayMs = 30;     // before draining a read of unexpected length

    // Within the dialog's ranges: a hand-edited file cannot make a NAK wait ten minutes.
    [[nodiscard]] constexpr DownloadTimings clamped() const
    {
        return {TimeoutRange.clamp(timeoutSeconds), RxDelayRange.clamp(rxDelayMs),
                NakDelayRange.clamp(nakDelayMs)};
    }

    friend constexpr bool operator==(const DownloadTimings&, const DownloadTimings&) = default;
};
