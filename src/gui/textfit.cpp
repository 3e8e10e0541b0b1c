#include "textfit.h"

#include "wrapbutton.h"

#include <QDialog>
#include <QHash>
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

// The width at which a word-wrapped text fits the contents that `contentsAt` gives for a width.
template <typename ContentsAt>
int wrappedWidth(const QWidget* widget, const QString& text, ContentsAt contentsAt)
{
    int width = widget->width();
    while (width < widget->width() + MostExtra && !fitsWrapped(widget, contentsAt(width), text))
        width += Step;
    return width;
}

// The width the widget needs for its text, at least its own.
int neededWidth(const QWidget* widget)
{
    if (const auto* wrap = qobject_cast<const WrapButton*>(widget))
        return wrappedWidth(wrap, wrap->text(),
                            [wrap](int width) { return buttonContents(wrap, width); });
    if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
        const int text = button->fontMetrics().horizontalAdvance(button->text());
        const int inset = button->width() - buttonContents(button, button->width()).width();
        return std::max(button->width(), text + inset);
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget)) {
        if (label->text().isEmpty() ||
            label->sizePolicy().horizontalPolicy() == QSizePolicy::Ignored)
            return label->width();
        if (label->wordWrap())
            return wrappedWidth(label, label->text(),
                                [label](int width) { return labelContents(label, width); });
        const int text = label->fontMetrics().horizontalAdvance(label->text());
        return std::max(label->width(),
                        text + label->width() - labelContents(label, label->width()).width());
    }
    return widget->width();
}

bool sameRow(const QRect& a, const QRect& b)
{
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

// The design geometry of every widget, from before anything grew.
using Design = QHash<const QWidget*, QRect>;

QList<QWidget*> childrenOf(const QWidget* parent)
{
    return parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
}

int childrenRight(const QWidget* parent)
{
    int right = 0;
    for (const QWidget* child : childrenOf(parent))
        right = std::max(right, child->geometry().right() + 1);
    return right;
}

// What stood right of `grown` in its row keeps its design gap to it.
void makeRoom(const QWidget* grown, const Design& design)
{
    const QRect was = design.value(grown);
    const int right = grown->geometry().right() + 1;
    for (QWidget* sibling : childrenOf(grown->parentWidget())) {
        const QRect place = design.value(sibling);
        if (sibling == grown || place.left() <= was.right() || !sameRow(place, was))
            continue;
        const int wanted = right + (place.left() - was.right() - 1);
        if (wanted > sibling->x())
            sibling->move(wanted, sibling->y());
    }
}

// Controls that stood in one column stand in one column again, where the farthest moved went.
void alignColumns(QWidget* parent, const Design& design)
{
    QHash<int, int> columns; // design left -> left now
    for (const QWidget* child : childrenOf(parent))
        columns[design.value(child).left()] =
            std::max(columns.value(design.value(child).left(), 0), child->x());
    for (QWidget* child : childrenOf(parent))
        if (const int left = columns.value(design.value(child).left()); left > child->x())
            child->move(left, child->y());
}

// Every container holds its children with the right margin it had; a dialog too.
void holdChildren(QWidget* parent, const Design& design)
{
    for (QWidget* child : childrenOf(parent))
        holdChildren(child, design);
    const QRect was = design.value(parent);
    int designRight = 0;
    for (const QWidget* child : childrenOf(parent))
        designRight = std::max(designRight, design.value(child).right() + 1);
    const int needed = childrenRight(parent) + std::max(was.width() - designRight, 0);
    if (needed <= parent->width())
        return;
    if (qobject_cast<QDialog*>(parent))
        parent->setFixedSize(needed, parent->height());
    else if (!parent->isWindow() && parent->inherits("QGroupBox"))
        parent->resize(needed, parent->height());
}
} // namespace

void TextFit::fit(QWidget* window)
{
    Design design;
    design.insert(window, window->rect());
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (const QWidget* widget : widgets)
        design.insert(widget, widget->geometry());
    bool grew = false;
    for (QWidget* widget : widgets) {
        const int needed = neededWidth(widget);
        if (needed <= widget->width())
            continue;
        widget->resize(needed, widget->height());
        makeRoom(widget, design);
        grew = true;
    }
    if (!grew)
        return;
    for (QWidget* widget : widgets)
        if (!widget->inherits("QComboBox") && !widget->inherits("QAbstractScrollArea") &&
            !widget->inherits("QMenuBar") && !widget->inherits("QStatusBar"))
            alignColumns(widget, design);
    alignColumns(window, design);
    holdChildren(window, design);
}

bool TextFit::showsAllText(const QWidget* widget)
{
    return neededWidth(widget) <= widget->width();
}
