#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <optional>

#include "page/layout_model.h"
#include "page/page_picture.h"

namespace strumix {

// Note cells chosen on the page, in character cells: the note columns from `first_column` to
// `last_column` (each cell two columns wide) and the rows from `top_row` to `bottom_row`.
struct CellSpan {
    int first_column = 0;
    int last_column = 0;
    int top_row = 0;
    int bottom_row = 0;
    bool operator==(const CellSpan&) const = default;
    // The span between two places of the cursor box, whichever way round.
    static CellSpan between(int column_a, int row_a, int column_b, int row_b);
};

// The pixels the cells hold, aligned to the grid: from half the gap before the first note
// column to half the gap after the last, and from the top row (with the row above it when that
// is a staff's first string, where its symbols and slur letters stand) to the bottom row.
QRect span_pixels(const LayoutModel& layout, const CellSpan& span);

// Cells taken off the page, to be put down elsewhere.
struct NoteBlock {
    CellSpan span;       // where they were taken from
    QImage pixels;       // span_pixels(span) of the page
    bool above = false;  // the pixels begin with the row above the top row
};

NoteBlock copy_block(const PagePicture& page, const LayoutModel& layout, const CellSpan& span);

// Empties the cells as the erase tool does: white, with the staff lines and captions whole.
void clear_block(PagePicture& page, const LayoutModel& layout, const CellSpan& span);

// Puts `block` down with its first cell at the cell whose column and row are given: the cells it
// covers emptied first, then its pixels laid exactly. Rows past the last string of the target's
// staff are left out; returns how many string rows that was.
int paste_block(PagePicture& page, const LayoutModel& layout, const NoteBlock& block, int column,
                int row);

}  // namespace strumix
