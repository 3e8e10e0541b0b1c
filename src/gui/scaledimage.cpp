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
    const QSize drawn = drawnRect().size();
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
    // Scaled once per size: averaging source pixels, which drawing with smoothing does not.
    if (smoothed_.size() != target.size())
        smoothed_ = image_.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(target.topLeft(), smoothed_);
}
