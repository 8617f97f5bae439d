#pragma once

#include <QImage>
#include <QString>

#include "edit/note_block.h"
#include "page/layout_model.h"

namespace strumix {

// The notes of the chosen cells as a text tab, for programs that take text from the clipboard:
// one staff of the strings chosen, its note columns in order, the notes and slurs among them as
// the note reader reads them. Empty when the cells hold no string of a staff.
QString block_text(const QImage& page, const LayoutModel& layout, const CellSpan& span);

}  // namespace strumix
