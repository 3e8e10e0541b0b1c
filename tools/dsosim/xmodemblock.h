#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

// XModem-CRC framing: SOH, block number, its ones' complement, 128 data bytes padded with 0x1A,
// CRC-16/XMODEM of the data, high byte first.
class XmodemBlock {
public:
    static constexpr std::size_t kDataSize = 128;
    static constexpr std::size_t kFrameSize = 133;
    static constexpr std::uint8_t kSoh = 0x01;
    static constexpr std::uint8_t kEot = 0x04;
    static constexpr std::uint8_t kAck = 0x06;
    static constexpr std::uint8_t kNak = 0x15;
    static constexpr std::uint8_t kCan = 0x18;
    static constexpr std::uint8_t kPad = 0x1A;
    static constexpr std::uint8_t kCrcRequest = 'C';

    using Frame = std::array<std::uint8_t, kFrameSize>;

    // Block `index` (from 1) of the file; its number on the line wraps 255 -> 0.
    [[nodiscard]] static Frame frame(std::span<const std::uint8_t> file, std::size_t index,
                                     bool wrongCrc);
    [[nodiscard]] static std::size_t blockCount(std::size_t fileSize);
};
