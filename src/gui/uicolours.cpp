#include "uicolours.h"

#include <QFrame>

void UiColours::set(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QFrame* UiColours::addBar(QWidget* parent, const QString& name, const QRect& place)
{
    auto* bar = new QFrame(parent);
    bar->setObjectName(name);
    bar->setFrameShape(QFrame::NoFrame);
    bar->setGeometry(place);
    bar->setAutoFillBackground(true);
    return bar;
}
