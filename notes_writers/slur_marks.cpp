#include "notes_writers/slur_marks.h"

namespace strumix {

namespace {

SlurSound sound_of(const Slur& slur, const Note* from, const Note* to) {
    const bool frets = from && to && !from->muted && !to->muted;
    const int rise = frets ? to->fret - from->fret : 0;
    switch (slur.kind) {
        case SlurKind::Hammer:
            return SlurSound::HammerOn;
        case SlurKind::PullOff:
            return SlurSound::PullOff;
        case SlurKind::Slide:
            return rise > 0   ? SlurSound::SlideUp
                   : rise < 0 ? SlurSound::SlideDown
                              : SlurSound::Slide;
        case SlurKind::HammerPull:
            return rise < 0 ? SlurSound::PullOff : SlurSound::HammerOn;
        case SlurKind::Legato:
            return rise > 0   ? SlurSound::HammerOn
                   : rise < 0 ? SlurSound::PullOff
                              : SlurSound::Legato;
    }
    return SlurSound::Legato;
}

}  // namespace

SlurMarks::SlurMarks(const PageNotes& notes) {
    for (const Slur& slur : notes.slurs)
        marks_.push_back({&slur, sound_of(slur, notes.note_at(slur.from), notes.note_at(slur.to))});
}

std::vector<SlurMarks::Mark> SlurMarks::starting(const CellPlace& place) const {
    std::vector<Mark> found;
    for (const Mark& mark : marks_)
        if (mark.slur->from == place) found.push_back(mark);
    return found;
}

std::vector<SlurMarks::Mark> SlurMarks::ending(const CellPlace& place) const {
    std::vector<Mark> found;
    for (const Mark& mark : marks_)
        if (mark.slur->to == place) found.push_back(mark);
    return found;
}

QString SlurMarks::letter_from(const CellPlace& place) const {
    for (const Mark& mark : marks_) {
        if (mark.slur->from != place) continue;
        switch (mark.sound) {
            case SlurSound::HammerOn:
                return QStringLiteral("h");
            case SlurSound::PullOff:
                return QStringLiteral("p");
            case SlurSound::SlideUp:
                return QStringLiteral("/");
            case SlurSound::SlideDown:
                return QStringLiteral("\\");
            case SlurSound::Slide:
                return QStringLiteral("s");
            case SlurSound::Legato:
                // Between equal frets: held over, which text tabs do not write.
                return QString();
        }
    }
    return QString();
}

}  // namespace strumix
