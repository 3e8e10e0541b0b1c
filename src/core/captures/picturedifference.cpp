#include "picturedifference.h"

#include "argbrows.h"

#include <QRect>

#include <algorithm>
#include <cstring>

namespace {
constexpr QRgb RgbMask = 0x00FFFFFF;

// Floor, not toward zero: a picture larger than the canvas is cut evenly, the odd pixel at the
// far edge as when it is smaller.
int halfOf(int difference)
{
    return difference >= 0 ? difference / 2 : (difference - 1) / 2;
}

// Where `picture` lies when centred on a canvas of `size`.
QRect placeOf(const QImage& picture, QSize size)
{
    if (picture.isNull())
        return {};
    return {
        QPoint(halfOf(size.width() - picture.width()), halfOf(size.height() - picture.height())),
        picture.size()};
}

// About a third of each channel, toward black, alpha kept.
QRgb dimmed(QRgb pixel)
{
    return qRgba(qRed(pixel) / 3, qGreen(pixel) / 3, qBlue(pixel) / 3, qAlpha(pixel));
}

// One row of a picture on the canvas: its pixels, and the columns they cover.
struct Span {
    const QRgb* pixels = nullptr;
    int begin = 0;
    int end = 0; // past the last; begin == end off the picture

    [[nodiscard]] bool covers(int x) const { return x >= begin && x < end; }
    [[nodiscard]] QRgb at(int x) const { return pixels[x - begin]; }
};

// The row of `rows`' picture that lies on the canvas' row `y`.
Span spanOn(ArgbRows& rows, const QRect& place, int y)
{
    if (place.isEmpty() || y < place.top() || y > place.bottom())
        return {};
    return {rows.row(y - place.top()), place.left(), place.right() + 1};
}

// Writes the overlay's row; gives how many of its pixels differ.
int compareRow(QRgb* out, int width, const Span& first, const Span& second)
{
    const QRgb marked = PictureDifference::Marked.rgba();
    int differing = 0;
    for (int x = 0; x < width; ++x) {
        const bool inFirst = first.covers(x);
        const bool inSecond = second.covers(x);
        const bool differs =
            inFirst != inSecond || (inFirst && ((first.at(x) ^ second.at(x)) & RgbMask) != 0);
        differing += differs ? 1 : 0;
        out[x] = differs ? marked : inFirst ? dimmed(first.at(x)) : 0;
    }
    return differing;
}
} // namespace

PictureDifference::PictureDifference(const QImage& first, const QImage& second)
    : size_(std::max(first.width(), second.width()), std::max(first.height(), second.height()))
{
    if (size_.isEmpty())
        return;
    ArgbRows firstRows(first);
    ArgbRows secondRows(second);
    const QRect firstPlace = placeOf(first, size_);
    const QRect secondPlace = placeOf(second, size_);
    overlay_ = QImage(size_, QImage::Format_ARGB32); // every pixel written below
    for (int y = 0; y < size_.height(); ++y)
        count_ += compareRow(reinterpret_cast<QRgb*>(overlay_.scanLine(y)), size_.width(),
                             spanOn(firstRows, firstPlace, y), spanOn(secondRows, secondPlace, y));
}

QImage PictureDifference::centred(const QImage& picture, QSize size)
{
    if (size.isEmpty())
        return {};
    QImage canvas(size, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    const QRect place = placeOf(picture, size);
    const QRect shown = place.intersected(canvas.rect());
    if (shown.isEmpty())
        return canvas;
    ArgbRows rows(picture);
    const auto bytes = static_cast<std::size_t>(shown.width()) * sizeof(QRgb);
    for (int y = shown.top(); y <= shown.bottom(); ++y) {
        const QRgb* from = rows.row(y - place.top());
        auto* to = reinterpret_cast<QRgb*>(canvas.scanLine(y));
        std::memcpy(to + shown.left(), from + (shown.left() - place.left()), bytes);
    }
    return canvas;
}
