#pragma once

#include <cstdint>
#include <vector>

class ScopePicture;

// Writes a picture as an uncompressed bottom-up BMP (14-byte file header, 40-byte info header)
// with 1, 4 or 24 bits per pixel; the paletted ones carry 2 or 16 colour-table entries.
class BmpEncoder {
public:
    [[nodiscard]] static std::vector<std::uint8_t> encode(const ScopePicture& picture,
                                                          int bitsPerPixel);
};
