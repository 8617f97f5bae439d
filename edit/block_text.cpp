#include "edit/block_text.h"

#include <map>

#include "notes_reader/note_reader.h"
#include "notes_writers/text_tab_writer.h"

namespace strumix {

QString block_text(const QImage& page, const LayoutModel& layout, const CellSpan& span) {
    // The staff of the first string row chosen, and its strings among the rows.
    int staff = -1;
    for (int i = 0; i < layout.num_lines && staff < 0; ++i)
        if (layout.last_row(i) >= span.top_row && layout.first_row(i) <= span.bottom_row) staff = i;
    if (staff < 0) return QString();
    const int first_string =
        std::max(span.top_row, layout.first_row(staff)) - layout.first_row(staff);
    const int last_string =
        std::min(span.bottom_row, layout.last_row(staff)) - layout.first_row(staff);
    // The chosen note columns, in order, become one run of columns.
    std::map<std::pair<int, int>, int> order;
    for (int m = 0; m < layout.measures_across; ++m)
        for (int n = 0; n < layout.notes_per_measure; ++n) {
            const int column = layout.note_column(m, n);
            if (column >= span.first_column && column <= span.last_column)
                order.emplace(std::pair(m, n), int(order.size()));
        }
    if (order.empty()) return QString();
    const int columns = int(order.size());
    PageNotes block;
    LayoutModel& small = block.layout;
    small.num_lines = 1;
    small.notes_per_measure = std::min(columns, kMaxNotesPerMeasure);
    small.measures_across = std::min(
        kMaxMeasuresAcross, (columns + small.notes_per_measure - 1) / small.notes_per_measure);
    LineProps& props = small.line_props[0];
    props = layout.line_props[std::size_t(staff)];
    props.num_strings = last_string - first_string + 1;
    for (int s = 0; s < kMaxStrings; ++s)
        props.tuning[std::size_t(s)] =
            s + first_string < kMaxStrings
                ? layout.line_props[std::size_t(staff)].tuning[std::size_t(s + first_string)]
                : QString();
    small.recompute_staff_rows();
    // A cell of the page in the block, if it is one.
    auto moved = [&](const CellPlace& cell) -> std::optional<CellPlace> {
        if (cell.column.staff != staff || cell.string < first_string || cell.string > last_string)
            return std::nullopt;
        const auto at = order.find({cell.column.measure, cell.column.note});
        if (at == order.end()) return std::nullopt;
        const int i = at->second;
        if (i >= small.measures_across * small.notes_per_measure) return std::nullopt;
        return CellPlace{{0, i / small.notes_per_measure, i % small.notes_per_measure},
                         cell.string - first_string};
    };
    const PageNotes all = read_notes(page, layout);
    for (const Note& note : all.notes) {
        if (const std::optional<CellPlace> place = moved(note.place)) {
            Note copy = note;
            copy.place = *place;
            block.notes.push_back(copy);
        }
    }
    for (const Slur& slur : all.slurs) {
        const std::optional<CellPlace> from = moved(slur.from);
        const std::optional<CellPlace> to = moved(slur.to);
        if (from && to) {
            Slur copy = slur;
            copy.from = *from;
            copy.to = *to;
            block.slurs.push_back(copy);
        }
    }
    return text_tab(block);
}

}  // namespace strumix
