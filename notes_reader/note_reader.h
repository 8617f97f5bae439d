#pragma once

#include <QImage>

#include "notes/notes_model.h"

namespace strumix {

// Reads every note back from a page drawn for `layout`, exactly or not at all: the entries of
// the note cells with their harmonic diamonds, the symbols stamped on them (each on the written
// note whose cell's middle is nearest its own, within kSymbolReach pixels), the slurs between
// notes of one string, and the title. The page's own pixels are the only record: whatever is not
// the blank page is explained by something the tools draw, placed so that every pixel of it is
// ink. What cannot be explained, or can be explained more than one way, is reported unread with
// its place and why.
PageNotes read_notes(const QImage& page, const LayoutModel& layout);

}  // namespace strumix
