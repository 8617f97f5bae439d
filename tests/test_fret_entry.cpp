#include <QtTest>

#include "editor_session.h"
#include "page/page_font.h"
#include "page_cells.h"

using namespace strumix;

namespace {

constexpr int k1 = kVk0 + 1, k2 = kVk0 + 2, k3 = kVk0 + 3, k5 = kVk0 + 5, k7 = kVk0 + 7;

}  // namespace

class TestFretEntry : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }
    void entry_rules_data();
    void entry_rules();
    void enter_prints_at_the_box_cell();
    void enter_again_with_refresh_data();
    void enter_again_with_refresh();
    void keys_with_another_tool();
    void harmonic_diamond();
    void harmonic_refused_data();
    void harmonic_refused();
};

void TestFretEntry::entry_rules_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("entry");

    QTest::newRow("two digits") << QList<int>{k1, k2} << "12";
    QTest::newRow("a third digit starts anew") << QList<int>{k1, k2, k3} << "3";
    QTest::newRow("keypad digits") << QList<int>{kVkNumpad0 + 9, kVkNumpad0 + 6} << "96";
    QTest::newRow("X then a digit") << QList<int>{kVkX, k3} << "X3";
    QTest::newRow("a digit then X") << QList<int>{k3, kVkX} << "X";
    QTest::newRow("backspace on nothing") << QList<int>{kVkBack} << "";
    QTest::newRow("backspace on 12") << QList<int>{k1, k2, kVkBack} << "1";
    QTest::newRow("keypad point clears") << QList<int>{k1, k2, kVkDecimal} << "";
    QTest::newRow("other keys ignored") << QList<int>{k1, 65} << "1";
    QTest::newRow("single digit padded") << QList<int>{k5, kVkReturn} << " 5";
    QTest::newRow("7 after a padded 5") << QList<int>{k5, kVkReturn, k7} << "7";
    QTest::newRow("two digits stay two") << QList<int>{k1, k2, kVkReturn} << "12";
}

void TestFretEntry::entry_rules() {
    QFETCH(QList<int>, keys);
    QFETCH(QString, entry);
    EditorSession s;
    for (int key : keys) s.keys({key});
    QCOMPARE(s.editor.location.caption, entry);
}

void TestFretEntry::enter_prints_at_the_box_cell() {
    EditorSession s;
    const QImage blank = s.editor.Picture1.image();
    const Picture undo_before = s.editor.backup[0];
    s.keys({kVkReturn});  // nothing typed: an undo copy and a move, no pixels
    QVERIFY(s.editor.backup[0] != undo_before);
    QVERIFY(s.editor.Picture1.image() == blank);
    QCOMPARE(s.editor.location.left, 11.0);

    s.keys({k1, k2});
    QVERIFY(s.editor.Picture1.image() == blank);  // the entry is in the box only
    s.keys({kVkReturn});
    const QImage& page = s.editor.Picture1.image();
    QVERIFY(ink_in_cell(page, 11, 3) > 4);
    QCOMPARE(ink_in_cell(page, 14, 3), 0);
    QCOMPARE(ink_in_cell(page, 11, 4), 0);
    QCOMPARE(ink_in_cell(page, 11, 2), 0);
    QCOMPARE(page.copy(0, 48, 88, 16), blank.copy(0, 48, 88, 16));
    // A transparent background: the string line runs on through the digits.
    for (int x = 88; x < 104; ++x) QVERIFY(is_black(page, x, 3 * kRowPixels + 8));
    QCOMPARE(s.editor.location.left, 14.0);
}

void TestFretEntry::enter_again_with_refresh_data() {
    QTest::addColumn<bool>("refresh");
    QTest::addColumn<QString>("entry_after");

    QTest::newRow("refresh off: the entry moves on") << false << " 5";
    QTest::newRow("refresh on: the entry is emptied") << true << "";
}

void TestFretEntry::enter_again_with_refresh() {
    QFETCH(bool, refresh);
    QFETCH(QString, entry_after);
    EditorSession s;
    if (refresh) s.editor.menu_cr_refresh_Click();
    s.keys({k5, kVkReturn});
    QCOMPARE(s.editor.location.caption, entry_after);
    s.keys({kVkReturn});
    const QImage& page = s.editor.Picture1.image();
    // Refresh off, the second Enter writes the same pixels one note on.
    QCOMPARE(page.copy(88, 48, 16, 16) == page.copy(64, 48, 16, 16), !refresh);
}

// With another tool in use the box is hidden and the arrows do nothing; typed numbers still go
// to the box's cell, and the page keeps the unit that tool works in.
void TestFretEntry::keys_with_another_tool() {
    EditorSession s;
    s.editor.model.current_tool = kToolErase;
    s.editor.location.visible = false;
    s.editor.Picture1.set_scale_mode(ScaleMode::Pixels);
    s.place_box(14, 5);
    s.keys({kVkDown, kVkLeft, k5, kVkReturn});
    QVERIFY(ink_in_cell(s.editor.Picture1.image(), 14, 5) > 0);
    QCOMPARE(s.editor.Picture1.scale_mode(), ScaleMode::Pixels);
    QCOMPARE(QPointF(s.editor.location.left, s.editor.location.top), QPointF(17, 5));
}

void TestFretEntry::harmonic_diamond() {
    EditorSession s;
    s.place_box(11, 12);  // second bass string: the box's corner at pixel (88, 192)
    const Picture undo_before = s.editor.backup[0];
    // Corners 6.4 right of and 2.5 above the box's corner; 16 right and 7.5 down; 6.4 right
    // and 17.5 down; 4 left and 7.5 down; halves rounded away from zero.
    const QPoint top(94, 190), right(104, 200), bottom(94, 210), left(84, 200);
    const QList<QPoint> drawn = {top,
                                 right,
                                 bottom,
                                 left,
                                 QPoint(99, 195),
                                 QPoint(99, 205),
                                 QPoint(89, 205),
                                 QPoint(89, 195)};
    for (const QPoint& p : {top, bottom, QPoint(99, 195), QPoint(89, 205)})
        QVERIFY(!is_black(s.editor.Picture1.image(), p.x(), p.y()));
    s.editor.mnu_harmonic_Click();
    const QImage& page = s.editor.Picture1.image();
    for (const QPoint& p : drawn)
        QVERIFY2(is_black(page, p.x(), p.y()), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
    for (const QPoint& p : {top - QPoint(0, 1), bottom + QPoint(0, 1), right + QPoint(1, -1),
                            left - QPoint(1, 1), top + QPoint(0, 4)})
        QVERIFY(!is_black(page, p.x(), p.y()));
    QCOMPARE(s.editor.backup[0], undo_before);  // no undo copy of its own
    QCOMPARE(QPointF(s.editor.location.left, s.editor.location.top), QPointF(14, 12));
}

void TestFretEntry::harmonic_refused_data() {
    QTest::addColumn<int>("tool");
    QTest::addColumn<bool>("box_visible");

    QTest::newRow("slide tool") << kToolSlide << false;
    QTest::newRow("erase tool") << kToolErase << true;
    QTest::newRow("number entry, box hidden") << kToolNumbers << false;
}

void TestFretEntry::harmonic_refused() {
    QFETCH(int, tool);
    QFETCH(bool, box_visible);
    EditorSession s;
    s.editor.model.current_tool = tool;
    s.editor.location.visible = box_visible;
    const QImage before = s.editor.Picture1.image();
    s.editor.mnu_harmonic_Click();
    QCOMPARE(int(s.host.messages.size()), 1);
    QCOMPARE(s.host.messages[0].title, QStringLiteral("Can't insert Harmonic"));
    QCOMPARE(s.host.messages[0].text,
             QStringLiteral("You must be in 'Insert Numbers' mode to insert a harmonic. Click the "
                            "2nd tool, or right click image with your mouse. Then place box over "
                            "note to make harmonic, and hit Ctrl-H."));
    QVERIFY(s.editor.Picture1.image() == before);
    QCOMPARE(QPointF(s.editor.location.left, s.editor.location.top), QPointF(8, 3));
}

QTEST_MAIN(TestFretEntry)
#include "test_fret_entry.moc"
