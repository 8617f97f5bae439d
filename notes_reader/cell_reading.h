#pragma once

#include <QPoint>
#include <QRect>
#include <optional>
#include <utility>
#include <vector>

#include "notes/notes_model.h"
#include "notes_reader/ink_map.h"
#include "notes_reader/mark_search.h"
#include "notes_reader/mark_shapes.h"

namespace strumix {

// What a note cell holds, as far as its pixels tell.
enum class CellOutcome {
    Empty,           // nothing written
    Read,            // one entry, for certain
    Unexplained,     // marks no entry explains
    Ambiguous,       // more than one entry (or none and one) fits
    HiddenHarmonic,  // an entry, but whether a diamond is around it cannot be told
};

struct CellRead {
    CellPlace place;
    QPoint origin;  // the cell's top-left corner on the page
    CellOutcome outcome = CellOutcome::Empty;
    const EntryShape* entry = nullptr;
    bool harmonic = false;
    bool settled = false;  // read on its own, its marks being exactly one entry's
};

// The note cells of a layout on its page, and how marks there are read.
class CellGrid {
public:
    explicit CellGrid(const LayoutModel& layout);

    // Every cell, each whose marks are exactly one entry's read and those marks explained; the
    // others wait for what the rest of the page explains.
    std::vector<CellRead> settle(InkMap& map) const;
    // The cells not settled, read again with the marks the things found explain counting as
    // either; then the harmonic of every read cell, and the read entries' marks explained.
    void resolve(InkMap& map, const MarkSearch& search, const std::vector<FoundMark>& found,
                 std::vector<CellRead>& cells) const;

    // Whether a pixel lies where an entry prints its ink.
    bool in_entry(int x, int y) const;
    // Where the notes a slur may join stand.
    NotePlaces note_places() const;
    // The top-left corners of the cells a harmonic diamond around which would cover leftovers.
    std::vector<QPoint> cells_near_leftovers(const InkMap& map) const;
    QRect cell_rect(const CellPlace& place) const;
    // The staff and string whose line is nearest `y`, when it is within half a row.
    std::optional<std::pair<int, int>> string_near(int y) const;
    // The note column of `staff` whose entry's middle is nearest `x`, within half a column step.
    std::optional<ColumnPlace> column_near(int staff, int x) const;
    // The cell holding an entry (read or not) whose middle is nearest `at`, within `reach`.
    std::optional<CellPlace> entry_near(const std::vector<CellRead>& cells, QPoint at,
                                        int reach) const;
    // Where marks are left that nothing explains, and where the page lacks its layout's ink.
    std::vector<QRect> unexplained_areas(const InkMap& map) const;

private:
    QPoint origin(const CellPlace& place) const;
    EntryBits window_bits(const InkMap& map, QPoint origin, bool leftover_only) const;

    LayoutModel layout_;
    std::vector<bool> entry_columns_;  // by x: within some note column's entries
    std::vector<bool> entry_rows_;     // by y: within some string's entries
};

}  // namespace strumix
