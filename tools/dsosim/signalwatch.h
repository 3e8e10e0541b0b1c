#pragma once

// Turns SIGINT and SIGTERM into a readable file descriptor (self-pipe), so that every wait of the
// simulator can be woken by them and the program ends through its normal cleanup path.
// One instance at a time; the previous handlers come back on destruction.
class SignalWatch {
public:
    SignalWatch();
    ~SignalWatch();
    SignalWatch(const SignalWatch&) = delete;
    SignalWatch& operator=(const SignalWatch&) = delete;

    [[nodiscard]] int fd() const;
    // The signal number caught, or 0.
    [[nodiscard]] int caught() const;
};
