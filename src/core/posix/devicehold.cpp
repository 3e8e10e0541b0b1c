#include "devicehold.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {
DeviceHold::Refusal refusalOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return DeviceHold::Refusal::NoDevice;
    case EACCES:
    case EPERM:
        return DeviceHold::Refusal::Permission;
    case EBUSY:
        return DeviceHold::Refusal::Busy;
    default:
        return DeviceHold::Refusal::Other;
    }
}
} // namespace

DeviceHold::DeviceHold(const QString& path)
{
    // Non-blocking: a modem line without carrier would otherwise wait here.
    fd_ = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        refusal_ = refusalOf(error);
        words_ = QString::fromLocal8Bit(std::strerror(error));
        return;
    }
    haveSettings_ = ::tcgetattr(fd_, &settings_) == 0; // not a terminal: nothing to keep
}

DeviceHold::~DeviceHold()
{
    // Qt's descriptor is still open when this one goes, so the line is not hung up.
    if (fd_ >= 0)
        ::close(fd_);
}

void DeviceHold::restoreFlowControl(qintptr fd) const
{
    termios now{};
    const int line = static_cast<int>(fd);
    if (!haveSettings_ || line < 0 || ::tcgetattr(line, &now) != 0)
        return;
    constexpr tcflag_t hardware = CRTSCTS;
    constexpr tcflag_t requests = IXOFF;
    now.c_cflag = (now.c_cflag & ~hardware) | (settings_.c_cflag & hardware);
    now.c_iflag = (now.c_iflag & ~requests) | (settings_.c_iflag & requests);
    ::tcsetattr(line, TCSANOW, &now);
}
