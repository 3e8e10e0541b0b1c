#include "scopepicture.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr int kDivisionsX = 10;
constexpr int kDivisionsY = 8;
} // namespace

ScopePicture::ScopePicture(int width, int height, bool colour)
    : width_(width), height_(height), colour_(colour),
      pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), Background)
{
    drawGraticule();
    if (colour_)
        drawSquare();
    drawSine();
    drawMarker();
}

std::uint8_t ScopePicture::at(int x, int y) const
{
    return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                   static_cast<std::size_t>(x)];
}

// Solid frame, dotted division lines, ticks along the centre axes.
void ScopePicture::drawGraticule()
{
    for (int i = 0; i <= kDivisionsX; ++i) {
        const int x = i * (width_ - 1) / kDivisionsX;
        const int step = (i == 0 || i == kDivisionsX) ? 1 : 4;
        for (int y = 0; y < height_; y += step)
            set(x, y, Grid);
    }
    for (int i = 0; i <= kDivisionsY; ++i) {
        const int y = i * (height_ - 1) / kDivisionsY;
        const int step = (i == 0 || i == kDivisionsY) ? 1 : 4;
        for (int x = 0; x < width_; x += step)
            set(x, y, Grid);
    }
    const int cx = kDivisionsX / 2 * (width_ - 1) / kDivisionsX;
    const int cy = kDivisionsY / 2 * (height_ - 1) / kDivisionsY;
    const int tickX = std::max(2, (width_ - 1) / kDivisionsX / 5);
    const int tickY = std::max(2, (height_ - 1) / kDivisionsY / 5);
    for (int x = 0; x < width_; x += tickX)
        trace(x, cy - 1, cy + 1, Grid);
    for (int y = 0; y < height_; y += tickY) {
        for (int dx = -1; dx <= 1; ++dx)
            set(cx + dx, y, Grid);
    }
}

void ScopePicture::drawSine()
{
    const double amplitude = height_ * 0.3;
    const double centre = colour_ ? height_ * 0.4 : height_ * 0.5;
    const int thickness = height_ >= 200 ? 2 : 1;
    int previous = -1;
    for (int x = 0; x < width_; ++x) {
        const double phase = 2.0 * std::numbers::pi * 2.0 * x / width_;
        const int y = static_cast<int>(std::lround(centre - amplitude * std::sin(phase)));
        const int from = previous < 0 ? y : std::min(previous, y);
        const int to = previous < 0 ? y : std::max(previous, y);
        trace(x, from, to + thickness - 1, Channel1);
        previous = y;
    }
}

void ScopePicture::drawSquare()
{
    const int high = height_ * 3 / 4;
    const int low = height_ * 7 / 8;
    const int period = width_ / 4;
    int previous = low;
    for (int x = 0; x < width_; ++x) {
        const int y = (x % period) < period / 2 ? high : low;
        trace(x, std::min(previous, y), std::max(previous, y), Channel2);
        previous = y;
    }
}

// A small triangle at the left edge pointing at the trigger level.
void ScopePicture::drawMarker()
{
    const int level = colour_ ? height_ * 2 / 5 : height_ / 2;
    const int size = std::max(2, height_ / 32);
    for (int dx = 0; dx < size; ++dx)
        trace(dx, level - (size - dx), level + (size - dx), Marker);
}

void ScopePicture::trace(int x, int fromY, int toY, std::uint8_t index)
{
    for (int y = fromY; y <= toY; ++y)
        set(x, y, index);
}

void ScopePicture::set(int x, int y, std::uint8_t index)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    const std::uint8_t value = colour_ || index == Background ? index : std::uint8_t{Channel1};
    pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
            static_cast<std::size_t>(x)] = value;
}
