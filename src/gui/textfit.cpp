#include "textfit.h"

#include "wrapbutton.h"

#include <QDialog>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <limits>
#include <utility>

namespace {
constexpr int Step = 4;        // pixels a wrapped text's control grows by at a time
constexpr int MostExtra = 400; // beyond this a text is not made room for
constexpr int Gap = 6;         // between a grown label's text and what follows it in its row
// A label's text over its box by no more than this is a near fit, as a face other than the
// designed one makes of some English texts: it gets the pixels it lacks and keeps the design's
// look.
constexpr int NearFit = 2;

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
        // The text clear of the frame by the style's margins, as the English captions are.
        const int text = button->fontMetrics().horizontalAdvance(button->text()) +
                         2 * button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
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

bool nearFit(const QWidget* widget, int lacking)
{
    return qobject_cast<const QLabel*>(widget) && lacking <= NearFit;
}

// Room after a grown label's text, clear of what follows it in its row; none after a near fit.
int gapAfter(const QWidget* widget, int lacking)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label && !label->wordWrap() && !nearFit(widget, lacking) ? Gap : 0;
}

// A right-aligned label stands against something on its right: it grows to the left first.
bool rightAligned(const QWidget* widget)
{
    const auto* label = qobject_cast<const QLabel*>(widget);
    return label && (label->alignment() & Qt::AlignRight);
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

// How far a right-aligned label can grow to the left: up to a gap after what stands on its left
// in its row; nothing for other controls, or one with nothing on its left.
int roomOnTheLeft(const QWidget* widget, const Design& design)
{
    if (!rightAligned(widget))
        return 0;
    const QRect place = design.value(widget);
    int limit = -1;
    for (const QWidget* sibling : childrenOf(widget->parentWidget()))
        if (sibling != widget && design.value(sibling).right() < place.left() &&
            sameRow(design.value(sibling), place))
            limit = std::max(limit, sibling->geometry().right() + 1 + Gap);
    return limit < 0 ? 0 : std::max(widget->x() - limit, 0);
}

// What stood right of `grown` in its row keeps its design gap to it; a right-aligned label,
// whose text keeps to its right end, only a gap.
void makeRoom(const QWidget* grown, const Design& design)
{
    const QRect was = design.value(grown);
    const int right = grown->geometry().right() + 1;
    for (QWidget* sibling : childrenOf(grown->parentWidget())) {
        const QRect place = design.value(sibling);
        if (sibling == grown || place.left() <= was.right() || !sameRow(place, was))
            continue;
        const int designGap = place.left() - was.right() - 1;
        const int wanted = right + (rightAligned(sibling) ? std::min(designGap, Gap) : designGap);
        if (wanted > sibling->x())
            sibling->move(wanted, sibling->y());
    }
}

void grow(QWidget* widget, int width, const Design& design)
{
    const int leftward = std::min(width - widget->width(), roomOnTheLeft(widget, design));
    widget->setGeometry(widget->x() - leftward, widget->y(), width, widget->height());
    makeRoom(widget, design);
}

// Where a control stands in its column: its left edge, a right-aligned label its right edge.
int columnEdge(const QWidget* widget, const QRect& place)
{
    return rightAligned(widget) ? place.right() : place.left();
}

// Controls that stood in one column stand in one column again, where the farthest moved went.
void alignColumns(QWidget* parent, const Design& design)
{
    using Column = std::pair<bool, int>; // right-aligned or not, and the design edge
    const auto columnOf = [&design](const QWidget* child) {
        return Column{rightAligned(child), columnEdge(child, design.value(child))};
    };
    QHash<Column, int> columns; // -> the edge now
    for (const QWidget* child : childrenOf(parent)) {
        const int now = columnEdge(child, child->geometry());
        columns[columnOf(child)] = std::max(columns.value(columnOf(child), now), now);
    }
    for (QWidget* child : childrenOf(parent))
        if (const int shift = columns.value(columnOf(child)) - columnEdge(child, child->geometry());
            shift > 0)
            child->move(child->x() + shift, child->y());
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

void followRightEdges(const TextFit::Anchors& anchors, const Design& design)
{
    // The row moves as one, so that what grew in it keeps its room: its rightmost control goes
    // back to its design distance from the edge.
    int shift = std::numeric_limits<int>::max();
    for (const QWidget* widget : anchors.right) {
        const int distance =
            design.value(widget->parentWidget()).width() - design.value(widget).right() - 1;
        shift = std::min(shift, widget->parentWidget()->width() - distance -
                                    widget->geometry().right() - 1);
    }
    for (QWidget* widget : anchors.right)
        if (shift > 0)
            widget->move(widget->x() + shift, widget->y());
    for (QWidget* widget : anchors.stretched) {
        const QWidget* parent = widget->parentWidget();
        if (const int growth = parent->width() - design.value(parent).width(); growth > 0)
            widget->resize(widget->width() + growth, widget->height());
    }
}
} // namespace

void TextFit::fit(QWidget* window, const Anchors& anchors)
{
    Design design;
    design.insert(window, window->rect());
    const QList<QWidget*> widgets = window->findChildren<QWidget*>();
    for (const QWidget* widget : widgets)
        design.insert(widget, widget->geometry());
    bool grew = false;
    for (QWidget* widget : widgets) {
        const int lacking = neededWidth(widget) - widget->width();
        if (lacking <= 0)
            continue;
        grow(widget, widget->width() + lacking + gapAfter(widget, lacking), design);
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
    // Only a window that widened moves its anchored rows: even a near fit that pushed a
    // neighbour leaves no gap between the buttons and the edge.
    followRightEdges(anchors, design);
}

bool TextFit::showsAllText(const QWidget* widget)
{
    return neededWidth(widget) <= widget->width();
}
