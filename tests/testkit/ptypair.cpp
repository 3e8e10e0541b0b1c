#include "ptypair.h"

#include <QElapsedTimer>

#include <fcntl.h>
#include <poll.h>
#ifdef __APPLE__
#include <util.h>
#else
#include <pty.h>
#endif
#include <termios.h>
#include <unistd.h>

PtyPair::PtyPair()
{
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, nullptr, nullptr) != 0) {
        master_ = slave_ = -1;
        return;
    }
    termios tio{};
    ::tcgetattr(master_, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(master_, TCSANOW, &tio);
    ::tcgetattr(slave_, &tio);
    ::cfmakeraw(&tio);
    ::tcsetattr(slave_, TCSANOW, &tio);
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    slavePath_ = QString::fromLocal8Bit(name);
}

PtyPair::~PtyPair()
{
    closeMaster();
    if (slave_ >= 0)
        ::close(slave_);
}

void PtyPair::write(const QByteArray& bytes)
{
    qsizetype done = 0;
    while (master_ >= 0 && done < bytes.size()) {
        const auto n = ::write(master_, bytes.constData() + done, bytes.size() - done);
        if (n > 0)
            done += n;
        else
            ::usleep(1000);
    }
}

QByteArray PtyPair::read(int count, int ms)
{
    QByteArray out;
    QElapsedTimer clock;
    clock.start();
    while (master_ >= 0 && out.size() < count && clock.elapsed() < ms) {
        pollfd pfd{master_, POLLIN, 0};
        const int left = static_cast<int>(ms - clock.elapsed());
        if (::poll(&pfd, 1, left > 0 ? left : 0) <= 0)
            continue;
        char buffer[4096];
        const auto n = ::read(master_, buffer, sizeof buffer);
        if (n > 0)
            out.append(buffer, n);
    }
    return out;
}

void PtyPair::closeMaster()
{
    if (master_ >= 0)
        ::close(master_);
    master_ = -1;
}
