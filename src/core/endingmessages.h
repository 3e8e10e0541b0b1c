#pragma once

#include "downloadresult.h"

#include <QString>

#include <cstdint>

// What the user reads about how a download ended, in the window and in orvisnap-capture alike.
namespace EndingMessages {
// The sentence that tells a failed download apart; empty for the endings that need none
// (complete, cancelled, timed out, a download that never began).
[[nodiscard]] QString sentence(DownloadResult::Ending ending);
// Received data that is no picture.
[[nodiscard]] QString notAPicture();
// A few words for the status bar, shown until the next download starts. `pictureBytes` is the
// picture's size for a complete download, and -1 when the data was no picture.
[[nodiscard]] QString status(const DownloadResult& result, std::int64_t pictureBytes);
} // namespace EndingMessages
