#include <QSignalSpy>
#include <QtTest>

#include "page/page_copy.h"
#include "page/page_font.h"
#include "page/page_geometry.h"
#include "page/page_picture.h"

using namespace strumix;

namespace {

bool black(const QImage& image, int x, int y) { return image.pixel(x, y) == qRgb(0, 0, 0); }
bool white(const QImage& image, int x, int y) { return image.pixel(x, y) == qRgb(255, 255, 255); }

int black_count(const QImage& image, const QRect& rect) {
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right(); ++x) count += black(image, x, y);
    return count;
}

}  // namespace

class TestPagePicture : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void scale_modes_convert_units_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("px");
        QTest::addColumn<double>("py");
        QTest::newRow("characters") << 4 << 6.5 << 3.5 << 52.0 << 56.0;
        QTest::newRow("pixels") << 3 << 100.0 << 50.0 << 100.0 << 50.0;
        QTest::newRow("twips") << 1 << 1500.0 << 2400.0 << 100.0 << 160.0;
    }
    void scale_modes_convert_units() {
        QFETCH(int, mode);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(double, px);
        QFETCH(double, py);
        const PageUnit unit = static_cast<PageUnit>(mode);
        QCOMPARE(to_pixels(QPointF(x, y), unit), QPointF(px, py));
        QCOMPARE(from_pixels(QPointF(px, py), unit), QPointF(x, y));
        QCOMPARE(pixel_at(x, y, unit), QPoint(int(px), int(py)));
    }

    void pictures_are_values_with_identity() {
        PagePicture page;
        QVERIFY(page.resize(QSize(40, 20), nullptr));
        QVERIFY(!page.picture());
        const Picture first = page.take_image();
        const Picture second = page.take_image();
        // Equal pixels are still two pictures.
        QVERIFY(first != second);
        QCOMPARE(*first, *second);
        page.commit();
        const Picture committed = page.picture();
        QVERIFY(committed);
        page.draw([](PageDrawing& d) { d.line(QPoint(0, 0), QPoint(39, 0)); });
        // Drawing touches only the drawn image; the committed picture keeps its pixels.
        QVERIFY(white(*committed, 5, 0));
        QVERIFY(black(page.image(), 5, 0));
        QVERIFY(page.picture() == committed);
        page.assign(first);
        QVERIFY(page.picture() == first);
        QVERIFY(white(page.image(), 5, 0));
    }

    void assign_takes_the_pictures_size() {
        PagePicture page;
        QVERIFY(page.resize(QSize(40, 20), nullptr));
        QSignalSpy resized(&page, &PagePicture::resized);
        QImage other(70, 30, QImage::Format_ARGB32);
        other.fill(Qt::black);
        page.assign(std::make_shared<const QImage>(other));
        QCOMPARE(page.size(), QSize(70, 30));
        QCOMPARE(resized.count(), 1);
        QVERIFY(black(page.image(), 69, 29));
        QCOMPARE(page.image().format(), QImage::Format_RGB32);
    }

    void lines_include_both_ends() {
        PagePicture page;
        QVERIFY(page.resize(QSize(100, 100), nullptr));
        const PageUnit cells = PageUnit::Characters;
        page.draw(
            [&](PageDrawing& d) { d.line(pixel_at(1, 1.5, cells), pixel_at(5, 1.5, cells)); });
        QVERIFY(black(page.image(), 8, 24));
        QVERIFY(black(page.image(), 40, 24));
        QVERIFY(white(page.image(), 7, 24));
        QVERIFY(white(page.image(), 41, 24));
        QVERIFY(white(page.image(), 20, 23));
        QVERIFY(white(page.image(), 20, 25));
    }

    void fill_covers_its_rectangle() {
        PagePicture page;
        QVERIFY(page.resize(QSize(60, 60), nullptr));
        page.draw([](PageDrawing& d) { d.fill(QRect(QPoint(10, 12), QPoint(19, 31)), Qt::black); });
        QCOMPARE(black_count(page.image(), page.image().rect()), 10 * 20);
        QVERIFY(black(page.image(), 10, 12));
        QVERIFY(black(page.image(), 19, 31));
        QVERIFY(white(page.image(), 20, 31));
    }

    // Page copies, block by block on small pages and in one go on large ones, are exact and
    // own their pixels; odd sizes leave no block boundary uncopied.
    void page_copies_are_exact() {
        for (const QSize size : {QSize(1, 1), QSize(37, 23), QSize(484, 256), QSize(2053, 611)}) {
            QImage source(size, QImage::Format_RGB32);
            for (int y = 0; y < size.height(); ++y) {
                auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
                for (int x = 0; x < size.width(); ++x)
                    line[x] = qRgb(x % 251, y % 241, (x ^ y) % 256);
            }
            const QImage copy = copy_pixels(source);
            QCOMPARE(copy, source);
            QVERIFY(copy.constBits() != source.constBits());
        }
        QVERIFY(copy_pixels(QImage()).isNull());
    }

    // Lines given right to left or bottom to top draw the same pixels.
    void reversed_lines_draw_the_same() {
        PagePicture forward;
        PagePicture reversed;
        for (PagePicture* page : {&forward, &reversed})
            QVERIFY(page->resize(QSize(60, 60), nullptr));
        forward.draw([](PageDrawing& d) {
            d.line(QPoint(5, 3), QPoint(40, 3));
            d.line(QPoint(50, 5), QPoint(50, 55));
            d.line(QPoint(10, 12), QPoint(19, 31));
        });
        reversed.draw([](PageDrawing& d) {
            d.line(QPoint(40, 3), QPoint(5, 3));
            d.line(QPoint(50, 55), QPoint(50, 5));
            d.line(QPoint(19, 31), QPoint(10, 12));
        });
        QCOMPARE(reversed.image(), forward.image());
        QVERIFY(black(forward.image(), 5, 3) && black(forward.image(), 40, 3));
        QVERIFY(black(forward.image(), 50, 55) && black(forward.image(), 10, 12));
        QCOMPARE(black_count(forward.image(), QRect(0, 0, 60, 10)), 36 + 5);
    }

    // Pictures taken of the page (undo copies, the committed picture) never change when the
    // page is drawn on or cleared afterwards, inside a batch or not.
    void drawing_leaves_taken_pictures_alone() {
        PagePicture page;
        QVERIFY(page.resize(QSize(40, 40), nullptr));
        page.draw([](PageDrawing& d) { d.line(QPoint(0, 0), QPoint(39, 0)); });
        const Picture before_batch = page.take_image();
        page.draw([](PageDrawing& d) {
            d.line(QPoint(0, 5), QPoint(39, 5));
            d.text(QPoint(0, 10), QStringLiteral("7"));
        });
        QVERIFY(black(page.image(), 20, 5));
        QVERIFY(white(*before_batch, 20, 5));
        QCOMPARE(black_count(*before_batch, before_batch->rect()), 40);
        const Picture before_clear = page.take_image();
        page.clear();
        QCOMPARE(black_count(page.image(), page.image().rect()), 0);
        QVERIFY(black(*before_clear, 20, 5));
        // Cleared with nothing sharing its pixels, then drawn on again.
        page.clear();
        page.draw([](PageDrawing& d) { d.line(QPoint(0, 39), QPoint(39, 39)); });
        QCOMPARE(black_count(page.image(), page.image().rect()), 40);
        QVERIFY(black(*before_clear, 20, 5));
    }

    // Text in another colour than black shows in that colour, over whatever is there.
    void text_prints_in_the_fore_colour() {
        PagePicture page;
        QVERIFY(page.resize(QSize(60, 30), nullptr));
        page.draw([](PageDrawing& d) {
            d.fill(QRect(0, 0, 60, 30), Qt::black);
            d.text(QPoint(4, 4), QStringLiteral("88"), {}, Qt::white);
        });
        const int white_pixels = 60 * 30 - black_count(page.image(), page.image().rect());
        QVERIFY(white_pixels > 10);
        page.draw([](PageDrawing& d) { d.text(QPoint(4, 4), QStringLiteral("88")); });
        QCOMPARE(black_count(page.image(), page.image().rect()), 60 * 30);
    }

    // Bold and regular text of the same characters are different glyphs, each time printed.
    void each_style_prints_its_own_glyphs() {
        PagePicture page;
        QVERIFY(page.resize(QSize(100, 40), nullptr));
        for (int round = 0; round < 2; ++round) {
            page.clear();
            page.draw([](PageDrawing& d) {
                d.text(QPoint(0, 0), QStringLiteral("Bass"));
                d.text(QPoint(50, 0), QStringLiteral("Bass"), {.bold = true});
            });
            const int regular = black_count(page.image(), QRect(0, 0, 50, 40));
            const int bold = black_count(page.image(), QRect(50, 0, 50, 40));
            QVERIFY(regular > 10);
            QVERIFY2(bold > regular, qPrintable(QStringLiteral("%1 %2").arg(bold).arg(regular)));
        }
    }

    void printed_text_keeps_the_background() {
        PagePicture page;
        QVERIFY(page.resize(QSize(100, 40), nullptr));
        page.draw([](PageDrawing& d) {
            d.line(QPoint(0, 8), QPoint(96, 8));
            d.text(QPoint(8, 0), QStringLiteral("1"));
        });
        const QImage& image = page.image();
        // The string line shows on both sides of the digit: the background is transparent.
        QVERIFY(black(image, 2, 8));
        QVERIFY(black(image, 60, 8));
        QVERIFY(black_count(image, QRect(8, 0, 8, 16)) > 8 + 3);
        QCOMPARE(black_count(image, QRect(0, 17, 100, 23)), 0);
        const int regular = black_count(image, QRect(8, 0, 16, 16));
        page.draw(
            [](PageDrawing& d) { d.text(QPoint(32, 0), QStringLiteral("1"), {.bold = true}); });
        QVERIFY(black_count(page.image(), QRect(32, 0, 16, 16)) > regular);
        QVERIFY(PageDrawing::advance(QStringLiteral("1"), {.bold = true}) > 0);
    }

    void page_text_is_not_antialiased() {
        PagePicture page;
        QVERIFY(page.resize(QSize(200, 20), nullptr));
        page.draw([](PageDrawing& d) { d.text(QPoint(0, 0), QStringLiteral("Guitar 1-e 12 X")); });
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 200; ++x)
                QVERIFY(black(page.image(), x, y) || white(page.image(), x, y));
    }

    void and_copy_lays_black_over_the_page() {
        PagePicture page;
        QVERIFY(page.resize(QSize(64, 64), nullptr));
        page.draw([](PageDrawing& d) { d.line(QPoint(0, 20), QPoint(63, 20)); });
        QImage symbol(32, 32, QImage::Format_ARGB32);
        symbol.fill(Qt::transparent);
        symbol.setPixel(3, 4, qRgb(0, 0, 0));
        symbol.setPixel(5, 5, qRgba(255, 255, 255, 255));
        page.draw([&](PageDrawing& d) { d.and_copy(symbol, QPoint(10, 10)); });
        QVERIFY(black(page.image(), 13, 14));
        QVERIFY(white(page.image(), 15, 15));
        // The page's own line stays under the symbol's transparent area.
        QVERIFY(black(page.image(), 20, 20));
        QCOMPARE(black_count(page.image(), page.image().rect()), 64 + 1);
    }

    void arc_runs_between_its_angles() {
        PagePicture page;
        QVERIFY(page.resize(QSize(200, 200), nullptr));
        // A circle of radius 60 about (100, 100), from 45° to 135°.
        page.draw([](PageDrawing& d) { d.arc(QRectF(40, 40, 120, 120), 45 * 16, 90 * 16); });
        const QImage& image = page.image();
        // Upper quarter only: the top of the circle is drawn, its bottom and sides are not.
        QVERIFY(black_count(image, QRect(95, 38, 11, 5)) > 0);
        QCOMPARE(black_count(image, QRect(0, 101, 200, 99)), 0);
        QCOMPARE(black_count(image, QRect(155, 90, 10, 20)), 0);
        // Its ends lie at 45° and 135°: x = 100 ± 42.4, y = 100 − 42.4.
        QVERIFY(black_count(image, QRect(140, 55, 5, 5)) > 0);
        QVERIFY(black_count(image, QRect(55, 55, 5, 5)) > 0);
    }

    void arc_reports_the_pixels_of_its_slice() {
        // Shallow slur-like arcs, a half circle and arcs that cross a quarter turn: every
        // pixel drawn lies in the rectangle the drawing reports, and that rectangle is near
        // the slice, not the whole ellipse.
        struct Case {
            QRectF bounds;
            int start16;
            int span16;
        };
        const Case cases[] = {{QRectF(0, 50, 400, 800), 45 * 16, 90 * 16},
                              {QRectF(40, 40, 120, 120), 0, 180 * 16},
                              {QRectF(40, 40, 120, 60), 300 * 16, 120 * 16},
                              {QRectF(40, 40, 120, 60), 200 * 16, -100 * 16}};
        for (const Case& c : cases) {
            PagePicture page;
            QVERIFY(page.resize(QSize(400, 400), nullptr));
            QRect reported;
            page.draw([&](PageDrawing& d) { reported = d.arc(c.bounds, c.start16, c.span16); });
            const QImage& image = page.image();
            QRect ink;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (black(image, x, y)) ink |= QRect(x, y, 1, 1);
            QVERIFY(!ink.isEmpty());
            QVERIFY2(reported.contains(ink), qPrintable(QStringLiteral("ink %1,%2 %3x%4")
                                                            .arg(ink.x())
                                                            .arg(ink.y())
                                                            .arg(ink.width())
                                                            .arg(ink.height())));
            QVERIFY2(reported.width() <= ink.width() + 6 && reported.height() <= ink.height() + 6,
                     qPrintable(QStringLiteral("%1 %2 %3 %4")
                                    .arg(reported.width())
                                    .arg(ink.width())
                                    .arg(reported.height())
                                    .arg(ink.height())));
        }
    }

    void resize_keeps_content_and_refuses_oversized_pages() {
        PagePicture page;
        QVERIFY(page.resize(QSize(20, 20), nullptr));
        page.draw([](PageDrawing& d) { d.line(QPoint(0, 0), QPoint(19, 19)); });
        QVERIFY(page.resize(QSize(40, 30), nullptr));
        QVERIFY(black(page.image(), 19, 19));
        QVERIFY(white(page.image(), 39, 29));

        page.set_limits({1000, 100});
        QString error;
        QVERIFY(!page.resize(QSize(50, 50), &error));
        QVERIFY(error.contains(QStringLiteral("50 × 50")));
        QCOMPARE(page.size(), QSize(40, 30));
        QVERIFY(black(page.image(), 19, 19));
        QVERIFY(!page.resize(QSize(101, 5), &error));
        QVERIFY(!page.resize(QSize(0, 5), &error));
        QVERIFY(page.resize(QSize(100, 10), &error));

        PagePicture largest;
        QVERIFY(largest.limits().allows(QSize(5164, 1184), nullptr));
        QVERIFY(!largest.limits().allows(QSize(20000, 10), nullptr));
        QVERIFY(!largest.limits().allows(QSize(5000, 5000), nullptr));
    }

    void clear_leaves_a_white_page_of_the_same_size() {
        PagePicture page;
        QVERIFY(page.resize(QSize(30, 30), nullptr));
        page.draw([](PageDrawing& d) { d.line(QPoint(0, 0), QPoint(29, 29)); });
        page.commit();
        page.clear();
        QCOMPARE(page.size(), QSize(30, 30));
        QVERIFY(!page.picture());
        QCOMPARE(black_count(page.image(), page.image().rect()), 0);
    }

    void changes_report_the_touched_rectangle() {
        PagePicture page;
        QVERIFY(page.resize(QSize(300, 300), nullptr));
        QSignalSpy changed(&page, &PagePicture::changed);
        const QRect touched = page.draw([](PageDrawing& d) {
            d.line(QPoint(10, 10), QPoint(30, 10));
            d.line(QPoint(12, 12), QPoint(20, 12));
        });
        // One report for all the drawing, of all it touched.
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.front().at(0).toRect(), touched);
        const QRect rect = changed.takeFirst().at(0).toRect();
        QVERIFY(rect.contains(QPoint(10, 10)) && rect.contains(QPoint(30, 10)));
        QVERIFY(rect.width() < 40 && rect.height() < 10);
    }
};

QTEST_MAIN(TestPagePicture)
#include "test_page_picture.moc"
