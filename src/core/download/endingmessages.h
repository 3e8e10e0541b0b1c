#pragma once

#include "downloadresult.h"

#include <QString>

#include <cstdint>

// What the user reads about how a download ended, in the window and in orvisnap-capture alike.
namespace EndingMessages {
// The sentence that tells a failed download apart, naming `device` where it helps (without one,
// "the COM port"); empty for the endings that need none (complete, cancelled).
[[nodiscard]] QString sentence(DownloadResult::Ending ending, const QString& device = {},
                               std::int32_t timeoutSeconds = 0);
// Received data that is no picture.
[[nodiscard]] QString notAPicture();
// A few words for the status bar, shown until the next download starts. `pictureBytes` is the
// picture's size for a complete download, and -1 when the data was no picture.
[[nodiscard]] QString status(const DownloadResult& result, std::int64_t pictureBytes);
} // namespace EndingMessages
