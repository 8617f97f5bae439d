#include "notes/notes_model.h"

#include <algorithm>

namespace strumix {

bool Note::has(Symbol symbol) const {
    return std::find(symbols.begin(), symbols.end(), symbol) != symbols.end();
}

const Note* PageNotes::note_at(const CellPlace& place) const {
    const auto found =
        std::lower_bound(notes.begin(), notes.end(), place,
                         [](const Note& note, const CellPlace& at) { return note.place < at; });
    return found != notes.end() && found->place == place ? &*found : nullptr;
}

std::vector<const Note*> PageNotes::column(const ColumnPlace& place) const {
    std::vector<const Note*> found;
    auto at = std::lower_bound(notes.begin(), notes.end(), CellPlace{place, 0},
                               [](const Note& note, const CellPlace& c) { return note.place < c; });
    for (; at != notes.end() && at->place.column == place; ++at) found.push_back(&*at);
    return found;
}

bool PageNotes::unread_at(const CellPlace& place) const {
    return std::any_of(unread.begin(), unread.end(),
                       [&](const Unread& u) { return u.cell && *u.cell == place; });
}

}  // namespace strumix
