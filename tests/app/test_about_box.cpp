// The title window as the About box of the running program: every opening starts with a fresh
// window, and closing it in any way returns to the page.
#include <QLabel>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>

#include "app/assembly.h"
#include "app/main_window.h"
#include "app/page_widget.h"
#include "page/page_font.h"
#include "page/program_facts.h"
#include "support/fake_questions.h"
#include "support/title_windows.h"
#include "title/title_window.h"

using namespace strumix;

class TestAboutBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        load_resources();
    }
    void about_twice_starts_fresh_each_time();
    void about_close_box_returns_to_the_page();
};

void TestAboutBox::about_twice_starts_fresh_each_time() {
    FakeQuestions questions;
    Assembly program(&questions);
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
        QCOMPARE(title_windows::open(), 1);
        QCOMPARE(title_windows::tiles(), 9);
        QCOMPARE(about->box_caption()->text(), QStringLiteral(" Strumix 95 v1.0a"));
        QVERIFY(about->box_about()->isVisible());
        QVERIFY(about->box_about()->text().contains(QString::fromLatin1(kProgramVersion)));
        QVERIFY(about->box_about()->text().contains(QString::fromLatin1(qVersion())));
        // The licence is named, and the box's lines all fit in it.
        QVERIFY(about->box_about()->text().contains(QStringLiteral("GPL-3.0-or-later")));
        QLabel* text = about->box_about();
        QVERIFY(text->heightForWidth(text->width()) <= text->height());

        QApplication::setActiveWindow(about);
        QTest::mouseClick(about->btn_bend(), Qt::LeftButton);
        QVERIFY(form1.isVisible());
        QCOMPARE(form1.focusWidget(), form1.page());
        title_windows::unload_closed();
        QVERIFY(!form1.about_box());
        QCOMPARE(title_windows::open(), 0);
        QCOMPARE(title_windows::tiles(), 0);
    }
    QVERIFY(!first);
}

void TestAboutBox::about_close_box_returns_to_the_page() {
    FakeQuestions questions;
    Assembly program(&questions);
    MainWindow& form1 = program.form1();
    form1.show();
    form1.mnu_about_Click();
    QPointer<TitleWindow> about = form1.about_box();
    QApplication::setActiveWindow(about);
    QVERIFY(about->close());
    QVERIFY(form1.isVisible());
    QCOMPARE(form1.focusWidget(), form1.page());
    title_windows::unload_closed();
    QVERIFY(!about);
}

QTEST_MAIN(TestAboutBox)
#include "test_about_box.moc"
