#pragma once

#include "outcome.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Pictures to and from files. Writes go through StringToFile: whole or not at all.
class PictureIo {
public:
    // `format` is one Qt can write, e.g. "BMP" or "PNG"; empty for a null picture.
    [[nodiscard]] static QByteArray encode(const QImage& image, const char* format);
    static Outcome save(const QImage& image, const QString& path, const char* format);
    [[nodiscard]] static QByteArray encodeBmp(const QImage& image) { return encode(image, "BMP"); }
    static Outcome saveBmp(const QImage& image, const QString& path)
    {
        return save(image, path, "BMP");
    }
    // Reads any format Qt knows, by the file's content; `image` is null on failure.
    static Outcome load(const QString& path, QImage& image);
};
