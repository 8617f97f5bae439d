// Every edit a guitarist makes, timed on the start-up page and on the largest page the layout
// dialog offers, each against the floor of a plain memcpy of one page in the same iterations.
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <memory>
#include <set>

#include "app/assembly.h"
#include "app/main_window.h"
#include "bench_session.h"
#include "document/recovery_store.h"
#include "files/page_file.h"
#include "page/layout_finder.h"
#include "page/page_font.h"
#include "page/page_memory.h"

using namespace strumix;
using namespace bench;

namespace {

// The end of the largest measure's row: the box goes home there, so every Enter prints.
void wrap(Session& s) {
    const LayoutModel& m = s.doc.model();
    if (s.tools.location().left() >= m.last_note_column(m.measures_across - 1)) {
        s.tools.location().cursor_home();
    }
}

}  // namespace

// How the page copies itself before drawing over a picture it shares, against a plain memcpy.
static void BM_page_copy(benchmark::State& state) {
    run(state, [](Session& s) {
        QImage copy = copy_pixels(s.doc.Picture1().image());
        benchmark::DoNotOptimize(copy.constBits());
    });
}
BENCHMARK(BM_page_copy)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_Redraw_pic(benchmark::State& state) {
    run(state, [](Session& s) {
        QString error;
        s.doc.Redraw_pic(&error);
    });
}
BENCHMARK(BM_Redraw_pic)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_digit_and_enter(benchmark::State& state) {
    run(state, [](Session& s) {
        s.key(Qt::Key_7);
        s.key(Qt::Key_Return);
        wrap(s);
    });
}
BENCHMARK(BM_digit_and_enter)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_arrow_key(benchmark::State& state) {
    bool right = true;
    run(state, [&right](Session& s) {
        s.key(right ? Qt::Key_Right : Qt::Key_Left);
        right = !right;
    });
}
BENCHMARK(BM_arrow_key)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_harmonic(benchmark::State& state) {
    run(state, [](Session& s) {
        s.tools.mnu_harmonic_Click();
        wrap(s);
    });
}
BENCHMARK(BM_harmonic)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_erase_whole_page(benchmark::State& state) {
    run(state,
        [](Session& s) {
            const double w = s.doc.Picture1().size().width();
            const double h = s.doc.Picture1().size().height();
            s.tools.Picture1_MouseDown(Qt::LeftButton, QPointF(0, 0));
            s.tools.Picture1_MouseMove(QPointF(w / 2, h / 2));
            s.tools.Picture1_MouseUp(QPointF(w, h));
        },
        {.setup = [](Session& s) { s.tools.btn_edit_Click(); }});
}
BENCHMARK(BM_erase_whole_page)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_slur(benchmark::State& state) {
    run(state,
        [](Session& s) {
            // 1000 to 1900 twips across, 2000 down.
            s.tools.Picture1_MouseDown(Qt::LeftButton, QPointF(1000, 2000) / 15.0);
            s.tools.Picture1_MouseMove(QPointF(1900, 2000) / 15.0);
            s.tools.Picture1_MouseUp(QPointF(1900, 2000) / 15.0);
        },
        {.setup = [](Session& s) { s.tools.select(ToolId::Hammer); }});
}
BENCHMARK(BM_slur)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_symbol_stamp(benchmark::State& state) {
    run(state, [](Session& s) {
        s.tools.btn_bend_Click(4);
        s.tools.Picture1_DragDrop(QPointF(100, 50));
    });
}
BENCHMARK(BM_symbol_stamp)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_undo(benchmark::State& state) {
    run(state, [](Session& s) { s.doc.menu_undo_Click(); },
        {.setup = [](Session& s) { s.key(Qt::Key_Return); }});
}
BENCHMARK(BM_undo)->Arg(kStartupPage)->Arg(kLargestPage);

// Edit, Step Back and Step Forward by turns over one step: a number typed, or a revert that
// changes the page from corner to corner.
static void step_to_and_fro(benchmark::State& state, const std::function<void(Session&)>& edit) {
    run(state,
        [](Session& s) {
            if (s.doc.history().can_step_back())
                s.doc.step_back();
            else
                s.doc.step_forward();
        },
        {.setup = [edit](Session& s) {
            edit(s);
            s.doc.history().close_step();
        }});
}

static void BM_step_back_forward_number(benchmark::State& state) {
    step_to_and_fro(state, [](Session& s) {
        s.doc.start_history();
        s.key(Qt::Key_7);
        s.key(Qt::Key_Return);
    });
}
BENCHMARK(BM_step_back_forward_number)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_step_back_forward_whole_page(benchmark::State& state) {
    step_to_and_fro(state, [](Session& s) {
        // Numbers from the first to the last corner, then back to the blank backup.
        s.tools.location().cursor_home();
        s.key(Qt::Key_7);
        s.key(Qt::Key_Return);
        const LayoutModel& m = s.doc.model();
        s.tools.location().place(m.last_note_column(m.measures_across - 1),
                                 m.string_row(m.num_lines - 1, m.num_strings(m.num_lines - 1) - 1));
        s.key(Qt::Key_7);
        s.key(Qt::Key_Return);
        s.doc.history().close_step();
        s.doc.start_history();
        s.doc.menu_revert_Click();
    });
}
BENCHMARK(BM_step_back_forward_whole_page)->Arg(kStartupPage)->Arg(kLargestPage);

// Edit, Paste Notes: the first staff's first measure, copied, put down on the next measure
// (or on itself where the page has one measure across).
static void BM_paste_measure(benchmark::State& state) {
    run(state,
        [](Session& s) {
            const LayoutModel& m = s.doc.model();
            s.tools.location().place(m.note_column(m.measures_across > 1 ? 1 : 0, 0),
                                     m.string_row(0, 0));
            s.tools.paste_notes();
        },
        {.setup = [](Session& s) {
            const LayoutModel& m = s.doc.model();
            s.tools.location().place(m.note_column(0, 0), m.string_row(0, 0));
            s.key(Qt::Key_5);
            s.key(Qt::Key_Return);
            s.tools.location().place(m.note_column(0, 0), m.string_row(0, 0));
            for (int n = 1; n < m.notes_per_measure; ++n)
                s.tools.Picture1_KeyDown(Qt::Key_Right, Qt::ShiftModifier);
            for (int string = 1; string < m.num_strings(0); ++string)
                s.tools.Picture1_KeyDown(Qt::Key_Down, Qt::ShiftModifier);
            s.tools.copy_notes();
        }});
}
BENCHMARK(BM_paste_measure)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_revert_to_backup(benchmark::State& state) {
    run(state, [](Session& s) { s.doc.menu_revert_Click(); });
}
BENCHMARK(BM_revert_to_backup)->Arg(kStartupPage)->Arg(kLargestPage);

static void BM_set_backup(benchmark::State& state) {
    run(state, [](Session& s) { s.doc.set_backup(); });
}
BENCHMARK(BM_set_backup)->Arg(kStartupPage)->Arg(kLargestPage);
// A session of edits on the largest page, then how much memory it holds: peak resident size
// and how many distinct page-sized pixel buffers the page, its committed picture and the three
// work pictures keep alive.
static void BM_session_memory(benchmark::State& state) {
    const QString path = scratch().filePath(QStringLiteral("session.tab"));
    Session s;
    QuietWindows windows;
    DocumentCommands commands(s.doc, s.tools, windows);
    for (auto _ : state) {
        make_page(s, kLargestPage);
        for (int i = 0; i < 20; ++i) {
            s.key(Qt::Key_1 + i % 9);
            s.key(Qt::Key_Return);
        }
        s.doc.set_backup();
        s.tools.mnu_harmonic_Click();
        s.tools.btn_bend_Click(0);
        s.tools.Picture1_DragDrop(QPointF(300, 100));
        s.tools.btn_edit_Click();
        s.tools.Picture1_MouseDown(Qt::LeftButton, QPointF(10, 10));
        s.tools.Picture1_MouseUp(QPointF(400, 300));
        s.tools.btn_mode_Click(0);
        s.key(Qt::Key_5);
        s.key(Qt::Key_Return);
        s.doc.menu_undo_Click();
        s.doc.menu_undo_Click();
        s.doc.menu_revert_Click();
        QString error;
        if (!s.doc.save(path, &error)) qFatal("%s", qPrintable(error));
        commands.open_path(path);
    }
    std::set<const uchar*> buffers;
    const PagePicture& page = s.doc.Picture1();
    const QSize size = page.size();
    auto count = [&](const QImage* image) {
        if (image && image->size() == size) buffers.insert(image->constBits());
    };
    count(&page.image());
    count(page.picture().get());
    count(s.doc.undo_copy().get());
    count(s.doc.backup_copy().get());
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["page_buffers"] = static_cast<double>(buffers.size());
    state.counters["peak_rss_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
    state.counters["page_MiB"] =
        static_cast<double>(page.image().sizeInBytes()) / (1024.0 * 1024.0);
}
BENCHMARK(BM_session_memory)->Iterations(1);

namespace {

// The length of the page's file, found once by saving it.
qint64 page_file_bytes(int page) {
    static std::map<int, qint64> cache;
    auto found = cache.find(page);
    if (found != cache.end()) return found->second;
    Session s;
    make_page(s, page);
    const QString bmp = scratch().filePath(QStringLiteral("size%1.bmp").arg(page));
    QString error;
    if (!write_page_file(bmp, s.doc.Picture1().image(), &error)) qFatal("%s", qPrintable(error));
    return cache[page] = QFileInfo(bmp).size();
}

// The yardstick for saving: the same number of bytes written as a careful program saves.
std::vector<Yardstick> raw_write(int page) {
    return {{"x_write_fsync_rename",
             write_fsync_rename(page_file_bytes(page),
                                scratch().filePath(QStringLiteral("raw%1.bin").arg(page)))}};
}

// The yardstick for opening: one thread reading the file from the file cache, and the page's
// pixels written once.
std::vector<Yardstick> raw_read(const QString& path, QSize page) {
    return {{"x_read_and_fill", [path, page] {
                 QFile file(path);
                 if (!file.open(QIODevice::ReadOnly)) qFatal("raw read");
                 const QByteArray read = file.readAll();
                 benchmark::DoNotOptimize(read.constData());
                 QImage pixels(page, QImage::Format_RGB32);
                 pixels.fill(Qt::white);
                 benchmark::DoNotOptimize(pixels.constBits());
             }}};
}

QString saved_page(int page, const QString& name) {
    Session s;
    make_page(s, page);
    const QString path = scratch().filePath(name.arg(page));
    QString error;
    if (!s.doc.save(path, &error)) qFatal("save failed: %s", qPrintable(error));
    return path;
}

}  // namespace

static void BM_save_bmp(benchmark::State& state) {
    const int page = static_cast<int>(state.range(0));
    const QString path = scratch().filePath(QStringLiteral("save%1.tab").arg(page));
    run(state,
        [&path](Session& s) {
            QString error;
            if (!s.doc.save(path, &error)) qFatal("save failed: %s", qPrintable(error));
        },
        {.yardsticks = raw_write(page), .settle_disk = true});
    state.counters["bytes"] = static_cast<double>(page_file_bytes(page));
}
BENCHMARK(BM_save_bmp)->Arg(kStartupPage)->Arg(kLargestPage)->UseManualTime();

static void BM_open_bmp(benchmark::State& state) {
    const int page = static_cast<int>(state.range(0));
    const QString path = saved_page(page, QStringLiteral("open%1.tab"));
    QImage image;
    QString error;
    if (!read_page_file(path, PageLimits(), &image, &error)) qFatal("%s", qPrintable(error));
    run(state,
        [&path](Session& s) {
            QString failure;
            if (!s.doc.load(path, &failure)) qFatal("open failed: %s", qPrintable(failure));
        },
        {.yardsticks = raw_read(path, image.size())});
}
BENCHMARK(BM_open_bmp)->Arg(kStartupPage)->Arg(kLargestPage)->UseManualTime();

// The first edit after a page is opened, in a program whose memory is as a fresh start leaves
// it (none kept from earlier pages): the cut and the Enter that copy the opened pixels into a
// buffer of the page's own.
static void first_edit_after_open(benchmark::State& state,
                                  const std::function<void(Session&)>& select,
                                  const std::function<void(Session&)>& edit) {
    const int page = static_cast<int>(state.range(0));
    const QString path = saved_page(page, QStringLiteral("first%1.tab"));
    run(state, edit, {.prepare = [&path, select](Session& s) {
            s.doc.start();
            s.tools.start();
            malloc_trim(0);
            QString error;
            if (!s.doc.load(path, &error)) qFatal("open failed: %s", qPrintable(error));
            s.doc.commit_and_mark_unchanged();
            s.tools.location().cursor_home();
            select(s);
        }});
}

static void BM_first_cut_after_open(benchmark::State& state) {
    first_edit_after_open(
        state, [](Session& s) { s.tools.btn_edit_Click(); },
        [](Session& s) {
            s.tools.Picture1_MouseDown(Qt::LeftButton, QPointF(40, 40));
            s.tools.Picture1_MouseUp(QPointF(120, 90));
        });
}
BENCHMARK(BM_first_cut_after_open)->Arg(kStartupPage)->Arg(kLargestPage)->UseManualTime();

static void BM_first_enter_after_open(benchmark::State& state) {
    first_edit_after_open(
        state, [](Session& s) { s.tools.btn_mode_Click(0); },
        [](Session& s) {
            s.key(Qt::Key_7);
            s.key(Qt::Key_Return);
        });
}
BENCHMARK(BM_first_enter_after_open)->Arg(kStartupPage)->Arg(kLargestPage)->UseManualTime();

// The recovery data of the page as the keeper writes it, on its own thread: the page's pixels
// shared with the page (nothing copied on the user's thread), then a bitmap and the layout
// written safely.
static void BM_recovery_write(benchmark::State& state) {
    const QString root = scratch().filePath(QStringLiteral("recovery"));
    std::unique_ptr<RecoveryStore> store;
    run(state,
        [&](Session& s) {
            QString error;
            const RecoveryData data{*s.doc.Picture1().take_image(), s.doc.model(),
                                    s.doc.file_name(), s.doc.file_path(), FileStamp()};
            if (!store->write(data, &error)) qFatal("%s", qPrintable(error));
        },
        {.setup = [&](Session&) { store = std::make_unique<RecoveryStore>(root); }});
    store.reset();
}
BENCHMARK(BM_recovery_write)->Arg(kStartupPage)->Arg(kLargestPage)->UseManualTime();

// Reading an opened page's layout back from its pixels.
static void BM_find_layout(benchmark::State& state) {
    run(state, [](Session& s) {
        const std::optional<LayoutModel> found = find_layout(s.doc.Picture1().image());
        if (!found) qFatal("the page's layout was not found");
        benchmark::DoNotOptimize(found->num_lines);
    });
}
BENCHMARK(BM_find_layout)->Arg(kStartupPage)->Arg(kLargestPage)->Unit(benchmark::kMicrosecond);

static void BM_clipboard_copy(benchmark::State& state) {
    std::unique_ptr<QuietWindows> windows;
    std::unique_ptr<DocumentCommands> commands;
    run(state, [&](Session&) { commands->mnu_copy_Click(); }, {.setup = [&](Session& s) {
            windows = std::make_unique<QuietWindows>();
            commands = std::make_unique<DocumentCommands>(s.doc, s.tools, *windows);
        }});
    commands.reset();
    windows.reset();
}
BENCHMARK(BM_clipboard_copy)->Arg(kStartupPage)->Arg(kLargestPage);

// From the program's first line to the main window ready, offscreen: the document, the tools,
// the main window and the file window loaded, the start-up page drawn and shown.
static void BM_startup_to_main_window(benchmark::State& state) {
    for (auto _ : state) {
        Assembly program;
        program.start();
        program.form1().showMaximized();
        program.form1().form_resize();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_startup_to_main_window)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    // As the program does at start-up: the editor's memory behaves as it does for the user.
    keep_page_buffers();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    load_resources();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
