#pragma once

#include <vector>

namespace strumix {

// A note value as scores write it: its length in sixty-fourth notes, its MusicXML type name and
// whether it is dotted.
struct NoteValue {
    int sixty_fourths = 16;
    const char* type = "quarter";
    bool dotted = false;
};

// A length in sixty-fourths written as note values tied together, the longest first.
std::vector<NoteValue> tied_values(int sixty_fourths);

// A value written as two tied halves of itself (a dotted value as two dotted halves).
std::vector<NoteValue> halves(const NoteValue& value);

}  // namespace strumix
