#pragma once

#include "outcome.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Pictures to and from files. Writes go through a temporary file renamed over the target, so a
// failed save never leaves a truncated file under the chosen name.
class PictureIo {
public:
    [[nodiscard]] static QByteArray encodeBmp(const QImage& image);
    static Outcome saveBmp(const QImage& image, const QString& path);
    // Reads any format Qt knows, by the file's content; `image` is null on failure.
    static Outcome load(const QString& path, QImage& image);
};
