#pragma once

#include <vector>

#include "notes/note_timing.h"
#include "notes/staff_sound.h"

namespace strumix {

// How finely time is counted when the page is played: ticks to a quarter note.
inline constexpr int kTicksPerQuarter = 480;

// One thing a staff's instrument is told to do, as MIDI says it.
struct PlayedEvent {
    enum class Kind { NoteOff, Program, Controller, PitchBend, NoteOn };
    int tick = 0;
    Kind kind = Kind::NoteOn;
    int a = 0;  // Program: the program; Controller: its number; PitchBend: 0 to 16383, 8192
                // unbent; NoteOn, NoteOff: the key
    int b = 0;  // Controller: its value; NoteOn: the velocity
    bool muted = false;  // on the staff's channel for muted notes
};

// What is heard when the page is played: for each staff, on an instrument of its own, the
// frets at its tuning's pitches for as long as the rhythm says (the written entry; a natural
// harmonic's sounding pitch; a muted note short and soft), with what is drawn on them: bends
// rise a half or whole step over the note, a ghost bend starts bent, a release comes back
// down; a slide glides over the second half of its note to the next one's pitch (pitch bends
// over a range of an octave); vibrato as modulation; trill picking as thirty-seconds picked
// again and again; a rake as its column's notes struck one after another (a downward rake from
// the lowest string); the note a hammer-on, pull-off, slur or slide leads to without a new
// pick's attack.
struct Performance {
    Meter meter;
    int ticks_per_column = kTicksPerQuarter;
    int end_tick = 0;
    // By staff, in time order (at one tick: notes ended, then bends and controllers, then
    // notes begun).
    std::vector<std::vector<PlayedEvent>> staffs;
    // Where each note column that holds something starts, for a marker that follows play.
    int column_tick(const ColumnPlace& place, const LayoutModel& layout) const;
};

// What the user chose for hearing the page: the tempo, in quarter notes a minute, and an
// instrument for each staff (a staff without one plays its default).
struct MusicChoices {
    int beats_per_minute = 120;
    std::vector<StaffInstrument> instruments;
};
inline constexpr int kSlowestTempo = 30;
inline constexpr int kFastestTempo = 300;

// `instruments`: one for each staff; a staff without one plays its default instrument.
Performance perform(const PageNotes& notes, const std::vector<StaffInstrument>& instruments = {});

// The MIDI channel a staff plays on: its own, passing over the drums' channel; its muted notes
// play on a second channel of its own, with the muted guitar's short sound.
int staff_channel(int staff, bool muted = false);

}  // namespace strumix
