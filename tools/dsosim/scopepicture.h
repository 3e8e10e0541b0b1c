#pragma once

#include <cstdint>
#include <vector>

// A made-up oscilloscope screen as palette indices: graticule, a sine on channel 1, a square
// wave on channel 2 and a trigger marker. Deterministic, so files made from it can be compared.
// Monochrome pictures use only indices 0 and 1.
class ScopePicture {
public:
    enum Index : std::uint8_t { Background = 0, Channel1 = 1, Grid = 2, Channel2 = 3, Marker = 4 };

    ScopePicture(int width, int height, bool colour);

    [[nodiscard]] int width() const { return width_; }
    [[nodiscard]] int height() const { return height_; }
    // Row 0 is the top row.
    [[nodiscard]] std::uint8_t at(int x, int y) const;

private:
    void drawGraticule();
    void drawSine();
    void drawSquare();
    void drawMarker();
    void trace(int x, int fromY, int toY, std::uint8_t index);
    void set(int x, int y, std::uint8_t index);

    int width_;
    int height_;
    bool colour_;
    std::vector<std::uint8_t> pixels_;
};
