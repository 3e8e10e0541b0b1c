#pragma once

#include "outcome.h"
#include "serialline.h"

#include <QString>

// Opens `device` on `line` exclusively. A refusal names the device and, besides the system's
// words, tells a missing device, a missing permission and a port that another program holds
// apart.
Outcome OpenDevice(SerialLine& line, const QString& device);
// Applies `settings` to the open line; a failure names the device.
Outcome ConfigureLine(SerialLine& line, const QString& device, const LineSettings& settings);
