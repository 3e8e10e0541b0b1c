#include "pseudoterminal.h"

#include <stdexcept>

#include <fcntl.h>
#ifdef __APPLE__
#include <util.h>
#else
#include <pty.h>
#endif
#include <termios.h>
#include <unistd.h>

namespace {
void makeRaw(int fd)
{
    termios tio{};
    if (::tcgetattr(fd, &tio) != 0)
        throw std::runtime_error("cannot read the pseudo-terminal settings");
    ::cfmakeraw(&tio);
    if (::tcsetattr(fd, TCSANOW, &tio) != 0)
        throw std::runtime_error("cannot set the pseudo-terminal to raw mode");
}
} // namespace

PseudoTerminal::PseudoTerminal()
{
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0)
        throw std::runtime_error("cannot open a pseudo-terminal");
    try {
        makeRaw(master_);
        makeRaw(slave_);
    } catch (...) {
        ::close(master_);
        ::close(slave_);
        throw;
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    slavePath_ = name;
}

PseudoTerminal::~PseudoTerminal()
{
    ::close(master_);
    ::close(slave_);
}
