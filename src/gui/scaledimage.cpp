#include "scaledimage.h"

#include <QPainter>

ScaledImage::ScaledImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void ScaledImage::setImage(const QImage& image)
{
    image_ = image;
    update();
}

QRect ScaledImage::drawnRect() const
{
    if (image_.isNull() || width() <= 0 || height() <= 0)
        return {};
    const QSize fitted = image_.size().scaled(size(), Qt::KeepAspectRatio);
    return {QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted};
}

void ScaledImage::paintEvent(QPaintEvent* /*event*/)
{
    const QRect target = drawnRect();
    if (target.isEmpty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, image_);
}
