#include <QLabel>
#include <QtTest>

#include "page/page_font.h"
#include "support/page_cells.h"
#include "support/program_session.h"

using namespace strumix;

// Types on the real main window, wired as the program wires it, and reads what the page shows.
class TestTypingWidget : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }
    void init();
    void cleanup();

    void typed_number_lands_in_the_cell();
    void delete_undoes_and_keeps_the_entry();
    void motion_shortcuts_and_harmonic();

private:
    // What the page widget shows, cursor box included.
    QImage shown() const { return window_->page()->grab().toImage(); }
    QLabel* box() const { return window_->page()->location(); }
    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(window_->page(), key, modifiers);
    }

    std::unique_ptr<ProgramSession> session_;
    MainWindow* window_ = nullptr;
};

void TestTypingWidget::init() {
    session_ = std::make_unique<ProgramSession>();
    window_ = &session_->window;
    window_->show();
    window_->form_resize();
    window_->page()->setFocus();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
}

void TestTypingWidget::cleanup() {
    window_ = nullptr;
    session_.reset();
}

void TestTypingWidget::typed_number_lands_in_the_cell() {
    QVERIFY(box()->isVisible());
    QCOMPARE(box()->geometry(), QRect(64, 48, 16, 15));
    type(Qt::Key_Down);
    type(Qt::Key_1);
    type(Qt::Key_2, Qt::KeypadModifier);
    QCOMPARE(box()->text(), QStringLiteral("12"));
    QCOMPARE(ink_in_cell(session_->doc.Picture1().image(), 8, 4), 0);  // shown in the box only
    type(Qt::Key_Return);
    // The number is in the page at column 8, row 4; the box has moved on with the entry.
    QVERIFY(ink_in_cell(shown(), 8, 4) > 4);
    QCOMPARE(box()->geometry(), QRect(88, 64, 16, 15));
    QCOMPARE(box()->text(), QStringLiteral("12"));
    type(Qt::Key_Period, Qt::KeypadModifier);
    QCOMPARE(box()->text(), QString());
    type(Qt::Key_X);
    type(Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(ink_in_cell(shown(), 11, 4) > 0);
    QCOMPARE(box()->text(), QStringLiteral(" X"));
}

void TestTypingWidget::delete_undoes_and_keeps_the_entry() {
    type(Qt::Key_1);
    type(Qt::Key_Return);
    QVERIFY(ink_in_cell(shown(), 8, 3) > 0);
    type(Qt::Key_7);
    QCOMPARE(box()->text(), QStringLiteral("7"));
    type(Qt::Key_Delete);
    QCOMPARE(ink_in_cell(shown(), 8, 3), 0);
    QCOMPARE(box()->text(), QStringLiteral("7"));
    QVERIFY(session_->doc.Picture1().picture() != session_->doc.undo_copy());
    type(Qt::Key_Delete);
    QVERIFY(ink_in_cell(shown(), 8, 3) > 0);
    QCOMPARE(box()->text(), QStringLiteral("7"));
}

void TestTypingWidget::motion_shortcuts_and_harmonic() {
    type(Qt::Key_X, Qt::ControlModifier);  // Diagonal Down
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(window_->action(QStringLiteral("menu_cr_%1").arg(i))->isChecked(), i == 4);
    }
    type(Qt::Key_R, Qt::ControlModifier);  // Refresh
    QVERIFY(window_->action(QStringLiteral("menu_cr_refresh"))->isChecked());
    type(Qt::Key_5);
    type(Qt::Key_Return);
    QCOMPARE(box()->geometry(), QRect(88, 64, 16, 15));
    QCOMPARE(box()->text(), QString());
    type(Qt::Key_H, Qt::ControlModifier);
    // The diamond around column 11, row 4: its top and bottom corners.
    const QImage page = shown();
    QVERIFY(is_black(page, 94, 62));
    QVERIFY(is_black(page, 94, 82));
    QVERIFY(ink_in_cell(page, 8, 3) > 0);
    QCOMPARE(box()->geometry(), QRect(112, 80, 16, 15));
}

QTEST_MAIN(TestTypingWidget)
#include "test_typing_widget.moc"
