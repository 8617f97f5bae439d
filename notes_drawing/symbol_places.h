#pragma once

#include <QImage>
#include <QPoint>
#include <vector>

#include "notes/notes_model.h"

namespace strumix {

// Finds where to stamp symbols so that a reader of the page gives each to its note: the
// stamp's middle nearer that note's middle than any other note's, within reach, and its ink
// clear of all other marks by a pixel where there is room (else touching as few as can be).
class SymbolPlaces {
public:
    // `page`: the page with its notes and slurs drawn; `blank`: the same layout's blank page.
    SymbolPlaces(const QImage& page, const QImage& blank, const PageNotes& notes);

    // The middle to stamp `symbol` at for the note at `cell`; from then on its ink is a mark
    // the next symbols keep clear of.
    QPoint place(int symbol, const CellPlace& cell);

    // Where a note's entry has its middle, as a reader measures distances to symbols.
    static QPoint entry_middle(const LayoutModel& layout, const CellPlace& cell);

private:
    bool near_mark(int x, int y) const;
    void mark_ink(const std::vector<QPoint>& ink, QPoint top_left);

    int width_;
    int height_;
    std::vector<unsigned char> near_;  // marks, grown by a pixel
    const LayoutModel& layout_;
    std::vector<QPoint> middles_;
};

}  // namespace strumix
