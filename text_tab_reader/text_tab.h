#pragma once

#include <QChar>
#include <QString>
#include <algorithm>
#include <vector>

#include "notes/notes_model.h"

namespace strumix {

// Something in a text tab that was not understood and left out: where it stands (both counted
// from 1) and the text itself.
struct TabProblem {
    int line = 0;
    int column = 0;
    QString text;
};

// One note as the text writes it: its string (0 the highest), the fret or x, the harmonic's
// brackets, the marks after it, and the letter of a slur to the next note of its string.
struct TabEntry {
    int string = 0;
    int fret = 0;
    bool muted = false;
    bool harmonic = false;
    std::vector<Symbol> symbols;
    QChar slur;  // 'h', 'p', '/', '\\' or 's'; null for none

    bool has(Symbol symbol) const {
        return std::find(symbols.begin(), symbols.end(), symbol) != symbols.end();
    }
};

// The notes that start together in one measure, and where they stand in it: `at` of the
// measure's `width` (on the measure's own grid where the text is laid out on one, otherwise the
// character in the measure).
struct TabColumn {
    int at = 0;
    std::vector<TabEntry> entries;  // from the highest string down
};

struct TabMeasure {
    int width = 1;
    // Whether `width` counts note columns (a text laid out as Strumix lays it out) rather than
    // characters.
    bool on_grid = false;
    std::vector<TabColumn> columns;
};

// One instrument through the whole text: its caption, its strings' names from the highest
// (blank where the text names none), and its measures in order.
struct TabTrack {
    QString caption;
    std::vector<QString> tuning;
    std::vector<TabMeasure> measures;

    int strings() const { return int(tuning.size()); }
};

struct TextTab {
    QString title;
    std::vector<TabTrack> tracks;
    std::vector<TabProblem> problems;
};

}  // namespace strumix
