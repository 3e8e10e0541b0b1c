#pragma once

#include "myserial.h"

#include <QList>
#include <QString>

// Makes the serial unit see exactly these ports, each with the given device path or a dummy.
inline void useTestPorts(const QList<int>& numbers, const QString& devicePath = {})
{
    ComEnumeratePorts(ComMaxPorts, ComPortList, [&](int n) {
        if (!numbers.contains(n))
            return QString();
        return devicePath.isEmpty() ? QStringLiteral("/dev/null") : devicePath;
    });
    ComPortNumber = numbers.isEmpty() ? 0 : numbers.first();
    ComBaudRate = 9600;
    ComDataBits = 8;
    ComParity = 'N';
    ComStopBits = 1;
    ComClose();
}
