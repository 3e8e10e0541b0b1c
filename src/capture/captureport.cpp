#include "captureport.h"

#include "myserial.h"
#include "systemportprobe.h"
#include "systemserial.h"

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
    const std::int32_t port = number.value_or(ComPortNumberAt(0));
    device = SystemSerial::devicePath(port, ComPortField(ComFindByNumber(port), 2));
    if (device.isEmpty())
        return Outcome::failure(
            QCoreApplication::translate("MySerial", "COM%1 is not among the detected ports.")
                .arg(port));
    return {};
}
