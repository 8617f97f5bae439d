#pragma once

#include <QStringList>
#include <vector>

#include "notes/notes_model.h"
#include "text_tab_reader/text_tab.h"

namespace strumix {

// A text tab laid out on pages of the program's own layouts, as the Page Layout dialog allows
// them: a staff per instrument (six at most), their strings, tunings and captions from the
// text, as many note columns to the measure as the densest measure has (52 at most) and as
// many measures across as keep the page about 48 note columns wide (four at most). The
// instruments' measures go on in systems down the page, then onto the next page.
struct TabPages {
    std::vector<PageNotes> pages;
    QStringList left_out;  // what did not fit, said in words
};

TabPages tab_pages(const TextTab& tab);

// How many measures a page line holds for this many note columns to the measure.
int measures_across_for(int notes_per_measure);

}  // namespace strumix
