#pragma once

#include "downloadending.h"
#include "exitstatus.h"

#include <QString>

#include <cstdint>
#include <span>

// The one table of a download's endings: a new ending is one row. The texts are the source
// texts of their translations (context "EndingMessages"); the log's words are never translated.
namespace EndingTable {
// What a download leaves of the picture and the working file "TMP.BMP".
enum class Leaves {
    Received,      // both are the received picture
    ReceivedBytes, // TMP.BMP holds the bytes as they came; the picture is the one before
    AsBefore       // both as before the download
};

struct Row {
    DownloadEnding ending;
    const char* logWords; // before the thick separator; %1, %2: the ending's numbers
    const char* status;   // the status bar's few words until the next download; %1: a number
    const char* sentence; // for the user, or none; %1: the device, %2: seconds
    bool windowTells;     // the window shows the sentence in a message box, not only the status
    ExitStatus exitStatus;
    Leaves leaves;
    bool cancels; // CAN goes out when a transfer is under way and the line is there
};

[[nodiscard]] std::span<const Row> rows();
[[nodiscard]] const Row& row(DownloadEnding ending);

// The status bar's text; `number` fills %1 (kilobytes received, seconds waited).
[[nodiscard]] QString status(DownloadEnding ending, std::int64_t number = 0);
// The sentence for the user, naming `device`; empty for an ending that has none.
[[nodiscard]] QString sentence(DownloadEnding ending, const QString& device,
                               std::int32_t timeoutSeconds = 0);
} // namespace EndingTable
