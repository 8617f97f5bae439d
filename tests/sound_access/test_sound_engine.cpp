// The sound module: not in the process until the first sound is asked for, then loaded from
// beside the program and making the sound; a missing or foreign module refused with its reason.
#include <QFile>
#include <QtEndian>
#include <QtTest>
#include <cmath>

#include "sound_access/sound_engine.h"
#include "sound_access/soundfont.h"

using namespace strumix;

namespace {

// Whether a library whose file name contains `name` is mapped into this process.
bool mapped(const char* name) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return false;
    return maps.readAll().contains(name);
}

// A file the system loads but that is no sound module: the C maths library this process has.
QString foreign_library() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return {};
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const qsizetype at = line.indexOf('/');
        if (at >= 0 && line.contains("libm.so")) return QString::fromLocal8Bit(line.mid(at));
    }
    return {};
}

// One note held for half a second, then its release.
PlaySchedule one_note(int key) {
    PlaySchedule schedule;
    schedule.sample_rate = 44100;
    schedule.frames_per_tick = 100;
    PlayedEvent on;
    on.kind = PlayedEvent::Kind::NoteOn;
    on.a = key;
    on.b = 100;
    PlayedEvent off = on;
    off.kind = PlayedEvent::Kind::NoteOff;
    off.b = 0;
    schedule.events = {{0, 0, on}, {22050, 0, off}};
    schedule.end_frame = schedule.range_end_frame = 33075;
    return schedule;
}

// The strongest repetition of the left channel between 80 and 1000 Hz, in Hz.
double pitch_of(const QByteArray& wav, int from_frame, int frames) {
    const auto* pcm = reinterpret_cast<const qint16*>(wav.constData() + 44);
    auto at = [&](int i) { return double(qFromLittleEndian(pcm[2 * (from_frame + i)])); };
    int best_lag = 0;
    double best = 0;
    for (int lag = 44100 / 1000; lag <= 44100 / 80; ++lag) {
        double sum = 0;
        for (int i = 0; i + lag < frames; ++i) sum += at(i) * at(i + lag);
        if (sum > best) {
            best = sum;
            best_lag = lag;
        }
    }
    return best_lag ? 44100.0 / best_lag : 0;
}

}  // namespace

class TestSoundEngine : public QObject {
    Q_OBJECT

private slots:
    void the_module_loads_at_the_first_sound_only() {
        QVERIFY2(!mapped("libfluidsynth"), "FluidSynth is in the process before any sound");
        QVERIFY2(QFile::exists(sound_module_path()), qPrintable(sound_module_path()));
        QString error;
        SoundEngine* engine = sound_engine(&error);
        QVERIFY2(engine, qPrintable(error));
        QVERIFY(mapped("strumix-sound.so") && mapped("libfluidsynth"));
        // Kept: the next use is the same engine, not the module loaded again.
        QCOMPARE(sound_engine(&error), engine);
    }

    void the_engine_makes_the_sound_of_a_schedule() {
        const std::optional<QString> soundfont = find_soundfont();
        if (!soundfont) QSKIP("no General MIDI soundfont installed");
        QString error;
        SoundEngine* engine = sound_engine(&error);
        QVERIFY2(engine, qPrintable(error));
        const QByteArray wav =
            engine->sound_file(one_note(57), *soundfont, SoundEngine::FileKind::Wav, &error);
        QVERIFY2(wav.startsWith("RIFF"), qPrintable(error));
        QCOMPARE(wav.size(), 44 + 33075 * 4);
        const double hz = pitch_of(wav, 4410, 8192);
        QVERIFY2(std::abs(hz / 220.0 - 1) < 0.02, qPrintable(QString::number(hz)));
        const QByteArray flac =
            engine->sound_file(one_note(57), *soundfont, SoundEngine::FileKind::Flac, &error);
        QVERIFY2(flac.startsWith("fLaC") && flac.size() < wav.size() / 2, qPrintable(error));
        // A soundfont that is not one is told, not played.
        QTemporaryFile bogus;
        QVERIFY(bogus.open());
        bogus.write("not a soundfont");
        bogus.close();
        error.clear();
        QVERIFY(
            engine->sound_file(one_note(57), bogus.fileName(), SoundEngine::FileKind::Wav, &error)
                .isEmpty());
        QVERIFY(!error.isEmpty());
    }

    void a_missing_or_foreign_module_is_refused_with_its_reason() {
        QString error;
        const QString missing = QStringLiteral("/nonexistent/strumix-sound.so");
        QVERIFY(!load_sound_engine(missing, &error));
        QVERIFY2(error.contains(missing), qPrintable(error));
        const QString foreign = foreign_library();
        QVERIFY(!foreign.isEmpty());
        error.clear();
        QVERIFY(!load_sound_engine(foreign, &error));
        QVERIFY2(error.contains(QStringLiteral("not a sound module")), qPrintable(error));
    }
};

QTEST_GUILESS_MAIN(TestSoundEngine)
#include "test_sound_engine.moc"
