// The title window at start-up: its tiles, caption and button, and the order in which the
// button appears.
#include <QFrame>
#include <QLabel>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>

#include "page/page_font.h"
#include "page/program_facts.h"
#include "support/title_windows.h"
#include "title/title_window.h"

using namespace strumix;

class TitleWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        load_resources();
    }
    void cleanup();

    void tiles_cover_three_by_three();
    void startup_button_waits_for_the_editor();
};

// A failed test may leave its title window behind; the next one starts without it.
void TitleWindowTest::cleanup() {
    title_windows::unload_closed();
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (qobject_cast<TitleWindow*>(top)) delete top;
    }
}

void TitleWindowTest::tiles_cover_three_by_three() {
    auto* title = new TitleWindow;
    QCOMPARE(title->tile_count(), 1);
    title->load(true);
    QCOMPARE(title->tile_count(), 9);
    QCOMPARE(title->box_caption()->text(), QStringLiteral(" Strumix 95 v1.0a"));
    const QFont font = title->box_caption()->font();
    QVERIFY(font.pointSize() == 12 && font.bold() && font.underline());
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < 3; ++c) {
            QLabel* tile = title->pic_tile(3 * r + c);
            QVERIFY(tile);
            QCOMPARE(tile->objectName(), QStringLiteral("pic_tile_%1").arg(3 * r + c));
            QCOMPARE(tile->geometry(), QRect(10 + 96 * c, 10 + 96 * r, 96, 96));
            QVERIFY(tile->isVisible());
            QVERIFY(!tile->pixmap().isNull());
        }
    }
    // The panel lies over the tiles.
    QWidget* at_centre = title->childAt(title->box()->geometry().center());
    QVERIFY(at_centre == title->box() || title->box()->isAncestorOf(at_centre));
    title->btn_bend()->click();
}

// The program's start as main() runs it: the title first, the editor's windows loaded hidden
// behind it, and only then the button.
void TitleWindowTest::startup_button_waits_for_the_editor() {
    auto* title = new TitleWindow;
    QPointer<TitleWindow> alive(title);
    title->load(false);
    QVERIFY(title->isVisible());
    QVERIFY(!title->is_about());
    QVERIFY(!title->btn_bend()->isVisible());
    // Centred on the screen, to the pixel that rounding allows.
    const QPoint off =
        title->frameGeometry().center() - title->screen()->availableGeometry().center();
    QVERIFY2(std::abs(off.x()) <= 1 && std::abs(off.y()) <= 1,
             qPrintable(QStringLiteral("%1, %2 off centre").arg(off.x()).arg(off.y())));

    // The editor's windows, loaded hidden behind the title.
    QWidget form1;
    QVERIFY(!title->btn_bend()->isVisible());
    QVERIFY(!form1.isVisible());
    // Nothing can close the title while the editor loads: the program would be left without
    // a window.
    QVERIFY(!title->close());
    QVERIFY(title->isVisible());
    // Clicks on the hidden button are ignored until then.
    title->btn_bend_Click();
    QVERIFY(title->isVisible());

    title->loading_finished();
    QVERIFY(title->btn_bend()->isVisible());
    QVERIFY(!form1.isVisible());
    QVERIFY(!title->btn_bend()->toolTip().isEmpty());
    // Only the About box tells the version and licence.
    QVERIFY(!title->box_about()->isVisible());
    title->enter_main = [&] { form1.show(); };
    // Enter presses the button, as a click does.
    QTest::keyClick(title, Qt::Key_Return);
    QTRY_VERIFY(form1.isVisible());
    title_windows::unload_closed();
    QVERIFY(!alive);
    QCOMPARE(title_windows::tiles(), 0);
}

QTEST_MAIN(TitleWindowTest)
#include "test_title_window.moc"
