#include "scaledimage.h"

#include <QPainter>

ScaledImage::ScaledImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ScaledImage::setImage(const QImage& image)
{
    image_ = image;
    smoothed_ = {};
    update();
}

QRect ScaledImage::drawnRect() const
{
    if (image_.isNull() || width() <= 0 || height() <= 0)
        return {};
    const QSize fitted = image_.size().scaled(size(), Qt::KeepAspectRatio);
    return {QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted};
}

bool ScaledImage::drawnCrisp() const
{
    // In the screen's own pixels: at 150 % a picture drawn 1:1 covers 1.5 pixels a pixel.
    const QSize drawn = (QSizeF(drawnRect().size()) * devicePixelRatioF()).toSize();
    if (drawn.isEmpty())
        return false;
    const int factor = drawn.width() / image_.width();
    return factor >= 1 && drawn == image_.size() * factor;
}

void ScaledImage::paintEvent(QPaintEvent* /*event*/)
{
    const QRect target = drawnRect();
    if (target.isEmpty())
        return;
    QPainter painter(this);
    if (drawnCrisp()) {
        painter.drawImage(target, image_);
        return;
    }
    // Scaled once per size, to the screen's own pixels: averaging source pixels, which drawing
    // with smoothing does not, and sharp at any scale.
    const qreal ratio = devicePixelRatioF();
    const QSize physical = (QSizeF(target.size()) * ratio).toSize();
    if (smoothed_.size() != physical || smoothed_.devicePixelRatio() != ratio) {
        smoothed_ = image_.scaled(physical, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        smoothed_.setDevicePixelRatio(ratio);
    }
    painter.drawImage(target.topLeft(), smoothed_);
}
