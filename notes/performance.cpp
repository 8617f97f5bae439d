#include "notes/performance.h"

#include <algorithm>

namespace strumix {

namespace {

// The wheel reaches an octave either way, so that a slide can glide to the next note; a
// semitone is a twelfth of its half.
constexpr int kBendRange = 12;
constexpr int kBendCentre = 8192;
constexpr int kSemitone = kBendCentre / kBendRange;
constexpr int kBendTop = kBendCentre + 2 * kSemitone;  // a whole step up
constexpr int kBendHalf = kBendCentre + kSemitone;
constexpr int kBendSteps = 6;
constexpr int kModulation = 1;
constexpr int kVibratoDepth = 80;
constexpr int kPicked = 96;
constexpr int kLegato = 64;
constexpr int kMutedVelocity = 70;
constexpr int kMutedGuitar = 28;                  // General MIDI: Electric Guitar (muted)
constexpr int kTrillStep = kTicksPerQuarter / 8;  // a thirty-second
constexpr int kMutedLength = kTicksPerQuarter / 8;
constexpr int kRakeStep = 30;

class StaffPlayer {
public:
    StaffPlayer(const PageNotes& notes, int staff, StaffInstrument instrument, int tpc)
        : notes_(notes),
          open_(open_string_pitches(notes.layout.line_props[std::size_t(staff)])),
          tpc_(tpc) {
        add(0, PlayedEvent::Kind::Program, gm_program(instrument));
        // Muted notes: a guitar's dead note is the muted electric guitar's; a bass keeps its own.
        add(0, PlayedEvent::Kind::Program,
            instrument == StaffInstrument::Bass ? gm_program(instrument) : kMutedGuitar, 0, true);
        // The pitch wheel's range, set through the registered parameter for it.
        add(0, PlayedEvent::Kind::Controller, 101, 0);
        add(0, PlayedEvent::Kind::Controller, 100, 0);
        add(0, PlayedEvent::Kind::Controller, 6, kBendRange);
        add(0, PlayedEvent::Kind::Controller, 38, 0);
        add(0, PlayedEvent::Kind::Controller, 101, 127);
        add(0, PlayedEvent::Kind::Controller, 100, 127);
    }

    void play(const TimedColumn& column);
    std::vector<PlayedEvent> events() {
        std::stable_sort(events_.begin(), events_.end(),
                         [](const PlayedEvent& x, const PlayedEvent& y) {
                             return x.tick != y.tick ? x.tick < y.tick : int(x.kind) < int(y.kind);
                         });
        return std::move(events_);
    }

private:
    void add(int tick, PlayedEvent::Kind kind, int a, int b = 0, bool muted = false) {
        events_.push_back({tick, kind, a, b, muted});
    }
    void ramp(int from_tick, int length, int from, int to) {
        for (int i = 0; i <= kBendSteps; ++i)
            add(from_tick + length * i / kBendSteps, PlayedEvent::Kind::PitchBend,
                from + (to - from) * i / kBendSteps);
    }
    int key_of(const Note& note) const {
        const int base = open_[std::size_t(note.place.string)];
        return std::clamp(
            note.harmonic ? base + harmonic_interval(note.fret) : base + std::max(0, note.fret), 0,
            127);
    }
    // The note a slide from `note` glides to, if there is one.
    const Note* slides_to(const Note& note) const {
        for (const Slur& slur : notes_.slurs)
            if (slur.from == note.place && slur.kind == SlurKind::Slide)
                return notes_.note_at(slur.to);
        return nullptr;
    }
    bool led_to(const Note& note) const {
        return std::any_of(notes_.slurs.begin(), notes_.slurs.end(),
                           [&](const Slur& slur) { return slur.to == note.place; });
    }

    const PageNotes& notes_;
    std::vector<int> open_;
    int tpc_;
    std::vector<PlayedEvent> events_;
};

void StaffPlayer::play(const TimedColumn& column) {
    if (column.notes.empty()) return;
    const int start = (column.measure * notes_.layout.notes_per_measure + column.start) * tpc_;
    const int length = column.length * tpc_;
    const int end = start + length;
    // The order the pick strikes the strings in, and how far apart.
    std::vector<const Note*> struck = column.notes;
    const bool rake_down = std::any_of(struck.begin(), struck.end(),
                                       [](const Note* n) { return n->has(Symbol::RakeDown); });
    const bool rake_up = std::any_of(struck.begin(), struck.end(),
                                     [](const Note* n) { return n->has(Symbol::RakeUp); });
    if (rake_down) std::reverse(struck.begin(), struck.end());
    const int spread =
        (rake_down || rake_up) ? std::min(kRakeStep, length / (2 * int(struck.size()))) : 0;
    bool bent = false;
    for (std::size_t i = 0; i < struck.size(); ++i) {
        const Note& note = *struck[i];
        const int key = key_of(note);
        const int onset = start + spread * int(i);
        if (note.muted) {
            add(onset, PlayedEvent::Kind::NoteOn, key, kMutedVelocity, true);
            add(std::min(end, onset + kMutedLength), PlayedEvent::Kind::NoteOff, key, 0, true);
            continue;
        }
        if (!bent) {
            bent = true;
            if (note.has(Symbol::GhostBend)) {
                add(onset, PlayedEvent::Kind::PitchBend, kBendTop);
            } else if (note.has(Symbol::ReleaseBend)) {
                add(onset, PlayedEvent::Kind::PitchBend, kBendTop);
                ramp(onset + length / 4, length / 2, kBendTop, kBendCentre);
            } else if (note.has(Symbol::WholeBend)) {
                ramp(onset, length / 2, kBendCentre, kBendTop);
            } else if (note.has(Symbol::HalfBend)) {
                ramp(onset, length / 2, kBendCentre, kBendHalf);
            } else if (const Note* target = slides_to(note); target && !target->muted) {
                // A slide glides over the second half of its note to the next one's pitch.
                const int steps = std::clamp(key_of(*target) - key, -kBendRange, kBendRange);
                ramp(onset + length / 2, length / 2 - 1, kBendCentre,
                     std::clamp(kBendCentre + steps * kSemitone, 0, 16383));
            } else {
                bent = false;
            }
            if (bent) add(end, PlayedEvent::Kind::PitchBend, kBendCentre);
        }
        if (note.has(Symbol::Vibrato)) {
            add(onset, PlayedEvent::Kind::Controller, kModulation, kVibratoDepth);
            add(end, PlayedEvent::Kind::Controller, kModulation, 0);
        }
        const int velocity = led_to(note) ? kLegato : kPicked;
        if (note.has(Symbol::Trill)) {
            for (int at = onset; at < end; at += kTrillStep) {
                add(at, PlayedEvent::Kind::NoteOn, key, at == onset ? velocity : kPicked - 16);
                add(std::min(end, at + kTrillStep), PlayedEvent::Kind::NoteOff, key);
            }
            continue;
        }
        add(onset, PlayedEvent::Kind::NoteOn, key, velocity);
        add(end, PlayedEvent::Kind::NoteOff, key);
    }
}

}  // namespace

int staff_channel(int staff, bool muted) {
    if (muted) return 10 + staff % 6;
    return staff < 9 ? staff : staff + 1;
}

int Performance::column_tick(const ColumnPlace& place, const LayoutModel& layout) const {
    const int measure = place.staff * layout.measures_across + place.measure;
    return (measure * layout.notes_per_measure + place.note) * ticks_per_column;
}

Performance perform(const PageNotes& notes, const std::vector<StaffInstrument>& instruments) {
    Performance performance;
    const LayoutModel& layout = notes.layout;
    performance.meter = meter_for(layout.notes_per_measure);
    performance.ticks_per_column = kTicksPerQuarter * 4 / performance.meter.value;
    performance.end_tick =
        played_measures(layout) * layout.notes_per_measure * performance.ticks_per_column;
    const std::vector<TimedColumn> columns = timed_columns(notes);
    for (int staff = 0; staff < layout.num_lines; ++staff) {
        const StaffInstrument instrument =
            std::size_t(staff) < instruments.size()
                ? instruments[std::size_t(staff)]
                : default_instrument(layout.line_props[std::size_t(staff)]);
        StaffPlayer player(notes, staff, instrument, performance.ticks_per_column);
        for (const TimedColumn& column : columns)
            if (column.place.staff == staff) player.play(column);
        performance.staffs.push_back(player.events());
    }
    return performance;
}

}  // namespace strumix
