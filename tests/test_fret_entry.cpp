#include <QtTest>

#include "editor_session.h"
#include "page/page_font.h"
#include "page_cells.h"

using namespace strumix;

namespace {

constexpr int kDigit1 = kVk0 + 1;
constexpr int kDigit2 = kVk0 + 2;
constexpr int kDigit3 = kVk0 + 3;
constexpr int kDigit5 = kVk0 + 5;
constexpr int kDigit7 = kVk0 + 7;
constexpr int kKeyA = 65;

const QString kHarmonicRefusal = QStringLiteral(
    "You must be in 'Insert Numbers' mode to insert a harmonic. Click the 2nd tool, or right "
    "click image with your mouse. Then place box over note to make harmonic, and hit Ctrl-H.");

}  // namespace

class TestFretEntry : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void entry_rules_data();
    void entry_rules();
    void enter_prints_at_the_box_cell();
    void entry_kept_or_refreshed_data();
    void entry_kept_or_refreshed();
    void enter_with_empty_entry();
    void keys_with_another_tool();
    void harmonic_diamond_data();
    void harmonic_diamond();
    void harmonic_refused_data();
    void harmonic_refused();
};

void TestFretEntry::entry_rules_data() {
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("entry");

    QTest::newRow("two digits") << QList<int>{kDigit1, kDigit2} << "12";
    QTest::newRow("a third digit starts anew") << QList<int>{kDigit1, kDigit2, kDigit3} << "3";
    QTest::newRow("keypad digits") << QList<int>{kVkNumpad0 + 9, kVkNumpad0 + 6} << "96";
    QTest::newRow("X then a digit") << QList<int>{kVkX, kDigit3} << "X3";
    QTest::newRow("a digit then X") << QList<int>{kDigit3, kVkX} << "X";
    QTest::newRow("backspace on nothing") << QList<int>{kVkBack} << "";
    QTest::newRow("backspace on 12") << QList<int>{kDigit1, kDigit2, kVkBack} << "1";
    QTest::newRow("backspace past empty")
        << QList<int>{kDigit1, kDigit2, kVkBack, kVkBack, kVkBack} << "";
    QTest::newRow("keypad point clears") << QList<int>{kDigit1, kDigit2, kVkDecimal} << "";
    QTest::newRow("other keys ignored") << QList<int>{kDigit1, kKeyA} << "1";
    QTest::newRow("single digit shown padded") << QList<int>{kDigit5, kVkReturn} << " 5";
    QTest::newRow("X shown padded") << QList<int>{kVkX, kVkReturn} << " X";
    QTest::newRow("digit after a padded 5") << QList<int>{kDigit5, kVkReturn, kDigit7} << "7";
    QTest::newRow("digit after a padded X") << QList<int>{kVkX, kVkReturn, kDigit3} << "3";
    QTest::newRow("backspace on a padded 5") << QList<int>{kDigit5, kVkReturn, kVkBack} << " ";
    QTest::newRow("two digits stay two") << QList<int>{kDigit1, kDigit2, kVkReturn} << "12";
}

void TestFretEntry::entry_rules() {
    QFETCH(QList<int>, keys);
    QFETCH(QString, entry);
    EditorSession s;
    for (int key : keys) s.editor.Picture1_KeyDown(key, 0);
    QCOMPARE(s.editor.location.caption, entry);
}

void TestFretEntry::enter_prints_at_the_box_cell() {
    EditorSession s;
    const QImage blank = s.editor.Picture1.image();
    QCOMPARE(ink_in_cell(blank, 8, 3), 0);
    s.keys({kDigit1, kDigit2});
    // Typing shows the entry in the box only.
    QVERIFY(s.editor.Picture1.image() == blank);
    s.keys({kVkReturn});
    const QImage& page = s.editor.Picture1.image();
    QVERIFY(ink_in_cell(page, 8, 3) > 4);
    QCOMPARE(ink_in_cell(page, 11, 3), 0);
    QCOMPARE(ink_in_cell(page, 8, 4), 0);
    // Left of the cell, bar line and string name are as they were.
    QCOMPARE(page.copy(0, 48, 64, 16), blank.copy(0, 48, 64, 16));
    // Nothing of the digits leaves the cell's rows.
    for (int x = 56; x < 96; ++x) {
        QVERIFY(!is_black(page, x, 3 * kRowPixels - 1));
        QVERIFY(!is_black(page, x, 4 * kRowPixels));
    }
    // The background stays transparent: the string line runs on through the cell.
    for (int x = 8 * kColumnPixels; x < 10 * kColumnPixels; ++x) {
        QVERIFY2(is_black(page, x, 3 * kRowPixels + 8), qPrintable(QString::number(x)));
    }
    QCOMPARE(s.editor.location.left, 11.0);
    QCOMPARE(s.editor.location.top, 3.0);
}

void TestFretEntry::entry_kept_or_refreshed_data() {
    QTest::addColumn<bool>("refresh");
    QTest::addColumn<QString>("entry_after");
    QTest::addColumn<bool>("second_written");

    QTest::newRow("refresh off: the entry moves on") << false << " 5" << true;
    QTest::newRow("refresh on: the entry is emptied") << true << "" << false;
}

void TestFretEntry::entry_kept_or_refreshed() {
    QFETCH(bool, refresh);
    QFETCH(QString, entry_after);
    QFETCH(bool, second_written);
    EditorSession s;
    if (refresh) s.editor.menu_cr_refresh_Click();
    QCOMPARE(s.editor.entry_refresh == QLatin1String("on"), refresh);
    s.keys({kDigit5, kVkReturn});
    QCOMPARE(s.editor.location.caption, entry_after);
    s.keys({kVkReturn});
    const QImage& page = s.editor.Picture1.image();
    QVERIFY(ink_in_cell(page, 8, 3) > 0);
    QCOMPARE(ink_in_cell(page, 11, 3) > 0, second_written);
    if (second_written) {
        // The same two characters at the next cell: the same pixels three columns on.
        QCOMPARE(page.copy(88, 48, 16, 16), page.copy(64, 48, 16, 16));
    }
    QCOMPARE(s.editor.location.left, 14.0);
}

void TestFretEntry::enter_with_empty_entry() {
    EditorSession s;
    const Picture undo_before = s.editor.backup[0];
    const QImage before = s.editor.Picture1.image();
    s.keys({kVkReturn});
    QVERIFY(s.editor.backup[0] != undo_before);
    QVERIFY(*s.editor.backup[0] == before);
    QVERIFY(s.editor.Picture1.image() == before);
    QCOMPARE(s.editor.location.left, 11.0);
    QCOMPARE(s.editor.location.caption, QString());
}

// With another tool in use the box is hidden, yet typed numbers still go to its cell, and the
// page keeps the unit that tool works in.
void TestFretEntry::keys_with_another_tool() {
    EditorSession s;
    s.editor.model.current_tool = kToolErase;
    s.editor.location.visible = false;
    s.editor.Picture1.set_scale_mode(ScaleMode::Pixels);
    s.place_box(14, 5);
    s.keys({kVkDown, kVkLeft, kDigit5, kVkReturn});
    QVERIFY(ink_in_cell(s.editor.Picture1.image(), 14, 5) > 0);
    QCOMPARE(s.editor.Picture1.scale_mode(), ScaleMode::Pixels);
    QCOMPARE(s.editor.location.left, 17.0);
    QCOMPARE(s.editor.location.top, 5.0);
}

void TestFretEntry::harmonic_diamond_data() {
    QTest::addColumn<QPoint>("cell");
    QTest::addColumn<QPoint>("top");
    QTest::addColumn<QPoint>("right");
    QTest::addColumn<QPoint>("bottom");
    QTest::addColumn<QPoint>("left");

    // 6.4 right of and 2.5 above the box's corner; 16 right and 7.5 down; 6.4 right and 17.5
    // down; 4 left and 7.5 down; halves rounded away from zero.
    QTest::newRow("home cell") << QPoint(8, 3) << QPoint(70, 46) << QPoint(80, 56) << QPoint(70, 66)
                               << QPoint(60, 56);
    QTest::newRow("bass string 2") << QPoint(11, 12) << QPoint(94, 190) << QPoint(104, 200)
                                   << QPoint(94, 210) << QPoint(84, 200);
}

void TestFretEntry::harmonic_diamond() {
    QFETCH(QPoint, cell);
    QFETCH(QPoint, top);
    QFETCH(QPoint, right);
    QFETCH(QPoint, bottom);
    QFETCH(QPoint, left);
    EditorSession s;
    s.place_box(cell.x(), cell.y());
    const Picture undo_before = s.editor.backup[0];
    const QImage before = s.editor.Picture1.image();
    const QList<QPoint> edges = {(top + right) / 2, (right + bottom) / 2, (bottom + left) / 2,
                                 (left + top) / 2};
    for (const QPoint& p : edges) QVERIFY(!is_black(before, p.x(), p.y()));
    QVERIFY(!is_black(before, top.x(), top.y()));
    QVERIFY(!is_black(before, bottom.x(), bottom.y()));

    s.editor.mnu_harmonic_Click();
    const QImage& page = s.editor.Picture1.image();
    for (const QPoint& p : {top, right, bottom, left}) {
        QVERIFY2(is_black(page, p.x(), p.y()),
                 qPrintable(QStringLiteral("corner %1,%2").arg(p.x()).arg(p.y())));
    }
    for (const QPoint& p : edges) QVERIFY(is_black(page, p.x(), p.y()));
    // Just beyond the corners and inside the diamond the page is as it was.
    QVERIFY(!is_black(page, top.x(), top.y() - 1));
    QVERIFY(!is_black(page, bottom.x(), bottom.y() + 1));
    QVERIFY(!is_black(page, right.x() + 1, right.y() - 1));
    QVERIFY(!is_black(page, left.x() - 1, left.y() - 1));
    QVERIFY(!is_black(page, top.x(), top.y() + 4));
    QCOMPARE(s.editor.backup[0], undo_before);
    QCOMPARE(s.editor.location.left, cell.x() + 3.0);
    QCOMPARE(s.editor.location.top, double(cell.y()));
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
    QCOMPARE(s.host.messages[0].text, kHarmonicRefusal);
    QVERIFY(s.editor.Picture1.image() == before);
    QCOMPARE(s.editor.location.left, 8.0);
    QCOMPARE(s.editor.location.top, 3.0);
}

QTEST_MAIN(TestFretEntry)
#include "test_fret_entry.moc"
