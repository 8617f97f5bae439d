// The editing session the benchmarks time, and the way they time it: each operation on the
// start-up page and on the largest page, against the floor of copying one page-sized image.
#pragma once

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>

#include <chrono>
#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "document/clipboard_copy.h"
#include "document/document.h"
#include "edit/edit_host.h"
#include "edit/tool_palette.h"
#include "flows/flows_host.h"
#include "page/page_copy.h"

namespace bench {

// An interface of ours that asks questions, none of them ever answered but with No.
template <class Base>
class Unanswered : public Base {
public:
    void message(const QString&, const QString&, strumix::MessageIcon) override {}
    strumix::Answer ask(const QString&, const QString&, bool) override {
        return strumix::Answer::No;
    }
    std::optional<QString> input_box(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
};

// The windows around the tools, never shown: no question is answered, no view scrolls.
class NullHost : public Unanswered<strumix::EditHost> {
public:
    bool view_scrolls_down() const override { return false; }
    void scroll_view_down_to(double) override {}
    void make_visible(const QRect&) override {}
    void focus_page() override {}
};

// The document commands' windows, never shown: every dialog is cancelled, the clipboard is the
// system's.
class QuietWindows : public Unanswered<strumix::FlowsHost> {
public:
    std::optional<QString> choose_file(strumix::FilePurpose, const QString&) override {
        return std::nullopt;
    }
    strumix::LayoutAnswer choose_layout(const QString&, const strumix::LayoutModel& current,
                                        bool) override {
        strumix::LayoutAnswer answer;
        for (int i = 0; i < strumix::kMaxStaffs; ++i) answer.staffs[i] = current.line_props[i];
        return answer;
    }
    std::optional<QString> choose_export_file(const QString&) override { return std::nullopt; }
    std::optional<bool> print(const strumix::PrintJob&, bool) override { return std::nullopt; }
    bool set_clipboard_image(const QImage& image, QString* error) override {
        return strumix::put_on_clipboard(image, error);
    }
};

// The document and the tools, as the program starts them.
struct Session {
    NullHost host;
    strumix::Document doc;
    strumix::ToolPalette tools{doc, host};

    void key(int qt_key) { tools.Picture1_KeyDown(qt_key, Qt::NoModifier); }
};

using Clock = std::chrono::steady_clock;

inline QTemporaryDir& scratch() {
    static QTemporaryDir dir;
    return dir;
}

enum Page { kStartupPage = 0, kLargestPage = 1 };

// The start-up page, or the largest page the layout dialog offers, committed as the program
// commits a new page.
inline void make_page(Session& s, int page) {
    s.doc.start();
    s.tools.start();
    if (page != kLargestPage) return;
    strumix::LayoutModel model = s.doc.model();
    model.num_lines = 6;
    model.measures_across = 4;
    model.notes_per_measure = 52;
    for (auto& staff : model.line_props) staff.num_strings = 10;
    model.recompute_staff_rows();
    s.doc.set_model(model);
    QString error;
    s.doc.Redraw_pic(&error);
    s.doc.commit_and_mark_unchanged();
    s.doc.set_backup();
    s.tools.location().cursor_home();
}

// Another operation timed in turn with the one measured, each iteration, so that both meet the
// machine in the same state; `counter` reports the measured one's time as a multiple of it.
struct Yardstick {
    std::string counter;
    std::function<void()> op;
};

// `bytes` bytes written into a new file, flushed to the disk and renamed over `path`, as a
// careful program writes a file: the yardstick of every save and export.
inline std::function<void()> write_fsync_rename(qint64 bytes, const QString& path) {
    const auto data = std::make_shared<const QByteArray>(bytes, '\x5a');
    return [data, path] {
        const QString fresh = path + QStringLiteral(".new");
        QFile file(fresh);
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) qFatal("raw write");
        file.write(*data);
        file.flush();
        ::fsync(file.handle());
        file.close();
        if (::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(path).constData()) !=
            0)
            qFatal("raw rename");
        // The folder flushed too, so that the renamed file survives a power cut, as a save's is.
        const int folder = ::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                                  O_RDONLY | O_DIRECTORY);
        if (folder < 0) qFatal("raw folder");
        ::fsync(folder);
        ::close(folder);
    };
}

// How one benchmark times its operation beyond the plain loop.
struct Timing {
    // Once, after the page is made.
    std::function<void(Session&)> setup = {};
    // Before every iteration, not timed: what puts the page in the state the operation meets.
    std::function<void(Session&)> prepare = {};
    std::vector<Yardstick> yardsticks = {};
    // The disk settled (sync) before each timed part, so no write's flush lands in the next.
    bool settle_disk = false;
};

// The floor every operation is measured against: a plain memcpy of one page into a buffer
// that is ready (mapped in, written before), the least any whole-page work costs. It is timed
// in every iteration alongside the operation, so both see the same machine.
class CopyFloor {
public:
    explicit CopyFloor(const QImage& page)
        : from_(page.constBits()),
          bytes_(static_cast<size_t>(page.sizeInBytes())),
          to_(bytes_, 1) {}
    void copy() {
        std::memcpy(to_.data(), from_, bytes_);
        benchmark::DoNotOptimize(to_.data());
    }

private:
    const uchar* from_;
    size_t bytes_;
    std::vector<uchar> to_;
};

inline void run(benchmark::State& state, const std::function<void(Session&)>& op,
                const Timing& timing = {}) {
    const int page = static_cast<int>(state.range(0));
    Session s;
    make_page(s, page);
    if (timing.setup) timing.setup(s);
    const QImage floor_page = s.doc.Picture1().image();
    CopyFloor floor(floor_page);
    double total = 0, floor_total = 0;
    std::vector<double> yardstick_totals(timing.yardsticks.size(), 0.0);
    auto timed = [&timing](const std::function<void()>& part) {
        if (timing.settle_disk) ::sync();
        const auto start = Clock::now();
        part();
        return std::chrono::duration<double>(Clock::now() - start).count();
    };
    for (auto _ : state) {
        if (timing.prepare) timing.prepare(s);
        floor_total += timed([&floor] { floor.copy(); });
        for (size_t i = 0; i < timing.yardsticks.size(); ++i)
            yardstick_totals[i] += timed(timing.yardsticks[i].op);
        const double seconds = timed([&] { op(s); });
        state.SetIterationTime(seconds);
        total += seconds;
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["x_floor"] = total / floor_total;
    state.counters["floor_us"] = floor_total / iterations * 1e6;
    for (size_t i = 0; i < timing.yardsticks.size(); ++i)
        state.counters[timing.yardsticks[i].counter] = total / yardstick_totals[i];
    state.SetLabel(page == kLargestPage ? "largest page" : "start-up page");
}

}  // namespace bench
