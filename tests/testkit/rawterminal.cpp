#include "rawterminal.h"

#include <QFile>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

RawTerminal::RawTerminal(const QString& path, Reads reads)
{
    int flags = O_RDWR | O_NOCTTY | O_CLOEXEC;
    if (reads == Reads::NonBlocking)
        flags |= O_NONBLOCK;
    fd_ = ::open(QFile::encodeName(path).constData(), flags);
    termios tio{};
    if (fd_ >= 0 && ::tcgetattr(fd_, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(fd_, TCSANOW, &tio);
    }
}

RawTerminal::~RawTerminal()
{
    if (fd_ >= 0)
        ::close(fd_);
}
