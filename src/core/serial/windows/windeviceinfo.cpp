#include "windeviceinfo.h"

#include "wincommrules.h"

#include <QScopeGuard>

#include <windows.h>

#include <setupapi.h>

#include <vector>

namespace {
// The device setup classes of serial ports, and of modems (Bluetooth links, some CDC devices).
constexpr GUID PortsClass{
    0x4d36e978, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};
constexpr GUID ModemClass{
    0x4d36e96d, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

// A REG_SZ value up to its first null, whether or not the writer stored one.
QString stringOf(const std::vector<wchar_t>& data, DWORD bytes)
{
    const auto length = static_cast<qsizetype>(bytes / sizeof(wchar_t));
    const QString text = QString::fromWCharArray(data.data(), length);
    return text.left(text.indexOf(QChar(u'\0')));
}

QString registryString(HKEY key, const wchar_t* name)
{
    DWORD type = 0;
    DWORD bytes = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        type != REG_SZ)
        return {};
    std::vector<wchar_t> data(bytes / sizeof(wchar_t) + 1);
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &bytes) !=
        ERROR_SUCCESS)
        return {};
    return stringOf(data, bytes);
}

// The port a device of the installer's list is: its "PortName" ("AttachedTo" for a modem).
std::optional<std::int32_t> portOfDevice(HDEVINFO devices, SP_DEVINFO_DATA& device)
{
    const HKEY key =
        SetupDiOpenDevRegKey(devices, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_QUERY_VALUE);
    if (key == INVALID_HANDLE_VALUE)
        return std::nullopt;
    QString name = registryString(key, L"PortName");
    if (name.isEmpty())
        name = registryString(key, L"AttachedTo");
    RegCloseKey(key);
    return WinCommRules::portNumberOfName(name);
}

QString deviceText(HDEVINFO devices, SP_DEVINFO_DATA& device, DWORD property)
{
    std::vector<wchar_t> data(256);
    DWORD bytes = 0;
    if (!SetupDiGetDeviceRegistryPropertyW(
            devices, &device, property, nullptr, reinterpret_cast<BYTE*>(data.data()),
            static_cast<DWORD>(data.size() * sizeof(wchar_t)), &bytes)) {
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER)
            return {};
        data.resize(bytes / sizeof(wchar_t) + 1);
        if (!SetupDiGetDeviceRegistryPropertyW(
                devices, &device, property, nullptr, reinterpret_cast<BYTE*>(data.data()),
                static_cast<DWORD>(data.size() * sizeof(wchar_t)), &bytes))
            return {};
    }
    return stringOf(data, bytes).trimmed();
}

QString friendlyNameIn(const GUID& setupClass, std::int32_t port)
{
    const HDEVINFO devices = SetupDiGetClassDevsW(&setupClass, nullptr, nullptr, DIGCF_PRESENT);
    if (devices == INVALID_HANDLE_VALUE)
        return {};
    const auto release = qScopeGuard([devices] { SetupDiDestroyDeviceInfoList(devices); });
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; SetupDiEnumDeviceInfo(devices, i, &device); ++i) {
        if (portOfDevice(devices, device) != port)
            continue;
        const QString name = deviceText(devices, device, SPDRP_FRIENDLYNAME);
        return name.isEmpty() ? deviceText(devices, device, SPDRP_DEVICEDESC) : name;
    }
    return {};
}
} // namespace

std::optional<QStringList> WinDeviceInfo::serialCommNames()
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_QUERY_VALUE,
                      &key) != ERROR_SUCCESS)
        return std::nullopt;
    const auto release = qScopeGuard([key] { RegCloseKey(key); });
    DWORD count = 0;
    DWORD longestName = 0;
    DWORD longestData = 0;
    if (RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                         &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS)
        return std::nullopt;
    std::vector<wchar_t> name(longestName + 1);
    std::vector<wchar_t> data(longestData / sizeof(wchar_t) + 1);
    QStringList names;
    for (DWORD i = 0; i < count; ++i) {
        auto nameLength = static_cast<DWORD>(name.size());
        auto bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
        DWORD type = 0;
        if (RegEnumValueW(key, i, name.data(), &nameLength, nullptr, &type,
                          reinterpret_cast<BYTE*>(data.data()), &bytes) == ERROR_SUCCESS &&
            type == REG_SZ)
            names.append(stringOf(data, bytes));
    }
    return names;
}

QString WinDeviceInfo::friendlyName(std::int32_t port)
{
    for (const GUID& setupClass : {PortsClass, ModemClass})
        if (QString name = friendlyNameIn(setupClass, port); !name.isEmpty())
            return name;
    return {};
}
