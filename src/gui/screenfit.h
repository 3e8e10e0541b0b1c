#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

// Keeps a window whole on a screen: a stored position from a larger screen, or one on a
// monitor that is no longer there, must not leave buttons and the status bar out of reach.
class ScreenFit {
public:
    // Where the window's frame goes: where it is, when the screens' available areas show all
    // of it; otherwise moved the least so that it fits the area of the screen that holds most
    // of it, or `primary` when it is on none. A frame larger than the area keeps its top left
    // inside.
    [[nodiscard]] static QPoint placed(const QRect& frame, const QList<QRect>& areas,
                                       const QRect& primary);
};
