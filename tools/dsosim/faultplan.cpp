#include "faultplan.h"

#include <algorithm>
#include <random>

bool FaultPlan::wrongCrc(std::size_t block, bool firstTransmission, std::size_t transmission) const
{
    if (firstTransmission &&
        std::find(corruptCrc.begin(), corruptCrc.end(), block) != corruptCrc.end())
        return true;
    return corruptEvery > 0 && transmission % corruptEvery == 0;
}

std::vector<std::uint8_t> FaultPlan::noise(std::size_t block)
{
    std::mt19937 generator(static_cast<std::mt19937::result_type>(0x0DC0 + block));
    std::vector<std::uint8_t> bytes(7);
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(generator() & 0xFFU);
    return bytes;
}
