#pragma once

#include <QImage>
#include <QString>

#include "notes/notes_model.h"

namespace strumix {

// The page of `notes`: its layout's blank page, then, drawn as the tools draw them, the title
// (as Insert Title prints it), each note's number or X in its cell (as number entry types it),
// harmonic diamonds, each slur as an arc from its note to the other with its letter over it
// (as the slur tools drag it), and each symbol stamped where it marks its note and nothing
// else: nearest that note of all, and clear of every other mark. False, with the reason, when
// the page cannot be created.
bool draw_page_of_notes(const PageNotes& notes, QImage* page, QString* error);

}  // namespace strumix
