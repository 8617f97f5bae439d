#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include "page/page_font.h"
#include "page/page_renderer.h"
#include "support/editor_session.h"

using namespace strumix;

namespace {

struct State {
    QImage page;
    LayoutModel layout;
};

State now(EditorSession& s) { return {s.page().image().copy(), s.doc.model()}; }

bool same(const State& a, const State& b) { return a.page == b.page && a.layout == b.layout; }

QPoint random_cell(EditorSession& s, QRandomGenerator& random) {
    const LayoutModel& m = s.doc.model();
    const int staff = random.bounded(m.num_lines);
    const QRect cell =
        m.note_cell(staff, random.bounded(m.num_strings(staff)), random.bounded(m.measures_across),
                    random.bounded(m.notes_per_measure));
    return cell.topLeft();
}

// One edit as the user makes it, chosen at random; the event it came from then ends.
void random_edit(EditorSession& s, QRandomGenerator& random) {
    const int kind = random.bounded(100);
    const QPoint cell = random_cell(s, random);
    if (kind < 35) {
        s.tools.btn_mode_Click(0);
        s.box().place(cell.x() / kColumnPixels, cell.y() / kRowPixels);
        const int fret = random.bounded(25);
        if (fret >= 10) s.key(Qt::Key_0 + fret / 10);
        s.key(Qt::Key_0 + fret % 10);
        s.key(Qt::Key_Return);
    } else if (kind < 42) {
        s.tools.btn_mode_Click(0);
        s.box().place(cell.x() / kColumnPixels, cell.y() / kRowPixels);
        s.tools.mnu_harmonic_Click();
    } else if (kind < 55) {
        s.tools.btn_bend_Click(random.bounded(8));
        s.tools.Picture1_DragDrop(QPointF(cell + QPoint(6, -8)));
    } else if (kind < 65) {
        s.tools.pic_tool_Click(random.bounded(4));
        const QPoint to = cell + QPoint(20 + random.bounded(60), 0);
        s.tools.Picture1_MouseDown(Qt::LeftButton, QPointF(cell + QPoint(4, 7)));
        s.tools.Picture1_MouseMove(QPointF(to + QPoint(4, 7)));
        s.tools.Picture1_MouseUp(QPointF(to + QPoint(4, 7)));
        s.tools.btn_mode_Click(0);
    } else if (kind < 72) {
        s.tools.btn_edit_Click();
        const QPointF from(cell);
        s.tools.Picture1_MouseDown(Qt::LeftButton, from);
        s.tools.Picture1_MouseMove(from +
                                   QPointF(10 + random.bounded(50), 10 + random.bounded(30)));
        s.tools.Picture1_MouseUp(from + QPointF(10 + random.bounded(50), 10 + random.bounded(30)));
        s.tools.btn_mode_Click(0);
    } else if (kind < 76) {
        s.host.inputs.push_back(QStringLiteral("Riff %1").arg(random.bounded(1000)));
        s.tools.mnu_title_Click();
    } else if (kind < 82) {
        s.doc.menu_undo_Click();
    } else if (kind < 86) {
        s.doc.set_backup();
    } else if (kind < 90) {
        s.doc.menu_revert_Click();
    } else if (kind < 94) {
        s.relayout(1 + random.bounded(3), 4 + random.bounded(4), 1 + random.bounded(2));
    } else {
        // Back a few steps, then on from there: the steps taken back are left behind.
        for (int n = 1 + random.bounded(3); n > 0; --n) s.doc.step_back();
    }
    s.doc.history().close_step();
}

}  // namespace

class TestPageHistory : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void every_step_goes_back_and_forward_pixel_for_pixel() {
        QRandomGenerator random(20261210u);
        EditorSession s;
        const State opened = now(s);
        QVERIFY(!s.doc.history().can_step_back());
        for (int i = 0; i < 300; ++i) random_edit(s, random);
        const State edited = now(s);
        QVERIFY(s.doc.history().size() > 150);
        int back = 0;
        while (s.doc.history().can_step_back()) {
            s.doc.step_back();
            QVERIFY(++back <= 300);
        }
        QVERIFY2(same(now(s), opened), "all the way back is the page as it started");
        // Stepping back is a change like any other: the page asks to be saved.
        QVERIFY(s.doc.unsaved(Document::Moment::Ending));
        while (s.doc.history().can_step_forward()) s.doc.step_forward();
        QVERIFY2(same(now(s), edited), "all the way forward is the page as it was edited");
    }

    void a_new_edit_after_stepping_back_drops_the_steps_ahead() {
        EditorSession s;
        const State opened = now(s);
        s.place_box(8, 3);
        s.keys({Qt::Key_1, Qt::Key_Return});
        s.doc.history().close_step();
        const State one = now(s);
        s.place_box(10, 3);
        s.keys({Qt::Key_2, Qt::Key_Return});
        s.doc.history().close_step();
        s.doc.step_back();
        QVERIFY(same(now(s), one));
        QVERIFY(s.doc.history().can_step_forward());
        // Written where the step taken back had written: back from it is the page without.
        s.place_box(10, 3);
        s.keys({Qt::Key_3, Qt::Key_Return});
        s.doc.history().close_step();
        QVERIFY(!s.doc.history().can_step_forward());
        s.doc.step_back();
        QVERIFY(same(now(s), one));
        s.doc.step_back();
        QVERIFY(same(now(s), opened));
        s.doc.step_forward();
        s.doc.step_forward();
        // The event loop closes steps by itself: one key, one step.
        s.keys({Qt::Key_4, Qt::Key_Return});
        QVERIFY(s.doc.history().can_step_back());
        const int before = s.doc.history().size();
        QCoreApplication::processEvents();
        QCOMPARE(s.doc.history().size(), before + 1);
    }

    void save_keeps_the_history_and_a_new_history_starts_empty() {
        QTemporaryDir dir;
        EditorSession s;
        const State opened = now(s);
        s.keys({Qt::Key_5, Qt::Key_Return});
        s.doc.history().close_step();
        QString error;
        QVERIFY2(s.doc.save(dir.filePath(QStringLiteral("riff.tab")), &error), qPrintable(error));
        QVERIFY(!s.doc.unsaved(Document::Moment::Ending));
        s.keys({Qt::Key_Down, Qt::Key_7, Qt::Key_Return});
        s.doc.history().close_step();
        s.doc.step_back();
        s.doc.step_back();
        QVERIFY(same(now(s), opened));
        s.doc.start_history();
        QVERIFY(!s.doc.history().can_step_back() && !s.doc.history().can_step_forward());
        QCOMPARE(s.doc.history().bytes(), qsizetype(0));
    }

    void memory_stays_under_its_limit_on_the_largest_page() {
        EditorSession s;
        LayoutModel largest = s.doc.model();
        largest.num_lines = kMaxStaffs;
        largest.measures_across = kMaxMeasuresAcross;
        largest.notes_per_measure = kMaxNotesPerMeasure;
        for (int i = 0; i < kMaxStaffs; ++i) largest.line_props[i].num_strings = kMaxStrings;
        largest.recompute_staff_rows();
        s.doc.set_model(largest);
        QString error;
        QVERIFY(s.doc.Redraw_pic(&error));
        s.doc.start_history();
        const PageHistory::Limits limits;
        // Small edits: hundreds of steps fit.
        QRandomGenerator random(7u);
        for (int i = 0; i < 300; ++i) {
            s.box().place(random_cell(s, random).x() / kColumnPixels,
                          random_cell(s, random).y() / kRowPixels);
            s.keys({Qt::Key_1 + random.bounded(9), Qt::Key_Return});
            s.doc.history().close_step();
        }
        QVERIFY(s.doc.history().size() >= 200);
        // Steps over the whole page (a revert and the Undo of it, by turns) fill the memory:
        // the oldest go.
        for (int i = 0; i < 12; ++i) {
            if (i % 2 == 0)
                s.doc.menu_revert_Click();
            else
                s.doc.menu_undo_Click();
            s.doc.history().close_step();
            QVERIFY(s.doc.history().bytes() <= limits.bytes);
        }
        QVERIFY(s.doc.history().size() < 300);
        QVERIFY(s.doc.history().can_step_back());
    }
};

QTEST_MAIN(TestPageHistory)
#include "test_page_history.moc"
