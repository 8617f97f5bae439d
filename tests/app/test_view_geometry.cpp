#include <QtTest>

#include "app/view_geometry.h"

using namespace strumix;

namespace {

ViewInput design_window(QSize page) {
    ViewInput in;
    in.window = QSize(8805, 5955);
    in.page = page;
    return in;
}

}  // namespace

class TestViewGeometry : public QObject {
    Q_OBJECT

private slots:
    void startup_page_fits_the_design_window() {
        const ViewLayout out = form_resize_layout(design_window(QSize(7260, 3840)));
        QVERIFY(out.changed);
        QVERIFY(!out.hscroll_visible);
        QVERIFY(!out.vscroll_visible);
        QVERIFY(out.tile_background);
        QCOMPARE(out.toolbar, QRect(0, 0, 8685, 585));
        QCOMPARE(out.picture_clip, QRect(0, 570, 8685, 4710));
        // Centred in A = 8805 by B = 5955 − 585 − 600.
        QCOMPARE(out.page_pos, QPoint((8805 - 7260) / 2, (4770 - 3840) / 2));
        // The status panel keeps its right margin equal to its top margin.
        QCOMPARE(out.box_activity_width, 8685 - 6990 - 60);
    }

    void taller_page_gets_the_vertical_bar() {
        const ViewLayout out = form_resize_layout(design_window(QSize(7260, 9000)));
        QVERIFY(!out.hscroll_visible);
        QVERIFY(out.vscroll_visible);
        QVERIFY(!out.tile_background);
        const int A = 8805 - 225;
        QCOMPARE(out.page_pos, QPoint((A - 7260) / 2, 0));
        QCOMPARE(out.picture_clip, QRect(0, 570, A - 120, 4710));
        QCOMPARE(out.vscroll, QRect(A - 120, 570, 225, 4710));
        QCOMPARE(out.vscroll_maximum, 9000 - 4710);
    }

    void wider_page_gets_the_horizontal_bar() {
        const ViewLayout out = form_resize_layout(design_window(QSize(12000, 3000)));
        QVERIFY(out.hscroll_visible);
        QVERIFY(!out.vscroll_visible);
        const int B = 5955 - 585 - 600 - 240;
        QCOMPARE(out.page_pos, QPoint(1, (B - 3000) / 2));
        QCOMPARE(out.picture_clip, QRect(0, 570, 8685, B - 60));
        QCOMPARE(out.hscroll, QRect(0, 570 + B - 60, 8685, 240));
    }

    void page_larger_both_ways_starts_centred_across() {
        const ViewLayout out = form_resize_layout(design_window(QSize(12000, 9000)));
        QVERIFY(out.hscroll_visible && out.vscroll_visible);
        QCOMPARE(out.page_pos, QPoint((8805 - 225 - 12000) / 2, 0));
        QCOMPARE(out.hscroll.width(), out.picture_clip.width());
        QCOMPARE(out.vscroll.left(), out.picture_clip.width());
    }

    void minimised_window_moves_nothing() {
        ViewInput in = design_window(QSize(7260, 3840));
        in.minimised = true;
        QVERIFY(!form_resize_layout(in).changed);
    }

    void horizontal_bar_moves_the_page() {
        // Bar at 50 with a page 2000 twips wider than the viewport's inside.
        QCOMPARE(hscroll_page_left(50, 100, 10000, 8000), -1000);
        QCOMPARE(hscroll_page_left(0, 100, 10000, 8000), 0);
        QCOMPARE(hscroll_page_left(100, 100, 10000, 8000), -2000);
    }

    void vertical_bar_is_fitted_to_the_page() {
        ViewInput in = design_window(QSize(7260, 9000));
        in.vscroll_value = 1200;
        ViewLayout out = form_resize_layout(in);
        QCOMPARE(out.page_pos.y(), -1200);
        // The bar can no longer take the page past its bottom edge.
        in.vscroll_value = 32767;
        out = form_resize_layout(in);
        QCOMPARE(out.page_pos.y(), -(9000 - 4710));
    }

    void narrow_window_keeps_the_status_width() {
        ViewInput in = design_window(QSize(1000, 1000));
        in.window = QSize(7000, 5955);
        const ViewLayout out = form_resize_layout(in);
        QCOMPARE(out.box_activity_width, 1725);
    }
};

QTEST_GUILESS_MAIN(TestViewGeometry)
#include "test_view_geometry.moc"
