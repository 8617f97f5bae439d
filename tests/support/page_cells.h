#pragma once

#include <QImage>

#include "page/layout_model.h"
#include "page/page_ink.h"
#include "page/page_picture.h"

// Reading the page one character cell at a time. A fret number printed at column c, row r lies
// within the two-column cell x ∈ [8c, 8c + 16), y ∈ [16r, 16r + 16); the string line runs
// through the middle of the row and is left out, so only written characters count.
inline int ink_in_cell(const QImage& page, int column, int row) {
    const int x0 = column * strumix::kColumnPixels;
    const int y0 = row * strumix::kRowPixels;
    const int line_y = y0 + strumix::kRowPixels / 2;
    int ink = 0;
    for (int y = y0; y < y0 + strumix::kRowPixels && y < page.height(); ++y) {
        if (y == line_y) continue;
        for (int x = x0; x < x0 + 2 * strumix::kColumnPixels && x < page.width(); ++x) {
            if (strumix::ink_at(page, x, y)) ++ink;
        }
    }
    return ink;
}

inline bool is_black(const QImage& page, int x, int y) { return strumix::ink_at(page, x, y); }

// Text printed on the page as the program prints it, its top-left corner at a place in
// character cells.
inline void print_at(strumix::PagePicture& page, double column, double row, const QString& text,
                     strumix::TextStyle style = {}) {
    const QPoint at = strumix::pixel_at(column, row, strumix::PageUnit::Characters);
    page.draw([&](strumix::PageDrawing& drawing) { drawing.text(at, text, style); });
}
