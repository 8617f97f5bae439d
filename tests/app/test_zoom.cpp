#include <QScrollBar>
#include <QToolButton>
#include <QtTest>

#include "app/assembly.h"
#include "app/main_window.h"
#include "app/page_widget.h"
#include "edit/tool.h"
#include "page/page_font.h"
#include "support/fake_host.h"

using namespace strumix;

namespace {

// The real main window, offscreen, with the start-up page shown at `zoom`.
struct Window {
    FakeQuestions host;
    Assembly program{&host};
    MainWindow& form1 = program.form1();
    Document& doc = program.document();
    ToolPalette& tools = program.tools();

    explicit Window(int zoom) {
        program.start();
        form1.resize(1000, 700);
        form1.show();
        form1.set_zoom(zoom);
    }
    PageWidget* page() { return form1.page(); }
};

// Counts the page's pixels that paint events ask for.
struct PaintedPixels : QObject {
    qint64 pixels = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
                pixels += qint64(r.width()) * r.height();
        return false;
    }
};

// Everything the mouse draws, with page positions given at actual size and played at `zoom`
// on the widget, `inside` pixels into the enlarged page pixel.
QImage draw_with_the_mouse(int zoom, int inside) {
    Window w(zoom);
    PageWidget* page = w.page();
    auto at = [&](int x, int y) { return QPoint(x * zoom + inside, y * zoom + inside); };
    // An erase cut across the first staff.
    w.tools.btn_edit_Click();
    QTest::mousePress(page, Qt::LeftButton, {}, at(83, 61));
    QTest::mouseMove(page, at(140, 90));
    QTest::mouseRelease(page, Qt::LeftButton, {}, at(141, 91));
    // A hammer-on and a slide between two notes.
    w.tools.select(ToolId::Hammer);
    QTest::mousePress(page, Qt::LeftButton, {}, at(170, 120));
    QTest::mouseMove(page, at(200, 121));
    QTest::mouseRelease(page, Qt::LeftButton, {}, at(211, 121));
    w.tools.select(ToolId::Slide);
    QTest::mousePress(page, Qt::LeftButton, {}, at(230, 150));
    QTest::mouseRelease(page, Qt::LeftButton, {}, at(270, 170));
    // A half bend carried from its button and let go on the page.
    QTest::mouseClick(w.form1.tool_button(QStringLiteral("btn_bend_4")), Qt::LeftButton);
    QTest::mousePress(page, Qt::LeftButton, {}, at(301, 77));
    QTest::mouseRelease(page, Qt::LeftButton, {}, at(301, 77));
    // Fret numbers typed into the cursor box.
    QTest::keyClicks(page, QStringLiteral("12"));
    QTest::keyClick(page, Qt::Key_Return);
    QTest::keyClicks(page, QStringLiteral("5"));
    QTest::keyClick(page, Qt::Key_Return);
    return w.doc.Picture1().image();
}

}  // namespace

class TestZoom : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    // Whatever the zoom, and wherever inside an enlarged pixel the mouse is, the tools draw
    // the same page pixels as at actual size.
    void tools_act_on_the_same_pixels() {
        const QImage actual = draw_with_the_mouse(1, 0);
        QVERIFY(actual != Window(1).doc.Picture1().image());
        QCOMPARE(draw_with_the_mouse(4, 0), actual);
        QCOMPARE(draw_with_the_mouse(4, 3), actual);
        QCOMPARE(draw_with_the_mouse(8, 7), actual);
    }

    // The page is shown with every pixel a sharp square, the cursor box on its cell, and the
    // bands over the same page pixels as at actual size.
    void page_is_shown_enlarged() {
        Window w(4);
        PageWidget* page = w.page();
        const QImage& image = w.doc.Picture1().image();
        QCOMPARE(page->size(), image.size() * 4);
        w.tools.btn_edit_Click();
        QTest::mousePress(page, Qt::LeftButton, {}, QPoint(40, 40));
        QTest::mouseMove(page, QPoint(400, 300));
        const QImage shown = page->grab().toImage();
        // The first staff's top string line: four screen rows of black per page row.
        const int line_y = w.doc.model().first_row(0) * kRowPixels + kRowPixels / 2;
        for (int dy = 0; dy < 4; ++dy) {
            QCOMPARE(shown.pixel(60 * 4 + 1, line_y * 4 + dy), image.pixel(60, line_y));
            QCOMPARE(shown.pixel(60 * 4 + 1, (line_y + 1) * 4 + dy), image.pixel(60, line_y + 1));
        }
        QCOMPARE(image.pixel(60, line_y), qRgb(0, 0, 0));
        // The band's top edge is one page pixel, four screen pixels, thick.
        QCOMPARE(shown.pixel(200, 40), qRgb(0, 0, 0));
        QCOMPARE(shown.pixel(200, 43), qRgb(0, 0, 0));
        QCOMPARE(shown.pixel(200, 44), image.pixel(50, 11));
        QTest::mouseRelease(page, Qt::LeftButton, {}, QPoint(40, 40));
        w.tools.btn_mode_Click(0);
        const QRect box = page->location()->geometry();
        const CursorBox& cursor = w.tools.location();
        QCOMPARE(box.topLeft(), QPoint(qRound(cursor.left() * kColumnPixels) * 4,
                                       qRound(cursor.top() * kRowPixels) * 4));
    }

    // Zoom steps stay within 1 to 8; Fit Page takes the largest whole step that fits; the
    // view scrolls to every edge of the enlarged page.
    void steps_fit_and_scrolling() {
        Window w(1);
        w.form1.action(QStringLiteral("mnu_zoom_out"))->trigger();
        QCOMPARE(w.form1.zoom(), 1);
        QVERIFY(!w.form1.action(QStringLiteral("mnu_zoom_out"))->isEnabled());
        for (int i = 0; i < 10; ++i) w.form1.action(QStringLiteral("mnu_zoom_in"))->trigger();
        QCOMPARE(w.form1.zoom(), 8);
        QVERIFY(!w.form1.action(QStringLiteral("mnu_zoom_in"))->isEnabled());
        QScrollBar* bar = w.form1.vscroll();
        QVERIFY(bar->isVisible());
        bar->setValue(bar->maximum());
        const QWidget* clip = w.form1.picture_clip();
        QCOMPARE(w.page()->y() + w.page()->height(), clip->height());
        w.form1.action(QStringLiteral("mnu_actual_size"))->trigger();
        QCOMPARE(w.form1.zoom(), 1);

        w.form1.action(QStringLiteral("mnu_fit_page"))->trigger();
        const int fit = w.form1.zoom();
        QVERIFY(fit >= 1);
        QVERIFY(!w.form1.vscroll()->isVisible() && !w.form1.hscroll()->isVisible());
        w.form1.set_zoom(fit + 1);
        QVERIFY(w.form1.vscroll()->isVisible() || w.form1.hscroll()->isVisible());
        // A window smaller than the page still fits it at actual size at least.
        w.form1.resize(200, 150);
        QCOMPARE(w.form1.fit_zoom(), 1);
    }

    void ctrl_wheel_zooms() {
        Window w(2);
        QWheelEvent in(QPointF(10, 10), w.page()->mapToGlobal(QPointF(10, 10)), QPoint(),
                       QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.page(), &in);
        QCOMPARE(w.form1.zoom(), 3);
        QWheelEvent plain(QPointF(10, 10), w.page()->mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w.page(), &plain);
        QCOMPARE(w.form1.zoom(), 3);
    }

    void the_wheel_over_the_page_scrolls_the_same_screen_distance_at_every_zoom() {
        auto wheel = [](Window& w, QPoint angle, QPoint pixels, Qt::KeyboardModifiers keys) {
            QWheelEvent event(QPointF(10, 10), w.page()->mapToGlobal(QPointF(10, 10)), pixels,
                              angle, Qt::NoButton, keys, Qt::NoScrollPhase, false);
            QApplication::sendEvent(w.page(), &event);
        };
        for (int zoom : {2, 4}) {
            Window w(zoom);
            w.form1.resize(500, 400);
            QVERIFY(w.form1.vscroll()->isVisible() && w.form1.hscroll()->isVisible());
            // The horizontal bar: as at actual size at 1 x, finer in proportion when zoomed.
            QCOMPARE(w.form1.hscroll()->maximum(), 100 * zoom);
            const QPoint start = w.page()->pos();
            // One notch down: three text rows, 48 screen pixels, at any zoom.
            wheel(w, QPoint(0, -120), QPoint(), Qt::NoModifier);
            QCOMPARE(w.page()->pos() - start, QPoint(0, -48));
            // A touchpad's own pixels, down and across.
            wheel(w, QPoint(0, -30), QPoint(0, -20), Qt::NoModifier);
            QCOMPARE(w.page()->y() - start.y(), -68);
            // Shift and the wheel go across, to within one of the bar's steps.
            const int step = (w.page()->width() - w.form1.picture_clip()->width()) /
                                 w.form1.hscroll()->maximum() +
                             1;
            wheel(w, QPoint(0, -120), QPoint(), Qt::ShiftModifier);
            QVERIFY2(std::abs(w.page()->x() - start.x() + 48) <= step,
                     qPrintable(QString::number(w.page()->x() - start.x())));
            // Back up to the top stops there.
            for (int i = 0; i < 5; ++i) wheel(w, QPoint(0, 120), QPoint(), Qt::NoModifier);
            QCOMPARE(w.page()->y(), 0);
        }
        // At actual size the bars are as they were.
        Window one(1);
        QCOMPARE(one.form1.hscroll()->maximum(), 100);
        QCOMPARE(one.form1.hscroll()->pageStep(), 10);
    }

    void scrolling_repaints_only_what_comes_into_view_and_shows_what_a_fresh_paint_would() {
        Window w(2);
        w.form1.resize(500, 400);
        QVERIFY(QTest::qWaitForWindowExposed(&w.form1));
        QCoreApplication::processEvents();
        PaintedPixels painted;
        w.page()->installEventFilter(&painted);
        const QWidget* clip = w.form1.picture_clip();
        const int view = clip->width() * clip->height();
        const struct {
            QPoint angle;
            Qt::KeyboardModifiers keys;
        } notches[] = {{{0, -120}, Qt::NoModifier},
                       {{0, -120}, Qt::NoModifier},
                       {{0, -120}, Qt::ShiftModifier},
                       {{0, 120}, Qt::NoModifier}};
        for (const auto& notch : notches) {
            const QPoint before = w.page()->pos();
            painted.pixels = 0;
            QWheelEvent event(QPointF(10, 10), w.page()->mapToGlobal(QPointF(10, 10)), QPoint(),
                              notch.angle, Qt::NoButton, notch.keys, Qt::NoScrollPhase, false);
            QApplication::sendEvent(w.page(), &event);
            QCoreApplication::processEvents();
            QVERIFY(w.page()->pos() != before);
            // What was on screen is moved; only the strip that comes into view is painted.
            QVERIFY2(painted.pixels > 0 && painted.pixels < view / 4,
                     qPrintable(QStringLiteral("%1 of %2").arg(painted.pixels).arg(view)));
            // And the window shows what painting it afresh shows: nothing of the tool bar above
            // the clip is carried into the page.
            const QImage shown = w.form1.screen()->grabWindow(w.form1.winId()).toImage();
            const QImage fresh = w.form1.grab().toImage();
            QCOMPARE(shown.convertToFormat(QImage::Format_RGB32),
                     fresh.convertToFormat(QImage::Format_RGB32));
        }
    }
};

QTEST_MAIN(TestZoom)
#include "test_zoom.moc"
