#pragma once

#include <string>

// The simulator's end of the serial line: a pseudo-terminal whose slave path the receiver opens.
// Both sides are raw (8-bit transparent, no echo). The slave stays open here too, so its settings
// survive the receiver closing and reopening it and the master never sees a hang-up.
class PseudoTerminal {
public:
    PseudoTerminal(); // throws std::runtime_error
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    [[nodiscard]] int masterFd() const { return master_; }
    [[nodiscard]] const std::string& slavePath() const { return slavePath_; }

private:
    int master_ = -1;
    int slave_ = -1;
    std::string slavePath_;
};
