#pragma once

#include "outcome.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>

// The few bytes of a BMP file's header that a received screen needs looked at or changed.

// Sets colour-table entry 1 (offsets 58..60: blue, green, red). Data shorter than 61 bytes has
// no such entry and is left as it is (returns false).
bool PatchBMPBytes(QByteArray& data, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
// The file size that a BMP header at the start of `data` states, when it is plausible for a
// screen picture; nothing when `data` does not start like a BMP file.
[[nodiscard]] std::optional<std::int64_t> DeclaredBmpSize(const QByteArray& data);

Outcome PatchBMPBack(const QString& fileName, std::uint8_t red, std::uint8_t green,
                     std::uint8_t blue);
