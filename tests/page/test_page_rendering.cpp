#include <QtTest>

#include "page/page_font.h"
#include "page/page_renderer.h"

using namespace strumix;

namespace {

bool black(const QImage& image, int x, int y) { return image.pixel(x, y) == qRgb(0, 0, 0); }

int black_count(const QImage& image, const QRect& rect) {
    int count = 0;
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) count += black(image, x, y);
    return count;
}

// Pixel rows and columns of the staff geometry.
int line_y(const LayoutModel& m, int staff, int string) {
    return qRound(m.string_line_y(staff, string) * kRowPixels);
}
int bar_x(const LayoutModel& m, int measure) {
    return qRound(m.measure_left(measure) * kColumnPixels);
}

// Checks every string line and bar line of the first num_lines staffs, and that the page is
// white between the strings.
void verify_staffs(const QImage& image, const LayoutModel& m) {
    for (int i = 0; i < m.num_lines; ++i) {
        for (int j = 0; j <= m.measures_across; ++j) {
            for (int y = line_y(m, i, 0); y <= line_y(m, i, m.num_strings(i) - 1); ++y) {
                QVERIFY2(
                    black(image, bar_x(m, j), y),
                    qPrintable(QStringLiteral("bar %1 of staff %2 at y %3").arg(j).arg(i).arg(y)));
            }
        }
        for (int s = 0; s < m.num_strings(i); ++s) {
            const int y = line_y(m, i, s);
            for (int x = bar_x(m, 0); x <= bar_x(m, m.measures_across); x += 7) {
                QVERIFY2(black(image, x, y),
                         qPrintable(QStringLiteral("string %1 of staff %2").arg(s).arg(i)));
            }
            // Nothing runs past the last bar line.
            QVERIFY(!black(image, bar_x(m, m.measures_across) + 1, y));
            if (s + 1 < m.num_strings(i)) {
                QCOMPARE(
                    black_count(image, QRect(bar_x(m, 0) + 1, y + 1,
                                             bar_x(m, m.measures_across) - bar_x(m, 0) - 1, 15)),
                    (m.measures_across - 1) * 15);
            }
        }
    }
}

}  // namespace

class TestPageRendering : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void startup_page() {
        PagePicture page;
        QString error;
        QVERIFY(draw_blank_page(page, LayoutModel(), &error));
        const QImage& image = page.image();
        QCOMPARE(image.size(), QSize(484, 256));
        // Bar lines at x = 6.5 and 56.5 columns, guitar strings at y = 3.5 … 8.5 rows, bass
        // at 11.5 … 14.5.
        for (int y = 56; y <= 136; ++y) QVERIFY(black(image, 52, y) && black(image, 452, y));
        for (int y = 184; y <= 232; ++y) QVERIFY(black(image, 52, y) && black(image, 452, y));
        for (int y : {56, 72, 88, 104, 120, 136, 184, 200, 216, 232}) {
            for (int x = 52; x <= 452; ++x) QVERIFY(black(image, x, y));
        }
        QVERIFY(!black(image, 52, 55) && !black(image, 52, 137) && !black(image, 52, 160));
        verify_staffs(image, LayoutModel());
        // Captions in bold at rows 2 and 10, labels in rows 3–8 and 11–14, all in the label
        // column's margin left of the first bar.
        QVERIFY(black_count(image, QRect(8, 32, 44, 16)) > 40);
        QVERIFY(black_count(image, QRect(8, 160, 44, 16)) > 30);
        for (int row : {3, 4, 5, 6, 7, 8, 11, 12, 13, 14}) {
            QVERIFY(black_count(image, QRect(8, row * 16, 40, 16)) > 10);
        }
        for (int row : {0, 1, 9, 15}) QCOMPARE(black_count(image, QRect(0, row * 16, 484, 16)), 0);
    }

    void captions_and_labels_text() {
        QCOMPARE(string_label(0, QStringLiteral("e ")), QStringLiteral(" 1-e "));
        QCOMPARE(string_label(9, QStringLiteral("A")), QStringLiteral(" 10-A "));
        QCOMPARE(string_label(3, QString()), QStringLiteral(" 4-  "));
        // A label is printed exactly as a page print of that text would be.
        PagePicture expected;
        QVERIFY(expected.resize(QSize(484, 256), nullptr));
        expected.draw([](PageDrawing& d) {
            d.text(QPoint(8, 48), QStringLiteral(" 1-e "));
            d.text(QPoint(8, 32), QStringLiteral("Guitar  "), {.bold = true});
        });
        PagePicture page;
        QString error;
        QVERIFY(draw_blank_page(page, LayoutModel(), &error));
        QCOMPARE(page.image().copy(0, 32, 52, 32), expected.image().copy(0, 32, 52, 32));
    }

    void layouts_data() {
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("notes");
        QTest::addColumn<int>("strings");
        QTest::newRow("four measures") << 2 << 4 << 16 << 6;
        QTest::newRow("six ten-string staffs") << 6 << 2 << 8 << 10;
        QTest::newRow("one string") << 1 << 1 << 4 << 1;
        QTest::newRow("largest") << 6 << 4 << 52 << 10;
    }
    void layouts() {
        QFETCH(int, lines);
        QFETCH(int, across);
        QFETCH(int, notes);
        QFETCH(int, strings);
        LayoutModel model;
        model.num_lines = lines;
        model.measures_across = across;
        model.notes_per_measure = notes;
        for (auto& staff : model.line_props) staff.num_strings = strings;
        model.recompute_staff_rows();
        PagePicture page;
        QString error;
        QVERIFY(draw_blank_page(page, model, &error));
        QCOMPARE(page.size(), model.page_size_pixels());
        verify_staffs(page.image(), model);
    }

    void redraw_wipes_everything_but_the_blank_page() {
        PagePicture page;
        QString error;
        QVERIFY(draw_blank_page(page, LayoutModel(), &error));
        const QImage blank = page.image();
        page.draw([](PageDrawing& d) {
            d.text(QPoint(160, 0), QStringLiteral("Guitar Riff"));
            d.text(QPoint(160, 80), QStringLiteral("12"));
        });
        QVERIFY(draw_blank_page(page, LayoutModel(), &error));
        QCOMPARE(page.image(), blank);
    }

    void staffs_drawn_over_numbers_keep_them() {
        PagePicture page;
        QString error;
        const LayoutModel model;
        QVERIFY(draw_blank_page(page, model, &error));
        page.draw([](PageDrawing& d) { d.text(QPoint(160, 80), QStringLiteral("12")); });
        const QImage before = page.image().copy(160, 80, 16, 16);
        page.draw([&](PageDrawing& d) {
            draw_staffs(d, model, model.measures_across);
            draw_captions(d, model);
        });
        QCOMPARE(page.image().copy(160, 80, 16, 16), before);
        QVERIFY(black_count(before, before.rect()) > 16);
    }

    void inner_bars_of_four_measures() {
        LayoutModel model;
        model.measures_across = 4;
        PagePicture page;
        QString error;
        QVERIFY(draw_blank_page(page, model, &error));
        const QImage& image = page.image();
        // Five bar positions a staff, 50 columns apart.
        for (int j = 0; j <= 4; ++j) QVERIFY(black(image, 52 + j * 400, 64));
        QCOMPARE(black_count(image, QRect(0, 64, image.width(), 1)), 5);
    }

    void page_too_large_is_refused_and_the_page_stays_white() {
        PagePicture page;
        QString error;
        QVERIFY(draw_blank_page(page, LayoutModel(), &error));
        const QSize before = page.size();
        page.set_limits({100000, 4096});
        LayoutModel model;
        model.measures_across = 4;
        model.notes_per_measure = 52;
        QVERIFY(!draw_blank_page(page, model, &error));
        QVERIFY(error.contains(QStringLiteral("5164")));
        // The page keeps its size; nothing of the oversized layout is drawn on it.
        QCOMPARE(page.size(), before);
        QCOMPARE(black_count(page.image(), page.image().rect()), 0);
    }
};

QTEST_MAIN(TestPageRendering)
#include "test_page_rendering.moc"
