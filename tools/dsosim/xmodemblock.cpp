#include "xmodemblock.h"

#include "crc16.h"

#include <algorithm>

XmodemBlock::Frame XmodemBlock::frame(std::span<const std::uint8_t> file, std::size_t index,
                                      bool wrongCrc)
{
    Frame out{};
    const auto number = static_cast<std::uint8_t>(index & 0xFFU);
    out[0] = kSoh;
    out[1] = number;
    out[2] = static_cast<std::uint8_t>(~number);
    const std::size_t offset = (index - 1) * kDataSize;
    const std::size_t length = std::min(kDataSize, file.size() - std::min(offset, file.size()));
    const auto data = std::span(out).subspan(3, kDataSize);
    std::fill(data.begin(), data.end(), kPad);
    std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(offset), length, data.begin());
    std::uint16_t crc = 0;
    Crc16OfBuffer(crc, data.data(), static_cast<std::uint16_t>(kDataSize));
    if (wrongCrc)
        crc ^= 0x5A5A;
    out[131] = static_cast<std::uint8_t>(crc >> 8);
    out[132] = static_cast<std::uint8_t>(crc & 0xFFU);
    return out;
}

std::size_t XmodemBlock::blockCount(std::size_t fileSize)
{
    return (fileSize + kDataSize - 1) / kDataSize;
}
