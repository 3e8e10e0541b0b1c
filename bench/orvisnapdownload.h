#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// One download through the main window's "Download from DSO" handler, as a click runs it, from
// the instrument on `devicePath`. The windows keep their settings in `appDir` (a fresh folder
// gives the default timings); the working file TMP.BMP goes to the current folder.
class OrvisnapDownload {
public:
    struct Result {
        double seconds = 0.0; // from the click until the handler returns
        QByteArray workingFile;
        QStringList messages; // message boxes the program showed
        bool hung = false;    // cancelled by the watchdog
        QString timings;
    };

    [[nodiscard]] static Result run(const QString& devicePath, const QString& appDir);
};
