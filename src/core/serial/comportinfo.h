#pragma once

#include <QString>

#include <cstdint>

// One serial port as the program shows it: COMn, the device it opens, and what the system says
// that device is.
struct ComPortInfo {
    std::int32_t number = 0;
    QString devicePath;
    QString description; // empty until the list is described, or when the system says nothing

    [[nodiscard]] QString name() const { return QStringLiteral("COM%1").arg(number); }

    friend bool operator==(const ComPortInfo&, const ComPortInfo&) = default;
};
