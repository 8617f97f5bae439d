// Every edit a guitarist makes, timed on the start-up page and on the largest page the layout
// dialog offers, each against the floor of copying one page-sized image in the same run.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/qt_document_host.h"
#include "app/qt_host.h"
#include "docs/document_commands.h"
#include "docs/page_file.h"
#include "docs/page_io.h"
#include "edit/editor.h"
#include "edit/key_codes.h"
#include "page/page_copy.h"
#include "page/page_font.h"
#include "page/page_memory.h"

using namespace strumix;

namespace {

class NullHost : public EditorHost {
public:
    void message(const QString&, const QString&, MessageIcon) override {}
    Answer ask(const QString&, const QString&, bool) override { return Answer::No; }
    std::optional<QString> input_box(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    bool layout_dialog_visible() const override { return false; }
    void show_layout_dialog() override {}
    void form_resize() override {}
    bool vscroll_visible() const override { return false; }
    int vscroll_value() const override { return 0; }
    int vscroll_minimum() const override { return 0; }
    int vscroll_maximum() const override { return 0; }
    void set_vscroll_value(int) override {}
    void focus_page() override {}
};

// Layout dialog and file window that are never shown.
class NullDocumentHost : public DocumentHost {
public:
    void run_layout_dialog(const QString&) override {}
    void show_file_window(const QString&) override {}
    bool set_clipboard_image(const QImage&, QString*) override { return true; }
};

using Clock = std::chrono::steady_clock;

QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

enum Page { kStartupPage = 0, kLargestPage = 1 };

void make_page(Editor& editor, int page) {
    editor.startup();
    if (page == kLargestPage) {
        editor.model.num_lines = 6;
        editor.model.measures_across = 4;
        editor.model.notes_per_measure = 52;
        for (auto& staff : editor.model.line_props) staff.num_strings = 10;
        editor.model.recompute_staff_rows();
        editor.Redraw_pic();
        editor.commit_and_mark_unchanged();
        editor.backup[1] = editor.Picture1.picture();
        editor.cursor_home();
    }
}

// Seconds to copy one page-sized image, as the page copies itself before drawing over a
// picture it shares: the least any whole-page operation costs.
double floor_seconds(int page) {
    static std::map<int, double> cache;
    auto found = cache.find(page);
    if (found != cache.end()) return found->second;
    NullHost host;
    Editor editor(host);
    make_page(editor, page);
    const QImage& image = editor.Picture1.image();
    constexpr int kRuns = 200;
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < kRuns; ++i) {
            QImage copy = copy_pixels(image);
            benchmark::DoNotOptimize(copy.constBits());
        }
        best = std::min(best, std::chrono::duration<double>(Clock::now() - start).count() / kRuns);
    }
    cache[page] = best;
    return best;
}

// Another operation timed in turn with the one measured, each iteration, so that both meet the
// machine in the same state; `counter` reports the measured one's time as a multiple of it.
struct Yardstick {
    std::string counter;
    std::function<void()> op;
};

void run(benchmark::State& state, const std::function<void(Editor&)>& setup,
         const std::function<void(Editor&)>& op, const std::vector<Yardstick>& yardsticks = {}) {
    const int page = static_cast<int>(state.range(0));
    NullHost host;
    Editor editor(host);
    make_page(editor, page);
    if (setup) setup(editor);
    double total = 0;
    std::vector<double> yardstick_totals(yardsticks.size(), 0.0);
    for (auto _ : state) {
        for (size_t i = 0; i < yardsticks.size(); ++i) {
            const auto start = Clock::now();
            yardsticks[i].op();
            yardstick_totals[i] += std::chrono::duration<double>(Clock::now() - start).count();
        }
        const auto start = Clock::now();
        op(editor);
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        state.SetIterationTime(seconds);
        total += seconds;
    }
    const double mean = total / static_cast<double>(state.iterations());
    state.counters["x_floor"] = mean / floor_seconds(page);
    state.counters["floor_us"] = floor_seconds(page) * 1e6;
    for (size_t i = 0; i < yardsticks.size(); ++i) {
        state.counters[yardsticks[i].counter] = total / yardstick_totals[i];
    }
    state.SetLabel(page == kLargestPage ? "largest page" : "start-up page");
}

void key(Editor& editor, int code) { editor.Picture1_KeyDown(code, 0); }

}  // namespace

static void BM_copy_floor(benchmark::State& state) {
    run(state, nullptr, [](Editor& e) {
        QImage copy = copy_pixels(e.Picture1.image());
        benchmark::DoNotOptimize(copy.constBits());
    });
}
BENCHMARK(BM_copy_floor)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_Redraw_pic(benchmark::State& state) {
    run(state, nullptr, [](Editor& e) { e.Redraw_pic(); });
}
BENCHMARK(BM_Redraw_pic)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_digit_and_enter(benchmark::State& state) {
    run(state, nullptr, [](Editor& e) {
        key(e, kVk0 + 7);
        key(e, kVkReturn);
        if (e.location.left >= e.model.last_note_column(e.model.measures_across - 1)) {
            e.cursor_home();
        }
    });
}
BENCHMARK(BM_digit_and_enter)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_arrow_key(benchmark::State& state) {
    bool right = true;
    run(state, nullptr, [&right](Editor& e) {
        key(e, right ? kVkRight : kVkLeft);
        right = !right;
    });
}
BENCHMARK(BM_arrow_key)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_harmonic(benchmark::State& state) {
    run(state, nullptr, [](Editor& e) {
        e.mnu_harmonic_Click();
        if (e.location.left >= e.model.last_note_column(e.model.measures_across - 1)) {
            e.cursor_home();
        }
    });
}
BENCHMARK(BM_harmonic)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_erase_whole_page(benchmark::State& state) {
    run(
        state, [](Editor& e) { e.btn_edit_Click(); },
        [](Editor& e) {
            const double w = e.Picture1.scale_width();
            const double h = e.Picture1.scale_height();
            e.Picture1_MouseDown(kLeftButton, 0, 0, 0);
            e.Picture1_MouseMove(kLeftButton, 0, w / 2, h / 2);
            e.Picture1_MouseUp(kLeftButton, 0, w, h);
        });
}
BENCHMARK(BM_erase_whole_page)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_slur(benchmark::State& state) {
    run(
        state, [](Editor& e) { e.pic_tool_Click(kToolHammer); },
        [](Editor& e) {
            e.Picture1_MouseDown(kLeftButton, 0, 1000, 2000);
            e.Picture1_MouseMove(kLeftButton, 0, 1900, 2000);
            e.Picture1_MouseUp(kLeftButton, 0, 1900, 2000);
        });
}
BENCHMARK(BM_slur)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_symbol_stamp(benchmark::State& state) {
    run(state, nullptr, [](Editor& e) {
        e.btn_bend_Click(4);
        e.Picture1_DragDrop(4, 100, 50);
    });
}
BENCHMARK(BM_symbol_stamp)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_undo(benchmark::State& state) {
    run(
        state, [](Editor& e) { key(e, kVkReturn); }, [](Editor& e) { e.menu_undo_Click(); });
}
BENCHMARK(BM_undo)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_revert_to_backup(benchmark::State& state) {
    run(state, nullptr, [](Editor& e) { e.menu_revert_Click(); });
}
BENCHMARK(BM_revert_to_backup)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_set_backup(benchmark::State& state) {
    run(state, nullptr, [](Editor& e) { e.menu_set_backup_Click(); });
}
BENCHMARK(BM_set_backup)->Arg(kStartupPage)->Arg(kLargestPage);

// A session of edits on the largest page, then how much memory it holds: peak resident size
// and how many distinct page-sized pixel buffers the page, its committed picture and the three
// work pictures keep alive.
static void BM_session_memory(benchmark::State& state) {
    const QString path = scratch().filePath(QStringLiteral("session.tab"));
    NullHost host;
    Editor editor(host);
    NullDocumentHost documents;
    DocumentCommands commands(editor, documents);
    for (auto _ : state) {
        make_page(editor, kLargestPage);
        for (int i = 0; i < 20; ++i) {
            key(editor, kVk0 + 1 + i % 9);
            key(editor, kVkReturn);
        }
        editor.menu_set_backup_Click();
        editor.mnu_harmonic_Click();
        editor.btn_bend_Click(0);
        editor.Picture1_DragDrop(0, 300, 100);
        editor.btn_edit_Click();
        editor.Picture1_MouseDown(kLeftButton, 0, 10, 10);
        editor.Picture1_MouseUp(kLeftButton, 0, 400, 300);
        editor.btn_mode_Click(0);
        key(editor, kVk0 + 5);
        key(editor, kVkReturn);
        editor.menu_undo_Click();
        editor.menu_undo_Click();
        editor.menu_revert_Click();
        QString error;
        if (!save_page(editor, path, &error)) qFatal("%s", qPrintable(error));
        commands.open_path(path);
    }
    std::set<const uchar*> buffers;
    const QSize size = editor.Picture1.size();
    auto count = [&](const QImage* image) {
        if (image && image->size() == size) buffers.insert(image->constBits());
    };
    count(&editor.Picture1.image());
    count(editor.Picture1.picture().get());
    for (const Picture& copy : editor.backup) count(copy.get());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["page_buffers"] = static_cast<double>(buffers.size());
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["page_MiB"] =
        static_cast<double>(editor.Picture1.image().sizeInBytes()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_session_memory)->Iterations(1);

namespace {

// The length of the page's file, found once by saving it.
qint64 page_file_bytes(int page) {
    static std::map<int, qint64> cache;
    auto found = cache.find(page);
    if (found != cache.end()) return found->second;
    NullHost host;
    Editor editor(host);
    make_page(editor, page);
    const QString bmp = scratch().filePath(QStringLiteral("size%1.bmp").arg(page));
    QString error;
    if (!write_page_file(bmp, editor.Picture1.image(), &error)) qFatal("%s", qPrintable(error));
    return cache[page] = QFileInfo(bmp).size();
}

// The yardsticks for saving: writing the same number of bytes as a plain file, straight and
// through QSaveFile as a page is saved.
std::vector<Yardstick> raw_writes(int page) {
    const auto bytes = std::make_shared<const QByteArray>(page_file_bytes(page), '\x5a');
    const QString path = scratch().filePath(QStringLiteral("raw%1.bin").arg(page));
    return {{"x_raw_write",
             [bytes, path] {
                 QFile file(path);
                 if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) qFatal("raw write");
                 file.write(*bytes);
             }},
            {"x_raw_safe_write", [bytes, path] {
                 QSaveFile file(path);
                 if (!file.open(QIODevice::WriteOnly)) qFatal("raw write");
                 file.write(*bytes);
                 file.commit();
             }}};
}

// The yardstick for opening: reading the same file's bytes as they are.
std::vector<Yardstick> raw_read(const QString& path) {
    return {{"x_raw_read", [path] {
                 QFile file(path);
                 if (!file.open(QIODevice::ReadOnly)) qFatal("raw read");
                 const QByteArray read = file.readAll();
                 benchmark::DoNotOptimize(read.constData());
             }}};
}

class ClipboardHost : public DocumentHost {
public:
    void run_layout_dialog(const QString&) override {}
    void show_file_window(const QString&) override {}
    bool set_clipboard_image(const QImage& image, QString* error) override {
        return real.set_clipboard_image(image, error);
    }
    explicit ClipboardHost(Editor& editor) : real(editor, nullptr) {}
    QtDocumentHost real;
};

}  // namespace

static void BM_save_bmp(benchmark::State& state) {
    const int page = static_cast<int>(state.range(0));
    const QString path = scratch().filePath(QStringLiteral("save%1.tab").arg(page));
    run(
        state, nullptr,
        [&path](Editor& e) {
            QString error;
            if (!save_page(e, path, &error)) qFatal("save failed: %s", qPrintable(error));
        },
        raw_writes(page));
    state.counters["bytes"] = static_cast<double>(page_file_bytes(page));
}
BENCHMARK(BM_save_bmp)->Arg(kStartupPage)->Arg(kLargestPage)->UseManualTime();

static void BM_open_bmp(benchmark::State& state) {
    const int page = static_cast<int>(state.range(0));
    const QString path = scratch().filePath(QStringLiteral("open%1.tab").arg(page));
    run(
        state,
        [&path](Editor& e) {
            QString error;
            if (!save_page(e, path, &error)) qFatal("save failed: %s", qPrintable(error));
        },
        [&path](Editor& e) {
            QString error;
            if (!load_page(e, path, &error)) qFatal("open failed: %s", qPrintable(error));
        },
        raw_read(path));
}
BENCHMARK(BM_open_bmp)->Arg(kStartupPage)->Arg(kLargestPage)->UseManualTime();

static void BM_clipboard_copy(benchmark::State& state) {
    std::unique_ptr<ClipboardHost> clipboard;
    std::unique_ptr<DocumentCommands> commands;
    run(
        state,
        [&](Editor& e) {
            clipboard = std::make_unique<ClipboardHost>(e);
            commands = std::make_unique<DocumentCommands>(e, *clipboard);
        },
        [&](Editor&) { commands->mnu_copy_Click(); });
    commands.reset();
    clipboard.reset();
}
BENCHMARK(BM_clipboard_copy)->Arg(kStartupPage)->Arg(kLargestPage);

// From the program's first line to the main window ready, offscreen: the editor, the main
// window, the dialogs' host and the file window loaded, the start-up page drawn and shown.
static void BM_startup_to_main_window(benchmark::State& state) {
    for (auto _ : state) {
        QtHost host;
        Editor editor(host);
        MainWindow form1(editor);
        host.set_window(&form1);
        QtDocumentHost documents(editor, &form1);
        documents.attach(host);
        DocumentCommands commands(editor, documents);
        documents.file_window();
        editor.startup();
        form1.showMaximized();
        form1.form_resize();
        QCoreApplication::processEvents();
        host.set_window(nullptr);
    }
}
BENCHMARK(BM_startup_to_main_window)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // As the program does at start-up: the editor's memory behaves as it does for the user.
    keep_page_buffers();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    load_resources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
