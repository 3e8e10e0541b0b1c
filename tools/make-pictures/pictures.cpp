#include "pictures.h"

#include <array>
#include <utility>

namespace {

constexpr std::uint8_t GraticuleGround = 11;
constexpr std::uint8_t GraticuleInk = 0;

// K black, Y yellow-green, G grey grid, D dark grey trace.
constexpr std::array<const char*, 16> LogoRows = {
    "KKKKKKKKKKKKKKKK", "KYYYYGYYYYGYYYYK", "KYYYYGYYYYGYYYYK", "KYYDDDDDDYGYYDDK",
    "KYYDYGYYDYGYYDYK", "KGGDGGGGDGGGGDGK", "KYYDYGYYDYGYYDYK", "KYYDYGYYDYGYYDYK",
    "KYYDYGYYDYGYYDYK", "KYYDYGYYDYGYYDYK", "KGGDGGGGDGGGGDGK", "KYYDYGYYDYGYYDYK",
    "KDDDYGYYDDDDDDYK", "KYYYYGYYYYGYYYYK", "KYYYYGYYYYGYYYYK", "KKKKKKKKKKKKKKKK"};

constexpr std::array<std::pair<char, Rgb>, 4> LogoColours = {
    {{'K', {0, 0, 0}}, {'Y', {240, 255, 0}}, {'G', {128, 128, 128}}, {'D', {64, 64, 64}}}};

Picture paintLogo(int bitsPerPixel, Palette palette)
{
    std::array<std::uint8_t, 4> entry{};
    for (std::size_t c = 0; c < LogoColours.size(); ++c)
        entry[c] = static_cast<std::uint8_t>(nearestIndex(palette, LogoColours[c].second));

    Picture picture(16, 16, bitsPerPixel, std::move(palette), 0);
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            for (std::size_t c = 0; c < LogoColours.size(); ++c) {
                if (LogoRows[y][x] == LogoColours[c].first)
                    picture.at(x, y) = entry[c];
            }
        }
    }
    return picture;
}

} // namespace

Picture makeGraticule()
{
    Picture picture(128, 64, 4, graticulePalette(), GraticuleGround);
    constexpr int left = 2, top = 0, right = 102, bottom = 60;
    for (int x = left; x <= right; ++x)
        picture.at(x, top) = picture.at(x, bottom) = GraticuleInk;
    for (int y = top; y <= bottom; ++y)
        picture.at(left, y) = picture.at(right, y) = GraticuleInk;
    // Ten by six divisions of ten pixels, dotted on every second pixel.
    for (int y = top + 10; y < bottom; y += 10) {
        for (int x = left + 2; x < right; x += 2)
            picture.at(x, y) = GraticuleInk;
    }
    for (int x = left + 10; x < right; x += 10) {
        for (int y = top + 2; y < bottom; y += 2)
            picture.at(x, y) = GraticuleInk;
    }
    return picture;
}

Picture makeLogo()
{
    Palette colours;
    for (const auto& [letter, rgb] : LogoColours)
        colours.push_back(rgb);
    return paintLogo(24, colours);
}

Picture makeAppIcon()
{
    // The system palette has no yellow-green; its pure yellow stands in for the ground.
    return paintLogo(8, systemPalette());
}
