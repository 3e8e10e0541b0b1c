#pragma once

#include "monoclock.h"

#include <cstdint>
#include <deque>
#include <span>

class PseudoTerminal;
class SignalWatch;

// The line as the receiver sees it: bytes leave at the speed of an 8N1 line (10 bits per byte),
// optionally delivered in bursts like a USB serial adapter does. Every wait ends early on
// SIGINT/SIGTERM; the calls then report it and the caller unwinds.
class PtyLine {
public:
    enum class Wait { Ready, TimedOut, Interrupted };
    struct Input {
        Wait status = Wait::TimedOut;
        std::uint8_t byte = 0;
    };

    PtyLine(const PseudoTerminal& pty, const SignalWatch& signals, int baud, int burstMs);

    // Sends the bytes as one continuous run. Input received meanwhile is thrown away, so that
    // whatever arrives after the last byte has gone out is an answer to the whole run; unless
    // the line keeps its input, as some firmware does.
    [[nodiscard]] bool send(std::span<const std::uint8_t> bytes);
    [[nodiscard]] bool pause(Nanos duration);
    [[nodiscard]] Input readByte(Nanos deadline);
    // Throws away what has arrived, but for the receiver's CANs: a cancel is never lost.
    void discardInput();
    void keepInput(bool keep) { keepsInput_ = keep; }
    [[nodiscard]] int interruptSignal() const;

private:
    [[nodiscard]] Nanos releaseTime(Nanos start, std::size_t bytesDone) const;
    [[nodiscard]] Wait waitUntil(Nanos deadline, short masterEvents);
    [[nodiscard]] bool writeAll(std::span<const std::uint8_t> bytes);
    [[nodiscard]] bool fillPending();

    int master_;
    const SignalWatch& signals_;
    std::int64_t baud_;
    Nanos burst_;
    Nanos epoch_;
    Nanos lineFreeAt_ = 0;
    std::deque<std::uint8_t> pending_;
    bool keepsInput_ = false;
};
