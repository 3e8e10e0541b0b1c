#pragma once

#include "captureoptions.h"
#include "portprobe.h"

#include <QString>

#include <cstdint>
#include <optional>

// The port the captures run on. A COM number goes through the same port map as the window's;
// a device path is the serial unit's only port.
struct CapturePort {
    PortProbe probe;                    // for the serial unit
    std::optional<std::int32_t> number; // nothing: the first port the unit found
    bool named = false;                 // on the command line

    [[nodiscard]] static CapturePort choose(const std::optional<PortArgument>& given,
                                            std::optional<std::int32_t> stored,
                                            const QString& iniPath);
    // Once the serial unit has started.
    [[nodiscard]] std::int32_t resolved() const;
    // The device path for messages, or "COMn" when the unit has no such port.
    [[nodiscard]] static QString deviceName(std::int32_t number);
};
