#include "crc16.h"

static_assert(Crc16Table[1] == 0x1021 && Crc16Table[7] == 0x70E7 && Crc16Table[255] == 0x1EF0);

void Crc16Reset(std::uint16_t& crc)
{
    crc = 0;
}

void Crc16Feed(std::uint16_t& crc, const void* data, std::uint32_t count)
{
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    for (std::uint32_t i = 0; i < count; ++i) {
        const unsigned index = ((crc >> 8) ^ bytes[i]) & 0xFFU;
        crc = static_cast<std::uint16_t>(((crc << 8) & 0xFFFFU) ^ Crc16Table[index]);
    }
}

void Crc16Feed(std::uint16_t& crc, const void* data, std::uint16_t count)
{
    Crc16Feed(crc, data, static_cast<std::uint32_t>(count));
}

void Crc16Finish(std::uint16_t& crc)
{
    (void)crc; // no final XOR, no reflection
}

void Crc16OfBuffer(std::uint16_t& crc, const void* data, std::uint16_t count)
{
    Crc16Reset(crc);
    Crc16Feed(crc, data, count);
    Crc16Finish(crc);
}
