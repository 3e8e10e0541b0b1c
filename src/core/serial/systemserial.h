#pragma once

#include "serialline.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

// What the build's platform gives the serial unit: one implementation file per platform, chosen
// by the build.
namespace SystemSerial {
// A closed line of the platform's kind.
[[nodiscard]] std::unique_ptr<SerialLine> makeLine();
// The device that COM`port` opens, given the path its port record lists (empty when none).
[[nodiscard]] QString devicePath(std::int32_t port, const QString& listed);
// The port number of a name the system gives its ports (Windows: COMn, \\.\COMn), else nothing.
[[nodiscard]] std::optional<std::int32_t> portNumberOfName(const QString& name);
// What the system says the device behind a port is (the driver's friendly name; or
// manufacturer, product, serial number, by-id name), so that the user can tell ports
// apart; empty when the system says nothing.
[[nodiscard]] QString describe(const QString& devicePath);
} // namespace SystemSerial
