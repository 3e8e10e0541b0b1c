#include "bmpheader.h"

#include "filehelpers.h"

#include <QCoreApplication>

bool PatchBMPBytes(QByteArray& data, std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    if (data.size() < 61)
        return false;
    data[58] = static_cast<char>(blue);
    data[59] = static_cast<char>(green);
    data[60] = static_cast<char>(red);
    return true;
}

std::optional<std::int64_t> DeclaredBmpSize(const QByteArray& data)
{
    // The smallest BMP (core header, one pixel) has 26 bytes; 64 MiB is far beyond any screen.
    constexpr std::int64_t Smallest = 26;
    constexpr std::int64_t Largest = std::int64_t{64} << 20;
    if (data.size() < 6 || !data.startsWith("BM"))
        return std::nullopt;
    std::int64_t size = 0;
    for (int i = 5; i >= 2; --i)
        size = size * 256 + static_cast<unsigned char>(data[i]);
    if (size < Smallest || size > Largest)
        return std::nullopt;
    return size;
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
