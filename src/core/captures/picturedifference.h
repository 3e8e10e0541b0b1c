#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// Where two pictures differ. Pictures of different sizes are compared at the larger width and
// height, each centred; a pixel that only one of them covers counts as different.
class PictureDifference {
public:
    static inline const QColor Marked{255, 0, 255}; // strong on a dimmed screen of any colour

    PictureDifference(const QImage& first, const QImage& second);

    [[nodiscard]] QSize size() const { return size_; }
    [[nodiscard]] qsizetype count() const { return count_; }
    // The first picture dimmed, the pixels that differ in Marked.
    [[nodiscard]] const QImage& overlay() const { return overlay_; }

    // `picture` centred on a canvas of `size`, the rest transparent black.
    [[nodiscard]] static QImage centred(const QImage& picture, QSize size);

private:
    QSize size_;
    qsizetype count_ = 0;
    QImage overlay_;
};
