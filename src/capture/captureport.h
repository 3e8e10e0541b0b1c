#pragma once

#include "captureoptions.h"
#include "outcome.h"

#include <QString>

#include <cstdint>
#include <optional>

// The device the captures run on: a device path as given, or the device that a COM number
// names in the window's port map (the number given, else the one the window stored, else the
// first port found).
class CapturePort {
public:
    // The device, or why there is none; the failure is told as the port's opening failure.
    [[nodiscard]] static Outcome resolve(const std::optional<PortArgument>& given,
                                         std::optional<std::int32_t> stored, const QString& iniPath,
                                         QString& device);
};
