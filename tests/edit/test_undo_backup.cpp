#include <QGuiApplication>
#include <QtTest>

#include "page/page_font.h"
#include "support/editor_session.h"
#include "support/page_cells.h"

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
    QCOMPARE(s.doc.caption(), QStringLiteral("Strumix 95 v1.0a [Untitled]"));
    QCOMPARE(s.tools.status_text(), QStringLiteral("Selected Tool: Insert Fret Numbers"));
    QCOMPARE(s.doc.file_name(), QStringLiteral("Untitled"));
    QCOMPARE(s.tools.current_tool(), ToolId::Numbers);
    QCOMPARE(s.tools.unit(), PageUnit::Characters);
    QVERIFY(s.box().visible());
    QCOMPARE(s.box().caption(), QString());
    QCOMPARE(s.box().left(), 8.0);
    QCOMPARE(s.box().top(), 3.0);
    QCOMPARE(s.box().cursor_motion(), CursorMotion::Right);
    QVERIFY(!s.tools.slidewin_visible());
    QVERIFY(s.page().picture() != nullptr);
    QCOMPARE(s.doc.undo_copy(), s.page().picture());
    QCOMPARE(s.doc.backup_copy(), s.page().picture());
    QVERIFY(!s.undo_copy_differs());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    // The blank page: the first guitar string runs through the home cell.
    QVERIFY(is_black(s.page().image(), 64, 3 * kRowPixels + 8));
    QCOMPARE(ink_in_cell(s.page().image(), 8, 3), 0);
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
            s.keys({Qt::Key_0 + c.digitValue()});
        } else if (c == QLatin1Char('E')) {
            s.keys({Qt::Key_Return});
        } else if (c == QLatin1Char('H')) {
            s.tools.mnu_harmonic_Click();
        } else if (c == QLatin1Char('U')) {
            s.doc.menu_undo_Click();
        } else if (c == QLatin1Char('S')) {
            s.doc.set_backup();
        } else if (c == QLatin1Char('R')) {
            s.doc.menu_revert_Click();
        }
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }
    const QImage& page = s.page().image();
    QCOMPARE(ink_in_cell(page, 8, 3) > 0, ink_at_8);
    QCOMPARE(ink_in_cell(page, 11, 3) > 0, ink_at_11);
    QCOMPARE(s.undo_copy_differs(), changed);
    // What the page shows is its persistent picture after each of these commands.
    if (actions.endsWith(QLatin1Char('U')) || actions.endsWith(QLatin1Char('R'))) {
        QVERIFY(*s.page().picture() == page);
    }
}

// "The same picture" is identity: Revert brings back the very start-up picture, while Set
// Backup takes a picture of its own.
void TestUndoBackup::backup_pictures_are_shared_values() {
    EditorSession s;
    const Picture start = s.page().picture();
    s.keys({Qt::Key_0 + 4, Qt::Key_Return});
    s.doc.menu_revert_Click();
    QCOMPARE(s.page().picture(), start);
    s.doc.menu_undo_Click();
    s.doc.set_backup();
    QVERIFY(s.doc.backup_copy() != s.page().picture());
    QVERIFY(*s.doc.backup_copy() == s.page().image());
    s.keys(
        {Qt::Key_0 + 3, Qt::Key_Return});  // drawing afterwards leaves the backup as it was taken
    QCOMPARE(ink_in_cell(*s.doc.backup_copy(), 11, 3), 0);
}

QTEST_MAIN(TestUndoBackup)
#include "test_undo_backup.moc"
