#include <QFontMetrics>
#include <QGuiApplication>
#include <QtTest>
#include <cmath>

#include "edit/editor.h"
#include "edit/slur_tool.h"
#include "fake_host.h"
#include "page/page_font.h"
#include "page/page_renderer.h"
#include "pixel_diff.h"

using namespace strumix;

namespace {

constexpr double kTwips = 15.0;  // twips to a pixel

// A slur dragged from `from` to `to` (twips) with the tool in use.
void drag(Editor& editor, QPointF from, QPointF to) {
    editor.Picture1_MouseDown(kLeftButton, 0, from.x(), from.y());
    editor.Picture1_MouseMove(kLeftButton, 0, (from.x() + to.x()) / 2, to.y());
    editor.Picture1_MouseMove(kLeftButton, 0, to.x(), to.y());
    editor.Picture1_MouseUp(kLeftButton, 0, to.x(), to.y());
}

// Where the page font's ink of `text` lies when printed with its top-left corner at the pixel.
QRect ink_of(const QString& text, QPoint top_left) {
    const QFontMetrics metrics(page_font());
    return metrics.tightBoundingRect(text).translated(top_left.x(),
                                                      top_left.y() + metrics.ascent());
}

bool near(int actual, double expected, double tolerance = 1.0) {
    return std::abs(actual - expected) <= tolerance;
}

}  // namespace

class TestSlurTools : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    // The arc's numbers by span: the half span rounds a half to the even neighbour, and at
    // 1000, 2000 and 3000 twips two rows of the span table hold.
    void arcShape_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("half");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("aspect");
        QTest::newRow("900") << 1000 << 1900 << 450 << 450 * 1.06 << 0.4;
        QTest::newRow("901, half rounds down to even") << 1000 << 1901 << 450 << 450 * 1.06 << 0.4;
        QTest::newRow("903, half rounds up to even") << 1000 << 1903 << 452 << 452 * 1.06 << 0.4;
        QTest::newRow("999") << 1000 << 1999 << 500 << 500 * 1.06 << 0.4;
        QTest::newRow("1000") << 1000 << 2000 << 500 << 500 * 1.06 * 1.14 << 0.3;
        QTest::newRow("1500") << 0 << 1500 << 750 << 750 * 1.14 << 0.3;
        QTest::newRow("2000") << 0 << 2000 << 1000 << 1000 * 1.14 * 1.252 << 0.2;
        QTest::newRow("3000") << 0 << 3000 << 1500 << 1500 * 1.252 * 1.442 << 0.1;
        QTest::newRow("5000") << 0 << 5000 << 2500 << 2500 * 1.442 << 0.1;
    }

    void arcShape() {
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(int, half);
        QFETCH(double, height);
        QFETCH(double, aspect);
        const SlurArc arc = slur_arc(start, 2000, end);
        QCOMPARE(arc.half_span, half);
        QCOMPARE(arc.mid_x, start + half);
        QCOMPARE(arc.center_y, 2000 + half);
        QVERIFY(qFuzzyCompare(arc.radius, half * std::sqrt(2.0)));
        QVERIFY(qFuzzyCompare(arc.height, height));
        QCOMPARE(arc.aspect, aspect);
    }

    void workedExampleNumbers() {
        const SlurArc arc = slur_arc(1000, 2000, 1900);
        QCOMPARE(arc.mid_x, 1450);
        QVERIFY(std::abs(arc.centre_y() - 2151.9) < 0.05);
        QVERIFY(std::abs(arc.radius - 636.4) < 0.05);
        QCOMPARE(arc.aspect, 0.4);
        // R·cos 45° is the half span, so the ends lie on the press and the release.
        QVERIFY(std::abs(arc.mid_x - arc.radius * std::cos(kSlurArcStart) - 1000) < 0.01);
        QVERIFY(std::abs(arc.mid_x + arc.radius * std::cos(kSlurArcStart) - 1900) < 0.01);
    }

    // The drawn arc in pixels: its ends on the span at the centre's height less h × aspect, its
    // top the vertical semi-axis above the centre.
    void arcOnThePage_data() {
        QTest::addColumn<int>("measures");
        QTest::addColumn<int>("notes");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<int>("y");
        QTest::addColumn<double>("top_y");  // twips, from the centre, radius and aspect
        QTest::addColumn<double>("end_y");
        // Centre 2500 − 477 ÷ 1.6 = 2151.875; top 636.40 × 0.4 above it, ends 450 × 0.4 above.
        QTest::newRow("worked example")
            << 1 << 16 << 1000 << 1900 << 2000 << 2151.875 - 254.558 << 2151.875 - 180.0;
        // Height 500 × 1.06 × 1.14 = 604.2: centre 2122.375, aspect 0.3.
        QTest::newRow("span 1000")
            << 1 << 16 << 1000 << 2000 << 2000 << 2122.375 - 212.132 << 2122.375 - 150.0;
        // Height 1500 × 1.252 × 1.442 = 2708.08: centre 1807.45, aspect 0.1.
        QTest::newRow("span 3000")
            << 1 << 16 << 2000 << 5000 << 2000 << 1807.453 - 212.132 << 1807.453 - 150.0;
        // Further right than a 16-bit twip count reaches.
        QTest::newRow("wide page")
            << 4 << 52 << 40000 << 40900 << 2000 << 2151.875 - 254.558 << 2151.875 - 180.0;
    }

    void arcOnThePage() {
        QFETCH(int, measures);
        QFETCH(int, notes);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(int, y);
        QFETCH(double, top_y);
        QFETCH(double, end_y);
        FakeHost host;
        Editor editor(host);
        editor.startup();
        if (measures != editor.model.measures_across) {
            editor.model.measures_across = measures;
            editor.model.notes_per_measure = notes;
            editor.Redraw_pic();
        }
        editor.pic_tool_Click(kToolHammer);
        editor.opt[2] = false;
        const QImage before = editor.Picture1.image();
        const Picture undo = editor.backup[0];

        drag(editor, QPointF(start, y), QPointF(end, y));

        top_y /= kTwips;
        end_y /= kTwips;
        const double mid_x = (start + end) / 2.0 / kTwips;
        const QVector<QPoint> changed = pixels::changed(before, editor.Picture1.image());
        const QRect bounds = pixels::bounds(changed);
        QVERIFY2(near(bounds.left(), start / kTwips), qPrintable(QString::number(bounds.left())));
        QVERIFY2(near(bounds.right(), end / kTwips), qPrintable(QString::number(bounds.right())));
        QVERIFY2(near(bounds.top(), top_y), qPrintable(QString::number(bounds.top())));
        QVERIFY2(near(bounds.bottom(), end_y), qPrintable(QString::number(bounds.bottom())));
        // The top is over the middle of the span, the ends at the span's edges.
        for (const QPoint& p : changed) {
            if (p.y() == bounds.top()) QVERIFY(std::abs(p.x() - mid_x) < (end - start) / 30.0 / 2);
            if (p.x() == bounds.left() || p.x() == bounds.right()) QVERIFY(near(p.y(), end_y));
        }
        QVERIFY(!editor.line1_visible);
        QVERIFY(!editor.mouse_is_down);
        QCOMPARE(editor.arc_mid_x, (start + end) / 2);
        QCOMPARE(editor.arc_center_y, y + (end - start) / 2);
        QCOMPARE(editor.model.current_tool, kToolHammer);
        QVERIFY(!QGuiApplication::overrideCursor());
        // No undo copy for a slur; the page still counts as changed for New and Open.
        QCOMPARE(editor.backup[0], undo);
        QVERIFY(editor.page_changed());
    }

    void letterAboveTheArc_data() {
        QTest::addColumn<int>("tool");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<int>("left");  // twips left of the span's middle
        QTest::newRow("hammer") << kToolHammer << "H" << 50;
        QTest::newRow("pull-off") << kToolPullOff << "P" << 50;
        QTest::newRow("hammer and pull-off") << kToolHammerPull << "H+P" << 180;
        QTest::newRow("slide with arc") << kToolSlide << "S" << 50;
    }

    void letterAboveTheArc() {
        QFETCH(int, tool);
        QFETCH(QString, letter);
        QFETCH(int, left);
        FakeHost host;
        Editor editor(host);
        editor.startup();
        editor.pic_tool_Click(tool);
        editor.opt = {true, false, true};
        // Press height 2400 twips: the letter row, 2100, lies clear of the staff lines.
        const QPointF from(1000, 2400), to(1900, 2400);
        const QImage before = editor.Picture1.image();
        drag(editor, from, to);

        const int mid_x = 1000 + 450;
        const QPoint corner(static_cast<int>(std::lround((mid_x - left) / kTwips)),
                            static_cast<int>(std::lround((2400 - 300) / kTwips)));
        const QRect expected = ink_of(letter, corner);
        const QVector<QPoint> changed = pixels::changed(before, editor.Picture1.image());
        // The arc starts below the letter's row, so everything above it is the letter.
        const double arc_top = slur_arc(1000, 2400, 1900).centre_y() / kTwips - 18;
        const QRect ink = pixels::bounds(
            pixels::inside(changed, QRect(0, 0, editor.Picture1.size().width(), int(arc_top))));
        QVERIFY2(std::abs(ink.left() - expected.left()) <= 1 &&
                     std::abs(ink.top() - expected.top()) <= 1 &&
                     std::abs(ink.right() - expected.right()) <= 1 &&
                     std::abs(ink.bottom() - expected.bottom()) <= 1,
                 qPrintable(QStringLiteral("ink %1,%2 %3x%4, expected %5,%6 %7x%8")
                                .arg(ink.x())
                                .arg(ink.y())
                                .arg(ink.width())
                                .arg(ink.height())
                                .arg(expected.x())
                                .arg(expected.y())
                                .arg(expected.width())
                                .arg(expected.height())));
    }

    // The slide as a straight line with "&Line" and without "&Arc": the line follows the
    // pointer, the letter stands 300 twips above the line's end, and no arc is drawn.
    void slideLineWithoutArc() {
        FakeHost host;
        Editor editor(host);
        editor.startup();
        editor.pic_tool_Click(kToolSlide);
        QCOMPARE(editor.opt, (std::array<bool, 3>{false, true, true}));
        const QImage before = editor.Picture1.image();
        editor.Picture1_MouseDown(kLeftButton, 0, 1000, 2000);
        editor.Picture1_MouseMove(kLeftButton, 0, 1900, 2600);
        QVERIFY(editor.line1_visible);
        QCOMPARE(editor.line1_band, QLine(67, 133, 127, 173));
        QCOMPARE(editor.Picture1.image(), before);
        editor.Picture1_MouseUp(kLeftButton, 0, 1900, 2600);

        const QImage& page = editor.Picture1.image();
        QVERIFY(pixels::ink(page, 67, 133));
        QVERIFY(pixels::ink(page, 127, 173));
        QVERIFY(pixels::ink(page, 97, 153));
        const QRect line(QPoint(67, 133), QPoint(127, 173));
        const QRect letter = ink_of(QStringLiteral("S"), QPoint(93, 153));
        const QVector<QPoint> changed = pixels::changed(before, page);
        QVERIFY(!changed.isEmpty());
        for (const QPoint& p : changed)
            QVERIFY2(line.contains(p) || letter.adjusted(-1, -1, 1, 1).contains(p),
                     qPrintable(QStringLiteral("%1,%2").arg(p.x()).arg(p.y())));
        QVERIFY(!pixels::inside(changed, letter).isEmpty());
        QVERIFY(editor.page_changed());
    }

    // Undo after slurs goes back to the last copy taken, here the start-up page; a second
    // Undo brings the slurs back.
    void undoAfterSlurs() {
        FakeHost host;
        Editor editor(host);
        editor.startup();
        const QImage blank = editor.Picture1.image();
        editor.pic_tool_Click(kToolHammer);
        drag(editor, QPointF(1000, 2000), QPointF(1900, 2000));
        editor.pic_tool_Click(kToolSlide);
        drag(editor, QPointF(2500, 2000), QPointF(3400, 2400));
        const QImage drawn = editor.Picture1.image();
        QVERIFY(drawn != blank);
        editor.menu_undo_Click();
        QCOMPARE(editor.Picture1.image(), blank);
        QVERIFY(editor.page_changed());
        editor.menu_undo_Click();
        QCOMPARE(editor.Picture1.image(), drawn);
    }

    // Moves keep a slur level unless it is a slide drawn as a line.
    void bandFollowsThePointer_data() {
        QTest::addColumn<int>("tool");
        QTest::addColumn<bool>("line");
        QTest::addColumn<QLine>("band");
        QTest::newRow("hammer") << kToolHammer << true << QLine(67, 133, 127, 133);
        QTest::newRow("slide without line") << kToolSlide << false << QLine(67, 133, 127, 133);
        QTest::newRow("slide with line") << kToolSlide << true << QLine(67, 133, 127, 100);
    }

    void bandFollowsThePointer() {
        QFETCH(int, tool);
        QFETCH(bool, line);
        QFETCH(QLine, band);
        FakeHost host;
        Editor editor(host);
        editor.startup();
        editor.pic_tool_Click(tool);
        editor.opt[1] = line;
        editor.Picture1_MouseDown(kLeftButton, 0, 1000, 2000);
        QCOMPARE(editor.line1_band, QLine(67, 133, 67, 133));
        editor.Picture1_MouseMove(kLeftButton, 0, 1900, 1500);
        QCOMPARE(editor.line1_band, band);
        QCOMPARE(editor.page_pointer, PagePointer::CrossHair);
    }

    // Released at or left of the press: the band goes and nothing is drawn, except the line of
    // a slide drawn as a line.
    void releaseAtOrLeftOfThePress_data() {
        QTest::addColumn<int>("tool");
        QTest::addColumn<bool>("line");
        QTest::addColumn<int>("release");
        for (int tool : {kToolHammer, kToolPullOff, kToolHammerPull, kToolSlide}) {
            QTest::addRow("tool %d, at the press", tool) << tool << false << 1000;
            QTest::addRow("tool %d, left", tool) << tool << false << 400;
        }
        QTest::newRow("slide line, left") << kToolSlide << true << 400;
    }

    void releaseAtOrLeftOfThePress() {
        QFETCH(int, tool);
        QFETCH(bool, line);
        QFETCH(int, release);
        FakeHost host;
        Editor editor(host);
        editor.startup();
        editor.pic_tool_Click(tool);
        editor.opt = {true, line, true};
        const QImage before = editor.Picture1.image();
        drag(editor, QPointF(1000, 2000), QPointF(release, 2000));
        QVERIFY(!editor.line1_visible);
        const QVector<QPoint> changed = pixels::changed(before, editor.Picture1.image());
        if (!line) {
            QVERIFY(changed.isEmpty());
            QVERIFY(!editor.page_changed());
        } else {
            QCOMPARE(pixels::bounds(changed), QRect(QPoint(27, 133), QPoint(67, 133)));
        }
    }
};

QTEST_MAIN(TestSlurTools)
#include "test_slur_tools.moc"
