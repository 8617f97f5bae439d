// What the page sounds like, heard with numbers: each note's pitch from the spectrum of its
// window, its onset from the sound's envelope, bends rising and falling, muted notes short.
#include <sndfile.h>

#include <QtTest>
#include <cmath>
#include <complex>
#include <cstring>

#include "sound/sound_file.h"
#include "sound/synth.h"
#include "sound_access/play_schedule.h"
#include "sound_access/soundfont.h"

using namespace strumix;

namespace {

constexpr int kRate = 44100;

// A guitar staff in standard tuning, eight eighths to the measure.
PageNotes guitar_page(int measures = 1) {
    PageNotes page;
    page.layout.fill_defaults();
    page.layout.num_lines = 1;
    page.layout.measures_across = measures;
    page.layout.notes_per_measure = 8;
    page.layout.recompute_staff_rows();
    return page;
}

Note& add(PageNotes& page, int measure, int column, int string, int fret) {
    Note note;
    note.place = {{0, measure, column}, string};
    note.fret = fret;
    note.text = QString::number(fret).rightJustified(2);
    page.notes.push_back(note);
    return page.notes.back();
}

double midi_hz(double key) { return 440.0 * std::pow(2.0, (key - 69.0) / 12.0); }

void fft(std::vector<std::complex<double>>& a) {
    const std::size_t n = a.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const std::complex<double> w = std::polar(1.0, -2.0 * M_PI / double(len));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> wk = 1.0;
            for (std::size_t k = 0; k < len / 2; ++k) {
                const std::complex<double> u = a[i + k];
                const std::complex<double> v = a[i + k + len / 2] * wk;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
                wk *= w;
            }
        }
    }
}

// The fundamental of the sound from `from` seconds for `seconds`: the peak of the harmonic
// product spectrum (the spectrum times itself at twice and three times the frequency), refined
// on the spectrum itself.
double fundamental(const RenderedSound& sound, double from, double seconds) {
    const std::size_t first = std::size_t(from * kRate);
    const std::size_t count = std::size_t(seconds * kRate);
    constexpr std::size_t kPadded = 1 << 17;
    std::vector<std::complex<double>> a(kPadded, 0.0);
    for (std::size_t i = 0; i < count && first + i < sound.frames(); ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2 * M_PI * double(i) / double(count - 1));
        a[i] = hann * (sound.samples[2 * (first + i)] + sound.samples[2 * (first + i) + 1]);
    }
    fft(a);
    const double bin_hz = double(kRate) / double(kPadded);
    std::vector<double> magnitude(kPadded / 2);
    for (std::size_t i = 0; i < magnitude.size(); ++i) magnitude[i] = std::abs(a[i]);
    std::size_t best = 0;
    double best_product = 0;
    for (std::size_t i = std::size_t(60 / bin_hz); i < std::size_t(1500 / bin_hz); ++i) {
        const double product = magnitude[i] * magnitude[2 * i] * magnitude[3 * i];
        if (product > best_product) {
            best_product = product;
            best = i;
        }
    }
    const double l = magnitude[best - 1], c = magnitude[best], r = magnitude[best + 1];
    const double shift = 0.5 * (l - r) / (l - 2 * c + r);
    return (double(best) + shift) * bin_hz;
}

// Where a pick's attack is heard between `from` and `to` seconds, in steps of a millisecond:
// the sound's changes from sample to sample (its highs, where a pluck stands out over what
// still rings of the note before) rise a tenth of the way from the loudest of their first
// 20 ms to their loudest.
double onset(const RenderedSound& sound, double from, double to) {
    const int step = kRate / 500;
    std::vector<double> rms;
    for (int ms = 0; ms < int((to - from) * 1000); ++ms) {
        double sum = 0;
        const std::size_t at = std::size_t(from * kRate) + std::size_t(ms * kRate / 1000);
        for (int i = 0; i < step && at + std::size_t(i) < sound.frames(); ++i) {
            const std::size_t k = at + std::size_t(i);
            const double v = double(sound.samples[2 * k]) - double(sound.samples[2 * k - 2]);
            sum += v * v;
        }
        rms.push_back(std::sqrt(sum / step));
    }
    const double before = *std::max_element(rms.begin(), rms.begin() + 20);
    const double peak = *std::max_element(rms.begin(), rms.end());
    for (std::size_t i = 0; i < rms.size(); ++i)
        if (rms[i] >= before + 0.1 * (peak - before)) return from + 0.001 * double(i);
    return -1;
}

double loudness(const RenderedSound& sound, double from, double to) {
    double sum = 0;
    std::size_t n = 0;
    for (std::size_t i = std::size_t(from * kRate);
         i < std::size_t(to * kRate) && i < sound.frames(); ++i, ++n)
        sum += double(sound.samples[2 * i]) * sound.samples[2 * i];
    return std::sqrt(sum / double(std::max<std::size_t>(1, n)));
}

}  // namespace

class TestPageSound : public QObject {
    Q_OBJECT

    std::unique_ptr<Synth> synth;

    RenderedSound render(const PageNotes& page, const PlayRange& range = {}) {
        synth->silence();
        const PlaySchedule schedule = schedule_performance(perform(page), range, kRate);
        return render_schedule(schedule, *synth);
    }

private slots:
    void initTestCase() {
        const std::optional<QString> soundfont = find_soundfont();
        if (!soundfont) QSKIP("no General MIDI soundfont is installed");
        QString error;
        synth = Synth::create(*soundfont, kRate, &error);
        QVERIFY2(synth, qPrintable(error));
    }

    // Each note at its pitch and its time: at 120 beats a minute an eighth lasts 250 ms, and
    // the first column is left empty, so that every note comes in after something.
    void notes_at_their_pitch_and_time() {
        PageNotes page = guitar_page();
        const struct {
            int string, fret;
            double key;
        } written[] = {{5, 0, 40}, {4, 2, 47}, {2, 0, 55}, {0, 5, 69}, {1, 1, 60}, {3, 7, 57}};
        for (int i = 0; i < int(std::size(written)); ++i)
            add(page, 0, i + 1, written[i].string, written[i].fret);
        // A harmonic at the 12th fret of the G string sounds an octave over it.
        add(page, 0, 7, 2, 12).harmonic = true;
        const RenderedSound sound = render(page);
        QCOMPARE(sound.sample_rate, kRate);
        double worst_onset = 0;
        double worst_pitch = 0;
        for (int i = 0; i < 7; ++i) {
            const double key = i < 6 ? written[i].key : 55 + 12;
            const double at = 0.25 * (i + 1);
            const double heard = onset(sound, at - 0.05, at + 0.2);
            QVERIFY2(
                std::abs(heard - at) <= 0.0105,
                qPrintable(
                    QStringLiteral("note %1 begins at %2 s, not %3 s").arg(i).arg(heard).arg(at)));
            const double hz = fundamental(sound, at + 0.03, 0.2);
            worst_onset = std::max(worst_onset, std::abs(heard - at));
            worst_pitch = std::max(worst_pitch, std::abs(hz / midi_hz(key) - 1));
            QVERIFY2(std::abs(hz / midi_hz(key) - 1) <= 0.01,
                     qPrintable(QStringLiteral("note %1: %2 Hz heard, %3 Hz written")
                                    .arg(i)
                                    .arg(hz)
                                    .arg(midi_hz(key))));
        }
        qInfo("onsets within %.1f ms, pitches within %.2f%%", worst_onset * 1000,
              worst_pitch * 100);
    }

    // A bend rises a whole step over its note, a release falls back.
    void bends_rise_and_releases_fall() {
        PageNotes page = guitar_page(1);
        add(page, 0, 0, 1, 7).symbols = {Symbol::WholeBend};  // F#4 bent to G#4
        add(page, 0, 4, 1, 7).symbols = {Symbol::ReleaseBend};
        PlayRange range;
        range.beats_per_minute = 60;  // each column half a second
        const RenderedSound sound = render(page, range);
        const double f_sharp = midi_hz(66);
        const double bend_start = fundamental(sound, 0.02, 0.12);
        const double bend_end = fundamental(sound, 1.55, 0.4);
        QVERIFY2(std::abs(bend_start / f_sharp - 1) < 0.03,
                 qPrintable(QString::number(bend_start)));
        QVERIFY2(std::abs(bend_end / (f_sharp * std::pow(2.0, 2 / 12.0)) - 1) < 0.01,
                 qPrintable(QString::number(bend_end)));
        const double release_start = fundamental(sound, 2.02, 0.25);
        const double release_end = fundamental(sound, 3.6, 0.35);
        QVERIFY2(std::abs(release_start / (f_sharp * std::pow(2.0, 2 / 12.0)) - 1) < 0.01,
                 qPrintable(QString::number(release_start)));
        QVERIFY2(std::abs(release_end / f_sharp - 1) < 0.01,
                 qPrintable(QString::number(release_end)));
    }

    // A muted note is a short click: 300 ms on, a plain note still sounds and it does not.
    void muted_notes_click() {
        PageNotes plain = guitar_page();
        add(plain, 0, 0, 3, 5);
        PageNotes muted = guitar_page();
        add(muted, 0, 0, 3, 5).muted = true;
        const RenderedSound rings = render(plain);
        const RenderedSound clicks = render(muted);
        QVERIFY(loudness(clicks, 0.0, 0.05) > 0.2 * loudness(rings, 0.0, 0.05));
        QVERIFY2(loudness(clicks, 0.3, 0.5) < 0.05 * loudness(rings, 0.3, 0.5),
                 qPrintable(QStringLiteral("%1 against %2")
                                .arg(loudness(clicks, 0.3, 0.5))
                                .arg(loudness(rings, 0.3, 0.5))));
    }

    // A slide glides: halfway through its note the pitch is on its way to the next.
    void slides_glide() {
        PageNotes page = guitar_page();
        add(page, 0, 0, 2, 2);  // A3
        add(page, 0, 4, 2, 7);  // D4
        page.slurs.push_back({SlurKind::Slide, {{0, 0, 0}, 2}, {{0, 0, 4}, 2}, false, true, false});
        PlayRange range;
        range.beats_per_minute = 60;
        const RenderedSound sound = render(page, range);
        QVERIFY(std::abs(fundamental(sound, 0.1, 0.3) / midi_hz(57) - 1) < 0.01);
        const double gliding = fundamental(sound, 1.45, 0.1);
        QVERIFY2(gliding > midi_hz(58) && gliding < midi_hz(62),
                 qPrintable(QString::number(gliding)));
        QVERIFY(std::abs(fundamental(sound, 2.1, 0.3) / midi_hz(62) - 1) < 0.01);
    }

    // The count-in clicks a measure before the first note, which then comes on time.
    void count_in_comes_first() {
        PageNotes page = guitar_page();
        add(page, 0, 0, 0, 5);
        PlayRange range;
        range.count_in = true;
        const RenderedSound sound = render(page, range);
        // Four quarter clicks at 120 beats a minute: the note two seconds in.
        QVERIFY(loudness(sound, 0.0, 0.1) > 0.001);
        const double heard = onset(sound, 1.9, 2.2);
        QVERIFY2(std::abs(heard - 2.0) <= 0.010, qPrintable(QString::number(heard)));
        QVERIFY(std::abs(fundamental(sound, 2.05, 0.2) / midi_hz(69) - 1) < 0.01);
    }

    // The FLAC file holds exactly the WAV file's samples, packed smaller, with the length and
    // rate a player reads from its header (written last, by going back to the start).
    void flac_holds_the_wav_samples() {
        PageNotes page = guitar_page();
        for (int i = 0; i < 8; ++i) add(page, 0, i * 2, i % 6, (i * 5) % 13);
        const RenderedSound sound = render(page);
        const QByteArray wav = wav_file(sound);
        QString error;
        const QByteArray flac = flac_file(sound, &error);
        QVERIFY2(!flac.isEmpty(), qPrintable(error));
        QVERIFY(flac.startsWith("fLaC"));
        QVERIFY2(flac.size() < wav.size() * 3 / 4, qPrintable(QString::number(flac.size())));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("page.flac"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(flac) == flac.size());
        file.close();
        SF_INFO info{};
        SNDFILE* in = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
        QVERIFY2(in, sf_strerror(nullptr));
        QCOMPARE(info.samplerate, kRate);
        QCOMPARE(info.channels, 2);
        QCOMPARE(std::size_t(info.frames), sound.frames());
        std::vector<short> decoded(sound.samples.size());
        QCOMPARE(sf_readf_short(in, decoded.data(), info.frames), info.frames);
        sf_close(in);
        QCOMPARE(std::memcmp(decoded.data(), wav.constData() + 44, wav.size() - 44), 0);
    }
};

QTEST_MAIN(TestPageSound)
#include "test_page_sound.moc"
