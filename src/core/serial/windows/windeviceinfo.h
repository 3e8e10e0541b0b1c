#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

// What Windows records about its serial ports, read from the registry and the device installer.
namespace WinDeviceInfo {
// The names that HKLM\HARDWARE\DEVICEMAP\SERIALCOMM gives the serial ports present (COM3,
// COM45, ...), in no order; nothing when the key cannot be read.
[[nodiscard]] std::optional<QStringList> serialCommNames();
// The friendly name that the driver gives the device of COMn ("USB-SERIAL CH340 (COM5)"), or
// its description; empty when no present device is COMn.
[[nodiscard]] QString friendlyName(std::int32_t port);
} // namespace WinDeviceInfo
