#include "page/slur_geometry.h"

#include <cmath>

namespace strumix {

namespace {

// A position rounded to a whole number, a half to the even neighbour, as the slur tools keep
// their drag.
int to_even(double value) { return static_cast<int>(std::nearbyint(value)); }

}  // namespace

SlurArc slur_arc(int start_x, int start_y, int end_x) {
    SlurArc arc;
    arc.half_span = to_even((end_x - start_x) / 2.0);
    const int h = arc.half_span;
    arc.mid_x = start_x + h;
    arc.center_y = start_y + h;
    arc.radius = std::sqrt(2.0 * double(h) * double(h));
    arc.height = h;
    // Longer slurs are flatter. Every row that holds applies, in this order, so at a span of
    // exactly 1000, 2000 or 3000 twips the later aspect wins and both factors are taken.
    const int span = end_x - start_x;
    if (span <= 1000) {
        arc.aspect = 0.4;
        arc.height *= 1.06;
    }
    if (span >= 1000 && span <= 2000) {
        arc.aspect = 0.3;
        arc.height *= 1.14;
    }
    if (span >= 2000 && span <= 3000) {
        arc.aspect = 0.2;
        arc.height *= 1.252;
    }
    if (span >= 3000) {
        arc.aspect = 0.1;
        arc.height *= 1.442;
    }
    return arc;
}

QRect draw_slur_arc(PageDrawing& page, const SlurArc& arc, PageUnit unit) {
    const double rx = arc.radius * unit_pixels_x(unit);
    const double ry = rx * arc.aspect;
    const QPointF centre = to_pixels(QPointF(arc.mid_x, arc.centre_y()), unit);
    constexpr double kSixteenthsPerRadian = 16.0 * 180.0 / 3.14159265358979323846;
    return page.arc(
        QRectF(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry),
        static_cast<int>(std::lround(kSlurArcStart * kSixteenthsPerRadian)),
        static_cast<int>(std::lround((kSlurArcEnd - kSlurArcStart) * kSixteenthsPerRadian)));
}

QString slur_letter(int index) {
    return (index >= 0 && index < int(kSlurLetters.size()))
               ? QString::fromLatin1(kSlurLetters[std::size_t(index)])
               : QString();
}

int slur_letter_left(int index, int mid_x) {
    return mid_x - (index == kHammerPullIndex ? 180 : 50);
}

}  // namespace strumix
