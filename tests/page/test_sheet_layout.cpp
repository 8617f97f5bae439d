#include <QtTest>

#include "page/layout_model.h"
#include "page/sheet_layout.h"

using namespace strumix;

namespace {

// Six staffs of ten strings, four measures of 52 notes: the largest page.
LayoutModel largest() {
    LayoutModel layout;
    layout.num_lines = kMaxStaffs;
    layout.measures_across = kMaxMeasuresAcross;
    layout.notes_per_measure = kMaxNotesPerMeasure;
    for (int i = 0; i < kMaxStaffs; ++i) layout.line_props[i].num_strings = kMaxStrings;
    layout.recompute_staff_rows();
    return layout;
}

// An A4 sheet's printable area at 600 dpi, margins of about 12 mm.
constexpr QSize kA4(4394, 6732);
constexpr double kDpi = 600;

}  // namespace

class TestSheetLayout : public QObject {
    Q_OBJECT

private slots:
    // A tall page goes on over several sheets, cut only where one staff ends and the next
    // begins, and every pixel row is printed once.
    void staffs_are_never_cut() {
        LayoutModel layout = largest();
        layout.measures_across = 1;
        layout.notes_per_measure = 16;
        const QSize page = layout.page_size_pixels();
        const std::vector<int> cuts = page_cuts(page, layout);
        // A short sheet: two staffs at most on each.
        const SheetPlan plan = plan_sheets(page, cuts, QSize(kA4.width(), 2300), kDpi);
        QVERIFY(plan.slices.size() > 1);
        int next = 0;
        for (const QRect& slice : plan.slices) {
            QCOMPARE(slice.top(), next);
            QCOMPARE(slice.width(), page.width());
            QVERIFY(slice.height() * plan.scale <= 2300 + 0.5);
            const int bottom = slice.top() + slice.height();
            QVERIFY(std::find(cuts.begin(), cuts.end(), bottom) != cuts.end());
            for (int staff = 0; staff < layout.num_lines; ++staff) {
                const int top = layout.caption_row(staff) * kRowPixels;
                const int end = (layout.last_row(staff) + 1) * kRowPixels;
                QVERIFY2(bottom <= top || bottom >= end, "a staff cut across two sheets");
            }
            next = bottom;
        }
        QCOMPARE(next, page.height());
    }

    // Fitted to the sheet's width, never smaller than a 96 dpi screen shows it, and never a
    // poster of a short staff.
    void scale_fits_the_width() {
        LayoutModel layout;  // the start-up page
        const QSize page = layout.page_size_pixels();
        const SheetPlan plan = plan_sheets(page, page_cuts(page, layout), kA4, kDpi);
        QCOMPARE(plan.slices.size(), 1);
        QCOMPARE(plan.slices.first(), QRect(QPoint(0, 0), page));
        QVERIFY(plan.scale >= kDpi / 96);
        QVERIFY(page.width() * plan.scale <= kA4.width() + 0.5);
        QVERIFY(page.width() * plan.scale >= kA4.width() - plan.scale);

        const QSize narrow(60, 80);
        QCOMPARE(plan_sheets(narrow, page_cuts(narrow, std::nullopt), kA4, kDpi).scale,
                 2.5 * kDpi / 96);
    }

    // A page wider than the sheet at screen size is not shrunk: it goes on across, in whole
    // character cells.
    void wide_page_goes_on_across() {
        const LayoutModel layout = largest();
        const QSize page = layout.page_size_pixels();
        const SheetPlan plan = plan_sheets(page, page_cuts(page, layout), kA4, kDpi);
        QCOMPARE(plan.scale, kDpi / 96);
        QRegion covered;
        for (const QRect& slice : plan.slices) {
            QCOMPARE(slice.left() % kColumnPixels, 0);
            QVERIFY(slice.width() * plan.scale <= kA4.width() + 0.5);
            QVERIFY(!covered.intersects(slice));
            covered += slice;
        }
        QCOMPARE(covered, QRegion(QRect(QPoint(0, 0), page)));
    }

    // A picture whose layout is unknown is cut between text rows.
    void unknown_layout_cuts_between_rows() {
        const QSize page(300, 1000);
        const std::vector<int> cuts = page_cuts(page, std::nullopt);
        for (int cut : cuts) QVERIFY(cut % kRowPixels == 0 || cut == page.height());
        // A layout that does not match the picture's size is not trusted either.
        QCOMPARE(page_cuts(page, LayoutModel()), cuts);
    }
};

QTEST_MAIN(TestSheetLayout)
#include "test_sheet_layout.moc"
