#include <QFontMetrics>
#include <QGuiApplication>
#include <QtTest>
#include <cmath>

#include "edit/slur_tool.h"
#include "page/page_font.h"
#include "support/editor_session.h"

Q_DECLARE_METATYPE(strumix::ToolId)
#include "support/pixel_diff.h"

using namespace strumix;

namespace {

constexpr double kTwips = 15.0;  // twips to a pixel

// A slur dragged from `from` to `to` (twips) with the tool in use; returns the pixels it changed.
QVector<QPoint> drag(EditorSession& s, QPointF from, QPointF to) {
    const QImage before = s.page().image();
    s.press(from.x(), from.y());
    s.move(to.x(), to.y());
    s.release(to.x(), to.y());
    return pixels::changed(before, s.page().image());
}

// The draw options ticked as the user ticks them on the slide tool's strip, then `tool` chosen.
void set_options(EditorSession& s, const DrawOptions& options, ToolId tool) {
    for (int i = 0; i < 3; ++i) s.tools.opt_Click(i, options[i]);
    s.tools.select(tool);
}

// Where the page font's ink of `text` lies when printed with its top-left corner at the pixel.
QRect ink_of(const QString& text, QPoint top_left) {
    const QFontMetrics metrics(page_font());
    return metrics.tightBoundingRect(text).translated(top_left.x(),
                                                      top_left.y() + metrics.ascent());
}

bool near(const QRect& a, const QRect& b) {
    return std::abs(a.left() - b.left()) <= 1 && std::abs(a.top() - b.top()) <= 1 &&
           std::abs(a.right() - b.right()) <= 1 && std::abs(a.bottom() - b.bottom()) <= 1;
}

QString text(const QRect& r) {
    return QStringLiteral("%1,%2 to %3,%4")
        .arg(r.left())
        .arg(r.top())
        .arg(r.right())
        .arg(r.bottom());
}

}  // namespace

class TestSlurTools : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    // The half span rounds a half to the even neighbour; at 1000 twips two rows of the span
    // table hold, so the later aspect is used and both factors are applied.
    void arcShape_data() {
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("half");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("aspect");
        QTest::newRow("901") << 1901 << 450 << 450 * 1.06 << 0.4;
        QTest::newRow("903") << 1903 << 452 << 452 * 1.06 << 0.4;
        QTest::newRow("1000") << 2000 << 500 << 500 * 1.06 * 1.14 << 0.3;
        QTest::newRow("3000") << 4000 << 1500 << 1500 * 1.252 * 1.442 << 0.1;
    }

    void arcShape() {
        QFETCH(int, end);
        QFETCH(int, half);
        QFETCH(double, height);
        QFETCH(double, aspect);
        const SlurArc arc = slur_arc(1000, 2000, end);
        QCOMPARE(arc.half_span, half);
        QCOMPARE(arc.mid_x, 1000 + half);
        QCOMPARE(arc.center_y, 2000 + half);
        QVERIFY(qFuzzyCompare(arc.height, height));
        QCOMPARE(arc.aspect, aspect);
    }

    // The drawn arc: ends on the press and the release at the centre's height less h × aspect,
    // top the vertical semi-axis above the centre. No undo copy; Undo goes back to start-up.
    void arcOnThePage_data() {
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QRect>("twips");  // left, top, right, bottom of the arc
        // Centre 2500 − 477 ÷ 1.6 = 2151.875; R = 636.40, aspect 0.4.
        const QRect example(QPoint(1000, 1897), QPoint(1900, 1972));
        QTest::newRow("worked example") << 1 << 1000 << 1900 << example;
        // Height 500 × 1.06 × 1.14 = 604.2: centre 2122.375; R = 707.11, aspect 0.3.
        QTest::newRow("span 1000")
            << 1 << 1000 << 2000 << QRect(QPoint(1000, 1910), QPoint(2000, 1972));
        // Further right than a 16-bit twip count reaches.
        QTest::newRow("wide page") << 4 << 40000 << 40900 << example.translated(39000, 0);
    }

    void arcOnThePage() {
        QFETCH(int, across);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(QRect, twips);
        EditorSession s;
        if (across > 1) {
            LayoutModel model = s.doc.model();
            model.notes_per_measure = 52;
            s.doc.set_model(model);
            s.relayout(2, 6, across);
        }
        const QImage blank = s.page().image();
        set_options(s, {false, true, false}, ToolId::Hammer);
        const Picture undo = s.doc.undo_copy();
        const QRect arc = pixels::bounds(drag(s, QPointF(start, 2000), QPointF(end, 2000)));
        const QRect expected(
            QPoint(qRound(twips.left() / kTwips), qRound(twips.top() / kTwips)),
            QPoint(qRound(twips.right() / kTwips), qRound(twips.bottom() / kTwips)));
        QVERIFY2(near(arc, expected), qPrintable(text(arc)));
        QVERIFY(!s.tools.overlay().line1_visible);
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(s.doc.undo_copy(), undo);
        // Counted as a change for New and Open although no undo copy was taken.
        QVERIFY(s.undo_copy_differs());
        s.doc.menu_undo_Click();
        QCOMPARE(s.page().image(), blank);
    }

    // The letter's top-left corner: 300 twips above the press, 50 (180 for "H+P") left of the
    // span's middle.
    void letterAboveTheArc_data() {
        QTest::addColumn<ToolId>("tool");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("left");
        QTest::newRow("hammer") << ToolId::Hammer << "H" << 1400;
        QTest::newRow("hammer and pull-off") << ToolId::HammerPull << "H+P" << 1270;
        QTest::newRow("slide with arc") << ToolId::Slide << "S" << 1400;
    }

    void letterAboveTheArc() {
        QFETCH(ToolId, tool);
        QFETCH(QString, letter);
        QFETCH(int, left);
        EditorSession s;
        set_options(s, {true, false, true}, tool);
        const QVector<QPoint> changed = drag(s, QPointF(1000, 2400), QPointF(1900, 2400));
        // Press height 2400: the letter row 2100 lies clear of the staff lines and the arc.
        const QRect ink = pixels::bounds(pixels::inside(changed, QRect(0, 0, 500, 150)));
        const QRect expected = ink_of(letter, QPoint(qRound(left / kTwips), 140));
        QVERIFY2(near(ink, expected), qPrintable(text(ink) + " not " + text(expected)));
    }

    // Slide with "&Line" but not "&Arc": the band and the line follow the pointer, the letter
    // stands 300 twips above the line's end, nothing else is drawn.
    void slideLineWithoutArc() {
        EditorSession s;
        s.tools.select(ToolId::Slide);
        QCOMPARE(s.tools.opt(), (DrawOptions{false, true, true}));
        const QImage before = s.page().image();
        s.press(1000, 2000);
        s.move(1900, 2600);
        QCOMPARE(s.tools.overlay().line1, QLine(67, 133, 127, 173));
        s.release(1900, 2600);
        const QVector<QPoint> changed = pixels::changed(before, s.page().image());
        const QImage& page = s.page().image();
        QVERIFY(pixels::ink(page, 67, 133) && pixels::ink(page, 97, 153) &&
                pixels::ink(page, 127, 173));
        const QRect letter = ink_of(QStringLiteral("S"), QPoint(93, 153));
        QVERIFY(!pixels::inside(changed, letter).isEmpty());
        for (const QPoint& p : changed) {
            if (!QRect(QPoint(67, 133), QPoint(127, 173)).contains(p) &&
                !letter.adjusted(-1, -1, 1, 1).contains(p))
                QFAIL(qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        }
    }

    // Released at or left of the press: the band goes and nothing is drawn but a slide's line.
    void releaseAtOrLeftOfThePress_data() {
        QTest::addColumn<ToolId>("tool");
        QTest::addColumn<bool>("line");
        QTest::addColumn<int>("release");
        QTest::addColumn<QRect>("drawn");
        QTest::newRow("hammer at the press") << ToolId::Hammer << true << 1000 << QRect();
        QTest::newRow("pull-off left") << ToolId::PullOff << true << 400 << QRect();
        QTest::newRow("slide line left")
            << ToolId::Slide << true << 400 << QRect(QPoint(27, 133), QPoint(67, 133));
    }

    void releaseAtOrLeftOfThePress() {
        QFETCH(ToolId, tool);
        QFETCH(bool, line);
        QFETCH(int, release);
        QFETCH(QRect, drawn);
        EditorSession s;
        set_options(s, {true, line, true}, tool);
        const QVector<QPoint> changed = drag(s, QPointF(1000, 2000), QPointF(release, 2000));
        QCOMPARE(pixels::bounds(changed), drawn);
        QVERIFY(!s.tools.overlay().line1_visible);
    }
};

QTEST_MAIN(TestSlurTools)
#include "test_slur_tools.moc"
