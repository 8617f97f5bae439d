// The editing session the benchmarks time, and the way they time it: each operation on the
// start-up page and on the largest page, against the floor of copying one page-sized image.
#pragma once

#include <benchmark/benchmark.h>

#include <QImage>
#include <QTemporaryDir>
#include <chrono>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "document/clipboard_copy.h"
#include "document/document.h"
#include "document/document_host.h"
#include "edit/edit_host.h"
#include "edit/tool_palette.h"
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
    bool vscroll_visible() const override { return false; }
    int vscroll_value() const override { return 0; }
    int vscroll_minimum() const override { return 0; }
    int vscroll_maximum() const override { return 0; }
    void set_vscroll_value(int) override {}
    void focus_page() override {}
};

// The document commands' windows, never shown: every dialog is cancelled, the clipboard is the
// system's.
class QuietWindows : public Unanswered<strumix::DocumentHost> {
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
    bool set_clipboard_image(const QImage& image, QString* error) override {
        return strumix::put_on_clipboard(image, error);
    }
    void form_resize() override {}
    void scroll_to_top() override {}
    void cursor_home() override {}
    void cursor_to_page_top() override {}
    void select_number_entry() override {}
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

// Seconds to copy one page-sized image, as the page copies itself before drawing over a
// picture it shares: the least any whole-page operation costs.
inline double floor_seconds(int page) {
    static std::map<int, double> cache;
    auto found = cache.find(page);
    if (found != cache.end()) return found->second;
    Session s;
    make_page(s, page);
    const QImage& image = s.doc.Picture1().image();
    constexpr int kRuns = 200;
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        const auto start = Clock::now();
        for (int i = 0; i < kRuns; ++i) {
            QImage copy = strumix::copy_pixels(image);
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

inline void run(benchmark::State& state, const std::function<void(Session&)>& setup,
                const std::function<void(Session&)>& op,
                const std::vector<Yardstick>& yardsticks = {}) {
    const int page = static_cast<int>(state.range(0));
    Session s;
    make_page(s, page);
    if (setup) setup(s);
    double total = 0;
    std::vector<double> yardstick_totals(yardsticks.size(), 0.0);
    for (auto _ : state) {
        for (size_t i = 0; i < yardsticks.size(); ++i) {
            const auto start = Clock::now();
            yardsticks[i].op();
            yardstick_totals[i] += std::chrono::duration<double>(Clock::now() - start).count();
        }
        const auto start = Clock::now();
        op(s);
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

}  // namespace bench
