#include "bmpfile.h"

#include <stdexcept>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int InfoHeaderSize = 40;
constexpr int IconDirSize = 6 + 16;

void put16(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xFF));
    out.append(static_cast<char>((value >> 8) & 0xFF));
}

void put32(QByteArray& out, qint64 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.append(static_cast<char>((value >> shift) & 0xFF));
}

int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

int paletteEntries(const Picture& picture)
{
    return picture.bitsPerPixel <= 8 ? static_cast<int>(picture.palette.size()) : 0;
}

void check(const Picture& picture)
{
    const int bpp = picture.bitsPerPixel;
    if (bpp != 4 && bpp != 8 && bpp != 24)
        throw std::invalid_argument("unsupported bits per pixel");
    if (bpp <= 8 && picture.palette.size() > (std::size_t{1} << bpp))
        throw std::invalid_argument("palette larger than the pixel format allows");
    for (const std::uint8_t index : picture.indices) {
        if (index >= picture.palette.size())
            throw std::invalid_argument("pixel outside the palette");
    }
}

// `height` is what the header states: an icon doubles it to cover the mask as well.
void putInfoHeader(QByteArray& out, const Picture& picture, int height, int imageBytes)
{
    put32(out, InfoHeaderSize);
    put32(out, picture.width);
    put32(out, height); // positive: bottom-up
    put16(out, 1);      // planes
    put16(out, picture.bitsPerPixel);
    put32(out, 0); // BI_RGB
    put32(out, imageBytes);
    put32(out, 0); // horizontal resolution
    put32(out, 0); // vertical resolution
    put32(out, paletteEntries(picture));
    put32(out, 0); // all colours important
}

void putPalette(QByteArray& out, const Picture& picture)
{
    for (int i = 0; i < paletteEntries(picture); ++i) {
        const Rgb& c = picture.palette[static_cast<std::size_t>(i)];
        out.append(static_cast<char>(c.b));
        out.append(static_cast<char>(c.g));
        out.append(static_cast<char>(c.r));
        out.append('\0');
    }
}

void putPixels(QByteArray& out, const Picture& picture)
{
    const int stride = rowBytes(picture.width, picture.bitsPerPixel);
    for (int y = picture.height - 1; y >= 0; --y) {
        QByteArray row(stride, '\0');
        for (int x = 0; x < picture.width; ++x) {
            const std::uint8_t index = picture.at(x, y);
            switch (picture.bitsPerPixel) {
            case 4:
                // The left pixel of each pair sits in the high nibble.
                row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 ? index : index << 4));
                break;
            case 8:
                row[x] = static_cast<char>(index);
                break;
            default: {
                const Rgb& c = picture.palette[index];
                row[3 * x] = static_cast<char>(c.b);
                row[3 * x + 1] = static_cast<char>(c.g);
                row[3 * x + 2] = static_cast<char>(c.r);
            }
            }
        }
        out.append(row);
    }
}

} // namespace

QByteArray encodeBmp(const Picture& picture)
{
    check(picture);
    const int imageBytes = rowBytes(picture.width, picture.bitsPerPixel) * picture.height;
    const int pixelOffset = FileHeaderSize + InfoHeaderSize + 4 * paletteEntries(picture);

    QByteArray out;
    out.append("BM", 2);
    put32(out, pixelOffset + imageBytes);
    put16(out, 0);
    put16(out, 0);
    put32(out, pixelOffset);
    putInfoHeader(out, picture, picture.height, imageBytes);
    putPalette(out, picture);
    putPixels(out, picture);
    return out;
}

QByteArray encodeIco(const Picture& picture)
{
    check(picture);
    if (picture.bitsPerPixel > 8 || picture.width > 255 || picture.height > 255)
        throw std::invalid_argument("icon picture must be indexed and at most 255 x 255");
    const int colourBytes = rowBytes(picture.width, picture.bitsPerPixel) * picture.height;
    const int maskBytes = rowBytes(picture.width, 1) * picture.height;
    const int imageSize = InfoHeaderSize + 4 * paletteEntries(picture) + colourBytes + maskBytes;

    QByteArray out;
    put16(out, 0); // reserved
    put16(out, 1); // icon, not cursor
    put16(out, 1); // one image
    out.append(static_cast<char>(picture.width));
    out.append(static_cast<char>(picture.height));
    // Colour count byte: 0 stands for 256 or more.
    out.append(static_cast<char>(paletteEntries(picture) >= 256 ? 0 : paletteEntries(picture)));
    out.append('\0');
    put16(out, 1); // planes
    put16(out, picture.bitsPerPixel);
    put32(out, imageSize);
    put32(out, IconDirSize);

    putInfoHeader(out, picture, 2 * picture.height, colourBytes + maskBytes);
    putPalette(out, picture);
    putPixels(out, picture);
    out.append(QByteArray(maskBytes, '\0')); // AND mask: every pixel opaque
    return out;
}
