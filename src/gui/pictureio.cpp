#include "pictureio.h"

#include "filehelpers.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageReader>

QByteArray PictureIo::encodeBmp(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, "BMP"))
        return {};
    return bytes;
}

bool PictureIo::saveBmp(const QImage& image, const QString& path, QString* error)
{
    const QByteArray bytes = encodeBmp(image);
    if (bytes.isEmpty()) {
        if (error)
            *error = QStringLiteral("There is no picture to write to %1.").arg(path);
        return false;
    }
    return StringToFile(bytes, path, error);
}

QImage PictureIo::load(const QString& path, QString* error)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull() && error) {
        const QString reason = QFileInfo::exists(path) ? reader.errorString()
                                                       : QStringLiteral("The file does not exist.");
        *error = QStringLiteral("Cannot load %1: %2").arg(path, reason);
    }
    return image;
}
