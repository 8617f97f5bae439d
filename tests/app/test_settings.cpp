#include <QCheckBox>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include "app/assembly.h"
#include "app/file_window.h"
#include "app/main_window.h"
#include "files/page_file.h"
#include "page/page_font.h"
#include "support/fake_host.h"
#include "support/program_session.h"

using namespace strumix;

namespace {

// The program with a settings file of its own, started; `leave()` ends it as Exit would.
struct Run {
    FakeQuestions host;
    Assembly program;
    explicit Run(const QString& settings) : program(&host, QString(), settings) { program.start(); }
    MainWindow& form1() { return program.form1(); }
    QAction* action(const char* name) { return form1().action(QString::fromLatin1(name)); }
    void leave() { QVERIFY(form1().close()); }
};

// A page file in `dir`, for the recent pages.
QString page_file(const QTemporaryDir& dir, const QString& name) {
    const QString path = dir.filePath(name);
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QString error;
    write_page_file(path, image, &error);
    return path;
}

}  // namespace

class TestSettings : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString file() const { return dir.filePath(QStringLiteral("strumix.conf")); }

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        load_resources();
    }
    void init() { QFile::remove(file()); }

    // What is set at one exit comes back at the next start.
    void everything_comes_back() {
        const QString song = page_file(dir, QStringLiteral("song.tab"));
        const QString riff = page_file(dir, QStringLiteral("riff.tab"));
        LayoutModel layout;
        layout.num_lines = 3;
        layout.measures_across = 2;
        layout.notes_per_measure = 12;
        layout.line_props[2].set_caption(QStringLiteral("Bass 5"));
        layout.line_props[2].num_strings = 5;
        layout.line_props[2].set_tuning(4, QStringLiteral("B"));
        layout.recompute_staff_rows();
        {
            Run first(file());
            first.program.document().set_model(layout);
            first.action("menu_cr_4")->trigger();
            first.action("menu_cr_refresh")->trigger();
            first.action("mnu_follow")->trigger();
            first.program.tools().restore_opt({true, false, true});
            first.form1().set_zoom(3);
            first.program.file_window().set_folder(dir.path());
            first.program.flows().recent().add(riff);
            first.program.flows().recent().add(song);
            first.form1().showNormal();
            first.form1().setGeometry(40, 50, 700, 500);
            first.leave();
        }
        Run next(file());
        const LayoutModel& back = next.program.document().model();
        QCOMPARE(back.num_lines, 3);
        QCOMPARE(back.measures_across, 2);
        QCOMPARE(back.notes_per_measure, 12);
        QCOMPARE(back.line_props[2].caption, QStringLiteral("Bass 5  "));
        QCOMPARE(back.num_strings(2), 5);
        QCOMPARE(back.line_props[2].tuning[4], QStringLiteral("B "));
        // The page is drawn with it.
        QCOMPARE(next.program.document().Picture1().size(), back.page_size_pixels());
        QVERIFY(next.action("menu_cr_4")->isChecked());
        QVERIFY(next.action("menu_cr_refresh")->isChecked());
        QVERIFY(next.action("mnu_follow")->isChecked());
        QCOMPARE(next.program.tools().opt(), (DrawOptions{true, false, true}));
        QCOMPARE(next.form1().opt(1)->isChecked(), false);
        QCOMPARE(next.program.file_window().folder(), dir.path());
        QCOMPARE(next.program.flows().recent().paths(), QStringList({song, riff}));
        next.program.enter();
        QCOMPARE(next.form1().zoom(), 3);
        QVERIFY(!next.form1().isMaximized());
        QCOMPARE(next.form1().size(), QSize(700, 500));
    }

    // Unchecked at exit: only that choice is kept, and the next start is the first start.
    void unchecked_keeps_nothing() {
        {
            Run first(file());
            first.action("menu_cr_0")->trigger();
            first.action("option_save_settings")->trigger();
            first.leave();
        }
        QSettings stored(file(), QSettings::IniFormat);
        QCOMPARE(stored.allKeys(), QStringList({QStringLiteral("save_on_exit")}));
        Run next(file());
        QVERIFY(!next.action("option_save_settings")->isChecked());
        QVERIFY(next.action("menu_cr_2")->isChecked());
        QCOMPARE(next.program.document().model().num_lines, 2);
    }

    // Nothing stored, or values no run of ours writes: the start-up state, value by value.
    void nothing_or_nonsense_is_the_start_up_state() {
        {
            QSettings stored(file(), QSettings::IniFormat);
            stored.setValue(QStringLiteral("format"), 1);
            stored.setValue(QStringLiteral("layout/staffs"), 40);
            stored.setValue(QStringLiteral("cursor/motion"), 9);
            stored.setValue(QStringLiteral("view/zoom"), 0);
            stored.setValue(QStringLiteral("files/recent"), QStringList{"relative.tab"});
            stored.setValue(QStringLiteral("cursor/follow"), true);
        }
        for (const QString& settings : {QString(), file()}) {
            Run run(settings);
            const LayoutModel start;
            QCOMPARE(run.program.document().model().num_lines, start.num_lines);
            QCOMPARE(run.program.document().Picture1().size(), start.page_size_pixels());
            QVERIFY(run.action("menu_cr_2")->isChecked());
            QVERIFY(run.action("option_save_settings")->isChecked());
            QVERIFY(run.program.flows().recent().paths().isEmpty());
            QCOMPARE(run.action("mnu_follow")->isChecked(), !settings.isEmpty());
            run.program.enter();
            QCOMPARE(run.form1().zoom(), 1);
            QVERIFY(run.form1().isMaximized());
        }
    }

    // Open Recent and a drop open a page as File, Open does; a page that is gone is said so
    // and taken off the list. Opened and saved pages go to the top, eight at most.
    void recent_pages_and_drops() {
        ProgramSession run;
        RecentPages& recent = run.program.flows().recent();
        QStringList paths;
        for (int i = 0; i < 10; ++i)
            paths.prepend(page_file(dir, QStringLiteral("p%1.tab").arg(i)));
        for (int i = 9; i >= 0; --i) recent.add(paths[i]);
        QCOMPARE(recent.paths(), paths.mid(0, 8));
        recent.add(paths[5]);
        QCOMPARE(recent.paths().first(), paths[5]);
        QCOMPARE(recent.paths().size(), 8);
        QMenu* menu = run.window.menu(QStringLiteral("menu_recent"));
        QCOMPARE(menu->actions().size(), 8);
        QVERIFY(menu->actions().first()->text().startsWith(QStringLiteral("&1 ") +
                                                           QFileInfo(paths[5]).fileName()));

        QFile::remove(paths[3]);
        menu->actions().at(recent.paths().indexOf(paths[3]))->trigger();
        QVERIFY(!recent.paths().contains(paths[3]));
        QVERIFY(run.host.message_texts().last().contains(QStringLiteral("no longer exists")));

        run.host.answers = {Answer::No};
        run.program.flows().open_recent(paths[7]);
        QCOMPARE(run.doc.file_path(), paths[7]);
        QCOMPARE(run.layout_shown, 1);
        QCOMPARE(recent.paths().first(), paths[7]);

        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(paths[6])});
        QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&run.window, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&run.window, &drop);
        QTRY_COMPARE(run.doc.file_path(), paths[6]);
        QCOMPARE(run.layout_shown, 2);
    }

    // The tool in use is the one button shown pressed.
    void selected_tool_looks_pressed() {
        Run run{QString()};
        auto pressed = [&run] {
            QStringList names;
            for (QToolButton* button : run.form1().toolbar()->findChildren<QToolButton*>())
                if (button->isChecked()) names << button->objectName();
            return names;
        };
        QCOMPARE(pressed(), QStringList{QStringLiteral("btn_mode_0")});
        QTest::mouseClick(run.form1().tool_button(QStringLiteral("pic_tool_2")), Qt::LeftButton);
        QCOMPARE(pressed(), QStringList{QStringLiteral("pic_tool_2")});
        QTest::mouseClick(run.form1().tool_button(QStringLiteral("pic_tool_2")), Qt::LeftButton);
        QCOMPARE(pressed(), QStringList{QStringLiteral("pic_tool_2")});
        run.program.tools().btn_edit_Click();
        QCOMPARE(pressed(), QStringList{QStringLiteral("btn_edit")});
    }
};

QTEST_MAIN(TestSettings)
#include "test_settings.moc"
