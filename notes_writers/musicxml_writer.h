#pragma once

#include <QByteArray>
#include <QString>

#include "notes/notes_model.h"

namespace strumix {

// The page's notes as a MusicXML 4.0 partwise score: a part per staff, named by its caption,
// on a guitar or bass, with a TAB clef, its lines and tuning; the measures in playing order
// (each staff's measures, then the next staff's), so that every part rests while another
// staff is played. Every note has its string, fret and pitch and what is drawn on it:
// hammer-on, pull-off, slur, slide, bend (a ghost bend as a pre-bend, a release bend as a
// release), natural harmonic, vibrato as a wavy line, trill picking as tremolo, muted as an x
// notehead, a rake as an arpeggio over its column. Cells that could not be read are left out.
QByteArray musicxml(const PageNotes& notes, const QString& title);

}  // namespace strumix
