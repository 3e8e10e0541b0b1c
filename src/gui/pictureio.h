#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Pictures to and from files. Writes go through a temporary file renamed over the target, so a
// failed save never leaves a truncated file under the chosen name.
class PictureIo {
public:
    [[nodiscard]] static QByteArray encodeBmp(const QImage& image);
    [[nodiscard]] static bool saveBmp(const QImage& image, const QString& path, QString* error);
    // Reads any format Qt knows, by the file's content; `error` gets a reason on failure.
    [[nodiscard]] static QImage load(const QString& path, QString* error);
};
