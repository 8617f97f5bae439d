#include <QGuiApplication>
#include <QtTest>

#include "editor_session.h"
#include "page/page_font.h"
#include "page_cells.h"

using namespace strumix;

class TestUndoBackup : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void startup_state();
    void commands_data();
    void commands();
    void backup_pictures_are_shared_values();
};

void TestUndoBackup::startup_state() {
    EditorSession s;
    Editor& e = s.editor;
    QCOMPARE(e.caption, QStringLiteral("Strumix 95 v1.0a [Untitled]"));
    QCOMPARE(e.status_text, QStringLiteral("Selected Tool: Insert Fret Numbers"));
    QCOMPARE(e.model.file_name, QStringLiteral("Untitled"));
    QCOMPARE(e.model.current_tool, kToolNumbers);
    QCOMPARE(e.Picture1.scale_mode(), ScaleMode::Characters);
    QVERIFY(e.location.visible);
    QCOMPARE(e.location.caption, QString());
    QCOMPARE(e.location.left, 8.0);
    QCOMPARE(e.location.top, 3.0);
    QCOMPARE(e.cursor_motion, QStringLiteral("r"));
    QVERIFY(!e.slidewin_visible);
    QVERIFY(e.Picture1.picture() != nullptr);
    QCOMPARE(e.backup[0], e.Picture1.picture());
    QCOMPARE(e.backup[1], e.Picture1.picture());
    QVERIFY(!e.page_changed());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    // The blank page: the first guitar string runs through the home cell.
    QVERIFY(is_black(e.Picture1.image(), 64, 3 * kRowPixels + 8));
    QCOMPARE(ink_in_cell(e.Picture1.image(), 8, 3), 0);
}

void TestUndoBackup::commands_data() {
    // Digits and "E" (Enter) type at the box, which starts at column 8 and moves right;
    // "H" marks a harmonic, "U" is Undo, "S" Set Backup, "R" Revert to Backup.
    QTest::addColumn<QString>("actions");
    QTest::addColumn<bool>("ink_at_8");
    QTest::addColumn<bool>("ink_at_11");
    QTest::addColumn<bool>("changed");

    QTest::newRow("undo right after start-up") << "U" << false << false << true;
    QTest::newRow("undo twice right after start-up") << "UU" << false << false << true;
    QTest::newRow("undo a number") << "12EU" << false << false << true;
    QTest::newRow("undo twice brings it back") << "12EUU" << true << false << true;
    QTest::newRow("undo goes back one entry") << "5E7EU" << true << false << true;
    QTest::newRow("undo after a harmonic") << "5EHU" << false << false << true;
    QTest::newRow("revert to the set backup") << "5ES7ER" << true << false << true;
    QTest::newRow("undo after revert") << "5ES7ERU" << true << true << true;
    QTest::newRow("revert without set backup") << "5E7ER" << false << false << true;
    QTest::newRow("undo of a revert without set backup") << "5E7ERU" << true << true << true;
    QTest::newRow("typing without enter") << "12" << false << false << false;
}

void TestUndoBackup::commands() {
    QFETCH(QString, actions);
    QFETCH(bool, ink_at_8);
    QFETCH(bool, ink_at_11);
    QFETCH(bool, changed);
    EditorSession s;
    for (const QChar c : actions) {
        if (c.isDigit()) {
            s.keys({kVk0 + c.digitValue()});
        } else if (c == QLatin1Char('E')) {
            s.keys({kVkReturn});
        } else if (c == QLatin1Char('H')) {
            s.editor.mnu_harmonic_Click();
        } else if (c == QLatin1Char('U')) {
            s.editor.menu_undo_Click();
        } else if (c == QLatin1Char('S')) {
            s.editor.menu_set_backup_Click();
        } else if (c == QLatin1Char('R')) {
            s.editor.menu_revert_Click();
        }
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }
    const QImage& page = s.editor.Picture1.image();
    QCOMPARE(ink_in_cell(page, 8, 3) > 0, ink_at_8);
    QCOMPARE(ink_in_cell(page, 11, 3) > 0, ink_at_11);
    QCOMPARE(s.editor.page_changed(), changed);
    // What the page shows is its persistent picture after each of these commands.
    if (actions.endsWith(QLatin1Char('U')) || actions.endsWith(QLatin1Char('R'))) {
        QVERIFY(*s.editor.Picture1.picture() == page);
    }
}

// "The same picture" is identity: Revert brings back the very start-up picture, while Set
// Backup takes a picture of its own.
void TestUndoBackup::backup_pictures_are_shared_values() {
    EditorSession s;
    const Picture start = s.editor.Picture1.picture();
    s.keys({kVk0 + 4, kVkReturn});
    s.editor.menu_revert_Click();
    QCOMPARE(s.editor.Picture1.picture(), start);
    s.editor.menu_undo_Click();
    s.editor.menu_set_backup_Click();
    QVERIFY(s.editor.backup[1] != s.editor.Picture1.picture());
    QVERIFY(*s.editor.backup[1] == s.editor.Picture1.image());
    s.keys({kVk0 + 3, kVkReturn});  // drawing afterwards leaves the backup as it was taken
    QCOMPARE(ink_in_cell(*s.editor.backup[1], 11, 3), 0);
}

QTEST_MAIN(TestUndoBackup)
#include "test_undo_backup.moc"
