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
// The file size a BMP header at the start of `data` implies, when it is plausible for a screen
// picture: what its width, height, bit depth and palette make for an uncompressed picture, else
// the size its size field states; nothing when `data` does not start like a BMP file. The size
// field alone is not believed: it may be 0, as BMP allows, or wrong.
[[nodiscard]] std::optional<std::int64_t> ExpectedBmpSize(const QByteArray& data);

Outcome PatchBMPBack(const QString& fileName, std::uint8_t red, std::uint8_t green,
                     std::uint8_t blue);
