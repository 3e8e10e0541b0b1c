// The serial unit's platform on Linux and macOS: Qt SerialPort, ports numbered by the port map.
#include "qtserialline.h"
#include "systemportprobe.h"
#include "systemserial.h"

#include <QFileInfo>
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

QString SystemSerial::describe(const QString& devicePath)
{
    // A link such as /dev/serial/by-id/... names the device it points to.
    const QString canonical = QFileInfo(devicePath).canonicalFilePath();
    const QString target = canonical.isEmpty() ? devicePath : canonical;
    QStringList words;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        if (info.systemLocation() != target)
            continue;
        for (const QString& word : {info.manufacturer(), info.description(), info.serialNumber()})
            if (!word.isEmpty() && !words.contains(word))
                words.append(word);
    }
    return words.join(QLatin1Char(' '));
}

PortProbe SystemPortProbe::make(const QString& iniPath)
{
    QStringList paths;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        paths.append(info.systemLocation());
    const QMap<int, QString> ports = assign(readExplicitMap(iniPath), paths);
    return [ports](int n) { return ports.value(n); };
}
