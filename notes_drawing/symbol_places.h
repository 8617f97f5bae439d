#pragma once

#include <QImage>
#include <QPoint>
#include <vector>

#include "notes/notes_model.h"
#include "notes_drawing/page_marks.h"

namespace strumix {

// Finds where to stamp symbols so that a reader of the page gives each to its note: the
// stamp's middle nearer that note's middle than any other note's, within reach, and its ink
// clear of all other marks by a pixel where there is room (else touching as few as can be).
class SymbolPlaces {
public:
    // `marks`: the page's marks, its notes and slurs drawn; the symbols placed join them.
    SymbolPlaces(PageMarks& marks, const PageNotes& notes);

    // The middle to stamp `symbol` at for the note at `cell`; from then on its ink is a mark
    // the next symbols keep clear of.
    QPoint place(int symbol, const CellPlace& cell);

    // Where a note's entry has its middle, as a reader measures distances to symbols.
    static QPoint entry_middle(const LayoutModel& layout, const CellPlace& cell);

private:
    PageMarks& marks_;
    const LayoutModel& layout_;
    std::vector<QPoint> middles_;
};

}  // namespace strumix
