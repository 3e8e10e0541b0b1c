#include "printablepicture.h"

#include <QHash>
#include <QList>

namespace {
constexpr QRgb RgbMask = 0x00FFFFFF;

// Counts colours (alpha ignored) and keeps the order in which they were first met.
class ColourCount {
public:
    void add(QRgb colour, qsizetype times = 1)
    {
        colour &= RgbMask;
        auto it = counts_.find(colour);
        if (it == counts_.end()) {
            it = counts_.insert(colour, 0);
            order_.append(colour);
        }
        *it += times;
    }

    [[nodiscard]] QRgb mostFrequent() const
    {
        QRgb best = 0;
        qsizetype bestCount = -1;
        for (const QRgb colour : order_) {
            if (counts_.value(colour) > bestCount) {
                best = colour;
                bestCount = counts_.value(colour);
            }
        }
        return best;
    }

private:
    QHash<QRgb, qsizetype> counts_;
    QList<QRgb> order_;
};

QRgb inverted(QRgb colour)
{
    return colour ^ RgbMask;
}

QRgb whiteKeepingAlpha(QRgb colour)
{
    return colour | RgbMask;
}

QImage printableIndexed(QImage image)
{
    QList<QRgb> table = image.colorTable();
    for (QRgb& entry : table)
        entry = inverted(entry);
    // Pixels of every entry, counted by the colour they show, in the order of the pixels.
    ColourCount count;
    for (int y = 0; y < image.height(); ++y) {
        const uchar* line = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            count.add(table.value(line[x]));
    }
    const QRgb white = count.mostFrequent();
    for (QRgb& entry : table)
        if ((entry & RgbMask) == white)
            entry = whiteKeepingAlpha(entry);
    image.setColorTable(table);
    return image;
}

QImage printableTrueColour(QImage image)
{
    ColourCount count;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            line[x] = inverted(line[x]);
            count.add(line[x]);
        }
    }
    const QRgb white = count.mostFrequent();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & RgbMask) == white)
                line[x] = whiteKeepingAlpha(line[x]);
    }
    return image;
}
} // namespace

QImage PrintablePicture(const QImage& picture)
{
    if (picture.isNull())
        return {};
    switch (picture.format()) {
    case QImage::Format_Indexed8:
        return printableIndexed(picture);
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB:
        return printableIndexed(picture.convertToFormat(QImage::Format_Indexed8));
    default:
        // Unpremultiplied, so inverting the channels never meets a colour brighter than alpha.
        return printableTrueColour(picture.convertToFormat(
            picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32));
    }
}
