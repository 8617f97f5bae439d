#pragma once

#include <QString>
#include <vector>

#include "notes/notes_model.h"

namespace strumix {

// How a slur is played, by what it says and by the frets of its notes: a hammer-on goes up, a
// pull-off down; "H+P" and a bare arc are the one or the other by the way the frets go (a
// bare arc between equal frets is a tie-like legato); a slide goes up, down or, between muted
// notes or equal frets, just slides.
enum class SlurSound { HammerOn, PullOff, Legato, SlideUp, SlideDown, Slide };

// The slurs of a page by the notes they start and end on.
class SlurMarks {
public:
    explicit SlurMarks(const PageNotes& notes);

    struct Mark {
        const Slur* slur = nullptr;
        SlurSound sound = SlurSound::Legato;
    };
    std::vector<Mark> starting(const CellPlace& place) const;
    std::vector<Mark> ending(const CellPlace& place) const;
    // The text tab's letter after a note a slur starts on: h, p, /, \ or s; empty for none.
    QString letter_from(const CellPlace& place) const;

private:
    std::vector<Mark> marks_;
};

}  // namespace strumix
