#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The faults to inject into a transfer. Blocks are counted from 1 in the order of their first
// transmission; 0 means "none".
class FaultPlan {
public:
    std::vector<std::size_t> corruptCrc; // first transmission of these blocks has a wrong CRC
    std::size_t corruptEvery = 0;        // every N-th block transmission has a wrong CRC
    std::size_t noiseBefore = 0;         // a few noise bytes precede this block
    std::size_t stallBlock = 0;          // this block stops half-way for stallMs
    int stallMs = 0;
    std::size_t lostAck = 0;       // this block is sent again after its ACK
    std::size_t closeAfter = 0;    // the line is closed after this block's ACK
    std::size_t skipBlock = 0;     // this block is never sent
    bool eotFirst = false;         // a lone EOT comes first and ends the transfer
    std::size_t cancelAfter = 0;   // the instrument gives up after this block: CAN CAN
    std::size_t silentAfter = 0;   // the instrument stops after this block, the line still there
    std::size_t badComplement = 0; // first transmission: a complement that does not match

    [[nodiscard]] bool wrongCrc(std::size_t block, bool firstTransmission,
                                std::size_t transmission) const;
    // Deterministic per block, so runs can be repeated.
    [[nodiscard]] static std::vector<std::uint8_t> noise(std::size_t block);
};
