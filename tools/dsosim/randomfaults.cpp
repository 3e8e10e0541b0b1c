#include "randomfaults.h"

#include <array>

namespace {
enum class Kind { None, Crc, Noise, Stall, LostAck, Close };

// Out of 100 transfers; a closed line is rare, as an unplugged cable is.
constexpr std::array<std::pair<Kind, std::size_t>, 6> kWeights = {{{Kind::None, 30},
                                                                   {Kind::Crc, 20},
                                                                   {Kind::Noise, 15},
                                                                   {Kind::Stall, 15},
                                                                   {Kind::LostAck, 15},
                                                                   {Kind::Close, 5}}};
constexpr std::size_t kMinStallMs = 100;
constexpr std::size_t kMaxStallMs = 1500;
} // namespace

RandomFaults::RandomFaults(std::uint32_t seed) : engine_(seed) {}

std::size_t RandomFaults::below(std::size_t bound)
{
    return static_cast<std::size_t>(engine_()) % bound;
}

FaultPlan RandomFaults::next(std::size_t blockCount)
{
    FaultPlan plan;
    std::size_t roll = below(100);
    Kind kind = Kind::None;
    for (const auto& [candidate, weight] : kWeights) {
        if (roll < weight) {
            kind = candidate;
            break;
        }
        roll -= weight;
    }
    if (blockCount == 0)
        return plan;
    const std::size_t block = 1 + below(blockCount);
    switch (kind) {
    case Kind::None:
        break;
    case Kind::Crc:
        plan.corruptCrc = {block};
        break;
    case Kind::Noise:
        plan.noiseBefore = block;
        break;
    case Kind::Stall:
        plan.stallBlock = block;
        plan.stallMs = static_cast<int>(kMinStallMs + below(kMaxStallMs - kMinStallMs + 1));
        break;
    case Kind::LostAck:
        plan.lostAck = block;
        break;
    case Kind::Close:
        plan.closeAfter = block;
        break;
    }
    return plan;
}

std::string RandomFaults::describe(const FaultPlan& plan)
{
    if (!plan.corruptCrc.empty())
        return "crc " + std::to_string(plan.corruptCrc.front());
    if (plan.noiseBefore != 0)
        return "noise " + std::to_string(plan.noiseBefore);
    if (plan.stallBlock != 0)
        return "stall " + std::to_string(plan.stallBlock) + ' ' + std::to_string(plan.stallMs);
    if (plan.lostAck != 0)
        return "lost-ack " + std::to_string(plan.lostAck);
    if (plan.closeAfter != 0)
        return "close " + std::to_string(plan.closeAfter);
    return "none";
}
