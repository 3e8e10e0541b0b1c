#pragma once

#include "downloadtimings.h"
#include "outcome.h"

#include <QString>

#include <cstdint>
#include <optional>

// What the settings file holds for the window and for orvisnap-capture, read by one set of
// rules, and what the window keeps there, written by the same. A missing file, or one with
// nothing but [Ports], is a first run and gives nothing. A value that is not a whole number, and
// a stored -1, count as absent. Without a creation stamp the position, the picture size and the
// timings are not taken (the window writes its own over them at close); the port, [AutoSave]
// and [Captures] are taken whatever the stamp holds. Each read and each write opens the file once.
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
    QString language; // [Common] Language, e.g. "de" or "pt_BR"; empty: the system's languages
    // [Captures] Keep: how many downloaded pictures to keep, 0 none; a negative value counts as
    // absent. Written by hand only.
    std::optional<std::int32_t> capturesKeep;

    // Reads the keys in the order the window applies them.
    [[nodiscard]] static StoredSettings read(const QString& iniPath);
    // `base` with the stored timings put in, each within the Timings dialog's range.
    [[nodiscard]] DownloadTimings timingsOver(DownloadTimings base) const;

    // Stamps a file found without a creation stamp with the current local time.
    static Outcome stamp(const QString& iniPath);
    // Writes the values that are set, in one replacement of the file: first the creation stamp
    // when the file has none, then Left, Top, BMPRes, Timeout, RxDelay, NAKDelay and Port, in
    // this order, which a new file keeps; then [AutoSave] Folder and Format, but only once
    // saving each picture has been used (on now, or in the file already), so that a file that
    // never had it stays as it was. Everything else in the file stays. A failure names the file;
    // a value refused (a line break in the folder) leaves the keys after it out.
    [[nodiscard]] Outcome write(const QString& iniPath) const;
};
