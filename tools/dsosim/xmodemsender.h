#pragma once

#include "monoclock.h"
#include "simoptions.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

class RandomFaults;
class PtyLine;

// The instrument's side of the exchange: waits for the receiver's request (NAK or 'C'), sends the
// file in XModem-CRC blocks, repeats on NAK or silence, ends with EOT, and prints a summary line
// after each transfer. Faults from the options, or drawn by `randomFaults` (may be null) for
// each transfer, are injected on the way.
class XmodemSender {
public:
    XmodemSender(PtyLine& line, const SimOptions& options, const std::vector<std::uint8_t>& file,
                 RandomFaults* randomFaults);

    // Serves one transfer, or transfers until a signal or a closed line with --loop; returns the
    // exit status.
    [[nodiscard]] int run();
    // Whether run() ended because the line was closed on purpose.
    [[nodiscard]] bool lineClosed() const { return lineClosed_; }

private:
    enum class Outcome { Finished, GaveUp, Closed, Interrupted };
    enum class Answer { Ack, Nak, Silence, Cancel, Interrupted };

    struct Stats {
        std::size_t blocks = 0; // ACKed block transmissions
        std::size_t naks = 0;   // NAKs taken as answers
        std::size_t repeats = 0;
        Nanos firstByteAt = 0;
        Nanos endAt = 0;
    };

    [[nodiscard]] bool waitForRequest();
    void drawFaults();
    [[nodiscard]] Outcome serve();
    [[nodiscard]] Outcome sendBlocks();
    [[nodiscard]] Outcome deliverBlock(std::size_t index, bool firstTransmission);
    [[nodiscard]] bool transmitBlock(std::size_t index, bool firstTransmission);
    [[nodiscard]] bool transmit(std::span<const std::uint8_t> bytes);
    [[nodiscard]] Outcome cancelTransfer(std::size_t index);
    [[nodiscard]] Outcome fallSilent(std::size_t index);
    [[nodiscard]] bool pauseBeforeSending();
    [[nodiscard]] Answer sendEot();
    [[nodiscard]] Outcome finishWithEot();
    [[nodiscard]] Answer waitAnswer(Nanos timeout);
    [[nodiscard]] int exitStatus(Outcome outcome) const;
    void printSummary();
    void note(const char* format, ...) const __attribute__((format(printf, 2, 3)));

    PtyLine& line_;
    const SimOptions& options_;
    RandomFaults* randomFaults_;
    FaultPlan faults_;
    const std::vector<std::uint8_t>& file_;
    Stats stats_;
    std::size_t transmissions_ = 0;
    std::size_t transfers_ = 0;
    bool lineClosed_ = false;
};
