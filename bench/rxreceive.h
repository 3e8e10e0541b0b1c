#pragma once

#include <QByteArray>
#include <QString>

// lrzsz's XModem receiver in CRC mode (`rx -c`) on the instrument's line, for comparison: its
// stdin and stdout are the line, in raw mode, as on a real serial port.
class RxReceive {
public:
    static constexpr const char* Program = "/usr/bin/rx";

    struct Result {
        double seconds = 0.0; // process start to exit
        QByteArray file;
        bool ok = false;
        QString problem;
    };

    [[nodiscard]] static bool available();
    // Receives into `outName` in the current folder.
    [[nodiscard]] static Result run(const QString& devicePath, const QString& outName);
};
