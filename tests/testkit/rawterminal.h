#pragma once

#include <QString>

// A terminal device (a pty slave, a serial line) opened in raw mode: 8-bit transparent, no
// echo, no line editing. Closed when it goes out of scope.
class RawTerminal {
public:
    enum class Reads { Blocking, NonBlocking };

    explicit RawTerminal(const QString& path, Reads reads = Reads::Blocking);
    ~RawTerminal();
    RawTerminal(const RawTerminal&) = delete;
    RawTerminal& operator=(const RawTerminal&) = delete;

    [[nodiscard]] bool isOpen() const { return fd_ >= 0; }
    [[nodiscard]] int fd() const { return fd_; }

private:
    int fd_ = -1;
};
