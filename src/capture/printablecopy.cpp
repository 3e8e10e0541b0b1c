#include "printablecopy.h"

#include <map>

namespace {
// Of an RGB32 picture; a tie goes to the lowest value, so the choice never varies.
QRgb commonestColour(const QImage& picture)
{
    std::map<QRgb, qsizetype> counts;
    for (int y = 0; y < picture.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            ++counts[line[x]];
    }
    QRgb commonest = 0;
    qsizetype most = 0;
    for (const auto& [colour, count] : counts)
        if (count > most) {
            commonest = colour;
            most = count;
        }
    return commonest;
}
} // namespace

// Stands in until the core library offers this transform; then that one replaces it.
QImage PrintableCopy(const QImage& picture)
{
    QImage copy = picture.convertToFormat(QImage::Format_RGB32);
    copy.invertPixels(QImage::InvertRgb);
    const QRgb background = commonestColour(copy);
    for (int y = 0; y < copy.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x)
            if (line[x] == background)
                line[x] = qRgb(255, 255, 255);
    }
    return copy;
}
