#include "notes_writers/note_values.h"

#include <array>

namespace strumix {

namespace {

constexpr std::array<NoteValue, 13> kValues = {{{96, "whole", true},
                                                {64, "whole", false},
                                                {48, "half", true},
                                                {32, "half", false},
                                                {24, "quarter", true},
                                                {16, "quarter", false},
                                                {12, "eighth", true},
                                                {8, "eighth", false},
                                                {6, "16th", true},
                                                {4, "16th", false},
                                                {3, "32nd", true},
                                                {2, "32nd", false},
                                                {1, "64th", false}}};

}  // namespace

std::vector<NoteValue> tied_values(int sixty_fourths) {
    std::vector<NoteValue> found;
    int left = sixty_fourths;
    while (left > 0) {
        for (const NoteValue& value : kValues) {
            if (value.sixty_fourths <= left) {
                found.push_back(value);
                left -= value.sixty_fourths;
                break;
            }
        }
    }
    return found;
}

std::vector<NoteValue> halves(const NoteValue& value) {
    for (const NoteValue& half : kValues)
        if (half.sixty_fourths * 2 == value.sixty_fourths) return {half, half};
    return {value};
}

}  // namespace strumix
