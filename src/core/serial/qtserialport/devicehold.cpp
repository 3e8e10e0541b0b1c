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
    }
}

DeviceHold::~DeviceHold()
{
    // Qt's descriptor is still open when this one goes, so the line is not hung up.
    if (fd_ >= 0)
        ::close(fd_);
}
