#include "argbrows.h"

#include <algorithm>

ArgbRows::ArgbRows(const QImage& picture) : picture_(picture)
{
    switch (picture.format()) {
    case QImage::Format_Invalid:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        break;
    case QImage::Format_Indexed8: {
        indexed_ = true;
        // As Qt converts them: no table is a grey ramp, an index past the table transparent black.
        const QList<QRgb> colours = picture.colorTable();
        for (int i = 0; i < 256; ++i)
            table_[static_cast<std::size_t>(i)] = colours.isEmpty()    ? qRgb(i, i, i)
                                                  : i < colours.size() ? colours[i]
                                                                       : 0;
        buffer_.resize(static_cast<std::size_t>(picture.width()));
        break;
    }
    default:
        picture_ = picture.convertToFormat(QImage::Format_ARGB32);
    }
}

const QRgb* ArgbRows::row(int y)
{
    if (!indexed_)
        return reinterpret_cast<const QRgb*>(picture_.constScanLine(y));
    const uchar* indices = picture_.constScanLine(y);
    std::transform(indices, indices + picture_.width(), buffer_.begin(),
                   [this](uchar index) { return table_[index]; });
    return buffer_.data();
}
