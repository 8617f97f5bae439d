#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "notes_reader/ink_map.h"
#include "notes_reader/mark_shapes.h"

namespace strumix {

// Something the tools put on the page, found in its marks, with the pixels it inks.
struct FoundMark {
    enum class Kind { Symbol, Diamond, Arc, Line, Letter, Title };
    Kind kind = Kind::Symbol;
    int index = 0;      // the symbol, or the slur letter
    QPoint at;          // symbol: top-left; diamond: the cell's top-left; arc, line: the press;
                        // letter: the text's top-left; title: where it is printed from
    QPoint to;          // arc, line: the release
    QString text;       // title
    QRect letter_zone;  // arc, line without a letter: where its letter would stand
    // Arc, line: the other would ink the same marks; symbol: another symbol would.
    bool either_kind = false;
    // Arc, line: an end hidden in a string's line, so that it may lie by another note column.
    bool unsure_start = false;
    bool unsure_end = false;
    std::vector<QPoint> ink;
    QRect bounds() const;
};

// Looks for each kind of thing in the leftover marks of `map`, and explains the marks of each
// that it takes. Each takes a place only when every pixel of it is ink and it explains marks
// that nothing taken before explains.
// Where the notes a slur may join stand: the left edge of every note column's entries, the
// height of every string's line, and whether a pixel lies where an entry prints its ink.
struct NotePlaces {
    std::vector<int> column_lefts;
    std::vector<int> string_lines;
    std::function<bool(int, int)> in_entry;
};

class MarkSearch {
public:
    MarkSearch(InkMap& map, NotePlaces places) : map_(map), places_(std::move(places)) {}

    // A title printed bold and underlined on the top text row.
    std::vector<FoundMark> titles();
    // The notation symbols stamped over the leftover marks.
    std::vector<FoundMark> symbols();
    // The harmonic diamonds around the cells whose top-left corners are given.
    std::vector<FoundMark> diamonds(const std::vector<QPoint>& cells);
    // Slur arcs and slide lines, each with the letter above it when there is one.
    std::vector<FoundMark> slurs();

    // The leftover marks in parts that touch, each in reading order.
    std::vector<std::vector<QPoint>> leftover_parts() const;

    // Whether every pixel of `shape` placed at `at` is ink.
    bool fits(const Shape& shape, QPoint at) const;
    // How many leftover marks `shape` placed at `at` would explain, and how many of its pixels
    // are marks at all.
    int covers(const Shape& shape, QPoint at) const;
    int marks(const Shape& shape, QPoint at) const;

private:
    FoundMark take(FoundMark::Kind kind, int index, QPoint at, const Shape& shape);
    // The letter above `slur`, or none; then where one would stand is kept with the slur.
    std::vector<FoundMark> slur_letters(FoundMark& slur, int arc_y);
    // The arc, or else the slide line, that explains the most of the leftover marks in `area`
    // from one note column to another; nothing when none explains enough.
    std::optional<FoundMark> best_slur(const QRect& area);
    // The ranges a slur's press may lie in near `area`, one a note column, and the heights of
    // the strings it may be drawn on.
    std::vector<std::pair<int, int>> end_ranges(const QRect& area) const;
    std::vector<int> lines_near(const QRect& area) const;
    // Whether the note column whose end reach starts at `reach_left` holds marks on the string
    // whose line is at `line`: only such columns are a slur's ends.
    bool written_at(int reach_left, int line) const;
    // Whether a line from `kept` past `end` to a written note further on, its far end on the
    // string's line, explains `covered` marks too: then `end` may not be where the line ends.
    bool end_may_hide(QPoint kept, QPoint end, int covered) const;
    // Of the pixels of `shape` at `at` that lie between the entries, how many are leftover
    // marks and how many are marks at all.
    std::pair<int, int> between_entries(const Shape& shape, QPoint at) const;

    InkMap& map_;
    NotePlaces places_;
};

}  // namespace strumix
