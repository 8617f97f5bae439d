// The Play menu in the main window, with the sound recorded instead of heard: Space plays and
// stops, the item says which it will do, Escape and a click on the page stop, and the marker
// shows the column being heard over the page.
#include <QMenu>
#include <QtTest>

#include "app/assembly.h"
#include "app/main_window.h"
#include "app/page_widget.h"
#include "page/page_font.h"
#include "support/fake_questions.h"

using namespace strumix;

namespace {

class RecordedSound : public SoundOutput {
public:
    bool play(PlaySchedule schedule, QString*) override {
        from = schedule.from_tick;
        playing_ = true;
        return true;
    }
    void stop() override { playing_ = false; }
    bool playing() const override { return playing_; }
    int tick() const override { return from; }
    int from = -1;
    bool playing_ = false;
};

}  // namespace

class TestPlayMenu : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        load_resources();
    }

    void space_plays_escape_and_a_click_stop() {
        FakeQuestions questions;
        RecordedSound sound;
        Assembly program(&questions, QString(), QString(), &sound);
        program.start();
        // What makes the sound is loaded at the first real play, not with the program.
        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly) && !maps.readAll().contains("libfluidsynth"));
        MainWindow& form1 = program.form1();
        form1.resize(700, 500);
        form1.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form1));
        PageWidget* page = form1.page();
        page->setFocus();
        QAction* play = form1.action(QStringLiteral("mnu_play"));
        QWidget* marker = page->findChild<QWidget*>(QStringLiteral("play_marker"));
        QVERIFY(marker && !marker->isVisible());

        QTest::keyClick(page, Qt::Key_Space);
        QVERIFY(sound.playing_);
        QCOMPARE(play->text(), QStringLiteral("&Stop"));
        QVERIFY(play->shortcuts().contains(QKeySequence(Qt::Key_Escape)));
        QTRY_VERIFY(marker->isVisible());
        // The marker lies over the column being heard, on the page's widget.
        const LayoutModel& m = program.document().model();
        QVERIFY(marker->geometry().contains(page->to_widget(m.note_cell(0, 0, 0, 0))));

        QTest::keyClick(page, Qt::Key_Escape);
        QVERIFY(!sound.playing_);
        QCOMPARE(play->text(), QStringLiteral("&Play"));
        QVERIFY(!play->shortcuts().contains(QKeySequence(Qt::Key_Escape)));
        QVERIFY(!marker->isVisible());

        QTest::keyClick(page, Qt::Key_F5);
        QVERIFY(sound.playing_);
        QTest::mouseClick(page, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QVERIFY(!sound.playing_);
    }

    // The Instrument menu lists each staff with its five instruments, the one it plays checked.
    void instruments_per_staff() {
        FakeQuestions questions;
        RecordedSound sound;
        Assembly program(&questions, QString(), QString(), &sound);
        program.start();
        QMenu* menu = program.form1().menu(QStringLiteral("menu_instrument"));
        emit menu->aboutToShow();
        const QList<QMenu*> staffs = menu->findChildren<QMenu*>();
        QCOMPARE(staffs.size(), 2);
        auto checked = [](QMenu* staff) {
            for (QAction* a : staff->actions())
                if (a->isChecked()) return a->text();
            return QString();
        };
        QCOMPARE(checked(staffs[0]), QStringLiteral("&Steel-String Guitar"));
        QCOMPARE(checked(staffs[1]), QStringLiteral("&Bass"));
        staffs[0]->actions()[1]->trigger();
        QCOMPARE(program.flows().playback().instrument(0), StaffInstrument::NylonGuitar);
    }
};

QTEST_MAIN(TestPlayMenu)
#include "test_play_menu.moc"
