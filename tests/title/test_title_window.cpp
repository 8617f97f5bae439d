// The title window at start-up and as the About box: its tiles, caption and button, the order
// in which the button appears, and that every opening starts with a fresh window.
#include <QFrame>
#include <QLabel>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>

#include "app/main_window.h"
#include "app/page_widget.h"
#include "app/program.h"
#include "page/page_font.h"
#include "page/program.h"
#include "support/fake_host.h"
#include "title/title_window.h"

using namespace strumix;

namespace {

// Every tile of every title window in the program.
int tiles_in_program() {
    int count = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!qobject_cast<TitleWindow*>(top)) continue;
        for (QLabel* label : top->findChildren<QLabel*>()) {
            count += label->objectName().startsWith(QLatin1String("pic_tile_"));
        }
    }
    return count;
}

int title_windows() {
    int count = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        count += bool(qobject_cast<TitleWindow*>(top));
    return count;
}

void unload_closed_windows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

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
    void about_twice_starts_fresh_each_time();
    void about_close_box_returns_to_the_page();
};

// A failed test may leave its title window behind; the next one starts without it.
void TitleWindowTest::cleanup() {
    unload_closed_windows();
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

    FakeQuestions questions;
    Program program(&questions);
    MainWindow& form1 = program.form1();
    program.start();
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
    unload_closed_windows();
    QVERIFY(!alive);
    QCOMPARE(tiles_in_program(), 0);
}

void TitleWindowTest::about_twice_starts_fresh_each_time() {
    FakeQuestions questions;
    Program program(&questions);
    MainWindow& form1 = program.form1();
    program.start();
    form1.show();
    QApplication::setActiveWindow(&form1);
    QPointer<TitleWindow> first;
    for (int round = 0; round < 2; ++round) {
        form1.action(QStringLiteral("mnu_about"))->trigger();
        TitleWindow* about = form1.about_box();
        QVERIFY(about);
        QVERIFY(about != first.data() || round == 0);
        if (round == 0) first = about;
        QVERIFY(about->isVisible());
        QVERIFY(about->is_about());
        // The main window is visible, so the button is there at once.
        QVERIFY(about->btn_bend()->isVisible());
        QCOMPARE(title_windows(), 1);
        QCOMPARE(tiles_in_program(), 9);
        QCOMPARE(about->box_caption()->text(), QStringLiteral(" Strumix 95 v1.0a"));
        QVERIFY(about->box_about()->isVisible());
        QVERIFY(about->box_about()->text().contains(QString::fromLatin1(kProgramVersion)));
        QVERIFY(about->box_about()->text().contains(QString::fromLatin1(qVersion())));

        QApplication::setActiveWindow(about);
        QTest::mouseClick(about->btn_bend(), Qt::LeftButton);
        QVERIFY(form1.isVisible());
        QCOMPARE(form1.focusWidget(), form1.page());
        unload_closed_windows();
        QVERIFY(!form1.about_box());
        QCOMPARE(title_windows(), 0);
        QCOMPARE(tiles_in_program(), 0);
    }
    QVERIFY(!first);
}

void TitleWindowTest::about_close_box_returns_to_the_page() {
    FakeQuestions questions;
    Program program(&questions);
    MainWindow& form1 = program.form1();
    form1.show();
    form1.mnu_about_Click();
    QPointer<TitleWindow> about = form1.about_box();
    QApplication::setActiveWindow(about);
    QVERIFY(about->close());
    QVERIFY(form1.isVisible());
    QCOMPARE(form1.focusWidget(), form1.page());
    unload_closed_windows();
    QVERIFY(!about);
}

QTEST_MAIN(TitleWindowTest)
#include "test_title_window.moc"
