#pragma once

#include <QMap>
#include <QString>

// The settings file's [Ports]: COM numbers the user pinned to devices (COM3=/dev/ttyUSB0), where
// the system does not number its serial ports itself. The program never writes it.
class PortMap {
public:
    // The entries from COM1 to COM30 whose device exists; one read of the file.
    [[nodiscard]] static QMap<int, QString> read(const QString& iniPath);
};
