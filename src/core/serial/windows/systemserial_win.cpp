// The serial ports of Windows: the communications interface itself; COMn is the system's own
// COMn.
#include "systemportprobe.h"
#include "systemserial.h"
#include "wincommrules.h"
#include "windeviceinfo.h"
#include "winserialline.h"

#include <string>
#include <vector>

namespace {
// A serial port of that name exists when the system gives its default configuration. A driver
// with data of its own asks for a bigger buffer than the plain record.
bool hasCommConfig(const QString& name)
{
    const std::wstring wide = name.toStdWString();
    DWORD size = sizeof(COMMCONFIG);
    std::vector<DWORD> buffer((size + sizeof(DWORD) - 1) / sizeof(DWORD));
    auto* config = reinterpret_cast<COMMCONFIG*>(buffer.data());
    if (GetDefaultCommConfigW(wide.c_str(), config, &size))
        return true;
    if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size <= sizeof(COMMCONFIG))
        return false;
    buffer.resize((size + sizeof(DWORD) - 1) / sizeof(DWORD));
    config = reinterpret_cast<COMMCONFIG*>(buffer.data());
    return GetDefaultCommConfigW(wide.c_str(), config, &size) != 0;
}
} // namespace

std::unique_ptr<SerialLine> SystemSerial::makeLine()
{
    return std::make_unique<WinSerialLine>();
}

QString SystemSerial::devicePath(std::int32_t port, const QString& listed)
{
    // Any number opens, also one above the ports that are probed.
    return listed.isEmpty() ? WinCommRules::devicePath(port) : listed;
}

std::optional<std::int32_t> SystemSerial::portNumberOfName(const QString& name)
{
    return WinCommRules::portNumberOfName(name);
}

QString SystemSerial::describe(const QString& devicePath)
{
    const auto port = WinCommRules::portNumberOfName(devicePath);
    return port ? WinDeviceInfo::friendlyName(*port) : QString();
}

namespace {
QMap<int, QString> probedPorts()
{
    QMap<int, QString> ports;
    for (int n = 1; n <= SystemPortProbe::MaxNumbered; ++n) {
        const QString path = WinCommRules::devicePath(n);
        // The short name (COM3) first, then the device path.
        if (hasCommConfig(path.mid(4)) || hasCommConfig(path))
            ports.insert(n, path);
    }
    return ports;
}
} // namespace

QMap<int, QString> SystemPortProbe::ports(const QMap<int, QString>& /*pinned*/)
{
    // The system lists every serial port it has, whatever its number, in one read; probing each
    // name in turn takes seconds where Bluetooth serial ports exist, and stops at COM30. The
    // probe is left for a system whose list cannot be read.
    const std::optional<QStringList> listed = WinDeviceInfo::serialCommNames();
    return listed ? WinCommRules::listedPorts(*listed) : probedPorts();
}
