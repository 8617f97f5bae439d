#include "edit/note_block.h"

#include <algorithm>

#include "edit/erase_tool.h"

namespace strumix {

namespace {

// Half the gap between two note cells, each side of a span.
constexpr int kSideMargin = (page_cells::kNoteStep - 2) * kColumnPixels / 2;

// The staff whose strings include `row`, if any.
std::optional<int> staff_of(const LayoutModel& layout, int row) {
    for (int i = 0; i < layout.num_lines; ++i)
        if (row >= layout.first_row(i) && row <= layout.last_row(i)) return i;
    return std::nullopt;
}

bool first_string(const LayoutModel& layout, int row) {
    const std::optional<int> staff = staff_of(layout, row);
    return staff && layout.first_row(*staff) == row;
}

QRect span_rect(const CellSpan& span, bool above) {
    const int top = (span.top_row - (above ? 1 : 0)) * kRowPixels;
    return QRect(QPoint(span.first_column * kColumnPixels - kSideMargin, top),
                 QPoint((span.last_column + 2) * kColumnPixels + kSideMargin - 1,
                        (span.bottom_row + 1) * kRowPixels - 1));
}

}  // namespace

CellSpan CellSpan::between(int column_a, int row_a, int column_b, int row_b) {
    return {std::min(column_a, column_b), std::max(column_a, column_b), std::min(row_a, row_b),
            std::max(row_a, row_b)};
}

QRect span_pixels(const LayoutModel& layout, const CellSpan& span) {
    return span_rect(span, first_string(layout, span.top_row));
}

NoteBlock copy_block(const PagePicture& page, const LayoutModel& layout, const CellSpan& span) {
    NoteBlock block;
    block.span = span;
    block.above = first_string(layout, span.top_row);
    block.pixels = page.image().copy(span_rect(span, block.above));
    return block;
}

void clear_block(PagePicture& page, const LayoutModel& layout, const CellSpan& span) {
    const QRect rect = span_pixels(layout, span) & QRect(QPoint(0, 0), page.size());
    if (rect.isEmpty()) return;
    // The erase tool's cut, in pixels: its rectangle is taken a pixel down and right.
    cut_section(page, layout, rect.translated(1, 1), PageUnit::Pixels);
}

int paste_block(PagePicture& page, const LayoutModel& layout, const NoteBlock& block, int column,
                int row) {
    const CellSpan& from = block.span;
    const int rows = from.bottom_row - from.top_row + 1;
    const std::optional<int> staff = staff_of(layout, row);
    // The rows that fit: as far as the target staff's last string (or the page's last row).
    const int last_row = staff ? layout.last_row(*staff) : row + rows - 1;
    const int kept = std::max(0, std::min(rows, last_row - row + 1));
    const int left_out = rows - kept;
    if (kept == 0) return left_out;
    const CellSpan to{column, column + (from.last_column - from.first_column), row, row + kept - 1};
    // The row above goes down only over a staff's first string, as it was taken.
    const bool above = block.above && first_string(layout, row);
    QRect source(QPoint(0, block.above && !above ? kRowPixels : 0), block.pixels.size());
    source.setBottom((block.above ? kRowPixels : 0) + kept * kRowPixels - 1);
    const QImage pixels = block.pixels.copy(source);
    const QRect target = span_rect(to, above);
    clear_block(page, layout, to);
    page.draw([&](PageDrawing& drawing) { drawing.put(pixels, target.topLeft()); });
    return left_out;
}

}  // namespace strumix
