// What the page view shows of the document: it repaints the pixels that changed, and only
// those, and draws the cursor box with its border.
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QtTest>

#include "page/page_font.h"
#include "support/program_session.h"

using namespace strumix;

namespace {

// Collects the regions the page widget is asked to paint.
class PaintSpy : public QObject {
public:
    explicit PaintSpy(QWidget* widget) { widget->installEventFilter(this); }
    QRegion painted;
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Paint) return false;
        painted += static_cast<QPaintEvent*>(event)->region();
        ++paints;
        return false;
    }
};

// The main window on screen, large enough for the whole start-up page; its page view, or
// nothing when the window never showed.
PageWidget* shown_page(ProgramSession& s) {
    s.window.resize(900, 700);
    s.window.show();
    return QTest::qWaitForWindowExposed(&s.window) ? s.window.page() : nullptr;
}

}  // namespace

class TestPageView : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    // A title printed on the page reaches the screen through the rectangle the page reports:
    // nothing else lies over the top row, so without that repaint the view would go on showing
    // the blank page.
    void changed_pixels_are_repainted() {
        ProgramSession s;
        PageWidget* page = shown_page(s);
        QVERIFY(page);
        PaintSpy spy(page);
        QTest::qWait(50);
        spy.painted = QRegion();

        const QImage before = s.doc.Picture1().image();
        s.host.inputs.push_back(QStringLiteral("Blues in E"));
        s.tools.mnu_title_Click();
        QRect inked;
        const QImage& after = s.doc.Picture1().image();
        for (int y = 0; y < after.height(); ++y)
            for (int x = 0; x < after.width(); ++x)
                if (after.pixel(x, y) != before.pixel(x, y)) inked |= QRect(x, y, 1, 1);
        QVERIFY(!inked.isEmpty());
        QTRY_VERIFY(spy.painted.contains(inked));
        // Just that: the rest of the page is not painted again.
        const QRect bounds = spy.painted.boundingRect();
        QVERIFY2(bounds.width() * bounds.height() < page->width() * page->height() / 4,
                 qPrintable(QStringLiteral("%1 x %2").arg(bounds.width()).arg(bounds.height())));
    }

    // The erase band repaints its edges as it moves, not the page inside it.
    void rubber_band_repaints_its_edges() {
        ProgramSession s;
        PageWidget* page = shown_page(s);
        QVERIFY(page);
        s.tools.btn_edit_Click();
        QTest::mousePress(page, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::mouseMove(page, QPoint(200, 150));
        PaintSpy spy(page);
        QTest::qWait(50);
        spy.painted = QRegion();
        QTest::mouseMove(page, QPoint(210, 160));
        QTRY_VERIFY(!spy.painted.isEmpty());
        QVERIFY(spy.painted.contains(QRect(20, 20, 190, 1)));
        QVERIFY(!spy.painted.contains(QPoint(100, 80)));
        // On screen the band is a one-pixel black outline over the page.
        const QImage shown = page->grab().toImage();
        QCOMPARE(shown.pixel(100, 20), qRgb(0, 0, 0));
        QCOMPARE(shown.pixel(20, 100), qRgb(0, 0, 0));
        QCOMPARE(shown.pixel(100, 30), s.doc.Picture1().image().pixel(100, 30));
        QTest::mouseRelease(page, Qt::LeftButton, {}, QPoint(210, 160));
    }

    // However fast the pointer reports, the band is repainted at most about once a frame
    // (16 ms), and what is shown at last is the band where the pointer is now.
    void rubber_band_repaints_once_a_frame() {
        ProgramSession s;
        PageWidget* page = shown_page(s);
        QVERIFY(page);
        s.tools.btn_edit_Click();
        QTest::mousePress(page, Qt::LeftButton, {}, QPoint(20, 20));
        QTest::qWait(50);
        PaintSpy spy(page);
        QElapsedTimer clock;
        clock.start();
        constexpr int kMotions = 60;
        // Each motion is handled as the event loop meets it, as the pointer's are.
        for (int i = 1; i <= kMotions; ++i) {
            QTest::mouseMove(page, QPoint(100 + i, 80 + i));
            QCoreApplication::processEvents();
        }
        const qint64 elapsed = clock.elapsed();
        QTRY_VERIFY(spy.painted.contains(QRect(20, 20, 80 + kMotions, 1)));
        QVERIFY2(spy.paints <= elapsed / 16 + 3,
                 qPrintable(QStringLiteral("%1 paints in %2 ms").arg(spy.paints).arg(elapsed)));
        const QImage shown = page->grab().toImage();
        QCOMPARE(shown.pixel(95 + kMotions, 20), qRgb(0, 0, 0));
        QCOMPARE(shown.pixel(60, 100), s.doc.Picture1().image().pixel(60, 100));
        QTest::mouseRelease(page, Qt::LeftButton, {}, QPoint(100 + kMotions, 80 + kMotions));
    }

    // The slur band `line1` follows the drag as a one-pixel line over the page.
    void slur_band_is_shown() {
        ProgramSession s;
        PageWidget* page = shown_page(s);
        QVERIFY(page);
        s.tools.select(ToolId::Hammer);
        QTest::mousePress(page, Qt::LeftButton, {}, QPoint(150, 152));
        QTest::mouseMove(page, QPoint(190, 152));
        QTest::mouseMove(page, QPoint(230, 152));
        QVERIFY(s.tools.overlay().line1_visible);
        const QImage shown = page->grab().toImage();
        QCOMPARE(shown.pixel(200, 152), qRgb(0, 0, 0));
        QCOMPARE(s.doc.Picture1().image().pixel(200, 152), qRgb(255, 255, 255));
        QTest::mouseRelease(page, Qt::LeftButton, {}, QPoint(230, 152));
        QVERIFY(!s.tools.overlay().line1_visible);
    }

    // The cursor box: its entry on the window background colour inside a one-pixel border.
    void cursor_box_has_a_border() {
        ProgramSession s;
        s.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));
        QLabel* box = s.window.page()->location();
        QCOMPARE(box->size(), QSize(16, 15));
        const QImage shown = box->grab().toImage();
        for (int x = 0; x < 16; ++x) {
            QCOMPARE(shown.pixel(x, 0), qRgb(0, 0, 0));
            QCOMPARE(shown.pixel(x, 14), qRgb(0, 0, 0));
        }
        for (int y = 0; y < 15; ++y) {
            QCOMPARE(shown.pixel(0, y), qRgb(0, 0, 0));
            QCOMPARE(shown.pixel(15, y), qRgb(0, 0, 0));
        }
        QCOMPARE(shown.pixel(8, 7), qRgb(0xFF, 0xFF, 0xC0));
    }
};

QTEST_MAIN(TestPageView)
#include "test_page_view.moc"
