// Play from the user's side, with the sound recorded instead of heard: where play starts, what
// it plays, the loop and the count-in, the marker following the sound, and everything that
// stops it.
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "flows/page_playback.h"
#include "flows/stored_settings.h"
#include "page/page_font.h"
#include "support/document_session.h"

using namespace strumix;

namespace {

// The sound device played by the test: it keeps what it is given and hears nothing.
class RecordedSound : public SoundOutput {
public:
    bool play(PlaySchedule schedule, QString* error) override {
        if (!refusal.isEmpty()) {
            *error = refusal;
            return false;
        }
        played.push_back(std::move(schedule));
        playing_ = true;
        tick_ = played.back().from_tick;
        return true;
    }
    void stop() override {
        playing_ = false;
        ++stops;
    }
    bool playing() const override { return playing_; }
    int tick() const override { return tick_; }

    std::vector<PlaySchedule> played;
    QString refusal;
    int stops = 0;
    bool playing_ = false;
    int tick_ = 0;
};

void type_at(DocumentSession& s, int staff, int measure, int note, int string, int digit) {
    const LayoutModel& m = s.doc.model();
    s.place_box(m.note_column(measure, note), m.string_row(staff, string));
    s.key(Qt::Key_Period, Qt::KeypadModifier);
    s.key(Qt::Key_0 + digit);
    s.key(Qt::Key_Return);
}

// The keys of the notes a schedule begins, in order.
std::vector<int> struck(const PlaySchedule& schedule) {
    std::vector<int> keys;
    for (const ScheduledEvent& e : schedule.events)
        if (e.event.kind == PlayedEvent::Kind::NoteOn && e.channel != kClickChannel)
            keys.push_back(e.event.a);
    return keys;
}

}  // namespace

class TestPagePlayback : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        load_resources();
    }

    // From the box's note column on: the notes before it are not played, the marker starts
    // there and follows the sound, and the end of the sound ends play.
    void plays_from_the_cursor_box() {
        DocumentSession s;
        s.tools.btn_mode_Click(0);
        type_at(s, 0, 0, 0, 0, 3);  // e string: G4 (67)
        type_at(s, 0, 0, 4, 0, 5);  // A4 (69)
        type_at(s, 0, 0, 8, 1, 1);  // B string: C4 (60)
        RecordedSound sound;
        PagePlayback playback(s.doc, s.box(), s.host, sound);
        QSignalSpy markers(&playback, &PagePlayback::markerMoved);
        const LayoutModel& m = s.doc.model();
        s.place_box(m.note_column(0, 4), m.string_row(0, 3));
        playback.play_or_stop();
        QVERIFY(playback.playing());
        QCOMPARE(sound.played.size(), std::size_t(1));
        const PlaySchedule& schedule = sound.played[0];
        // Sixteen sixteenths to the measure: a column is 120 ticks.
        QCOMPARE(schedule.from_tick, 4 * 120);
        QCOMPARE(struck(schedule), (std::vector<int>{69, 60}));
        // At 120 beats a minute a sixteenth is 125 ms: the C four columns after the A.
        const auto first = std::find_if(
            schedule.events.begin(), schedule.events.end(),
            [](const ScheduledEvent& e) { return e.event.kind == PlayedEvent::Kind::NoteOn; });
        QCOMPARE(first->frame, std::int64_t(0));
        const auto second = std::find_if(
            first + 1, schedule.events.end(),
            [](const ScheduledEvent& e) { return e.event.kind == PlayedEvent::Kind::NoteOn; });
        QCOMPARE(second->frame, std::int64_t(4 * 0.125 * 44100));

        QCOMPARE(markers.size(), 1);
        const QRect start = markers.last().first().toRect();
        QVERIFY(start.contains(m.note_cell(0, 0, 0, 4)) && start.contains(m.note_cell(0, 5, 0, 4)));
        sound.tick_ = 8 * 120 + 10;
        QTRY_COMPARE(markers.size(), 2);
        QVERIFY(markers.last().first().toRect().contains(m.note_cell(0, 1, 0, 8)));
        // The sound ends: play ends, and the marker goes.
        sound.playing_ = false;
        QTRY_VERIFY(!playback.playing());
        QVERIFY(markers.last().first().toRect().isNull());

        // Off the staffs, play starts at the page's start.
        s.place_box(LayoutModel::home_column(), 0);
        playback.play_or_stop();
        QCOMPARE(sound.played.back().from_tick, 0);
        QCOMPARE(struck(sound.played.back()), (std::vector<int>{67, 69, 60}));
    }

    // Play again stops; so do a typed number and a new layout.
    void what_stops_it() {
        DocumentSession s;
        s.tools.btn_mode_Click(0);
        type_at(s, 0, 0, 0, 0, 3);
        RecordedSound sound;
        PagePlayback playback(s.doc, s.box(), s.host, sound);
        QSignalSpy changes(&playback, &PagePlayback::playingChanged);
        playback.play_from_start();
        playback.play_or_stop();
        QVERIFY(!playback.playing() && !sound.playing());
        QCOMPARE(changes.size(), 2);

        playback.play_from_start();
        type_at(s, 0, 0, 2, 0, 7);
        QVERIFY(!playback.playing() && !sound.playing());

        playback.play_from_start();
        QString error;
        LayoutModel other = s.doc.model();
        other.measures_across = 2;
        other.recompute_staff_rows();
        s.doc.set_model(other);
        s.doc.Redraw_pic(&error);
        QVERIFY(!playback.playing());
    }

    // Loop plays the staff line the box is on, from its start; Count In clicks a measure first;
    // the tempo sets the pace.
    void loop_count_in_and_tempo() {
        DocumentSession s;
        s.tools.btn_mode_Click(0);
        type_at(s, 1, 0, 3, 2, 2);  // the bass staff
        RecordedSound sound;
        PagePlayback playback(s.doc, s.box(), s.host, sound);
        playback.set_loop(true);
        playback.set_count_in(true);
        s.host.inputs.push_back(QStringLiteral("60"));
        playback.ask_tempo();
        QCOMPARE(playback.tempo(), 60);
        const LayoutModel& m = s.doc.model();
        s.place_box(m.note_column(0, 9), m.string_row(1, 0));
        playback.play_or_stop();
        const PlaySchedule& schedule = sound.played.back();
        QVERIFY(schedule.loop);
        // The bass staff is the page's second measure: 16 columns of 120 ticks in.
        QCOMPARE(schedule.from_tick, 16 * 120);
        // At 60 beats a minute a tick lasts 1/480 s; four clicks of a second come first.
        QCOMPARE(schedule.frames_per_tick, 44100.0 / 480);
        QCOMPARE(schedule.start_frame, std::int64_t(4 * 44100));
        const int clicks = int(std::count_if(
            schedule.events.begin(), schedule.events.end(), [](const ScheduledEvent& e) {
                return e.channel == kClickChannel && e.event.kind == PlayedEvent::Kind::NoteOn;
            }));
        QCOMPARE(clicks, 4);
        QCOMPARE(schedule.range_end_frame - schedule.start_frame, std::int64_t(4 * 44100));

        // A tempo out of range is refused and said.
        s.host.inputs.push_back(QStringLiteral("400"));
        playback.ask_tempo();
        QCOMPARE(playback.tempo(), 60);
        QVERIFY(s.host.message_texts().last().contains(QStringLiteral("from 30 to 300")));
    }

    // Without a sound device the reason is said, and nothing plays.
    void no_sound_says_why() {
        DocumentSession s;
        RecordedSound sound;
        sound.refusal = QStringLiteral("no sound device");
        PagePlayback playback(s.doc, s.box(), s.host, sound);
        playback.play_from_start();
        QVERIFY(!playback.playing());
        QCOMPARE(s.host.message_texts(), QStringList{QStringLiteral("no sound device")});
    }

    // Instruments: the default from the caption and tuning until one is chosen; the choices
    // are kept with the settings and read back.
    void instruments_and_settings() {
        DocumentSession s;
        RecordedSound sound;
        PagePlayback playback(s.doc, s.box(), s.host, sound);
        QCOMPARE(playback.instrument(0), StaffInstrument::SteelGuitar);
        QCOMPARE(playback.instrument(1), StaffInstrument::Bass);
        playback.set_instrument(0, StaffInstrument::DistortedElectric);
        QCOMPARE(playback.music().instruments,
                 (std::vector<StaffInstrument>{StaffInstrument::DistortedElectric,
                                               StaffInstrument::Bass}));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("strumix.conf"));
        StoredSettings stored;
        stored.tempo = 96;
        stored.loop = true;
        stored.count_in = false;
        stored.instruments[0] = StaffInstrument::NylonGuitar;
        {
            QSettings settings(path, QSettings::IniFormat);
            write_settings(settings, stored);
        }
        QSettings settings(path, QSettings::IniFormat);
        StoredSettings read = read_settings(settings);
        QCOMPARE(read.tempo, std::optional<int>(96));
        QCOMPARE(read.loop, std::optional<bool>(true));
        QCOMPARE(read.count_in, std::optional<bool>(false));
        QCOMPARE(read.instruments[0], std::optional<StaffInstrument>(StaffInstrument::NylonGuitar));
        QVERIFY(!read.instruments[1]);
        // A hand-edited tempo out of range is not taken.
        settings.setValue(QStringLiteral("play/tempo"), 1000);
        settings.setValue(QStringLiteral("play/instrument2"), 9);
        read = read_settings(settings);
        QVERIFY(!read.tempo && !read.instruments[1]);
    }
};

QTEST_MAIN(TestPagePlayback)
#include "test_page_playback.moc"
