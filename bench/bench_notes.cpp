// Reading a page's notes back from its pixels, each export of them, and their sound, on the
// start-up page and on the largest page with every note cell written: against the floor of a
// plain memcpy of one page, the layout finder's pass over the same pixels, writing the same
// bytes as a careful program writes a file, and the length of the sound itself.
#include <sys/resource.h>

#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <thread>

#include "bench_session.h"
#include "document/page_export.h"
#include "document/text_tab_import.h"
#include "notes_reader/note_reader.h"
#include "page/layout_finder.h"
#include "page/page_font.h"
#include "page/page_memory.h"
#include "page/page_renderer.h"
#include "sound/live_player.h"
#include "sound/sound_file.h"
#include "sound_access/soundfont.h"

using namespace strumix;
using namespace bench;

namespace {

struct WrittenPage {
    QImage image;
    LayoutModel layout;
    int cells = 0;
};

// The page with a fret number typed into every note cell, as the user types them; made once.
const WrittenPage& written_page(int page) {
    static std::map<int, WrittenPage> cache;
    auto found = cache.find(page);
    if (found != cache.end()) return found->second;
    Session s;
    make_page(s, page);
    const LayoutModel& m = s.doc.model();
    int cells = 0;
    for (int staff = 0; staff < m.num_lines; ++staff)
        for (int measure = 0; measure < m.measures_across; ++measure)
            for (int note = 0; note < m.notes_per_measure; ++note)
                for (int string = 0; string < m.num_strings(staff); ++string) {
                    s.tools.location().place(m.note_column(measure, note),
                                             m.string_row(staff, string));
                    const int fret = (note * 7 + string * 3 + measure) % 25;
                    if (fret >= 10) s.key(Qt::Key_0 + fret / 10);
                    s.key(Qt::Key_0 + fret % 10);
                    s.key(Qt::Key_Return);
                    ++cells;
                }
    WrittenPage& written = cache[page];
    written.image = s.doc.Picture1().image().copy();
    written.layout = m;
    written.cells = cells;
    const PageNotes notes = read_notes(written.image, m);
    if (int(notes.notes.size()) != cells || !notes.unread.empty())
        qFatal("%d of %d notes read", int(notes.notes.size()), cells);
    return written;
}

void fill_every_cell(Session& s) {
    const WrittenPage& page =
        written_page(s.doc.model().notes_per_measure == 52 ? kLargestPage : kStartupPage);
    benchmark::DoNotOptimize(page.cells);
}

void export_as(benchmark::State& state, const QString& suffix) {
    const int page = static_cast<int>(state.range(0));
    const WrittenPage& written = written_page(page);
    const QString path = scratch().filePath(QStringLiteral("notes%1.%2").arg(page).arg(suffix));
    auto export_once = [&written, path] {
        QString error;
        QString notice;
        if (!export_page(path, written.image, written.layout, &error, &notice))
            qFatal("%s", qPrintable(error));
    };
    export_once();
    const qint64 bytes = QFileInfo(path).size();
    run(state, [&](Session&) { export_once(); },
        {.setup = fill_every_cell,
         .yardsticks = {{"x_write_fsync_rename",
                         write_fsync_rename(bytes, path + QStringLiteral(".raw"))}},
         .settle_disk = true});
    state.counters["bytes"] = static_cast<double>(bytes);
}

}  // namespace

// Every note of the page read back from its pixels.
static void BM_read_notes(benchmark::State& state) {
    const WrittenPage& written = written_page(static_cast<int>(state.range(0)));
    run(state,
        [&](Session&) {
            const PageNotes notes = read_notes(written.image, written.layout);
            benchmark::DoNotOptimize(notes.notes.data());
        },
        {.setup = fill_every_cell, .yardsticks = {{"x_find_layout", [&written] {
                                                       const std::optional<LayoutModel> found =
                                                           find_layout(written.image);
                                                       benchmark::DoNotOptimize(found.has_value());
                                                   }}}});
    state.counters["cells"] = written.cells;
}
BENCHMARK(BM_read_notes)
    ->Arg(kStartupPage)
    ->Arg(kLargestPage)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// A text tab of 500 lines (blocks of six strings, four measures of eight busy columns, with
// slurs, bends and vibrato) taken in: read, laid out and drawn on its pages. Against drawing
// the same pages blank, the least that making those pages costs.
static void BM_import_text_tab(benchmark::State& state) {
    QString text = QStringLiteral("A Long Song\n\n");
    int lines = 2;
    for (int block = 0; lines < 500; ++block) {
        const char* labels[] = {"e", "B", "G", "D", "A", "E"};
        for (int s = 0; s < 6; ++s, ++lines) {
            QString line = QString::fromLatin1(labels[s]) + QLatin1Char('|');
            for (int m = 0; m < 4; ++m) {
                line += QStringLiteral("-%1-%2h%3-%4b%5~-%6-")
                            .arg((block + s) % 12)
                            .arg(s + 2)
                            .arg(s + 4)
                            .arg(7 + m)
                            .arg(9 + m)
                            .arg((s * m) % 20);
                line += QStringLiteral("%1-x-0-|").arg(12 + s);
            }
            text += line + QLatin1Char('\n');
        }
        text += QLatin1Char('\n');
        ++lines;
    }
    std::vector<LayoutModel> layouts;
    {
        ImportedTab imported;
        QString error;
        if (import_text_tab(text, &imported, &error))
            for (const auto& page : imported.pages) layouts.push_back(page.layout);
    }
    run(state,
        [&](Session&) {
            ImportedTab imported;
            QString error;
            benchmark::DoNotOptimize(import_text_tab(text, &imported, &error));
        },
        {.yardsticks = {{"x_blank_pages", [&layouts] {
                             for (const LayoutModel& layout : layouts) {
                                 PagePicture page;
                                 QString error;
                                 benchmark::DoNotOptimize(draw_blank_page(page, layout, &error));
                             }
                         }}}});
    state.counters["pages"] = double(layouts.size());
}
// (The page argument only sets up the session every benchmark here runs in.)
BENCHMARK(BM_import_text_tab)->Arg(kStartupPage)->UseManualTime()->Unit(benchmark::kMillisecond);

// File, Export as each kind of notes file: the notes read, written and the file kept.
static void BM_export_text_tab(benchmark::State& state) { export_as(state, QStringLiteral("txt")); }
BENCHMARK(BM_export_text_tab)
    ->Arg(kStartupPage)
    ->Arg(kLargestPage)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

static void BM_export_musicxml(benchmark::State& state) {
    export_as(state, QStringLiteral("musicxml"));
}
BENCHMARK(BM_export_musicxml)
    ->Arg(kStartupPage)
    ->Arg(kLargestPage)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

static void BM_export_midi(benchmark::State& state) { export_as(state, QStringLiteral("mid")); }
BENCHMARK(BM_export_midi)
    ->Arg(kStartupPage)
    ->Arg(kLargestPage)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

namespace {

std::unique_ptr<Synth> bench_synth(Synth::Use use) {
    const std::optional<QString> soundfont = find_soundfont();
    if (!soundfont) return nullptr;
    QString error;
    return Synth::create(*soundfont, 44100, &error, use);
}

PlaySchedule page_schedule(const WrittenPage& page) {
    return schedule_performance(perform(read_notes(page.image, page.layout)), PlayRange(), 44100);
}

double cpu_seconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

}  // namespace

// The page's sound rendered into memory, as File, Export writes it to WAV: `x_realtime` is
// how many times faster than the sound lasts.
static void BM_render_sound(benchmark::State& state) {
    const std::unique_ptr<Synth> synth = bench_synth(Synth::Use::File);
    if (!synth) {
        state.SkipWithError("no soundfont");
        return;
    }
    const PlaySchedule schedule = page_schedule(written_page(static_cast<int>(state.range(0))));
    double seconds = 0;
    for (auto _ : state) {
        synth->silence();
        const auto start = Clock::now();
        const RenderedSound sound = render_schedule(schedule, *synth);
        benchmark::DoNotOptimize(sound.samples.data());
        const double took = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(took);
        seconds += took;
    }
    const double length = double(schedule.end_frame) / schedule.sample_rate;
    state.counters["sound_s"] = length;
    state.counters["x_realtime"] = length * double(state.iterations()) / seconds;
}
BENCHMARK(BM_render_sound)
    ->Arg(kStartupPage)
    ->Arg(kLargestPage)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Play, through the sound device: from the call (the device opened by it) until the first
// block of the page's sound is rendered and handed to the device; then the program's CPU while
// the page plays for five seconds, and after a stop, as a share of one core.
static void BM_play(benchmark::State& state) {
    const std::unique_ptr<Synth> synth = bench_synth(Synth::Use::Live);
    if (!synth) {
        state.SkipWithError("no soundfont");
        return;
    }
    LivePlayer player(*synth);
    const PlaySchedule schedule = page_schedule(written_page(static_cast<int>(state.range(0))));
    QString error;
    double waited = 0;
    for (auto _ : state) {
        // As the program does: the device goes when play stops, and opens again at Play.
        player.stop();
        player.close_output();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        const auto start = Clock::now();
        if (!player.play(schedule, &error)) {
            state.SkipWithError(error.toStdString().c_str());
            return;
        }
        while (player.tick() == schedule.from_tick)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        const double took = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(took);
        waited += took;
    }
    state.counters["first_sound_ms"] = waited / double(state.iterations()) * 1000;
    const double cpu_before = cpu_seconds();
    const auto wall_before = Clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(5));
    const double wall = std::chrono::duration<double>(Clock::now() - wall_before).count();
    state.counters["cpu_percent"] = (cpu_seconds() - cpu_before) / wall * 100;
    player.stop();
    player.close_output();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    const double idle_before = cpu_seconds();
    std::this_thread::sleep_for(std::chrono::seconds(3));
    state.counters["idle_cpu_percent"] = (cpu_seconds() - idle_before) / 3 * 100;
    state.SetLabel(player.output().toStdString() +
                   (state.range(0) == kLargestPage ? ", largest page" : ", start-up page"));
}
BENCHMARK(BM_play)
    ->Arg(kStartupPage)
    ->Arg(kLargestPage)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

int main(int argc, char** argv) {
    keep_page_buffers();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QGuiApplication app(argc, argv);
    load_resources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
