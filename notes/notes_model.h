#pragma once

#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

#include "page/layout_model.h"

namespace strumix {

// A note column of the page: the staff, the measure and the note column within it.
struct ColumnPlace {
    int staff = 0;
    int measure = 0;
    int note = 0;
    bool operator==(const ColumnPlace&) const = default;
    auto operator<=>(const ColumnPlace&) const = default;
};

// One note cell: a column and a string (0 is the staff's first, highest string).
struct CellPlace {
    ColumnPlace column;
    int string = 0;
    bool operator==(const CellPlace&) const = default;
    auto operator<=>(const CellPlace&) const = default;
};

// The top-left corner, in page pixels, of the note cell at `cell`.
inline QPoint cell_origin(const LayoutModel& layout, const CellPlace& cell) {
    return layout.note_cell(cell.column.staff, cell.string, cell.column.measure, cell.column.note)
        .topLeft();
}

// A symbol marks the written note whose entry's middle (this far from the cell's top-left
// corner, in pixels) is nearest its own middle, within kSymbolReach pixels.
inline constexpr QPoint kEntryMiddle(6, 7);
// Where a symbol looks best and is read as its note's: its middle a little right of the note's
// middle and over it (from the note's middle, in pixels).
inline constexpr QPoint kSymbolPreferred(5, -11);
inline constexpr int kSymbolReach = 24;

// The eight notation symbols, in the order of their pictures and tool indices.
enum class Symbol { Vibrato, Trill, RakeDown, RakeUp, HalfBend, WholeBend, GhostBend, ReleaseBend };
inline constexpr int kSymbolKinds = 8;

// One written entry: a fret number, or a muted note ("X", or "X" with a digit), with the
// harmonic diamond and the symbols that mark it.
struct Note {
    CellPlace place;
    QString text;  // as the entry prints it: " 5", "12", " X", "X3"
    int fret = 0;  // the number; for a muted note the digit after the X, or -1
    bool muted = false;
    bool harmonic = false;
    std::vector<Symbol> symbols;

    bool has(Symbol symbol) const;
};

// What a slur between two notes of one string says: the letter it carries, or none (a bare arc
// is a legato slur).
enum class SlurKind { Hammer, PullOff, HammerPull, Slide, Legato };

struct Slur {
    SlurKind kind = SlurKind::Legato;
    CellPlace from;
    CellPlace to;
    bool arc = true;
    bool line = false;
    bool letter = false;
};

// Something on the page that cannot be read exactly, where it is and why.
struct Unread {
    QRect area;  // in page pixels
    QString why;
    std::optional<CellPlace> cell;
};

// Everything written on a page, as read back from its pixels.
struct PageNotes {
    LayoutModel layout;
    QString title;
    std::vector<Note> notes;  // in reading order: staff, measure, note column, string
    std::vector<Slur> slurs;
    std::vector<Unread> unread;

    const Note* note_at(const CellPlace& place) const;
    // The notes of one column, from the highest string down.
    std::vector<const Note*> column(const ColumnPlace& place) const;
    // Whether a cell could not be read.
    bool unread_at(const CellPlace& place) const;
};

}  // namespace strumix
