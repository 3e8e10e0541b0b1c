// What the device behind a port is, on Linux from sysfs, elsewhere (macOS) from Qt SerialPort.
#include "sysfsserialports.h"
#include "systemserial.h"

#include <QSerialPortInfo>
#include <QStringList>

QString SystemSerial::describe(const QString& devicePath)
{
    if (const SysfsSerialPorts sysfs; sysfs.available())
        return sysfs.describe(devicePath);
    QStringList parts;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        if (info.systemLocation() == devicePath)
            for (const QString& part :
                 {info.manufacturer(), info.description(), info.serialNumber()})
                if (!part.isEmpty())
                    parts.append(part);
    return parts.join(QStringLiteral(", "));
}
