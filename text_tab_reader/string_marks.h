#pragma once

#include <QString>
#include <vector>

#include "text_tab_reader/text_tab.h"

namespace strumix {

// One measure of a string line: its text between two bar lines and the column (from 0) the text
// starts at in the line.
struct LinePart {
    int start = 0;
    QString text;
};

// The measures of a string line from `body` on, split at its bar lines (a run of `|` with the
// repeat dots `o`, `*` and `:` beside it). A last part with no dash after the last bar line
// is a remark (`x2`, `<- riff`) and no measure.
std::vector<LinePart> line_measures(const QString& line, int body);

// A note read in a measure of one string: where it starts in the measure's text, how many
// characters its number takes (with a harmonic's brackets) and how many with the marks after
// it (`12b14~h` is seven).
struct ReadNote {
    int start = 0;
    int span = 1;
    int length = 1;
    TabEntry entry;
};

// The notes of one measure of one string, with what went before the first of them: a slur's
// letter or vibrato that belong to the string's note before this measure.
struct PartNotes {
    std::vector<ReadNote> notes;
    QChar slur_before;
    bool vibrato_before = false;
};

// Reads a measure's text. Whatever is not understood goes to `problems`, at line `line` (from 1)
// and the part's columns.
PartNotes read_part(const LinePart& part, int string, int line, std::vector<TabProblem>& problems);

}  // namespace strumix
