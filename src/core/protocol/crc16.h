#pragma once

#include <array>
#include <cstdint>

// CRC-16/XMODEM: polynomial 0x1021, initial 0, no reflection, no final XOR.
// The caller owns the register; these routines keep no state.

namespace Crc16Detail {
consteval std::array<std::uint16_t, 256> makeTable()
{
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned reg = i << 8;
        for (int bit = 0; bit < 8; ++bit)
            reg = (reg & 0x8000U) ? ((reg << 1) ^ 0x1021U) : (reg << 1);
        table[i] = static_cast<std::uint16_t>(reg & 0xFFFFU);
    }
    return table;
}
} // namespace Crc16Detail

inline constexpr std::array<std::uint16_t, 256> Crc16Table = Crc16Detail::makeTable();

void Crc16Reset(std::uint16_t& crc);
void Crc16Feed(std::uint16_t& crc, const void* data, std::uint32_t count);
void Crc16Feed(std::uint16_t& crc, const void* data, std::uint16_t count);
void Crc16Finish(std::uint16_t& crc);
void Crc16OfBuffer(std::uint16_t& crc, const void* data, std::uint16_t count);
