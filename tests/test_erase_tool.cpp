#include <QGuiApplication>
#include <QtTest>

#include "edit/editor.h"
#include "fake_host.h"
#include "page/page_font.h"
#include "pixel_diff.h"

using namespace strumix;

namespace {

// Rows and columns of the start-up page in pixels.
int string_y(const LayoutModel& model, int staff, int string) {
    return static_cast<int>(model.string_line_y(staff, string) * kRowPixels);
}
int bar_x(const LayoutModel& model, int measure) {
    return static_cast<int>(model.measure_left(measure) * kColumnPixels);
}

// Ink over the guitar staff: a solid black block and two numbers, so that a cut shows both
// what goes and what comes back.
void scribble(Editor& editor, const QRect& block) {
    PagePicture& page = editor.Picture1;
    const ScaleMode unit = page.scale_mode();
    page.set_scale_mode(ScaleMode::Pixels);
    page.set_fore_color(Qt::black);
    page.set_fill_color(Qt::black);
    page.box(block.left(), block.top(), block.right(), block.bottom());
    page.set_fill_color(Qt::white);
    page.set_scale_mode(ScaleMode::Characters);
    page.set_current(20, 4);
    page.print(QStringLiteral("12"));
    page.set_scale_mode(unit);
}

void drag(Editor& editor, QPointF from, QPointF to, int button = kLeftButton) {
    editor.Picture1_MouseDown(button, 0, from.x(), from.y());
    editor.Picture1_MouseMove(button, 0, (from.x() + to.x()) / 2, (from.y() + to.y()) / 2);
    editor.Picture1_MouseMove(button, 0, to.x(), to.y());
    editor.Picture1_MouseUp(button, 0, to.x(), to.y());
}

}  // namespace

class TestEraseTool : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    // Whichever way the drag goes, the same pixels turn white and the staff lines inside them
    // are drawn again; pixels just outside keep their ink.
    void cutInEveryDirection_data() {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<int>("button");
        QTest::newRow("down right") << QPointF(100, 60) << QPointF(180, 110) << kLeftButton;
        QTest::newRow("up left") << QPointF(180, 110) << QPointF(100, 60) << kLeftButton;
        QTest::newRow("down left") << QPointF(180, 60) << QPointF(100, 110) << kLeftButton;
        QTest::newRow("up right") << QPointF(100, 110) << QPointF(180, 60) << kLeftButton;
        QTest::newRow("middle button") << QPointF(100, 60) << QPointF(180, 110) << kMiddleButton;
        QTest::newRow("fractions round")
            << QPointF(99.6, 60.4) << QPointF(180.2, 109.5) << kLeftButton;
    }

    void cutInEveryDirection() {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(int, button);
        FakeHost host;
        Editor editor(host);
        editor.startup();
        const QImage blank = editor.Picture1.image();
        editor.btn_edit_Click();
        scribble(editor, QRect(QPoint(90, 50), QPoint(190, 115)));
        const QImage inked = editor.Picture1.image();

        drag(editor, from, to, button);

        // Left 100, top 60, width 80, height 50: white from (99, 59) to (178, 108).
        const QRect cut(QPoint(99, 59), QPoint(178, 108));
        const QImage& page = editor.Picture1.image();
        for (int y = 40; y < 130; ++y) {
            for (int x = 80; x < 200; ++x) {
                const QPoint p(x, y);
                if (cut.contains(p)) {
                    if (!(page.pixel(p) == blank.pixel(p)))
                        QFAIL(qPrintable(QStringLiteral("inside at %1,%2").arg(x).arg(y)));
                } else {
                    if (!(page.pixel(p) == inked.pixel(p)))
                        QFAIL(qPrintable(QStringLiteral("outside at %1,%2").arg(x).arg(y)));
                }
            }
        }
        // The string lines that cross the cut are whole again.
        for (int s : {1, 2, 3}) {
            const int y = string_y(editor.model, 0, s);
            QVERIFY(cut.contains(QPoint(140, y)));
            for (int x = cut.left(); x <= cut.right(); ++x) QVERIFY(pixels::ink(page, x, y));
        }
        QVERIFY(!editor.box_visible);
        QVERIFY(!editor.mouse_is_down);
        QCOMPARE(editor.Picture1.scale_mode(), ScaleMode::Twips);
        QCOMPARE(editor.model.current_tool, kToolErase);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // The band follows the drag in pixels, over the same rectangle whichever way it goes.
    void rubberBand_data() {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<bool>("twips");
        QTest::newRow("pixels") << QPointF(180, 60) << QPointF(100, 110) << false;
        QTest::newRow("twips") << QPointF(2700, 900) << QPointF(1500, 1650) << true;
    }

    void rubberBand() {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(bool, twips);
        FakeHost host;
        Editor editor(host);
        editor.startup();
        editor.btn_edit_Click();
        if (twips) drag(editor, QPointF(300, 20), QPointF(310, 30));
        const QImage page = editor.Picture1.image();
        editor.Picture1_MouseDown(kLeftButton, 0, from.x(), from.y());
        QVERIFY(editor.box_visible);
        QCOMPARE(editor.box_band.size(), QSize(1, 1));
        QCOMPARE(editor.box_band.topLeft(), twips ? QPoint(180, 60) : from.toPoint());
        editor.Picture1_MouseMove(kLeftButton, 0, to.x(), to.y());
        QCOMPARE(editor.box_band, QRect(100, 60, 80, 50));
        // The band lies over the page; nothing is drawn until the release.
        QCOMPARE(editor.Picture1.image(), page);
        editor.Picture1_MouseUp(kLeftButton, 0, to.x(), to.y());
        QVERIFY(!editor.box_visible);
    }

    // After a cut the tool works in twips: the same drag in twips cuts from one twip above and
    // left of the press, which lands on the press's own pixel.
    void secondCutWorksInTwips() {
        FakeHost host;
        Editor editor(host);
        editor.startup();
        const QImage blank = editor.Picture1.image();
        editor.btn_edit_Click();
        drag(editor, QPointF(300, 20), QPointF(310, 30));
        QCOMPARE(editor.Picture1.scale_mode(), ScaleMode::Twips);
        scribble(editor, QRect(QPoint(90, 50), QPoint(190, 115)));
        const QImage inked = editor.Picture1.image();

        drag(editor, QPointF(1500, 900), QPointF(2700, 1650));
        QCOMPARE(editor.drag_start_x, 1500);
        QCOMPARE(editor.drag_end_y, 1650);

        // (1499, 899) to (2698, 1648) twips: pixels 100 to 180 across, 60 to 110 down.
        const QRect cut(QPoint(100, 60), QPoint(180, 110));
        const QImage& page = editor.Picture1.image();
        for (int y = 45; y < 125; ++y) {
            for (int x = 85; x < 195; ++x) {
                const QPoint p(x, y);
                if (!(page.pixel(p) == (cut.contains(p) ? blank : inked).pixel(p)))
                    QFAIL(qPrintable(QStringLiteral("at %1,%2").arg(x).arg(y)));
            }
        }
        QCOMPARE(editor.Picture1.scale_mode(), ScaleMode::Twips);
    }

    // Captions, string names and bar lines under a cut come back as they were drawn.
    void labelsAndBarsComeBack() {
        FakeHost host;
        Editor editor(host);
        editor.startup();
        const QImage blank = editor.Picture1.image();
        editor.btn_edit_Click();
        const int bar = bar_x(editor.model, 0);
        const int caption_top = editor.model.caption_row(0) * kRowPixels;
        scribble(editor, QRect(QPoint(0, caption_top), QPoint(bar + 20, 140)));
        drag(editor, QPointF(1, caption_top + 1), QPointF(bar + 20, 140));
        const QImage& page = editor.Picture1.image();
        for (int y = caption_top; y < 139; ++y)
            for (int x = 0; x < bar + 19; ++x) QVERIFY(page.pixel(x, y) == blank.pixel(x, y));
        QVERIFY(pixels::ink(page, bar, string_y(editor.model, 0, 0)));
        QVERIFY(pixels::ink(page, bar, string_y(editor.model, 0, 5)));
    }

    // One undo copy for all the cuts: the page as it was when the tool was chosen.
    void undoCopyIsTakenOnSelection() {
        FakeHost host;
        Editor editor(host);
        editor.startup();
        scribble(editor, QRect(QPoint(90, 50), QPoint(190, 115)));
        const QImage inked = editor.Picture1.image();
        editor.btn_edit_Click();
        const Picture copy = editor.backup[0];
        drag(editor, QPointF(100, 60), QPointF(180, 110));
        drag(editor, QPointF(1500, 300), QPointF(3000, 600));
        QCOMPARE(editor.backup[0], copy);
        QCOMPARE(*editor.backup[0], inked);
        QVERIFY(editor.Picture1.image() != inked);
        editor.menu_undo_Click();
        QCOMPARE(editor.Picture1.image(), inked);
    }

    void releaseWithoutPressDoesNothing() {
        FakeHost host;
        Editor editor(host);
        editor.startup();
        editor.btn_edit_Click();
        const QImage page = editor.Picture1.image();
        editor.Picture1_MouseMove(kLeftButton, 0, 150, 100);
        editor.Picture1_MouseUp(kLeftButton, 0, 150, 100);
        QCOMPARE(editor.Picture1.image(), page);
        QCOMPARE(editor.Picture1.scale_mode(), ScaleMode::Pixels);
        QVERIFY(!editor.box_visible);
    }
};

QTEST_MAIN(TestEraseTool)
#include "test_erase_tool.moc"
