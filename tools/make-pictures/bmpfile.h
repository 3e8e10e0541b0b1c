#pragma once

#include "pictures.h"

#include <QByteArray>

// A Windows bitmap file: BITMAPFILEHEADER, BITMAPINFOHEADER, the palette (up to 8 bits per
// pixel) and the rows bottom-up, uncompressed, each padded to four bytes. No resolution is
// recorded, so the bytes depend on the picture alone.
QByteArray encodeBmp(const Picture& picture);

// A Windows icon file holding this one picture (at most 8 bits per pixel, at most 255 x 255)
// with an all-opaque mask.
QByteArray encodeIco(const Picture& picture);
