#pragma once

#include <QPoint>
#include <array>

namespace strumix {

class PageDrawing;

// The harmonic diamond around the note cell whose top-left corner is (left, top), in character
// cells, for the cursor box's size: its top, right, bottom and left corners in pixels.
std::array<QPoint, 4> harmonic_diamond(double left, double top);

// Its four one-pixel lines: top to right, right to bottom, bottom to left, left to top.
void draw_harmonic_diamond(PageDrawing& page, const std::array<QPoint, 4>& corners);

}  // namespace strumix
