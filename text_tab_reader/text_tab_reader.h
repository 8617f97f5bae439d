#pragma once

#include <QString>

#include "text_tab_reader/text_tab.h"

namespace strumix {

// Reads a text tab as guitarists write them on the web: blocks of string lines, labelled by
// their tuning or not, several instruments to a block or one, with bar lines, repeat marks and
// the marks of notes (fret numbers, x, h, p, /, \, s, b with a target fret, pb, r, ~ and v,
// tr, <12> and [12] harmonics, D and U rakes under the strings). Chord names, rhythm rows,
// lyrics and remarks between blocks are passed over; whatever inside a string line is not
// understood is listed in `problems` and left out. A text tab Strumix wrote is read as it was
// written: each caption a staff, each note in its note column.
TextTab read_text_tab(const QString& text);

}  // namespace strumix
