// What the band's programs make of our files: MuseScore 3 imports the MusicXML, and an
// independent MIDI reader (mido) reads the MIDI file; both must hear the notes of the page.
// The test is skipped where those programs are not installed.
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <map>
#include <set>

#include "notes/note_timing.h"
#include "notes/performance.h"
#include "notes/staff_sound.h"
#include "notes_writers/midi_writer.h"
#include "notes_writers/musicxml_writer.h"

using namespace strumix;

namespace {

// A note as heard: which staff plays it, when it begins (in 64ths from the start of the
// piece, or in MIDI ticks) and its pitch.
using Onset = std::tuple<int, int, int>;

struct Tuning {
    const char* caption;
    std::vector<const char*> names;  // the highest string first
};

const std::vector<Tuning> kTunings = {
    {"Guitar", {"e", "B", "G", "D", "A", "E"}},
    {"Drop D", {"E", "B", "G", "D", "A", "D"}},
    {"7-str", {"e", "B", "G", "D", "A", "E", "B"}},
    {"Bass", {"G", "D", "A", "E"}},
    {"Bass", {"G", "D", "A", "E", "B"}},
    {"Eb", {"eb", "Bb", "Gb", "Db", "Ab", "Eb"}},
};

// A page of random notes, with every kind of mark and the slurs between neighbours on a string.
PageNotes random_notes(QRandomGenerator& random) {
    PageNotes page;
    LayoutModel& layout = page.layout;
    layout.fill_defaults();
    layout.num_lines = random.bounded(1, 4);
    layout.measures_across = random.bounded(1, 4);
    static const int counts[] = {4, 5, 6, 7, 8, 9, 10, 12, 16};
    layout.notes_per_measure = counts[random.bounded(int(std::size(counts)))];
    for (int staff = 0; staff < layout.num_lines; ++staff) {
        const Tuning& tuning = kTunings[std::size_t(random.bounded(int(kTunings.size())))];
        LineProps& props = layout.line_props[std::size_t(staff)];
        props.set_caption(QString::fromLatin1(tuning.caption));
        props.num_strings = int(tuning.names.size());
        for (int s = 0; s < props.num_strings; ++s)
            props.set_tuning(s, QString::fromLatin1(tuning.names[std::size_t(s)]));
    }
    layout.recompute_staff_rows();
    for (int staff = 0; staff < layout.num_lines; ++staff)
        for (int measure = 0; measure < layout.measures_across; ++measure)
            for (int column = 0; column < layout.notes_per_measure; ++column) {
                if (random.bounded(3) == 0) continue;
                const int strings = layout.num_strings(staff);
                std::set<int> used;
                const int count = random.bounded(1, 4);
                for (int k = 0; k < count; ++k) used.insert(random.bounded(strings));
                for (int string : used) {
                    Note note;
                    note.place = {{staff, measure, column}, string};
                    note.fret = random.bounded(25);
                    note.text = QString::number(note.fret).rightJustified(2);
                    const int kind = random.bounded(12);
                    if (kind == 0) {
                        note.muted = true;
                        note.fret = random.bounded(2) ? -1 : random.bounded(10);
                        note.text = note.fret < 0 ? QStringLiteral(" X")
                                                  : QStringLiteral("X%1").arg(note.fret);
                    } else if (kind == 1) {
                        static const int nodes[] = {5, 7, 12, 19, 24};
                        note.fret = nodes[random.bounded(5)];
                        note.text = QString::number(note.fret).rightJustified(2);
                        note.harmonic = true;
                    } else if (kind == 2) {
                        note.symbols.push_back(Symbol(random.bounded(kSymbolKinds)));
                    }
                    page.notes.push_back(note);
                }
            }
    // Slurs from a note to the next one on its string in the same measure.
    for (std::size_t i = 0; i < page.notes.size(); ++i) {
        if (random.bounded(5) != 0) continue;
        const Note& from = page.notes[i];
        for (std::size_t j = i + 1; j < page.notes.size(); ++j) {
            const Note& to = page.notes[j];
            if (to.place.column.staff != from.place.column.staff ||
                to.place.column.measure != from.place.column.measure)
                break;
            if (to.place.string != from.place.string) continue;
            if (!from.muted && !to.muted)
                page.slurs.push_back({SlurKind(random.bounded(5)), from.place, to.place});
            break;
        }
    }
    return page;
}

int column_start_64ths(const PageNotes& page, const TimedColumn& column) {
    const Meter meter = meter_for(page.layout.notes_per_measure);
    return (column.measure * meter.columns + column.start) * meter.column_sixty_fourths();
}

// Every note's onset as MuseScore should show it: the written pitch, each note once.
std::multiset<Onset> written_onsets(const PageNotes& page) {
    std::multiset<Onset> out;
    for (const TimedColumn& column : timed_columns(page)) {
        const std::vector<int> open =
            open_string_pitches(page.layout.line_props[std::size_t(column.place.staff)]);
        for (const Note* note : column.notes)
            out.insert({column.place.staff, column_start_64ths(page, column),
                        open[std::size_t(note->place.string)] + std::max(0, note->fret)});
    }
    return out;
}

const std::map<QString, int> kDurations = {
    {QStringLiteral("whole"), 64}, {QStringLiteral("half"), 32}, {QStringLiteral("quarter"), 16},
    {QStringLiteral("eighth"), 8}, {QStringLiteral("16th"), 4},  {QStringLiteral("32nd"), 2},
    {QStringLiteral("64th"), 1},
};

// A length as MuseScore writes it: "3/8" in a <duration>.
int fraction_64ths(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 2) return 0;
    return parts[0].toInt() * 64 / std::max(1, parts[1].toInt());
}

struct Imported {
    std::multiset<Onset> onsets;
    std::map<int, std::vector<int>> tunings;  // by staff, the lowest string first
    QString errors;
};

// Reads the notes of a MuseScore 3 file: each staff's chords in time, their notes' pitches,
// leaving out the notes a tie carries on (a "Tie" spanner that points back).
Imported read_mscx(const QByteArray& data) {
    Imported out;
    QXmlStreamReader xml(data);
    int staff = -1;
    int part_staff = -1;
    bool in_part = false;
    int time = 0;
    int measure_start = 0;
    int measure_length = 0;
    int chord_length = 0;
    int dots = 0;
    bool in_chord = false;
    bool in_note = false;
    bool continued = false;
    bool in_tie = false;
    int pitch = 0;
    std::vector<int> chord_pitches;
    while (!xml.atEnd()) {
        xml.readNext();
        const QStringView name = xml.name();
        if (xml.isStartElement()) {
            if (name == u"Part") {
                in_part = true;
                ++part_staff;
            } else if (name == u"Staff" && !in_part) {
                staff = xml.attributes().value(QStringLiteral("id")).toInt() - 1;
                time = 0;
                measure_start = 0;
            } else if (name == u"Measure" && !in_part) {
                time = measure_start;
                measure_length = 0;
            } else if (name == u"voice") {
                time = measure_start;
            } else if (name == u"TimeSig") {
                // The measures' length comes from the chords and rests.
            } else if (name == u"Chord") {
                in_chord = true;
                dots = 0;
                chord_length = 0;
                chord_pitches.clear();
            } else if (name == u"Rest") {
                dots = 0;
                chord_length = 0;
            } else if (name == u"durationType") {
                const QString type = xml.readElementText();
                if (kDurations.count(type)) chord_length = kDurations.at(type);
            } else if (name == u"duration") {
                chord_length = fraction_64ths(xml.readElementText());
            } else if (name == u"dots") {
                dots = xml.readElementText().toInt();
            } else if (name == u"Note" && in_chord) {
                in_note = true;
                continued = false;
                pitch = 0;
            } else if (name == u"pitch" && in_note) {
                pitch = xml.readElementText().toInt();
            } else if (name == u"Spanner" && in_note) {
                in_tie = xml.attributes().value(QStringLiteral("type")) == u"Tie";
            } else if (name == u"prev" && in_tie) {
                continued = true;  // the note a tie carries on
            } else if (name == u"string" && in_part) {
                out.tunings[part_staff].push_back(xml.readElementText().toInt());
            }
        } else if (xml.isEndElement()) {
            if (name == u"Part") {
                in_part = false;
            } else if (name == u"Spanner") {
                in_tie = false;
            } else if (name == u"Note" && in_note) {
                in_note = false;
                if (!continued) chord_pitches.push_back(pitch);
            } else if (name == u"Chord" || name == u"Rest") {
                const int length = chord_length *
                                   (dots == 0   ? 2
                                    : dots == 1 ? 3
                                                : 7) /
                                   (dots == 0   ? 2
                                    : dots == 1 ? 2
                                                : 4);
                if (name == u"Chord")
                    for (int p : chord_pitches) out.onsets.insert({staff, time, p});
                in_chord = false;
                time += length;
                measure_length = std::max(measure_length, time - measure_start);
            } else if (name == u"Measure" && !in_part) {
                measure_start += measure_length;
            }
        }
    }
    if (xml.hasError()) out.errors = xml.errorString();
    return out;
}

QString describe(const std::multiset<Onset>& set) {
    QStringList out;
    for (const auto& [staff, at, pitch] : set)
        out << QStringLiteral("%1@%2:%3").arg(staff).arg(at).arg(pitch);
    return out.join(QLatin1Char(' '));
}

QString missing_from(const std::multiset<Onset>& want, const std::multiset<Onset>& got) {
    std::multiset<Onset> missing;
    std::set_difference(want.begin(), want.end(), got.begin(), got.end(),
                        std::inserter(missing, missing.end()));
    return describe(missing);
}

const char* const kMidiReader = R"(
import sys, mido
f = mido.MidiFile(sys.argv[1])
print('format', f.type, 'division', f.ticks_per_beat, 'tracks', len(f.tracks))
for i, track in enumerate(f.tracks):
    t = 0
    for m in track:
        t += m.time
        if m.type == 'note_on' and m.velocity > 0:
            print('on', i, m.channel, t, m.note)
        elif m.type == 'program_change':
            print('program', i, m.channel, m.program)
        elif m.type == 'pitchwheel':
            print('bend', i, m.channel, t, m.pitch)
)";

}  // namespace

class TestMusescoreAgrees : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void musescore_imports_every_note() {
        const QString mscore = QStandardPaths::findExecutable(QStringLiteral("mscore3"));
        if (mscore.isEmpty()) QSKIP("MuseScore 3 (mscore3) is not installed");
        QTemporaryDir dir;
        QRandomGenerator random(20261209u);
        for (int round = 0; round < 12; ++round) {
            const PageNotes page = random_notes(random);
            const QString xml_path = dir.filePath(QStringLiteral("page%1.musicxml").arg(round));
            const QString out_path = dir.filePath(QStringLiteral("page%1.mscx").arg(round));
            QFile xml_file(xml_path);
            QVERIFY(xml_file.open(QIODevice::WriteOnly));
            xml_file.write(musicxml(page, QStringLiteral("Round %1").arg(round)));
            xml_file.close();

            QProcess process;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            env.insert(QStringLiteral("HOME"), dir.path());
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir.filePath(QStringLiteral("config")));
            env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
            process.setProcessEnvironment(env);
            process.start(mscore, {QStringLiteral("-o"), out_path, xml_path});
            QVERIFY(process.waitForFinished(120000));
            const QString log = QString::fromLocal8Bit(process.readAllStandardOutput() +
                                                       process.readAllStandardError());
            QVERIFY2(!log.contains(QStringLiteral("Error"), Qt::CaseInsensitive) &&
                         !log.contains(QStringLiteral("Fatal"), Qt::CaseInsensitive),
                     qPrintable(log));
            QFile out_file(out_path);
            QVERIFY2(out_file.open(QIODevice::ReadOnly), qPrintable(log));
            const Imported imported = read_mscx(out_file.readAll());
            QVERIFY2(imported.errors.isEmpty(), qPrintable(imported.errors));

            const std::multiset<Onset> want = written_onsets(page);
            QVERIFY(!want.empty());
            QVERIFY2(imported.onsets == want,
                     qPrintable(QStringLiteral("round %1: missing %2; extra %3")
                                    .arg(round)
                                    .arg(missing_from(want, imported.onsets),
                                         missing_from(imported.onsets, want))));
            // Each part's strings are tuned as its staff is.
            for (int staff = 0; staff < page.layout.num_lines; ++staff) {
                std::vector<int> open =
                    open_string_pitches(page.layout.line_props[std::size_t(staff)]);
                std::reverse(open.begin(), open.end());
                QCOMPARE(imported.tunings.at(staff), open);
            }
        }
    }

    void midi_reader_hears_every_note() {
        const QString python =
            QStandardPaths::findExecutable(QStringLiteral("python3"), {QStringLiteral("/usr/bin")});
        if (python.isEmpty()) QSKIP("python3 is not installed");
        QProcess probe;
        probe.start(python, {QStringLiteral("-c"), QStringLiteral("import mido")});
        if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
            QSKIP("python3-mido is not installed");
        QTemporaryDir dir;
        QRandomGenerator random(77u);
        for (int round = 0; round < 10; ++round) {
            const PageNotes page = random_notes(random);
            const QString path = dir.filePath(QStringLiteral("page.mid"));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(standard_midi_file(page, QStringLiteral("Round"), 90));
            file.close();
            QProcess process;
            process.start(python, {QStringLiteral("-c"), QString::fromLatin1(kMidiReader), path});
            QVERIFY(process.waitForFinished(60000));
            QVERIFY2(process.exitCode() == 0, process.readAllStandardError().constData());
            const QStringList lines =
                QString::fromLatin1(process.readAllStandardOutput()).split(QLatin1Char('\n'));
            QCOMPARE(
                lines.first(),
                QStringLiteral("format 1 division 480 tracks %1").arg(page.layout.num_lines + 1));

            // What is heard at each tick, on each track (the first track is the conductor's).
            std::multiset<Onset> heard;
            std::map<int, int> programs;
            for (const QString& line : lines) {
                const QStringList f = line.split(QLatin1Char(' '));
                if (f[0] == QStringLiteral("on"))
                    heard.insert({f[1].toInt() - 1, f[3].toInt(), f[4].toInt()});
                else if (f[0] == QStringLiteral("program") &&
                         f[2].toInt() == staff_channel(f[1].toInt() - 1))
                    programs[f[1].toInt() - 1] = f[3].toInt();
            }
            const Meter meter = meter_for(page.layout.notes_per_measure);
            const int ticks_per_64th = 480 / 16;
            for (int staff = 0; staff < page.layout.num_lines; ++staff)
                QCOMPARE(
                    programs[staff],
                    gm_program(default_instrument(page.layout.line_props[std::size_t(staff)])));
            // Every note begins at its column, at its pitch (a harmonic at the pitch it
            // sounds): a raked column's notes within the column, a trill's picked again
            // within its note; nothing else is heard.
            std::multiset<Onset> explained;
            for (const TimedColumn& column : timed_columns(page)) {
                const std::vector<int> open =
                    open_string_pitches(page.layout.line_props[std::size_t(column.place.staff)]);
                const int start = column_start_64ths(page, column) * ticks_per_64th;
                const int end =
                    start + column.length * meter.column_sixty_fourths() * ticks_per_64th;
                const bool raked =
                    std::any_of(column.notes.begin(), column.notes.end(), [](const Note* n) {
                        return n->has(Symbol::RakeDown) || n->has(Symbol::RakeUp);
                    });
                for (const Note* note : column.notes) {
                    const int string_open = open[std::size_t(note->place.string)];
                    const int key = note->harmonic ? string_open + harmonic_interval(note->fret)
                                                   : string_open + std::max(0, note->fret);
                    auto first = heard.lower_bound({column.place.staff, start, 0});
                    bool found = false;
                    for (auto it = first; it != heard.end(); ++it) {
                        const auto& [staff, at, pitch] = *it;
                        if (staff != column.place.staff || at >= end) break;
                        if (pitch != key) continue;
                        if (at != start && !raked && !note->has(Symbol::Trill)) continue;
                        explained.insert(*it);
                        found = true;
                        if (!note->has(Symbol::Trill)) break;
                    }
                    QVERIFY2(found, qPrintable(QStringLiteral("round %1: no key %2 at tick %3")
                                                   .arg(round)
                                                   .arg(key)
                                                   .arg(start)));
                }
            }
            std::set<Onset> unique_heard(heard.begin(), heard.end());
            std::set<Onset> unique_explained(explained.begin(), explained.end());
            QVERIFY2(unique_heard == unique_explained,
                     qPrintable(QStringLiteral("round %1: heard but not written: %2")
                                    .arg(round)
                                    .arg(missing_from(heard, explained))));
        }
    }
};

QTEST_MAIN(TestMusescoreAgrees)
#include "test_musescore_agrees.moc"
