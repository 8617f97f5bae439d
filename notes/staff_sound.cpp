#include "notes/staff_sound.h"

#include <algorithm>
#include <array>

namespace strumix {

namespace {

// The lowest pitch the lowest string may have: B1 on a guitar, B0 on a bass; the range is the
// twelve semitones from there.
constexpr int kGuitarLowest = 35;
constexpr int kBassLowest = 23;
constexpr int kFourth = 5;

bool says(const QString& text, const char* word) {
    return text.contains(QLatin1String(word), Qt::CaseInsensitive);
}

// The bass quick-select tunings, from the highest string: G D A E, and B below on five strings.
bool bass_tuning(const LineProps& staff) {
    static const std::array<const char*, 5> bass = {"G", "D", "A", "E", "B"};
    if (staff.num_strings != 4 && staff.num_strings != 5) return false;
    for (int s = 0; s < staff.num_strings; ++s)
        if (staff.tuning[std::size_t(s)].trimmed().compare(QLatin1String(bass[std::size_t(s)]),
                                                           Qt::CaseInsensitive) != 0)
            return false;
    return true;
}

}  // namespace

bool staff_is_bass(const LineProps& staff) {
    return says(staff.caption, "bass") || bass_tuning(staff);
}

StaffInstrument default_instrument(const LineProps& staff) {
    if (staff_is_bass(staff)) return StaffInstrument::Bass;
    const QString& caption = staff.caption;
    if (says(caption, "nylon") || says(caption, "classic") || says(caption, "spanish"))
        return StaffInstrument::NylonGuitar;
    if (says(caption, "dist") || says(caption, "lead") || says(caption, "rock") ||
        says(caption, "metal") || says(caption, "drive"))
        return StaffInstrument::DistortedElectric;
    if (says(caption, "elec") || says(caption, "el.") || says(caption, "clean") ||
        says(caption, "rhythm") || says(caption, "jazz"))
        return StaffInstrument::CleanElectric;
    return StaffInstrument::SteelGuitar;
}

int gm_program(StaffInstrument instrument) {
    switch (instrument) {
        case StaffInstrument::NylonGuitar:
            return 24;
        case StaffInstrument::SteelGuitar:
            return 25;
        case StaffInstrument::CleanElectric:
            return 27;
        case StaffInstrument::DistortedElectric:
            return 30;
        case StaffInstrument::Bass:
            return 33;
    }
    return 25;
}

QString instrument_name(StaffInstrument instrument) {
    switch (instrument) {
        case StaffInstrument::NylonGuitar:
            return QStringLiteral("Classical Guitar");
        case StaffInstrument::SteelGuitar:
            return QStringLiteral("Acoustic Guitar");
        case StaffInstrument::CleanElectric:
            return QStringLiteral("Electric Guitar");
        case StaffInstrument::DistortedElectric:
            return QStringLiteral("Distortion Guitar");
        case StaffInstrument::Bass:
            return QStringLiteral("Electric Bass");
    }
    return QString();
}

int TuningNote::pitch_class() const {
    static const std::array<int, 7> naturals = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
    return (naturals[std::size_t(step - 'A')] + alter + 12) % 12;
}

std::optional<TuningNote> read_tuning_note(const QString& name) {
    const QString text = name.trimmed();
    if (text.isEmpty() || text.size() > 2) return std::nullopt;
    const char letter = char(text.at(0).toUpper().toLatin1());
    if (letter < 'A' || letter > 'G') return std::nullopt;
    TuningNote note;
    note.step = letter;
    if (text.size() == 2) {
        const QChar sign = text.at(1);
        if (sign == QLatin1Char('#')) {
            note.alter = 1;
        } else if (sign == QLatin1Char('b')) {
            note.alter = -1;
        } else {
            return std::nullopt;
        }
    }
    return note;
}

std::vector<int> open_string_pitches(const LineProps& staff, std::vector<bool>* guessed) {
    const int count = std::clamp(staff.num_strings, 1, kMaxStrings);
    std::vector<int> pitches(std::size_t(count), 0);
    if (guessed) guessed->assign(std::size_t(count), false);
    const int lowest = staff_is_bass(staff) ? kBassLowest : kGuitarLowest;
    int below = -1;
    for (int s = count - 1; s >= 0; --s) {
        const std::optional<TuningNote> note = read_tuning_note(staff.tuning[std::size_t(s)]);
        int pitch = 0;
        if (!note) {
            pitch = below < 0 ? lowest + 5 : below + kFourth;  // E2 or E1 at the bottom
            if (guessed) (*guessed)[std::size_t(s)] = true;
        } else if (below < 0) {
            pitch = lowest + (note->pitch_class() - lowest % 12 + 12) % 12;
        } else {
            pitch = below + 1 + (note->pitch_class() - (below + 1) % 12 + 12) % 12;
        }
        pitches[std::size_t(s)] = pitch;
        below = pitch;
    }
    return pitches;
}

bool tuning_uses_flats(const LineProps& staff) {
    for (int s = 0; s < staff.num_strings && s < kMaxStrings; ++s) {
        const std::optional<TuningNote> note = read_tuning_note(staff.tuning[std::size_t(s)]);
        if (note && note->alter < 0) return true;
    }
    return false;
}

PitchSpelling spell_pitch(int midi, bool flats) {
    static const std::array<PitchSpelling, 12> sharp = {{{'C', 0, 0},
                                                         {'C', 1, 0},
                                                         {'D', 0, 0},
                                                         {'D', 1, 0},
                                                         {'E', 0, 0},
                                                         {'F', 0, 0},
                                                         {'F', 1, 0},
                                                         {'G', 0, 0},
                                                         {'G', 1, 0},
                                                         {'A', 0, 0},
                                                         {'A', 1, 0},
                                                         {'B', 0, 0}}};
    static const std::array<PitchSpelling, 12> flat = {{{'C', 0, 0},
                                                        {'D', -1, 0},
                                                        {'D', 0, 0},
                                                        {'E', -1, 0},
                                                        {'E', 0, 0},
                                                        {'F', 0, 0},
                                                        {'G', -1, 0},
                                                        {'G', 0, 0},
                                                        {'A', -1, 0},
                                                        {'A', 0, 0},
                                                        {'B', -1, 0},
                                                        {'B', 0, 0}}};
    PitchSpelling spelling = (flats ? flat : sharp)[std::size_t(((midi % 12) + 12) % 12)];
    spelling.octave = midi / 12 - 1;
    return spelling;
}

int harmonic_interval(int fret) {
    switch (fret) {
        case 12:
            return 12;
        case 7:
        case 19:
            return 19;
        case 5:
        case 24:
            return 24;
        case 4:
        case 9:
        case 16:
            return 28;
        case 3:
            return 31;
        default:
            return fret + 12;
    }
}

}  // namespace strumix
