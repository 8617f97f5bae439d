#pragma once

#include <QString>

#include "notes/notes_model.h"

namespace strumix {

// The page's notes as a text tab, as guitarists write them on the web: the title, then for
// each staff its caption above one line per string from the highest, labelled by its tuning
// (`e|`, `B|`, ...), `|` at every bar line and the numbers aligned in their note columns with
// `-` between them; `h`, `p`, `/`, `\`, `b` with the bend's target fret, `pb`, `r`, `~`,
// `tr`, `<12>` and `x` as the legend at the end says, rakes in a row under the strings, `?`
// for a cell that could not be read. Lines are as wide as 80 characters or one page line,
// whichever is wider; a staff that is wider goes on in blocks below, a measure at a time.
QString text_tab(const PageNotes& notes);

}  // namespace strumix
