#include "palettes.h"

#include <limits>

Palette graticulePalette()
{
    return {{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
            {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {128, 128, 128},
            {192, 192, 192}, {255, 0, 0},   {0, 255, 0},   {240, 255, 0},
            {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
}

Palette systemPalette()
{
    Palette palette(256);
    const Palette low = {{0, 0, 0},       {128, 0, 0},    {0, 128, 0},   {128, 128, 0},
                         {0, 0, 128},     {128, 0, 128},  {0, 128, 128}, {192, 192, 192},
                         {192, 220, 192}, {166, 202, 240}};
    const Palette high = {{255, 251, 240}, {160, 160, 164}, {128, 128, 128}, {255, 0, 0},
                          {0, 255, 0},     {255, 255, 0},   {0, 0, 255},     {255, 0, 255},
                          {0, 255, 255},   {255, 255, 255}};
    for (int i = 0; i < 10; ++i) {
        palette[i] = low[i];
        palette[246 + i] = high[i];
    }
    for (int i = 10; i < 246; ++i) {
        palette[i] = {static_cast<std::uint8_t>((i % 8) * 32),
                      static_cast<std::uint8_t>(((i / 8) % 8) * 32),
                      static_cast<std::uint8_t>((i / 64) * 64)};
    }
    return palette;
}

int nearestIndex(const Palette& palette, Rgb colour)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < static_cast<int>(palette.size()); ++i) {
        const int dr = palette[i].r - colour.r;
        const int dg = palette[i].g - colour.g;
        const int db = palette[i].b - colour.b;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}
