#include "pictureio.h"

#include "filehelpers.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

QByteArray PictureIo::encode(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (image.isNull() || !image.save(&buffer, format))
        return {};
    return bytes;
}

Outcome PictureIo::save(const QImage& image, const QString& path, const char* format)
{
    const QByteArray bytes = encode(image, format);
    if (bytes.isEmpty())
        return Outcome::failure(
            QCoreApplication::translate("PictureIo", "There is no picture to write to %1.")
                .arg(path));
    return StringToFile(bytes, path);
}

Outcome PictureIo::load(const QString& path, QImage& image)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    image = reader.read();
    if (!image.isNull())
        return {};
    const QString reason =
        QFileInfo::exists(path)
            ? reader.errorString()
            : QCoreApplication::translate("PictureIo", "The file does not exist.");
    return Outcome::failure(
        QCoreApplication::translate("PictureIo", "Cannot load %1: %2").arg(path, reason));
}
