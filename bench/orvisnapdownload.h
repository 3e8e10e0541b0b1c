#pragma once

#include <QByteArray>
#include <QString>

// One download through the shared download driver, as every front end runs it, from the
// instrument on `devicePath` with the default timings.
class OrvisnapDownload {
public:
    struct Result {
        double seconds = 0.0; // from the start of the download until it has ended
        QByteArray file;      // the received file with its palette patch, padding included
        QString problem;      // how the download ended, when not complete
        QString timings;
    };

    [[nodiscard]] static Result run(const QString& devicePath);
};
