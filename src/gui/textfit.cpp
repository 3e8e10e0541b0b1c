#include "textfit.h"

#include "wrapbutton.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace {
constexpr int Step = 4;        // pixels a wrapped text's control grows by at a time
constexpr int MostExtra = 400; // beyond this a text is not made room for

bool fitsWrapped(const QWidget* widget, const QRect& area, const QString& text)
{
    const QRect needed =
        widget->fontMetrics().boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

QRect buttonContents(const QPushButton* button, int width)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.rect = QRect(0, 0, width, button->height());
    return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
}

QRect labelContents(const QLabel* label, int width)
{
    const int inset = label->frameWidth() + label->margin();
    return QRect(0, 0, width, label->height()).adjusted(inset, inset, -inset, -inset);
}

// The width the widget needs for its text, at least its own; 0 for widgets without one.
int neededWidth(const QWidget* widget)
{
    if (const auto* wrap = qobject_cast<const WrapButton*>(widget)) {
        int width = wrap->width();
        while (width < wrap->width() + MostExtra &&
               !fitsWrapped(wrap, buttonContents(wrap, width), wrap->text()))
            width += Step;
        return width;
    }
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        const int text = button->fontMetrics().horizontalAdvance(button->text());
        const int inset = button->width() - buttonContents(button, button->width()).width();
        return std::max(button->width(), text + inset);
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty() ||
            label->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
            return label->width();
        if (label->wordWrap()) {
            int width = label->width();
            while (width < label->width() + MostExtra &&
                   !fitsWrapped(label, labelContents(label, width), label->text()))
                width += Step;
            return width;
        }
        const int text = label->fontMetrics().boundingRect(label->text()).width();
        return std::max(label->width(),
                        text + label->width() - labelContents(label, label->width()).width());
    }
    return widget->width();
}

bool sameRow(const QRect& a, const QRect& b)
{
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

int childrenRight(const QWidget* parent)
{
    int right = 0;
    for (const QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        right = std::max(right, child->geometry().right() + 1);
    return right;
}

// Moves what stands right of `grown`'s old right edge in its row along, then lets the parent
// hold its children with the margin it had, up to the window.
void makeRoom(QWidget* grown, int oldRight, int extra)
{
    QWidget* parent = grown->parentWidget();
    if (!parent)
        return;
    const int margin = std::max(parent->width() - oldRight, 0);
    for (QWidget* sibling : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (sibling != grown && sibling->x() >= oldRight &&
            sameRow(sibling->geometry(), grown->geometry()))
            sibling->move(sibling->x() + extra, sibling->y());
    const int needed = childrenRight(parent) + margin;
    if (parent->isWindow() || needed <= parent->width())
        return;
    const int parentRight = parent->geometry().right() + 1;
    const int more = needed - parent->width();
    parent->resize(needed, parent->height());
    makeRoom(parent, parentRight, more);
}
} // namespace

void TextFit::fit(QWidget* window)
{
    const int margin = std::max(window->width() - childrenRight(window), 0);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const int needed = neededWidth(widget);
        if (needed <= widget->width())
            continue;
        const int oldRight = widget->geometry().right() + 1;
        const int extra = needed - widget->width();
        widget->resize(needed, widget->height());
        makeRoom(widget, oldRight, extra);
    }
    // A dialog keeps the room it had right of its controls.
    if (qobject_cast<QDialog*>(window) && childrenRight(window) + margin > window->width())
        window->setFixedSize(childrenRight(window) + margin, window->height());
}

bool TextFit::showsAllText(const QWidget* widget)
{
    return neededWidth(widget) <= widget->width();
}
