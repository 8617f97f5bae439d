#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "page/layout_model.h"

namespace strumix {

// What a staff is played on. A staff whose caption or tuning says bass is a bass; the others
// are guitars, of the kind their caption names (steel strings when it names none).
enum class StaffInstrument { SteelGuitar, NylonGuitar, CleanElectric, DistortedElectric, Bass };

bool staff_is_bass(const LineProps& staff);
StaffInstrument default_instrument(const LineProps& staff);
// The General MIDI program (counted from 0) and a name for it.
int gm_program(StaffInstrument instrument);
QString instrument_name(StaffInstrument instrument);

// A pitch class and its spelling, read from a tuning name: "E", "e", "Bb", "C#".
struct TuningNote {
    char step = 'E';
    int alter = 0;
    int pitch_class() const;
};
std::optional<TuningNote> read_tuning_note(const QString& name);

// The MIDI pitch of each open string, the staff's first (highest) string first. The lowest
// string lies in the instrument's standard range (B1 to A#2 on a guitar, B0 to A#1 on a bass,
// where the quick-select tunings' lowest strings lie), and each higher string is the nearest
// pitch above the one below it. A string whose tuning cannot be read is taken a fourth above
// the one below (the lowest one as E), and `guessed`, when given, says so.
std::vector<int> open_string_pitches(const LineProps& staff, std::vector<bool>* guessed = nullptr);

// Whether the staff's tuning is written with flats, so that its pitches are spelt with them.
bool tuning_uses_flats(const LineProps& staff);

// A pitch as written: its step, alteration and octave (C4 is middle C, MIDI 60).
struct PitchSpelling {
    char step = 'C';
    int alter = 0;
    int octave = 4;
};
PitchSpelling spell_pitch(int midi, bool flats);

// The pitch a natural harmonic at `fret` sounds above the open string: an octave at the 12th
// fret, an octave and a fifth at the 7th and 19th, two octaves at the 5th and 24th, and so on;
// elsewhere an octave above the fretted note, as an artificial harmonic sounds.
int harmonic_interval(int fret);

}  // namespace strumix
