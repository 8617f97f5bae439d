#include <QtTest>

#include "page/page_font.h"
#include "support/editor_session.h"

Q_DECLARE_METATYPE(strumix::ToolId)
#include "support/page_cells.h"

using namespace strumix;

namespace {

constexpr int k1 = Qt::Key_0 + 1, k2 = Qt::Key_0 + 2, k3 = Qt::Key_0 + 3, k5 = Qt::Key_0 + 5,
              k7 = Qt::Key_0 + 7;

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
    QTest::newRow("keypad digits") << QList<int>{(int(Qt::KeypadModifier) | (Qt::Key_0 + 9)),
                                                 (int(Qt::KeypadModifier) | (Qt::Key_0 + 6))}
                                   << "96";
    QTest::newRow("X then a digit") << QList<int>{Qt::Key_X, k3} << "X3";
    QTest::newRow("a digit then X") << QList<int>{k3, Qt::Key_X} << "X";
    QTest::newRow("backspace on nothing") << QList<int>{Qt::Key_Backspace} << "";
    QTest::newRow("backspace on 12") << QList<int>{k1, k2, Qt::Key_Backspace} << "1";
    QTest::newRow("keypad point clears")
        << QList<int>{k1, k2, (int(Qt::KeypadModifier) | Qt::Key_Period)} << "";
    QTest::newRow("other keys ignored") << QList<int>{k1, 65} << "1";
    QTest::newRow("single digit padded") << QList<int>{k5, Qt::Key_Return} << " 5";
    QTest::newRow("7 after a padded 5") << QList<int>{k5, Qt::Key_Return, k7} << "7";
    QTest::newRow("two digits stay two") << QList<int>{k1, k2, Qt::Key_Return} << "12";
}

void TestFretEntry::entry_rules() {
    QFETCH(QList<int>, keys);
    QFETCH(QString, entry);
    EditorSession s;
    for (int key : keys) s.keys({key});
    QCOMPARE(s.box().caption(), entry);
}

void TestFretEntry::enter_prints_at_the_box_cell() {
    EditorSession s;
    const QImage blank = s.page().image();
    const Picture undo_before = s.doc.undo_copy();
    s.keys({Qt::Key_Return});  // nothing typed: an undo copy and a move, no pixels
    QVERIFY(s.doc.undo_copy() != undo_before);
    QVERIFY(s.page().image() == blank);
    QCOMPARE(s.box().left(), 11.0);

    s.keys({k1, k2});
    QVERIFY(s.page().image() == blank);  // the entry is in the box only
    s.keys({Qt::Key_Return});
    const QImage& page = s.page().image();
    QVERIFY(ink_in_cell(page, 11, 3) > 4);
    QCOMPARE(ink_in_cell(page, 14, 3), 0);
    QCOMPARE(ink_in_cell(page, 11, 4), 0);
    QCOMPARE(ink_in_cell(page, 11, 2), 0);
    QCOMPARE(page.copy(0, 48, 88, 16), blank.copy(0, 48, 88, 16));
    // A transparent background: the string line runs on through the digits.
    for (int x = 88; x < 104; ++x) QVERIFY(is_black(page, x, 3 * kRowPixels + 8));
    QCOMPARE(s.box().left(), 14.0);
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
    if (refresh) s.box().menu_cr_refresh_Click();
    s.keys({k5, Qt::Key_Return});
    QCOMPARE(s.box().caption(), entry_after);
    s.keys({Qt::Key_Return});
    const QImage& page = s.page().image();
    // Refresh off, the second Enter writes the same pixels one note on.
    QCOMPARE(page.copy(88, 48, 16, 16) == page.copy(64, 48, 16, 16), !refresh);
}

// With another tool in use the box is hidden and the arrows do nothing; typed numbers still go
// to the box's cell, and the page keeps the unit that tool works in.
void TestFretEntry::keys_with_another_tool() {
    EditorSession s;
    s.tools.btn_edit_Click();
    s.place_box(14, 5);
    s.keys({Qt::Key_Down, Qt::Key_Left, k5, Qt::Key_Return});
    QVERIFY(ink_in_cell(s.page().image(), 14, 5) > 0);
    QCOMPARE(s.tools.unit(), PageUnit::Pixels);
    QCOMPARE(QPointF(s.box().left(), s.box().top()), QPointF(17, 5));
}

void TestFretEntry::harmonic_diamond() {
    EditorSession s;
    s.place_box(11, 12);  // second bass string: the box's corner at pixel (88, 192)
    const Picture undo_before = s.doc.undo_copy();
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
        QVERIFY(!is_black(s.page().image(), p.x(), p.y()));
    s.tools.mnu_harmonic_Click();
    const QImage& page = s.page().image();
    for (const QPoint& p : drawn)
        QVERIFY2(is_black(page, p.x(), p.y()), qPrintable(QString("%1,%2").arg(p.x()).arg(p.y())));
    for (const QPoint& p : {top - QPoint(0, 1), bottom + QPoint(0, 1), right + QPoint(1, -1),
                            left - QPoint(1, 1), top + QPoint(0, 4)})
        QVERIFY(!is_black(page, p.x(), p.y()));
    QCOMPARE(s.doc.undo_copy(), undo_before);  // no undo copy of its own
    QCOMPARE(QPointF(s.box().left(), s.box().top()), QPointF(14, 12));
}

void TestFretEntry::harmonic_refused_data() {
    QTest::addColumn<ToolId>("tool");

    QTest::newRow("slide tool") << ToolId::Slide;
    QTest::newRow("erase tool") << ToolId::Erase;
    // A notation symbol picked up hides the box and leaves number entry the tool in use.
    QTest::newRow("number entry, box hidden") << ToolId::Numbers;
}

void TestFretEntry::harmonic_refused() {
    QFETCH(ToolId, tool);
    EditorSession s;
    if (tool == ToolId::Slide) s.tools.select(ToolId::Slide);
    if (tool == ToolId::Erase) s.tools.btn_edit_Click();
    if (tool == ToolId::Numbers) s.tools.btn_bend_Click(0);
    QCOMPARE(s.tools.current_tool(), tool);
    const QImage before = s.page().image();
    s.tools.mnu_harmonic_Click();
    QCOMPARE(int(s.host.messages.size()), 1);
    QCOMPARE(s.host.messages[0].title, QStringLiteral("Can't insert Harmonic"));
    QCOMPARE(s.host.messages[0].text,
             QStringLiteral("You must be in 'Insert Numbers' mode to insert a harmonic. Click the "
                            "2nd tool, or right click image with your mouse. Then place box over "
                            "note to make harmonic, and hit Ctrl-H."));
    QVERIFY(s.page().image() == before);
    QCOMPARE(QPointF(s.box().left(), s.box().top()), QPointF(8, 3));
}

QTEST_MAIN(TestFretEntry)
#include "test_fret_entry.moc"
