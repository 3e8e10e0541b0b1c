#pragma once

#include "myserial.h"

#include <QList>
#include <QString>

// Starts the serial unit over exactly these ports, each with the given device path or a dummy.
// A "%1" in the path becomes the port's number, so each port can be told apart.
inline void useTestPorts(const QList<int>& numbers, const QString& devicePath = {})
{
    const QString path = devicePath.isEmpty() ? QStringLiteral("/dev/null") : devicePath;
    ComStartUnit([numbers, path](int n) {
        if (!numbers.contains(n))
            return QString();
        return path.contains(QLatin1String("%1")) ? path.arg(n) : path;
    });
}
