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

Outcome PictureIo::saveBmp(const QImage& image, const QString& path)
{
    const QByteArray bytes = encodeBmp(image);
    if (bytes.isEmpty())
        return Outcome::failure(QStringLiteral("There is no picture to write to %1.").arg(path));
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
        QFileInfo::exists(path) ? reader.errorString() : QStringLiteral("The file does not exist.");
    return Outcome::failure(QStringLiteral("Cannot load %1: %2").arg(path, reason));
}
