#pragma once

#include <QPoint>
#include <QString>
#include <array>

#include "page/page_drawing.h"
#include "page/page_geometry.h"

namespace strumix {

// The letters a hammer-on, a pull-off, both, and a slide print above their slur (by the slur
// tools' index, 0 to 3).
inline constexpr std::array<const char*, 4> kSlurLetters = {"H", "P", "H+P", "S"};
inline constexpr int kHammerPullIndex = 2;

// The flat arc of a slur from `start_x` to `end_x` at height `start_y`, all in twips.
struct SlurArc {
    int half_span = 0;  // h: half the span, a half rounded to the even neighbour
    int mid_x = 0;      // `arc_mid_x`
    int center_y = 0;   // `arc_center_y`: the press height plus h
    double radius = 0;  // the horizontal semi-axis, h·√2, so the arc's ends lie on the span
    double height = 0;  // h scaled by the span table
    double aspect = 0;  // vertical semi-axis over horizontal
    double centre_y() const { return center_y - height / 1.6; }
};

SlurArc slur_arc(int start_x, int start_y, int end_x);

// The arc's angles: the upper quarter of the ellipse, with π as the program has always taken it.
inline constexpr double kSlurPi = 3.14159;
inline constexpr double kSlurArcStart = kSlurPi / 4;
inline constexpr double kSlurArcEnd = 3 * kSlurPi / 4;

// Draws the arc, its numbers in `unit` (the slur tools' twips), on the page's pixels.
QRect draw_slur_arc(PageDrawing& page, const SlurArc& arc, PageUnit unit);

// The letter of slur tool `index` (0 hammer-on to 3 slide) and where its top-left corner
// stands, in the tool's unit, for an arc centred on `mid_x` whose letter row is `row`: 50 twips
// left of the middle (180 for "H+P").
QString slur_letter(int index);
int slur_letter_left(int index, int mid_x);
// A slur's letter row: 300 twips above the height the arc was drawn at.
inline int slur_letter_row(int arc_y) { return arc_y - 300; }

}  // namespace strumix
