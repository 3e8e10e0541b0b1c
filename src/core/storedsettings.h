#pragma once

#include "downloadtimings.h"

#include <QString>

#include <cstdint>
#include <optional>

// What the settings file holds for the window and for orvisnap-capture, read by one set of
// rules. A missing file, or one with nothing but [Ports], is a first run and gives nothing. A
// value that is not a whole number, and a stored -1, count as absent. Without a creation stamp
// the position, the picture size and the timings are not taken (the window writes its own over
// them at close); the port and [AutoSave] are taken whatever the stamp holds.
struct StoredSettings {
    bool firstRun = true;
    bool stamped = false; // [Common] CreationTime is not empty
    std::optional<std::int32_t> left;
    std::optional<std::int32_t> top;
    std::optional<std::int32_t> bmpRes; // as stored, 2 when missing; not range checked
    std::optional<std::int32_t> timeoutSeconds;
    std::optional<std::int32_t> rxDelayMs;
    std::optional<std::int32_t> nakDelayMs;
    std::optional<std::int32_t> port;
    QString autoSaveFolder; // empty: off
    QString autoSaveFormat;

    // Reads the keys in the order the window applies them.
    [[nodiscard]] static StoredSettings read(const QString& iniPath);
    // `base` with the stored timings put in.
    [[nodiscard]] DownloadTimings timingsOver(DownloadTimings base) const;
};
