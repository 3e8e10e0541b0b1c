#pragma once

class QWidget;

// Room for texts longer than the English ones the stated sizes were made for: a label or a
// button whose text needs more grows to the right, what stands right of it in its row moves
// along, and what holds it grows with it. A text that fits, as every English one does, changes
// nothing.
namespace TextFit {
void fit(QWidget* window);
// Whether a label or a button shows all of its text; true for other widgets.
[[nodiscard]] bool showsAllText(const QWidget* widget);
} // namespace TextFit
