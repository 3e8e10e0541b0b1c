#include "bmpencoder.h"

#include "scopepicture.h"

#include <array>

namespace {
struct Rgb {
    std::uint8_t r, g, b;
};

// Entry 1 is channel 1; the receiving program recolours it.
constexpr std::array<Rgb, 16> kPalette = {{{0, 0, 0},
                                           {255, 255, 255},
                                           {96, 96, 96},
                                           {0, 200, 255},
                                           {255, 64, 64},
                                           {128, 0, 0},
                                           {0, 128, 0},
                                           {128, 128, 0},
                                           {0, 0, 128},
                                           {128, 0, 128},
                                           {0, 128, 128},
                                           {192, 192, 192},
                                           {255, 0, 0},
                                           {0, 255, 0},
                                           {255, 255, 0},
                                           {255, 0, 255}}};

void put16(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value & 0xFFU));
    out.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFFU));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16(out, value & 0xFFFFU);
    put16(out, value >> 16);
}

[[nodiscard]] std::size_t rowBytes(int width, int bitsPerPixel)
{
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32) *
           4;
}

void putHeaders(std::vector<std::uint8_t>& out, const ScopePicture& picture, int bitsPerPixel,
                std::size_t colours, std::size_t imageSize)
{
    const auto offset = static_cast<std::uint32_t>(14 + 40 + colours * 4);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + static_cast<std::uint32_t>(imageSize));
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(picture.width()));
    put32(out, static_cast<std::uint32_t>(picture.height()));
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(bitsPerPixel));
    put32(out, 0); // no compression
    put32(out, static_cast<std::uint32_t>(imageSize));
    put32(out, 2835); // 72 dpi
    put32(out, 2835);
    put32(out, static_cast<std::uint32_t>(colours));
    put32(out, 0);
    for (std::size_t i = 0; i < colours; ++i) {
        out.insert(out.end(), {kPalette[i].b, kPalette[i].g, kPalette[i].r, 0});
    }
}

void putRow(std::vector<std::uint8_t>& row, const ScopePicture& picture, int y, int bitsPerPixel)
{
    for (int x = 0; x < picture.width(); ++x) {
        const std::uint8_t index = picture.at(x, y);
        const auto ux = static_cast<std::size_t>(x);
        if (bitsPerPixel == 24) {
            row[ux * 3] = kPalette[index].b;
            row[ux * 3 + 1] = kPalette[index].g;
            row[ux * 3 + 2] = kPalette[index].r;
        } else if (bitsPerPixel == 4) {
            row[ux / 2] |= static_cast<std::uint8_t>(index << ((ux % 2 == 0) ? 4 : 0));
        } else {
            row[ux / 8] |= static_cast<std::uint8_t>((index & 1U) << (7 - ux % 8));
        }
    }
}
} // namespace

std::vector<std::uint8_t> BmpEncoder::encode(const ScopePicture& picture, int bitsPerPixel)
{
    const std::size_t stride = rowBytes(picture.width(), bitsPerPixel);
    const std::size_t colours = bitsPerPixel == 24 ? 0 : (std::size_t{1} << bitsPerPixel);
    std::vector<std::uint8_t> out;
    putHeaders(out, picture, bitsPerPixel, colours,
               stride * static_cast<std::size_t>(picture.height()));
    for (int y = picture.height() - 1; y >= 0; --y) {
        std::vector<std::uint8_t> row(stride, 0);
        putRow(row, picture, y, bitsPerPixel);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
