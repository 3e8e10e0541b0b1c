#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// Gives the program's COM numbers to the machine's serial ports.
//
// Windows: COMn is the system's own COMn, opened through "\\.\COMn".
// Elsewhere: the user may pin numbers to devices (the settings file's [Ports], COM3=/dev/ttyUSB0);
// the other serial ports then take the free numbers from 1 upward in natural order of their
// names, so that the numbers stay the same from run to run as long as the hardware does.
class SystemPortProbe {
public:
    // The numbers given where the system gives none.
    static constexpr int MaxNumbered = 30;

    // The ports now: number to device path. Made by the platform's part of the serial folder.
    [[nodiscard]] static QMap<int, QString> ports(const QMap<int, QString>& pinned);

    // Numbers 1 to 30: the pinned entries, then the system ports not mapped already (same
    // path, or the same file behind a link) on the free numbers. Paths with a comma, which a
    // port record cannot carry, are left out.
    [[nodiscard]] static QMap<int, QString> assign(const QMap<int, QString>& pinned,
                                                   QStringList systemPorts);

    // ttyS2 < ttyS10 < ttyUSB0: runs of digits compare as numbers. Compares the file names, then
    // the whole paths, so that distinct paths never compare equal.
    [[nodiscard]] static bool naturalLess(const QString& a, const QString& b);
};
