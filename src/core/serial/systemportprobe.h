#pragma once

#include "portprobe.h"

#include <QMap>
#include <QString>
#include <QStringList>

// Gives the program's COM numbers to the machine's serial ports.
//
// Windows: COMn is the system's own COMn, opened through "\\.\COMn".
// Elsewhere: the settings file may pin numbers to devices in section [Ports] (COM3=/dev/ttyUSB0);
// the other serial ports then take the free numbers from 1 upward in natural order of their
// names, so that the numbers stay the same from run to run as long as the hardware does.
// A probe reads everything once, when it is made; the settings file is never written.
class SystemPortProbe {
public:
    // Made by the platform's part of the serial unit.
    [[nodiscard]] static PortProbe make(const QString& iniPath);
    // Makes a fresh probe at every run: ports plugged in or pulled out since are seen.
    [[nodiscard]] static PortScan scan(const QString& iniPath);

    // The [Ports] entries of the settings file whose device exists.
    [[nodiscard]] static QMap<int, QString> readExplicitMap(const QString& iniPath);

    // Numbers 1 to 30: the explicit entries, then the system ports not mapped already (same
    // path, or the same file behind a link) on the free numbers. Paths with a comma, which a
    // port record cannot carry, are left out.
    [[nodiscard]] static QMap<int, QString> assign(const QMap<int, QString>& explicitMap,
                                                   QStringList systemPorts);

    // ttyS2 < ttyS10 < ttyUSB0: runs of digits compare as numbers. Compares the file names, then
    // the whole paths, so that distinct paths never compare equal.
    [[nodiscard]] static bool naturalLess(const QString& a, const QString& b);
};
