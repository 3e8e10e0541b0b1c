#pragma once

#include <QImage>

// Pictures compared pixel for pixel: in one format, whatever format they were made or read in.
[[nodiscard]] inline QImage Rgb32(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

// Red and blue, alternating pixel by pixel: any blending or stray scaling shows.
[[nodiscard]] inline QImage Checkerboard(const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, (x + y) % 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255));
    return image;
}
