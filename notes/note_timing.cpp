#include "notes/note_timing.h"

#include <algorithm>
#include <map>

namespace strumix {

namespace {

// A measure is long enough to be written in a time signature of its own when it has at least
// three beats.
constexpr int kLeastQuarters = 3;
constexpr int kShortest = 32;

}  // namespace

Meter meter_for(int notes_per_measure) {
    Meter meter;
    const int n = std::max(1, notes_per_measure);
    meter.columns = n;
    int value = 1;
    while (value * 2 <= kShortest && n * 4 >= kLeastQuarters * value * 2) value *= 2;
    meter.value = std::max(4, value);
    for (int denominator : {4, 8, 16, 32}) {
        if ((n * denominator) % meter.value == 0) {
            meter.denominator = denominator;
            meter.numerator = n * denominator / meter.value;
            break;
        }
    }
    return meter;
}

int played_measures(const LayoutModel& layout) { return layout.num_lines * layout.measures_across; }

std::vector<TimedColumn> timed_columns(const PageNotes& notes) {
    const LayoutModel& layout = notes.layout;
    std::map<ColumnPlace, TimedColumn> columns;
    for (const Note& note : notes.notes) {
        TimedColumn& column = columns[note.place.column];
        column.place = note.place.column;
        column.notes.push_back(&note);
    }
    for (const Unread& unread : notes.unread) {
        if (!unread.cell) continue;
        TimedColumn& column = columns[unread.cell->column];
        column.place = unread.cell->column;
        column.unread = true;
    }
    std::vector<TimedColumn> timed;
    for (auto& [place, column] : columns) {
        column.measure = place.staff * layout.measures_across + place.measure;
        column.start = place.note;
        timed.push_back(std::move(column));
    }
    // The map kept them in the page's order, which is the playing order.
    for (std::size_t i = 0; i < timed.size(); ++i) {
        const bool next_in_measure =
            i + 1 < timed.size() && timed[i + 1].measure == timed[i].measure;
        const int end = next_in_measure ? timed[i + 1].start : layout.notes_per_measure;
        timed[i].length = std::max(1, end - timed[i].start);
        std::sort(timed[i].notes.begin(), timed[i].notes.end(),
                  [](const Note* a, const Note* b) { return a->place.string < b->place.string; });
    }
    return timed;
}

}  // namespace strumix
