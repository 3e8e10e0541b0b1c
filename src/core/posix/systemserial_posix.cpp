// The serial unit's platform on Linux and macOS: Qt SerialPort, ports numbered by the port map.
#include "qtserialline.h"
#include "systemportprobe.h"
#include "systemserial.h"

#include <QSerialPortInfo>

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

PortProbe SystemPortProbe::make(const QString& iniPath)
{
    QStringList paths;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        paths.append(info.systemLocation());
    const QMap<int, QString> ports = assign(readExplicitMap(iniPath), paths);
    return [ports](int n) { return ports.value(n); };
}
