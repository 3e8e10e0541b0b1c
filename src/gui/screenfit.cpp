#include "screenfit.h"

#include <QRegion>

#include <algorithm>

namespace {
int overlap(const QRect& a, const QRect& b)
{
    const QRect common = a.intersected(b);
    return common.isEmpty() ? 0 : common.width() * common.height();
}

int fitted(int start, int length, int areaStart, int areaLength)
{
    // The far edge first, so that a frame too large for the area ends up at its near edge.
    const int lastStart = areaStart + areaLength - length;
    return std::max(std::min(start, lastStart), areaStart);
}
} // namespace

QPoint ScreenFit::placed(const QRect& frame, const QList<QRect>& areas, const QRect& primary)
{
    QRegion desktop;
    for (const QRect& candidate : areas)
        desktop += candidate;
    if ((QRegion(frame) - desktop).isEmpty())
        return frame.topLeft(); // whole, also across two screens side by side
    QRect area = primary;
    int best = 0;
    for (const QRect& candidate : areas)
        if (const int shared = overlap(frame, candidate); shared > best) {
            best = shared;
            area = candidate;
        }
    if (area.isEmpty())
        return frame.topLeft();
    return {fitted(frame.x(), frame.width(), area.x(), area.width()),
            fitted(frame.y(), frame.height(), area.y(), area.height())};
}
