#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The files the simulator can send: generated sample pictures, a generated non-picture, or a
// file from disk.
class SampleFile {
public:
    // KIND small (128x64, 1 bpp), medium (320x240, 4 bpp) or large (320x240, 24 bpp).
    [[nodiscard]] static std::vector<std::uint8_t> bmp(std::string_view kind);
    [[nodiscard]] static std::vector<std::uint8_t> notBmp();
    [[nodiscard]] static std::vector<std::uint8_t> read(const std::string& path);    // throws
    static void write(const std::string& path, std::span<const std::uint8_t> bytes); // throws
};
