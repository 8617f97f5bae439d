#include <QtTest>

#include "editor_session.h"
#include "page/page_font.h"
#include "page_cells.h"

using namespace strumix;

class TestCursorMotion : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void moves_along_the_staff_data();
    void moves_along_the_staff();
    void moves_across_strings_data();
    void moves_across_strings();
    void advance_after_enter_data();
    void advance_after_enter();
    void one_motion_item_checked();
    void follow_scrolls_only_data();
    void follow_scrolls_only();
    void follow_reaches_lower_strings_of_tall_staffs();
    void follow_without_bar_never_scrolls();
};

void TestCursorMotion::moves_along_the_staff_data() {
    QTest::addColumn<int>("across");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("expected");

    QTest::newRow("one measure: one step right") << 1 << 8 << kVkRight << 1 << 11;
    QTest::newRow("one measure: right to the last note") << 1 << 8 << kVkRight << 15 << 53;
    QTest::newRow("one measure: stays on the last note") << 1 << 8 << kVkRight << 16 << 53;
    QTest::newRow("one measure: left to the first note") << 1 << 53 << kVkLeft << 15 << 8;
    QTest::newRow("one measure: stays on the first note") << 1 << 53 << kVkLeft << 16 << 8;
    QTest::newRow("two measures: across the bar gap") << 2 << 53 << kVkRight << 1 << 58;
    QTest::newRow("two measures: back across the gap") << 2 << 58 << kVkLeft << 1 << 53;
    QTest::newRow("two measures: to the very last note") << 2 << 8 << kVkRight << 31 << 103;
    QTest::newRow("two measures: stays on the last note") << 2 << 8 << kVkRight << 32 << 103;
    QTest::newRow("two measures: left all the way") << 2 << 103 << kVkLeft << 40 << 8;
    QTest::newRow("four measures: third gap") << 4 << 153 << kVkRight << 1 << 158;
    QTest::newRow("four measures: back over the third gap") << 4 << 158 << kVkLeft << 1 << 153;
    QTest::newRow("four measures: last note") << 4 << 200 << kVkRight << 3 << 203;
}

void TestCursorMotion::moves_along_the_staff() {
    QFETCH(int, across);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, presses);
    QFETCH(int, expected);
    EditorSession s;
    s.relayout(2, 6, across);
    s.place_box(start, 4);
    s.keys(key, presses);
    QCOMPARE(s.editor.location.left, double(expected));
    QCOMPARE(s.editor.location.top, 4.0);
}

void TestCursorMotion::moves_across_strings_data() {
    QTest::addColumn<int>("staffs");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("expected");

    // The start-up page: guitar on rows 3 to 8, bass on rows 11 to 14.
    QTest::newRow("down from the last guitar string") << 2 << 8 << kVkDown << 1 << 11;
    QTest::newRow("up from the first bass string") << 2 << 11 << kVkUp << 1 << 8;
    QTest::newRow("down at the bottom string") << 2 << 14 << kVkDown << 1 << 14;
    QTest::newRow("up at the top string") << 2 << 3 << kVkUp << 1 << 3;
    QTest::newRow("down through both staffs") << 2 << 3 << kVkDown << 9 << 14;
    QTest::newRow("up through both staffs") << 2 << 14 << kVkUp << 12 << 3;
    QTest::newRow("down from the row above the page's strings") << 2 << 2 << kVkDown << 1 << 3;
    QTest::newRow("up from the row above the page's strings") << 2 << 2 << kVkUp << 1 << 3;
    QTest::newRow("three staffs: down into the third") << 3 << 14 << kVkDown << 1 << 17;
    QTest::newRow("three staffs: up out of the third") << 3 << 17 << kVkUp << 1 << 14;
}

void TestCursorMotion::moves_across_strings() {
    QFETCH(int, staffs);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(int, presses);
    QFETCH(int, expected);
    EditorSession s;
    if (staffs != 2) {
        s.editor.model.num_lines = staffs;
        s.editor.model.recompute_staff_rows();
        s.editor.Redraw_pic();
    }
    s.place_box(11, start);
    s.keys(key, presses);
    QCOMPARE(s.editor.location.top, double(expected));
    QCOMPARE(s.editor.location.left, 11.0);
}

void TestCursorMotion::advance_after_enter_data() {
    QTest::addColumn<int>("motion");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("right") << 2 << QPoint(8, 3) << QPoint(11, 3);
    QTest::newRow("right at the last note stays") << 2 << QPoint(53, 3) << QPoint(53, 3);
    QTest::newRow("down") << 1 << QPoint(8, 3) << QPoint(8, 4);
    QTest::newRow("down into the next staff") << 1 << QPoint(8, 8) << QPoint(8, 11);
    QTest::newRow("up") << 0 << QPoint(8, 5) << QPoint(8, 4);
    QTest::newRow("up at the top string stays") << 0 << QPoint(8, 3) << QPoint(8, 3);
    QTest::newRow("diagonal up") << 3 << QPoint(8, 5) << QPoint(11, 4);
    QTest::newRow("diagonal down") << 4 << QPoint(8, 3) << QPoint(11, 4);
    QTest::newRow("diagonal down off the last note") << 4 << QPoint(53, 8) << QPoint(53, 11);
}

void TestCursorMotion::advance_after_enter() {
    QFETCH(int, motion);
    QFETCH(QPoint, start);
    QFETCH(QPoint, expected);
    EditorSession s;
    s.editor.menu_cr_Click(motion);
    s.place_box(start.x(), start.y());
    s.keys({kVk0 + 5, kVkReturn});
    QVERIFY(ink_in_cell(s.editor.Picture1.image(), start.x(), start.y()) > 0);
    QCOMPARE(s.editor.location.left, double(expected.x()));
    QCOMPARE(s.editor.location.top, double(expected.y()));
}

void TestCursorMotion::one_motion_item_checked() {
    EditorSession s;
    QCOMPARE(s.editor.checked_motion_index(), 2);
    s.editor.menu_cr_Click(4);
    s.editor.menu_cr_Click(0);
    QCOMPARE(s.editor.checked_motion_index(), 0);
    QCOMPARE(s.editor.cursor_motion, QStringLiteral("u"));
    const QStringList codes = {"u", "d", "r", "ur", "dr"};
    for (int i = 4; i >= 0; --i) {
        s.editor.menu_cr_Click(i);
        QCOMPARE(s.editor.checked_motion_index(), i);
        QCOMPARE(s.editor.cursor_motion, codes[i]);
    }
}

void TestCursorMotion::follow_scrolls_only_data() {
    QTest::addColumn<int>("staffs");
    QTest::addColumn<int>("strings");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("expected");

    // A bar running 0 to 1000. No strings given: the start-up page, 16 rows high.
    QTest::newRow("above the strings: the top") << 2 << 0 << 2 << 0;
    QTest::newRow("first string: in proportion") << 2 << 0 << 3 << 188;
    QTest::newRow("row 8 of 16: half way") << 2 << 0 << 8 << 500;
    QTest::newRow("last bass string") << 2 << 0 << 14 << 875;
    // Two ten-string staffs: rows 3 to 12 and 15 to 24 on a 26-row page.
    QTest::newRow("ten strings: middle") << 2 << 10 << 10 << 385;
    QTest::newRow("ten strings: limit row") << 2 << 10 << 15 << 1000;
    QTest::newRow("ten strings: below the limit") << 2 << 10 << 24 << 1000;
    // One staff: the limit row is 7.
    QTest::newRow("one staff: limit row") << 1 << 10 << 7 << 1000;
    QTest::newRow("one staff: above the limit") << 1 << 10 << 6 << 429;
    // Five and six staffs continue the limit rows: 39 and 47.
    QTest::newRow("five staffs: above the limit") << 5 << 6 << 38 << 905;
    QTest::newRow("five staffs: limit row") << 5 << 6 << 39 << 1000;
    QTest::newRow("six staffs: above the limit") << 6 << 6 << 46 << 920;
    QTest::newRow("six staffs: limit row") << 6 << 6 << 47 << 1000;
}

// Every key press in number entry first lets the view catch up with the box.
void TestCursorMotion::follow_scrolls_only() {
    QFETCH(int, staffs);
    QFETCH(int, strings);
    QFETCH(int, row);
    QFETCH(int, expected);
    EditorSession s;
    if (strings > 0) s.relayout(staffs, strings, 1);
    s.editor.mnu_follow_Click();
    QVERIFY(s.editor.follow_checked);
    s.host.vscroll_shown = true;
    s.host.vscroll_max = 1000;
    s.host.vscroll_val = 300;
    s.place_box(8, row);
    s.keys({kVk0 + 5});
    QCOMPARE(s.host.vscroll_val, expected);
    QCOMPARE(s.editor.location.top, double(row));
    QCOMPARE(s.editor.location.caption, QStringLiteral("5"));
}

void TestCursorMotion::follow_reaches_lower_strings_of_tall_staffs() {
    EditorSession s;
    s.relayout(2, 10, 1);
    s.editor.mnu_follow_Click();
    s.host.vscroll_shown = true;
    s.host.vscroll_max = 1000;
    s.place_box(8, 15);
    s.keys({kVkDown});
    QCOMPARE(s.editor.location.top, 16.0);
    QCOMPARE(s.host.vscroll_val, 1000);
    s.keys(kVkDown, 8);
    QCOMPARE(s.editor.location.top, 24.0);
    // Back up into the upper staff the view follows in proportion again.
    s.keys(kVkUp, 10);
    QCOMPARE(s.editor.location.top, 12.0);
    s.keys({kVkUp});
    QCOMPARE(s.editor.location.top, 11.0);
    QCOMPARE(s.host.vscroll_val, 423);  // 11 of 26 rows
}

void TestCursorMotion::follow_without_bar_never_scrolls() {
    EditorSession s;
    s.editor.mnu_follow_Click();
    s.host.vscroll_shown = false;
    s.host.vscroll_max = 1000;
    s.host.vscroll_val = 300;
    s.place_box(8, 2);
    s.keys(kVkDown, 20);
    QCOMPARE(s.editor.location.top, 14.0);
    s.keys(kVkUp, 20);
    QCOMPARE(s.editor.location.top, 3.0);
    QCOMPARE(s.host.vscroll_val, 300);
}

QTEST_MAIN(TestCursorMotion)
#include "test_cursor_motion.moc"
