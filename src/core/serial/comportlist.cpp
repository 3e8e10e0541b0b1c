#include "comportlist.h"

#include "systemportprobe.h"
#include "systemserial.h"

#include <QCoreApplication>

#include <algorithm>

ComPortList::ComPortList(const QMap<int, QString>& devices)
{
    for (auto it = devices.cbegin(); it != devices.cend(); ++it)
        if (it.key() >= 1 && it.key() <= HighestNumber && !it.value().isEmpty())
            ports_.append({it.key(), it.value(), {}});
}

ComPortList ComPortList::detect(const QMap<int, QString>& pinned)
{
    return ComPortList(SystemPortProbe::ports(pinned));
}

ComPortList ComPortList::described() const
{
    ComPortList list = *this;
    for (ComPortInfo& port : list.ports_)
        port.description = SystemSerial::describe(port.devicePath);
    return list;
}

std::optional<ComPortInfo> ComPortList::find(std::int32_t number) const
{
    const auto found =
        std::find_if(ports_.cbegin(), ports_.cend(),
                     [number](const ComPortInfo& port) { return port.number == number; });
    return found == ports_.cend() ? std::nullopt : std::optional<ComPortInfo>(*found);
}

Outcome ComPortList::deviceOf(std::int32_t number, QString& device) const
{
    const std::optional<ComPortInfo> port = find(number);
    device = SystemSerial::devicePath(number, port ? port->devicePath : QString());
    if (device.isEmpty())
        return Outcome::failure(
            QCoreApplication::translate("ComPortList", "COM%1 is not among the detected ports.")
                .arg(number));
    return {};
}
