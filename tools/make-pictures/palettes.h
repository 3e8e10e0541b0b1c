#pragma once

#include <cstdint>
#include <vector>

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

using Palette = std::vector<Rgb>;

// The 16-colour VGA set with entry 11 turned from yellow into the DSO's yellow-green.
Palette graticulePalette();

// The 256-colour palette of the placeholder pictures and the application icon: the twenty
// fixed system colours at both ends and an 8 x 8 x 4 colour cube in between.
Palette systemPalette();

// Index of the entry closest to `colour` (squared RGB distance); the lowest index wins a tie,
// so colours that occur twice in a palette always map to their first entry.
int nearestIndex(const Palette& palette, Rgb colour);
