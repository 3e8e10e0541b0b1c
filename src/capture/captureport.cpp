#include "captureport.h"

#include "comportlist.h"
#include "portmap.h"

#include <QCoreApplication>

Outcome CapturePort::resolve(const std::optional<PortArgument>& given,
                             std::optional<std::int32_t> stored, const QString& iniPath,
                             QString& device)
{
    device.clear();
    if (given && given->isPath()) {
        device = given->path;
        return {};
    }
    const ComPortList ports = ComPortList::detect(PortMap::read(iniPath));
    const std::optional<std::int32_t> number = given ? given->number : stored;
    if (!number && ports.isEmpty())
        return Outcome::failure(
            QCoreApplication::translate("CapturePort", "No COM ports detected on your system."));
    return ports.deviceOf(number.value_or(ports.isEmpty() ? 0 : ports.ports().first().number),
                          device);
}
