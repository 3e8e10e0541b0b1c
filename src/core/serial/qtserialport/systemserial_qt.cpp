// The serial ports of Linux and macOS: Qt SerialPort, numbered by the port map.
#include "qtserialline.h"
#include "sysfsserialports.h"
#include "systemportprobe.h"
#include "systemserial.h"

#include <QSerialPortInfo>

namespace {
// Linux: the kernel's own list, which costs a directory read instead of a walk of every tty
// through udev. Elsewhere (macOS) Qt's list.
QStringList systemPorts()
{
    if (const SysfsSerialPorts sysfs; sysfs.available())
        return sysfs.ports();
    QStringList paths;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        paths.append(info.systemLocation());
    return paths;
}
} // namespace

std::unique_ptr<SerialLine> SystemSerial::makeLine()
{
    return std::make_unique<QtSerialLine>();
}

QString SystemSerial::devicePath(std::int32_t /*port*/, const QString& listed)
{
    // "COMn" is only a label here: the port map decides which device it names.
    return listed;
}

std::optional<std::int32_t> SystemSerial::portNumberOfName(const QString& /*name*/)
{
    return std::nullopt; // device names say nothing about the program's numbers
}

QMap<int, QString> SystemPortProbe::ports(const QMap<int, QString>& pinned)
{
    return assign(pinned, systemPorts());
}
