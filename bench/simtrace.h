#pragma once

#include <QByteArray>

#include <optional>

// Times read from the simulator's --verbose trace, whose lines begin with "[seconds] ".
//
// The simulator's summary seconds run to the end of its EOT handshake, and that handshake
// differs by receiver: Orvisnap never answers EOT, so the simulator waits out three EOTs (3 s);
// rx waits a second for a second EOT before it answers, and its exit may flush that answer off
// the pty. The time from the first block to the first EOT leaves all that out and is taken on
// one clock for every receiver.
class SimTrace {
public:
    explicit SimTrace(const QByteArray& trace);

    [[nodiscard]] std::optional<double> transferSeconds() const;

private:
    std::optional<double> firstBlockAt_;
    std::optional<double> firstEotAt_;
};
