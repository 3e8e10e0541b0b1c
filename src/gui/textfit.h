#pragma once

#include <QList>

class QWidget;

// Room for texts longer than the English ones the stated sizes were made for: a label or a
// button whose text needs more grows to the right (a right-aligned label to the left first, as
// far as its row allows), with a margin so that its text touches nothing; what stands right of
// it in its row moves along, and what holds it grows with it. A text that fits, as every
// English one does, changes nothing.
namespace TextFit {
// What keeps to the right edge of its parent where a translation widened it.
struct Anchors {
    QList<QWidget*> right;     // a row (buttons under a group box) moving as one with the edge
    QList<QWidget*> stretched; // bars across their parent, stretching with it
};
void fit(QWidget* window, const Anchors& anchors = {});
// Whether a label or a button shows all of its text; true for other widgets.
[[nodiscard]] bool showsAllText(const QWidget* widget);
} // namespace TextFit
