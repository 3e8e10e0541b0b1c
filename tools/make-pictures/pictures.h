#pragma once

#include "palettes.h"

#include <cstdint>
#include <vector>

// A picture as palette indices, top row first. At 24 bits per pixel the palette only names the
// colours; the file then holds them directly.
struct Picture {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 8; // 4, 8 or 24
    Palette palette;
    std::vector<std::uint8_t> indices;

    Picture(int w, int h, int bpp, Palette pal, std::uint8_t fill)
        : width(w), height(h), bitsPerPixel(bpp), palette(std::move(pal)),
          indices(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), fill)
    {
    }

    std::uint8_t& at(int x, int y) { return indices[static_cast<std::size_t>(y) * width + x]; }
    [[nodiscard]] std::uint8_t at(int x, int y) const
    {
        return indices[static_cast<std::size_t>(y) * width + x];
    }
};

// EMPTY: the bare graticule shown at start-up.
Picture makeGraticule();
// ICO16: the About dialog's logo, a miniature scope screen, 24 bits per pixel.
Picture makeLogo();
// The same little screen as an 8-bit image for the window icon.
Picture makeAppIcon();
