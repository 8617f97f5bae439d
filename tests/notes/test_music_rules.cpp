// What the notes on a page mean as music: the pitch of each string from the tuning letters,
// the note value and time signature from the notes per measure, and how long each note lasts.
#include <QtTest>

#include "notes/note_timing.h"
#include "notes/staff_sound.h"

using namespace strumix;

namespace {

LineProps staff(const QString& caption, std::vector<const char*> tuning) {
    LineProps props;
    props.set_caption(caption);
    props.num_strings = int(tuning.size());
    for (std::size_t s = 0; s < tuning.size(); ++s)
        props.set_tuning(int(s), QString::fromLatin1(tuning[s]));
    return props;
}

Note note(int staff, int measure, int column, int string, int fret) {
    Note n;
    n.place = {{staff, measure, column}, string};
    n.fret = fret;
    n.text = QString::number(fret);
    return n;
}

}  // namespace

class TestMusicRules : public QObject {
    Q_OBJECT

private slots:
    // The quick-select tunings sound at their instruments' standard octaves.
    void tunings_sound_where_players_tune_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("tuning");
        QTest::addColumn<QList<int>>("pitches");
        QTest::newRow("standard E") << "Guitar" << QStringList{"e", "B", "G", "D", "A", "E"}
                                    << QList<int>{64, 59, 55, 50, 45, 40};
        QTest::newRow("E flat") << "Guitar" << QStringList{"eb", "Bb", "Gb", "Db", "Ab", "Eb"}
                                << QList<int>{63, 58, 54, 49, 44, 39};
        QTest::newRow("D tuning") << "Guitar" << QStringList{"d", "A", "F", "C", "G", "D"}
                                  << QList<int>{62, 57, 53, 48, 43, 38};
        QTest::newRow("6th string D") << "Guitar" << QStringList{"e", "B", "G", "D", "A", "D"}
                                      << QList<int>{64, 59, 55, 50, 45, 38};
        QTest::newRow("7-string") << "7-String" << QStringList{"e", "B", "G", "D", "A", "E", "B"}
                                  << QList<int>{64, 59, 55, 50, 45, 40, 35};
        QTest::newRow("bass") << "Bass" << QStringList{"G", "D", "A", "E"}
                              << QList<int>{43, 38, 33, 28};
        QTest::newRow("bass 5") << "Bass" << QStringList{"G", "D", "A", "E", "B"}
                                << QList<int>{43, 38, 33, 28, 23};
        // The bass quick-select tunings are a bass whatever the caption says.
        QTest::newRow("bass tuning, other caption")
            << "Lead" << QStringList{"G", "D", "A", "E"} << QList<int>{43, 38, 33, 28};
        // Any other tuning: the lowest string in range, each higher one just above.
        QTest::newRow("open G") << "Guitar" << QStringList{"D", "B", "G", "D", "G", "D"}
                                << QList<int>{62, 59, 55, 50, 43, 38};
        QTest::newRow("DADGAD") << "Guitar" << QStringList{"D", "A", "G", "D", "A", "D"}
                                << QList<int>{62, 57, 55, 50, 45, 38};
        QTest::newRow("unison strings")
            << "Guitar" << QStringList{"E", "E", "E"} << QList<int>{64, 52, 40};
        QTest::newRow("C# lowest")
            << "Bass guitar" << QStringList{"F#", "C#"} << QList<int>{30, 25};
        QTest::newRow("A# top of range") << "Guitar" << QStringList{"A#"} << QList<int>{46};
        QTest::newRow("B bottom of range") << "Guitar" << QStringList{"B"} << QList<int>{35};
    }
    void tunings_sound_where_players_tune() {
        QFETCH(QString, caption);
        QFETCH(QStringList, tuning);
        QFETCH(QList<int>, pitches);
        std::vector<QByteArray> names;
        for (const QString& t : tuning) names.push_back(t.toLatin1());
        std::vector<const char*> letters;
        for (const QByteArray& n : names) letters.push_back(n.constData());
        const std::vector<int> found = open_string_pitches(staff(caption, letters));
        QCOMPARE(QList<int>(found.begin(), found.end()), pitches);
    }

    // A string whose tuning cannot be read is a fourth above the one below, and said so.
    void unreadable_tunings_are_guessed_and_said() {
        std::vector<bool> guessed;
        const std::vector<int> pitches =
            open_string_pitches(staff("Guitar", {"e", "?", "G", "", "A", "Q"}), &guessed);
        QCOMPARE(QList<int>(pitches.begin(), pitches.end()), (QList<int>{64, 60, 55, 50, 45, 40}));
        QCOMPARE(QList<bool>(guessed.begin(), guessed.end()),
                 (QList<bool>{false, true, false, true, false, true}));
        QVERIFY(!read_tuning_note(QStringLiteral("H")));
        QVERIFY(!read_tuning_note(QStringLiteral("Cx")));
        QCOMPARE(read_tuning_note(QStringLiteral(" bb"))->pitch_class(), 10);
    }

    void instruments_follow_the_caption() {
        QCOMPARE(default_instrument(staff("Guitar", {"e"})), StaffInstrument::SteelGuitar);
        QCOMPARE(default_instrument(staff("Classical", {"e"})), StaffInstrument::NylonGuitar);
        QCOMPARE(default_instrument(staff("El. Gtr", {"e"})), StaffInstrument::CleanElectric);
        QCOMPARE(default_instrument(staff("Dist Gtr", {"e"})), StaffInstrument::DistortedElectric);
        QCOMPARE(default_instrument(staff("BASS", {"e"})), StaffInstrument::Bass);
        QCOMPARE(gm_program(StaffInstrument::Bass), 33);
        QCOMPARE(spell_pitch(61, false).step, 'C');
        QCOMPARE(spell_pitch(61, true).step, 'D');
        QCOMPARE(spell_pitch(60, false).octave, 4);
    }

    // The measure reference table, and counts it does not list.
    void meters_agree_with_the_reference_table_data() {
        QTest::addColumn<int>("notes");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("numerator");
        QTest::addColumn<int>("denominator");
        QTest::newRow("4") << 4 << 4 << 4 << 4;
        QTest::newRow("8") << 8 << 8 << 4 << 4;
        QTest::newRow("16") << 16 << 16 << 4 << 4;
        QTest::newRow("32") << 32 << 32 << 4 << 4;
        QTest::newRow("6") << 6 << 8 << 3 << 4;
        QTest::newRow("12") << 12 << 16 << 3 << 4;
        QTest::newRow("10") << 10 << 8 << 5 << 4;
        QTest::newRow("20") << 20 << 16 << 5 << 4;
        QTest::newRow("7") << 7 << 8 << 7 << 8;
        QTest::newRow("52") << 52 << 32 << 13 << 8;
        QTest::newRow("1") << 1 << 4 << 1 << 4;
        QTest::newRow("3") << 3 << 4 << 3 << 4;
        QTest::newRow("5") << 5 << 4 << 5 << 4;
        QTest::newRow("9") << 9 << 8 << 9 << 8;
        QTest::newRow("13") << 13 << 16 << 13 << 16;
        QTest::newRow("24") << 24 << 32 << 3 << 4;
        QTest::newRow("48") << 48 << 32 << 6 << 4;
    }
    void meters_agree_with_the_reference_table() {
        QFETCH(int, notes);
        QFETCH(int, value);
        QFETCH(int, numerator);
        QFETCH(int, denominator);
        const Meter meter = meter_for(notes);
        QCOMPARE(meter.value, value);
        QCOMPARE(meter.numerator, numerator);
        QCOMPARE(meter.denominator, denominator);
        // The signature is the measure's whole length.
        QCOMPARE(notes * meter.denominator, numerator * value);
    }

    // A note lasts to the next column of its staff that holds a note, or its measure's end; an
    // unread cell ends the note before it.
    void notes_last_until_the_next_or_the_bar() {
        PageNotes notes;
        notes.layout.num_lines = 2;
        notes.layout.measures_across = 2;
        notes.layout.notes_per_measure = 8;
        notes.layout.recompute_staff_rows();
        notes.notes = {note(0, 0, 1, 0, 3), note(0, 0, 1, 2, 5), note(0, 0, 4, 1, 7),
                       note(0, 1, 6, 0, 1), note(1, 0, 0, 3, 0)};
        notes.unread.push_back({QRect(), QStringLiteral("why"), CellPlace{{0, 0, 6}, 2}});
        const std::vector<TimedColumn> timed = timed_columns(notes);
        QCOMPARE(int(timed.size()), 5);
        QCOMPARE(timed[0].start, 1);
        QCOMPARE(timed[0].length, 3);
        QCOMPARE(int(timed[0].notes.size()), 2);
        QCOMPARE(timed[0].notes[0]->place.string, 0);
        QCOMPARE(timed[1].length, 2);  // up to the unread cell
        QVERIFY(timed[2].unread && timed[2].notes.empty());
        QCOMPARE(timed[2].length, 2);
        QCOMPARE(timed[3].measure, 1);
        QCOMPARE(timed[3].length, 2);
        // The second staff plays after both measures of the first.
        QCOMPARE(timed[4].measure, 2);
        QCOMPARE(timed[4].length, 8);
        QCOMPARE(played_measures(notes.layout), 4);
    }
};

QTEST_MAIN(TestMusicRules)
#include "test_music_rules.moc"
