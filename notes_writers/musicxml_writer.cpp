#include "notes_writers/musicxml_writer.h"

#include <QXmlStreamWriter>
#include <algorithm>
#include <array>
#include <map>

#include "notes/note_timing.h"
#include "notes/staff_sound.h"
#include "notes_writers/note_values.h"
#include "notes_writers/slur_marks.h"
#include "page/program_facts.h"

namespace strumix {

namespace {

// The numbers that tell overlapping slurs, slides and hammer-ons apart, one set for each.
class Numbers {
public:
    int start(const Slur* slur) {
        for (int n = 0; n < int(used_.size()); ++n) {
            if (!used_[std::size_t(n)]) {
                used_[std::size_t(n)] = slur;
                return n + 1;
            }
        }
        return 1;
    }
    int stop(const Slur* slur) {
        for (int n = 0; n < int(used_.size()); ++n) {
            if (used_[std::size_t(n)] == slur) {
                used_[std::size_t(n)] = nullptr;
                return n + 1;
            }
        }
        return 1;
    }

private:
    std::array<const Slur*, 6> used_{};
};

enum class SlurElement { Slur, Slide, HammerOn, PullOff };

SlurElement element_of(SlurSound sound) {
    switch (sound) {
        case SlurSound::HammerOn:
            return SlurElement::HammerOn;
        case SlurSound::PullOff:
            return SlurElement::PullOff;
        case SlurSound::SlideUp:
        case SlurSound::SlideDown:
        case SlurSound::Slide:
            return SlurElement::Slide;
        case SlurSound::Legato:
            break;
    }
    return SlurElement::Slur;
}

class Writer {
public:
    Writer(const PageNotes& notes, QByteArray* out)
        : notes_(notes),
          xml_(out),
          meter_(meter_for(notes.layout.notes_per_measure)),
          slurs_(notes) {
        xml_.setAutoFormatting(true);
        xml_.setAutoFormattingIndent(2);
        for (const TimedColumn& column : timed_columns(notes))
            by_measure_[column.measure].push_back(column);
    }

    void write(const QString& title);

private:
    const LayoutModel& layout() const { return notes_.layout; }
    // A quarter is divided into sixty-fourths, which every column and each half of one is made
    // of.
    static constexpr int divisions() { return 16; }

    void part_list();
    void part(int staff);
    void attributes(int staff);
    void rest(int sixty_fourths, bool whole_measure);
    void column(const TimedColumn& column);
    void note(const Note& note, bool chord, const NoteValue& value, bool first, bool last,
              bool tie_before, bool tie_after, const TimedColumn& column);
    void slur_marks(const Note& note, bool first, bool last);
    void technical(const Note& note, bool first, bool last);

    const PageNotes& notes_;
    QXmlStreamWriter xml_;
    Meter meter_;
    SlurMarks slurs_;
    std::map<int, std::vector<TimedColumn>> by_measure_;
    std::map<SlurElement, Numbers> numbers_;
    std::vector<int> open_;
    bool flats_ = false;
};

void Writer::write(const QString& title) {
    xml_.writeStartDocument();
    xml_.writeDTD(QStringLiteral(
        "<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 Partwise//EN\" "
        "\"http://www.musicxml.org/dtds/partwise.dtd\">"));
    xml_.writeStartElement(QStringLiteral("score-partwise"));
    xml_.writeAttribute(QStringLiteral("version"), QStringLiteral("4.0"));
    if (!title.isEmpty()) {
        xml_.writeStartElement(QStringLiteral("work"));
        xml_.writeTextElement(QStringLiteral("work-title"), title);
        xml_.writeEndElement();
    }
    xml_.writeStartElement(QStringLiteral("identification"));
    xml_.writeStartElement(QStringLiteral("encoding"));
    xml_.writeTextElement(QStringLiteral("software"),
                          QStringLiteral("Strumix %1").arg(QString::fromLatin1(kProgramVersion)));
    xml_.writeEndElement();
    xml_.writeEndElement();
    part_list();
    for (int staff = 0; staff < layout().num_lines; ++staff) part(staff);
    xml_.writeEndElement();
    xml_.writeEndDocument();
}

void Writer::part_list() {
    xml_.writeStartElement(QStringLiteral("part-list"));
    for (int staff = 0; staff < layout().num_lines; ++staff) {
        const LineProps& props = layout().line_props[std::size_t(staff)];
        const QString id = QStringLiteral("P%1").arg(staff + 1);
        const StaffInstrument instrument = default_instrument(props);
        QString name = props.caption.trimmed();
        if (name.isEmpty()) name = QStringLiteral("Staff %1").arg(staff + 1);
        xml_.writeStartElement(QStringLiteral("score-part"));
        xml_.writeAttribute(QStringLiteral("id"), id);
        xml_.writeTextElement(QStringLiteral("part-name"), name);
        xml_.writeStartElement(QStringLiteral("score-instrument"));
        xml_.writeAttribute(QStringLiteral("id"), id + QStringLiteral("-I1"));
        xml_.writeTextElement(QStringLiteral("instrument-name"), instrument_name(instrument));
        xml_.writeEndElement();
        xml_.writeStartElement(QStringLiteral("midi-instrument"));
        xml_.writeAttribute(QStringLiteral("id"), id + QStringLiteral("-I1"));
        xml_.writeTextElement(QStringLiteral("midi-channel"), QString::number(staff + 1));
        xml_.writeTextElement(QStringLiteral("midi-program"),
                              QString::number(gm_program(instrument) + 1));
        xml_.writeEndElement();
        xml_.writeEndElement();
    }
    xml_.writeEndElement();
}

void Writer::attributes(int staff) {
    const LineProps& props = layout().line_props[std::size_t(staff)];
    xml_.writeStartElement(QStringLiteral("attributes"));
    xml_.writeTextElement(QStringLiteral("divisions"), QString::number(divisions()));
    xml_.writeStartElement(QStringLiteral("key"));
    xml_.writeTextElement(QStringLiteral("fifths"), QStringLiteral("0"));
    xml_.writeEndElement();
    xml_.writeStartElement(QStringLiteral("time"));
    xml_.writeTextElement(QStringLiteral("beats"), QString::number(meter_.numerator));
    xml_.writeTextElement(QStringLiteral("beat-type"), QString::number(meter_.denominator));
    xml_.writeEndElement();
    xml_.writeStartElement(QStringLiteral("clef"));
    xml_.writeTextElement(QStringLiteral("sign"), QStringLiteral("TAB"));
    xml_.writeTextElement(QStringLiteral("line"), QStringLiteral("5"));
    xml_.writeEndElement();
    xml_.writeStartElement(QStringLiteral("staff-details"));
    xml_.writeTextElement(QStringLiteral("staff-lines"), QString::number(props.num_strings));
    // Line 1 is the lowest string.
    for (int line = 1; line <= props.num_strings; ++line) {
        const int string = props.num_strings - line;
        const PitchSpelling spelling = spell_pitch(open_[std::size_t(string)], flats_);
        xml_.writeStartElement(QStringLiteral("staff-tuning"));
        xml_.writeAttribute(QStringLiteral("line"), QString::number(line));
        xml_.writeTextElement(QStringLiteral("tuning-step"), QString(QLatin1Char(spelling.step)));
        if (spelling.alter != 0)
            xml_.writeTextElement(QStringLiteral("tuning-alter"), QString::number(spelling.alter));
        xml_.writeTextElement(QStringLiteral("tuning-octave"), QString::number(spelling.octave));
        xml_.writeEndElement();
    }
    xml_.writeEndElement();
    xml_.writeEndElement();
}

void Writer::part(int staff) {
    const LineProps& props = layout().line_props[std::size_t(staff)];
    open_ = open_string_pitches(props);
    flats_ = tuning_uses_flats(props);
    numbers_.clear();
    xml_.writeStartElement(QStringLiteral("part"));
    xml_.writeAttribute(QStringLiteral("id"), QStringLiteral("P%1").arg(staff + 1));
    const int measure_length = meter_.columns * meter_.column_sixty_fourths();
    for (int measure = 0; measure < played_measures(layout()); ++measure) {
        xml_.writeStartElement(QStringLiteral("measure"));
        xml_.writeAttribute(QStringLiteral("number"), QString::number(measure + 1));
        if (measure == 0) attributes(staff);
        const bool own = measure / layout().measures_across == staff;
        const auto columns = by_measure_.find(measure);
        if (!own || columns == by_measure_.end()) {
            rest(measure_length, true);
        } else {
            int at = 0;
            for (const TimedColumn& c : columns->second) {
                if (c.start > at) rest((c.start - at) * meter_.column_sixty_fourths(), false);
                column(c);
                at = c.start + c.length;
            }
        }
        xml_.writeEndElement();
    }
    xml_.writeEndElement();
}

void Writer::rest(int sixty_fourths, bool whole_measure) {
    if (whole_measure) {
        xml_.writeStartElement(QStringLiteral("note"));
        xml_.writeStartElement(QStringLiteral("rest"));
        xml_.writeAttribute(QStringLiteral("measure"), QStringLiteral("yes"));
        xml_.writeEndElement();
        xml_.writeTextElement(QStringLiteral("duration"), QString::number(sixty_fourths));
        xml_.writeTextElement(QStringLiteral("voice"), QStringLiteral("1"));
        xml_.writeEndElement();
        return;
    }
    for (const NoteValue& value : tied_values(sixty_fourths)) {
        xml_.writeStartElement(QStringLiteral("note"));
        xml_.writeEmptyElement(QStringLiteral("rest"));
        xml_.writeTextElement(QStringLiteral("duration"), QString::number(value.sixty_fourths));
        xml_.writeTextElement(QStringLiteral("voice"), QStringLiteral("1"));
        xml_.writeTextElement(QStringLiteral("type"), QString::fromLatin1(value.type));
        if (value.dotted) xml_.writeEmptyElement(QStringLiteral("dot"));
        xml_.writeEndElement();
    }
}

void Writer::column(const TimedColumn& c) {
    std::vector<NoteValue> values = tied_values(c.length * meter_.column_sixty_fourths());
    // A wavy line cannot start and stop on one note for every reader: vibrato over a note of
    // one value is written over its two tied halves.
    const bool vibrato = std::any_of(c.notes.begin(), c.notes.end(),
                                     [](const Note* n) { return n->has(Symbol::Vibrato); });
    if (vibrato && values.size() == 1) values = halves(values.front());
    if (c.notes.empty()) {
        rest(c.length * meter_.column_sixty_fourths(), false);
        return;
    }
    for (std::size_t v = 0; v < values.size(); ++v) {
        for (std::size_t n = 0; n < c.notes.size(); ++n)
            note(*c.notes[n], n > 0, values[v], v == 0, v + 1 == values.size(), v > 0,
                 v + 1 < values.size(), c);
    }
}

void Writer::note(const Note& note, bool chord, const NoteValue& value, bool first, bool last,
                  bool tie_before, bool tie_after, const TimedColumn& column) {
    const int pitch = open_[std::size_t(note.place.string)] + std::max(0, note.fret);
    const PitchSpelling spelling = spell_pitch(pitch, flats_);
    xml_.writeStartElement(QStringLiteral("note"));
    if (chord) xml_.writeEmptyElement(QStringLiteral("chord"));
    xml_.writeStartElement(QStringLiteral("pitch"));
    xml_.writeTextElement(QStringLiteral("step"), QString(QLatin1Char(spelling.step)));
    if (spelling.alter != 0)
        xml_.writeTextElement(QStringLiteral("alter"), QString::number(spelling.alter));
    xml_.writeTextElement(QStringLiteral("octave"), QString::number(spelling.octave));
    xml_.writeEndElement();
    xml_.writeTextElement(QStringLiteral("duration"), QString::number(value.sixty_fourths));
    auto tie = [this](const char* type) {
        xml_.writeStartElement(QStringLiteral("tie"));
        xml_.writeAttribute(QStringLiteral("type"), QString::fromLatin1(type));
        xml_.writeEndElement();
    };
    if (tie_before) tie("stop");
    if (tie_after) tie("start");
    xml_.writeTextElement(QStringLiteral("voice"), QStringLiteral("1"));
    xml_.writeTextElement(QStringLiteral("type"), QString::fromLatin1(value.type));
    if (value.dotted) xml_.writeEmptyElement(QStringLiteral("dot"));
    if (note.muted) xml_.writeTextElement(QStringLiteral("notehead"), QStringLiteral("x"));

    xml_.writeStartElement(QStringLiteral("notations"));
    auto tied = [this](const char* type) {
        xml_.writeStartElement(QStringLiteral("tied"));
        xml_.writeAttribute(QStringLiteral("type"), QString::fromLatin1(type));
        xml_.writeEndElement();
    };
    if (tie_before) tied("stop");
    if (tie_after) tied("start");
    slur_marks(note, first, last);
    // What marks the whole chord (a rake, vibrato, trill picking) is written once, on its
    // first note.
    auto any = [&column](Symbol symbol) {
        return std::any_of(column.notes.begin(), column.notes.end(),
                           [symbol](const Note* n) { return n->has(symbol); });
    };
    const bool rake_down = !chord && any(Symbol::RakeDown);
    const bool rake_up = !chord && any(Symbol::RakeUp);
    if (first && (rake_down || rake_up)) {
        // A downward rake strikes the lowest string first: the chord rolls upwards.
        xml_.writeStartElement(QStringLiteral("arpeggiate"));
        xml_.writeAttribute(QStringLiteral("direction"),
                            rake_down ? QStringLiteral("up") : QStringLiteral("down"));
        xml_.writeEndElement();
    }
    const bool vibrato = !chord && any(Symbol::Vibrato);
    const bool trill = !chord && any(Symbol::Trill);
    auto wavy_line = [this](const char* type) {
        xml_.writeStartElement(QStringLiteral("ornaments"));
        xml_.writeStartElement(QStringLiteral("wavy-line"));
        xml_.writeAttribute(QStringLiteral("type"), QString::fromLatin1(type));
        xml_.writeAttribute(QStringLiteral("number"), QStringLiteral("1"));
        xml_.writeEndElement();
        xml_.writeEndElement();
    };
    if (vibrato && first) wavy_line("start");
    if (vibrato && last && !first) wavy_line("stop");
    if (trill) {
        // Trill picking: the note picked again and again, as thirty-seconds.
        xml_.writeStartElement(QStringLiteral("ornaments"));
        xml_.writeStartElement(QStringLiteral("tremolo"));
        xml_.writeAttribute(QStringLiteral("type"), QStringLiteral("single"));
        xml_.writeCharacters(QStringLiteral("3"));
        xml_.writeEndElement();
        xml_.writeEndElement();
    }
    technical(note, first, last);
    xml_.writeEndElement();
    xml_.writeEndElement();
}

void Writer::slur_marks(const Note& note, bool first, bool last) {
    auto mark = [this](const SlurMarks::Mark& m, bool start) {
        const SlurElement element = element_of(m.sound);
        if (element == SlurElement::HammerOn || element == SlurElement::PullOff) return;
        Numbers& numbers = numbers_[element];
        xml_.writeStartElement(element == SlurElement::Slide ? QStringLiteral("slide")
                                                             : QStringLiteral("slur"));
        xml_.writeAttribute(QStringLiteral("type"),
                            start ? QStringLiteral("start") : QStringLiteral("stop"));
        xml_.writeAttribute(QStringLiteral("number"),
                            QString::number(start ? numbers.start(m.slur) : numbers.stop(m.slur)));
        if (element == SlurElement::Slide)
            xml_.writeAttribute(QStringLiteral("line-type"), QStringLiteral("solid"));
        xml_.writeEndElement();
    };
    if (first)
        for (const SlurMarks::Mark& m : slurs_.ending(note.place)) mark(m, false);
    if (last)
        for (const SlurMarks::Mark& m : slurs_.starting(note.place)) mark(m, true);
}

void Writer::technical(const Note& note, bool first, bool last) {
    xml_.writeStartElement(QStringLiteral("technical"));
    auto hammer = [this](const SlurMarks::Mark& m, bool start) {
        const SlurElement element = element_of(m.sound);
        if (element != SlurElement::HammerOn && element != SlurElement::PullOff) return;
        Numbers& numbers = numbers_[element];
        const bool on = element == SlurElement::HammerOn;
        xml_.writeStartElement(on ? QStringLiteral("hammer-on") : QStringLiteral("pull-off"));
        xml_.writeAttribute(QStringLiteral("type"),
                            start ? QStringLiteral("start") : QStringLiteral("stop"));
        xml_.writeAttribute(QStringLiteral("number"),
                            QString::number(start ? numbers.start(m.slur) : numbers.stop(m.slur)));
        if (start) xml_.writeCharacters(on ? QStringLiteral("H") : QStringLiteral("P"));
        xml_.writeEndElement();
    };
    if (first)
        for (const SlurMarks::Mark& m : slurs_.ending(note.place)) hammer(m, false);
    if (last)
        for (const SlurMarks::Mark& m : slurs_.starting(note.place)) hammer(m, true);
    if (first && !note.muted) {
        auto bend = [this](int alter, const char* kind) {
            xml_.writeStartElement(QStringLiteral("bend"));
            xml_.writeTextElement(QStringLiteral("bend-alter"), QString::number(alter));
            if (kind) xml_.writeEmptyElement(QString::fromLatin1(kind));
            xml_.writeEndElement();
        };
        if (note.has(Symbol::HalfBend)) bend(1, nullptr);
        if (note.has(Symbol::WholeBend)) bend(2, nullptr);
        if (note.has(Symbol::GhostBend)) bend(2, "pre-bend");
        if (note.has(Symbol::ReleaseBend)) bend(-2, "release");
    }
    if (note.harmonic) {
        xml_.writeStartElement(QStringLiteral("harmonic"));
        xml_.writeEmptyElement(QStringLiteral("natural"));
        xml_.writeEndElement();
    }
    xml_.writeTextElement(QStringLiteral("string"), QString::number(note.place.string + 1));
    xml_.writeTextElement(QStringLiteral("fret"), QString::number(std::max(0, note.fret)));
    xml_.writeEndElement();
}

}  // namespace

QByteArray musicxml(const PageNotes& notes, const QString& title) {
    QByteArray out;
    Writer writer(notes, &out);
    writer.write(title);
    return out;
}

}  // namespace strumix
