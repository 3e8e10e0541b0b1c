#pragma once

#include "outcome.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

// Hex dump for the log: two upper-case digits and a space per byte, CR LF after every 16th
// byte except the last.
[[nodiscard]] QString MakeHexStr(const QByteArray& data);

// Whole-file helpers; a failure names the file and gives the system's reason.
Outcome FileToString(const QString& fileName, QByteArray& data);
// Creates the file or replaces an existing one. Where the folder takes new files, the file is
// replaced as a whole or not at all; in a folder that takes none, an existing writable file is
// emptied and written in place, which is not whole-or-nothing but keeps the save working there.
Outcome StringToFile(const QByteArray& data, const QString& fileName);

// Sets colour-table entry 1 (offsets 58..60: blue, green, red). Data shorter than 61 bytes has
// no such entry and is left as it is (returns false).
bool PatchBMPBytes(QByteArray& data, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
// The file size that a BMP header at the start of `data` states, when it is plausible for a
// screen picture; nothing when `data` does not start like a BMP file.
[[nodiscard]] std::optional<std::int64_t> DeclaredBmpSize(const QByteArray& data);

Outcome PatchBMPBack(const QString& fileName, std::uint8_t red, std::uint8_t green,
                     std::uint8_t blue);
