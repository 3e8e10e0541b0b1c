#pragma once

#include <QSize>
#include <QString>

#include <cstdint>

// The texts the tool shows on standard error while it waits, while blocks arrive, and at the
// end of each capture.
class ProgressText {
public:
    // "Waiting for the instrument on DEVICE: 9 s"
    [[nodiscard]] static QString waiting(const QString& device, std::int64_t secondsLeft);
    // " 42%  16 / 38 KB  3.7 KB/s  0:06 left", or "16 KB  3.7 KB/s" while the size is unknown
    // (`expected` < 0). `receivedSinceFirst` bytes came in `msSinceFirst` after the first block.
    [[nodiscard]] static QString transfer(std::int64_t received, std::int64_t expected,
                                          std::int64_t receivedSinceFirst,
                                          std::int64_t msSinceFirst);
    // "FILE: 320x240, 38518 bytes in 10.4 s, 0 NAKs"
    [[nodiscard]] static QString saved(const QString& file, QSize picture, std::int64_t bytes,
                                       std::int64_t ms, int naks);
};
