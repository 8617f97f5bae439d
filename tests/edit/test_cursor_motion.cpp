#include <QtTest>

#include "page/page_font.h"
#include "support/editor_session.h"
#include "support/page_cells.h"

using namespace strumix;

class TestCursorMotion : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }
    void arrow_moves_data();
    void arrow_moves();
    void advance_after_enter_data();
    void advance_after_enter();
    void one_motion_item_checked();
    void follow_scrolls_only_data();
    void follow_scrolls_only();
};

void TestCursorMotion::arrow_moves_data() {
    QTest::addColumn<int>("across");
    QTest::addColumn<int>("staffs");
    QTest::addColumn<QPoint>("start");  // column, row
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QPoint>("expected");

    // Start-up staffs: guitar rows 3 to 8, bass rows 11 to 14; 16 notes a measure.
    QTest::newRow("right along one measure")
        << 1 << 2 << QPoint(8, 4) << int(Qt::Key_Right) << 15 << QPoint(53, 4);
    QTest::newRow("right stops at the last note")
        << 1 << 2 << QPoint(8, 4) << int(Qt::Key_Right) << 16 << QPoint(53, 4);
    QTest::newRow("left stops at the first note")
        << 1 << 2 << QPoint(53, 4) << int(Qt::Key_Left) << 16 << QPoint(8, 4);
    QTest::newRow("right across the bar gap")
        << 2 << 2 << QPoint(53, 4) << int(Qt::Key_Right) << 1 << QPoint(58, 4);
    QTest::newRow("left back across the gap")
        << 2 << 2 << QPoint(58, 4) << int(Qt::Key_Left) << 1 << QPoint(53, 4);
    QTest::newRow("two measures end to end")
        << 2 << 2 << QPoint(8, 4) << int(Qt::Key_Right) << 32 << QPoint(103, 4);
    QTest::newRow("third gap of four measures")
        << 4 << 2 << QPoint(158, 4) << int(Qt::Key_Left) << 1 << QPoint(153, 4);
    QTest::newRow("down into the bass staff")
        << 1 << 2 << QPoint(11, 8) << int(Qt::Key_Down) << 1 << QPoint(11, 11);
    QTest::newRow("up into the guitar staff")
        << 1 << 2 << QPoint(11, 11) << int(Qt::Key_Up) << 1 << QPoint(11, 8);
    QTest::newRow("down stops at the last string")
        << 1 << 2 << QPoint(11, 3) << int(Qt::Key_Down) << 12 << QPoint(11, 14);
    QTest::newRow("up stops at the first string")
        << 1 << 2 << QPoint(11, 14) << int(Qt::Key_Up) << 12 << QPoint(11, 3);
    QTest::newRow("down from the row above the strings")
        << 1 << 2 << QPoint(8, 2) << int(Qt::Key_Down) << 1 << QPoint(8, 3);
    QTest::newRow("down into a third staff")
        << 1 << 3 << QPoint(8, 14) << int(Qt::Key_Down) << 1 << QPoint(8, 17);
}

void TestCursorMotion::arrow_moves() {
    QFETCH(int, across);
    QFETCH(int, staffs);
    QFETCH(QPoint, start);
    QFETCH(int, key);
    QFETCH(int, presses);
    QFETCH(QPoint, expected);
    EditorSession s;
    LayoutModel model = s.doc.model();
    model.measures_across = across;
    model.num_lines = staffs;
    model.recompute_staff_rows();
    s.doc.set_model(model);
    s.place_box(start.x(), start.y());
    s.keys(key, presses);
    QCOMPARE(QPointF(s.box().left(), s.box().top()), QPointF(expected));
}

void TestCursorMotion::advance_after_enter_data() {
    QTest::addColumn<int>("motion");
    QTest::addColumn<QPoint>("start");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("up") << 0 << QPoint(8, 5) << QPoint(8, 4);
    QTest::newRow("down into the next staff") << 1 << QPoint(8, 8) << QPoint(8, 11);
    QTest::newRow("right stays on the last note") << 2 << QPoint(53, 3) << QPoint(53, 3);
    QTest::newRow("diagonal up") << 3 << QPoint(8, 5) << QPoint(11, 4);
    QTest::newRow("diagonal down") << 4 << QPoint(8, 3) << QPoint(11, 4);
}

void TestCursorMotion::advance_after_enter() {
    QFETCH(int, motion);
    QFETCH(QPoint, start);
    QFETCH(QPoint, expected);
    EditorSession s;
    s.box().menu_cr_Click(motion);
    s.place_box(start.x(), start.y());
    s.keys({Qt::Key_0 + 5, Qt::Key_Return});
    QVERIFY(ink_in_cell(s.page().image(), start.x(), start.y()) > 0);
    QCOMPARE(QPointF(s.box().left(), s.box().top()), QPointF(expected));
}

void TestCursorMotion::one_motion_item_checked() {
    EditorSession s;
    QCOMPARE(s.box().cursor_motion(), CursorMotion::Right);
    s.box().menu_cr_Click(4);
    s.box().menu_cr_Click(0);
    QCOMPARE(s.box().cursor_motion(), CursorMotion::Up);
}

void TestCursorMotion::follow_scrolls_only_data() {
    QTest::addColumn<int>("staffs");
    QTest::addColumn<int>("strings");  // 0: the start-up page, 16 rows high
    QTest::addColumn<bool>("bar");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("row_after");
    QTest::addColumn<int>("value");  // of a bar running 0 to 1000, at 300 before

    const int digit = Qt::Key_0 + 5;
    QTest::newRow("bar hidden: nothing scrolls")
        << 2 << 0 << false << 13 << int(Qt::Key_Down) << 14 << 300;
    QTest::newRow("above the strings: the top") << 2 << 0 << true << 2 << digit << 2 << 0;
    QTest::newRow("row 8 of 16: half way") << 2 << 0 << true << 8 << digit << 8 << 500;
    QTest::newRow("down to row 14 of 16") << 2 << 0 << true << 13 << int(Qt::Key_Down) << 14 << 875;
    // Two ten-string staffs on rows 3 to 12 and 15 to 24 of a 26-row page; limit row 15.
    QTest::newRow("ten strings: down from 15")
        << 2 << 10 << true << 15 << int(Qt::Key_Down) << 16 << 1000;
    QTest::newRow("ten strings: up to 11") << 2 << 10 << true << 12 << int(Qt::Key_Up) << 11 << 423;
    // Five and six staffs continue the limit rows: 39 and 47.
    QTest::newRow("five staffs: row 38 of 42") << 5 << 6 << true << 38 << digit << 38 << 905;
    QTest::newRow("five staffs: limit row") << 5 << 6 << true << 39 << digit << 39 << 1000;
    QTest::newRow("six staffs: limit row") << 6 << 6 << true << 47 << digit << 47 << 1000;
}

// The view follows the box, and the box stays where the keys put it.
void TestCursorMotion::follow_scrolls_only() {
    QFETCH(int, staffs);
    QFETCH(int, strings);
    QFETCH(bool, bar);
    QFETCH(int, row);
    QFETCH(int, key);
    QFETCH(int, row_after);
    QFETCH(int, value);
    EditorSession s;
    if (strings > 0) s.relayout(staffs, strings, 1);
    s.box().mnu_follow_Click();
    s.host.vscroll_shown = bar;
    s.host.vscroll_max = 1000;
    s.host.vscroll_val = 300;
    s.place_box(8, row);
    s.keys({key});
    QCOMPARE(s.box().top(), double(row_after));
    QCOMPARE(s.host.vscroll_val, value);
}

QTEST_MAIN(TestCursorMotion)
#include "test_cursor_motion.moc"
