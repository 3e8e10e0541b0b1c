#include "bmpheader.h"

#include "filehelpers.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdlib>

bool PatchBMPBytes(QByteArray& data, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    if (data.size() < 61)
        return false;
    data[58] = static_cast<char>(blue);
    data[59] = static_cast<char>(green);
    data[60] = static_cast<char>(red);
    return true;
}

namespace {
// The smallest BMP (core header, one pixel) has 26 bytes; 64 MiB is far beyond any screen.
constexpr std::int64_t Smallest = 26;
constexpr std::int64_t Largest = std::int64_t{64} << 20;

[[nodiscard]] std::int64_t unsignedAt(const QByteArray& data, int at, int bytes)
{
    std::int64_t value = 0;
    for (int i = at + bytes - 1; i >= at; --i)
        value = value * 256 + static_cast<unsigned char>(data[i]);
    return value;
}

[[nodiscard]] std::int64_t signedAt(const QByteArray& data, int at)
{
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(unsignedAt(data, at, 4)));
}

[[nodiscard]] std::optional<std::int64_t> plausible(std::int64_t size)
{
    if (size < Smallest || size > Largest)
        return std::nullopt;
    return size;
}

// What the information header implies for an uncompressed picture (or one with bit masks).
[[nodiscard]] std::optional<std::int64_t> impliedSize(const QByteArray& data)
{
    constexpr int InfoHeader = 40;
    if (data.size() < 14 + InfoHeader)
        return std::nullopt;
    const std::int64_t headerSize = unsignedAt(data, 14, 4);
    const std::int64_t width = signedAt(data, 18);
    const std::int64_t height = std::abs(signedAt(data, 22));
    const std::int64_t bits = unsignedAt(data, 28, 2);
    const std::int64_t compression = unsignedAt(data, 30, 4);
    const std::int64_t coloursUsed = unsignedAt(data, 46, 4);
    constexpr std::int64_t Uncompressed = 0;
    constexpr std::int64_t BitMasks = 3;
    const bool knownBits =
        bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    if (headerSize < InfoHeader || headerSize > 1024 || width <= 0 || width > 65535 ||
        height == 0 || height > 65535 || !knownBits ||
        (compression != Uncompressed && compression != BitMasks) || coloursUsed > 256)
        return std::nullopt;
    const std::int64_t masks = compression == BitMasks && headerSize == InfoHeader ? 12 : 0;
    const std::int64_t palette = coloursUsed != 0 ? coloursUsed : (bits <= 8 ? 1 << bits : 0);
    const std::int64_t pixelsAt =
        std::max(unsignedAt(data, 10, 4), 14 + headerSize + masks + palette * 4);
    const std::int64_t stride = (width * bits + 31) / 32 * 4;
    return pixelsAt + stride * height;
}
} // namespace

std::optional<std::int64_t> ExpectedBmpSize(const QByteArray& data)
{
    if (data.size() < 6 || !data.startsWith("BM"))
        return std::nullopt;
    if (const std::optional<std::int64_t> implied = impliedSize(data))
        return plausible(*implied);
    return plausible(unsignedAt(data, 2, 4));
}

Outcome PatchBMPBack(const QString& fileName, std::uint8_t red, std::uint8_t green,
                     std::uint8_t blue)
{
    QByteArray data;
    if (Outcome read = FileToString(fileName, data); !read)
        return read;
    if (!PatchBMPBytes(data, red, green, blue))
        return Outcome::failure(
            QCoreApplication::translate("BmpHeader", "%1 is too short for a colour table.")
                .arg(fileName));
    return StringToFile(data, fileName);
}
