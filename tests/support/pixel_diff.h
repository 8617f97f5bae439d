#pragma once

#include <QImage>
#include <QRect>
#include <QVector>

#include "page/page_ink.h"

// Pixel checks on the page: which pixels an action changed, and whether a pixel is ink.
namespace pixels {

inline bool ink(const QImage& image, int x, int y) { return strumix::ink_at(image, x, y); }

inline QVector<QPoint> changed(const QImage& before, const QImage& after) {
    QVector<QPoint> points;
    const int w = std::min(before.width(), after.width());
    const int h = std::min(before.height(), after.height());
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (before.pixel(x, y) != after.pixel(x, y)) points.append(QPoint(x, y));
    return points;
}

inline QRect bounds(const QVector<QPoint>& points) {
    QRect rect;
    for (const QPoint& p : points) rect |= QRect(p, QSize(1, 1));
    return rect;
}

inline QVector<QPoint> inside(const QVector<QPoint>& points, const QRect& area) {
    QVector<QPoint> kept;
    for (const QPoint& p : points)
        if (area.contains(p)) kept.append(p);
    return kept;
}

}  // namespace pixels
