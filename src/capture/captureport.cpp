#include "captureport.h"

#include "myserial.h"
#include "systemportprobe.h"

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
    const MySerialUnit unit(SystemPortProbe::make(iniPath));
    const std::optional<std::int32_t> number = given ? given->number : stored;
    if (!number && ComPortList.isEmpty())
        return Outcome::failure(
            QCoreApplication::translate("CapturePort", "No COM ports detected on your system."));
    return ComDeviceOf(number.value_or(ComPortNumberAt(0)), device);
}
