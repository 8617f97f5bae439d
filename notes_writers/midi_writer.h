#pragma once

#include <QByteArray>
#include <QString>

#include "notes/notes_model.h"
#include "notes/staff_sound.h"

namespace strumix {

// The page as a Standard MIDI File, type 1: a first track with the title, the tempo and the
// time signature, then a track per staff, each on a channel of its own with a General MIDI
// guitar or bass program, played as `perform` says.
QByteArray standard_midi_file(const PageNotes& notes, const QString& title,
                              int beats_per_minute = 120,
                              const std::vector<StaffInstrument>& instruments = {});

}  // namespace strumix
