#pragma once

#include <QImage>

#include "page/layout_model.h"

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
            if (qGray(page.pixel(x, y)) < 128) ++ink;
        }
    }
    return ink;
}

inline bool is_black(const QImage& page, int x, int y) { return qGray(page.pixel(x, y)) < 128; }
