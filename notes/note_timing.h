#pragma once

#include <vector>

#include "notes/notes_model.h"

namespace strumix {

// What a notes-per-measure count means, as the measure reference table has it: 4, 8, 16 and
// 32 are quarters, eighths, sixteenths and thirty-seconds in 4/4; 6 and 12 eighths and
// sixteenths in 3/4; 10 and 20 in 5/4; 7 eighths in 7/8; 52 thirty-seconds in 13/8. For every
// count the rule is the same: each note column is a 1/`value` note, `value` being the shortest
// of quarter to thirty-second that still makes the measure at least three beats long; the
// time signature is the measure's length over the smallest denominator (4, 8, 16, 32) that
// writes it whole.
struct Meter {
    int columns = 16;   // note columns in a measure
    int value = 16;     // each column is a 1/value note
    int numerator = 4;  // the time signature
    int denominator = 4;
    // How many sixty-fourths a column lasts.
    int column_sixty_fourths() const { return 64 / value; }
};
Meter meter_for(int notes_per_measure);

// A note column that holds something, in the order the page is played: each staff's measures
// from left to right, then the next staff's. It lasts until the next column of its staff that
// holds something, or the end of its measure.
struct TimedColumn {
    ColumnPlace place;
    int measure = 0;                 // the measure in playing order, counted over every staff
    int start = 0;                   // in columns from the start of its measure
    int length = 1;                  // in columns
    std::vector<const Note*> notes;  // its notes, from the highest string down
    bool unread = false;             // a cell of it could not be read: it is left out
};

// Every column of `notes` that holds a note or a cell that could not be read: an unread cell
// still starts a new note in time, so that the notes around it keep their length.
std::vector<TimedColumn> timed_columns(const PageNotes& notes);

// How many measures the page plays, over every staff.
int played_measures(const LayoutModel& layout);

}  // namespace strumix
