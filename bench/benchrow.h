#pragma once

#include <QString>

// One transfer of one sample file in one line model, by one receiver.
struct BenchRow {
    static constexpr int Baud = 38400;
    // A block and its answer; 10 bits per byte on the line.
    static constexpr double LineBytesPerBlock = 134.0;

    QString file;     // small, medium, large
    QString model;    // bytes (as the line carries them) or bursts (16 ms, like a USB adapter)
    QString receiver; // orvisnap or rx
    int blocks = 0;   // from the simulator's summary
    int naks = 0;
    int repeats = 0;
    double ownSeconds = 0.0;      // orvisnap: click to end; rx: process start to exit
    double simSeconds = 0.0;      // the simulator's summary, EOT handshake included
    double transferSeconds = 0.0; // the simulator's clock, first block to first EOT
    bool ok = false;              // ended normally with the file intact
    QString problem;

    [[nodiscard]] double lineSeconds() const { return blocks * LineBytesPerBlock * 10.0 / Baud; }
};
