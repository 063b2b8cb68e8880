#pragma once

#include <QRect>

// A rectangle of the design's pixels at a zoom: its edges are rounded, not its size, so that
// rectangles that meet in the design meet at every zoom.
inline QRect zoomedBy(const QRect &area, double factor) {
    if (factor == 1)
        return area;
    const auto at = [factor](int v) { return qRound(v * factor); };
    return QRect(QPoint(at(area.left()), at(area.top())),
                 QPoint(at(area.right() + 1) - 1, at(area.bottom() + 1) - 1));
}
