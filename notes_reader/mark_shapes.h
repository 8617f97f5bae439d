#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "page/page_drawing.h"
#include "page/page_ink.h"

namespace strumix {

// The ink of something the tools put on a page, as points from where it is placed.
struct Shape {
    std::vector<QPoint> ink;
    QRect bounds;

    void add(QPoint p);
};

// An entry a note cell may hold, printed at the cell's top-left corner: " 5", "12", " X", "X3".
struct EntryShape {
    QString text;
    int fret = 0;  // for a muted note the digit after the X, or -1
    bool muted = false;
    Shape shape;
};

// The window of a cell that any entry's ink lies in, from the cell's top-left corner, as one
// bit a pixel: a row for each line of the window, the lowest bit its leftmost pixel.
inline constexpr int kEntryLeft = -2;
inline constexpr int kEntryTop = 2;
inline constexpr int kEntryWidth = 18;
inline constexpr int kEntryRows = 10;
using EntryBits = std::array<std::uint32_t, kEntryRows>;

// Every entry the keys can print: " 0" to " 9", "00" to "99", " X" and "X0" to "X9".
const std::vector<EntryShape>& entry_shapes();
// The entry whose ink, leaving out the string line's row (which the blank page inks anyway),
// is exactly `visible`; nothing when no entry prints that.
const EntryShape* entry_with_visible_ink(const EntryBits& visible);
// An entry's ink in the window, and that ink without the string line's row.
const EntryBits& entry_bits(const EntryShape& entry);
const EntryBits& entry_visible_bits(const EntryShape& entry);

// The harmonic diamond around a cell, from the cell's top-left corner.
const Shape& diamond_shape();
// Notation symbol `index` (0 vibrato to 7 release bend) as stamped, from its top-left corner.
const Shape& symbol_shape(int index);
// The letter of slur tool `index` (0 "H", 1 "P", 2 "H+P", 3 "S") as printed, from the top-left
// corner of its text.
const Shape& slur_letter_shape(int index);
// A slur's arc pressed at pixel (0, 0) and released `span` pixels to the right, from the
// press. Pressed elsewhere, by whole pixels, the arc moves with it.
const Shape& arc_shape(int span);

// The ink of what `draw` puts on a white image of `size`, less `origin`.
template <class Draw>
Shape drawn_shape(QSize size, QPoint origin, Draw&& draw) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        PageDrawing drawing(image);
        draw(drawing);
    }
    Shape shape;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ink_at(image, x, y)) shape.add(QPoint(x, y) - origin);
    return shape;
}

}  // namespace strumix
