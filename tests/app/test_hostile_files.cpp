// What the program meets on disk and in the desktop that it did not make itself: drops of odd
// files, recent pages that became pipes or folders, settings that are no file or say nonsense,
// a settings disk that is full, and a recovery folder that cannot be written.
#include <malloc.h>
#include <sys/stat.h>

#include <QDropEvent>
#include <QElapsedTimer>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "app/assembly.h"
#include "app/help_file.h"
#include "app/main_window.h"
#include "files/page_file.h"
#include "page/page_font.h"
#include "support/fake_host.h"
#include "support/full_disk.h"
#include "support/program_session.h"
#include "support/sample_pictures.h"

using namespace strumix;

namespace {

// The data a file manager's drop carries, as the window system hands it over: the list of
// files as text, turned into a new list of addresses each time it is asked for.
void drop_on(QWidget& window, const QString& path) {
    QMimeData data;
    data.setData(QStringLiteral("text/uri-list"),
                 QUrl::fromLocalFile(path).toEncoded() + QByteArrayLiteral("\r\n"));
    QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    QDragMoveEvent move(QPoint(60, 60), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &move);
    QDropEvent drop(QPointF(60, 60), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &drop);
}

QString fifo_at(const QString& path) {
    ::mkfifo(QFile::encodeName(path).constData(), 0600);
    return path;
}

}  // namespace

// Freed memory is filled with a pattern, so that a drop read through a list already freed
// fails every time instead of now and then: under the address sanitizer, which cannot see the
// read when it happens inside Qt, and in the plain build alike.
#if defined(__SANITIZE_ADDRESS__)
extern "C" const char* __asan_default_options() {
    return "max_free_fill_size=4096:free_fill_byte=165";
}
#endif

class TestHostileFiles : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        load_resources();
        mallopt(M_PERTURB, 165);
    }

    // Whatever is dropped (a pipe, a folder, an empty file, a page), the program reads the
    // drop's list safely and says what is wrong, without waiting on the pipe.
    void drops_of_anything_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("said");
        QTest::newRow("a pipe") << "pipe"
                                << "is a pipe, not a picture";
        QTest::newRow("a folder") << "folder"
                                  << "is a folder, not a picture";
        QTest::newRow("an empty file") << "empty"
                                       << "not a picture Strumix can read";
        QTest::newRow("a page") << "page" << QString();
    }
    void drops_of_anything() {
        QFETCH(QString, kind);
        QFETCH(QString, said);
        const QString path = dir.filePath(QStringLiteral("dropped-") + kind);
        if (kind == QLatin1String("pipe")) fifo_at(path);
        if (kind == QLatin1String("folder")) QDir().mkpath(path);
        if (kind == QLatin1String("empty")) samples::write(path, QByteArray());
        if (kind == QLatin1String("page")) {
            QString error;
            QVERIFY(write_page_file(path, samples::small_picture(), &error));
        }
        ProgramSession run;
        for (int i = 0; i < 3; ++i) drop_on(run.window, path);
        if (said.isEmpty()) {
            QTRY_COMPARE(run.doc.file_path(), path);
            return;
        }
        QTRY_COMPARE(run.host.messages.size(), size_t(3));
        for (const QString& text : run.host.message_texts())
            QVERIFY2(text.contains(said), qPrintable(text));
        QCOMPARE(run.doc.file_name(), QStringLiteral("Untitled"));
    }

    // A recent page that became something else says what it is now, and leaves the list.
    void recent_pages_say_what_is_wrong_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("said");
        QTest::newRow("gone") << "gone"
                              << "no longer exists";
        QTest::newRow("a pipe") << "pipe"
                                << "is a pipe, not a page";
        QTest::newRow("a folder") << "folder"
                                  << "is a folder, not a page";
        QTest::newRow("a device") << "device"
                                  << "is a device, not a page";
    }
    void recent_pages_say_what_is_wrong() {
        QFETCH(QString, kind);
        QFETCH(QString, said);
        QString path = dir.filePath(QStringLiteral("recent-") + kind);
        if (kind == QLatin1String("pipe")) fifo_at(path);
        if (kind == QLatin1String("folder")) QDir().mkpath(path);
        if (kind == QLatin1String("device")) path = QStringLiteral("/dev/null");
        ProgramSession run;
        run.program.flows().recent().set_paths({path});
        run.program.flows().open_recent(path);
        QCOMPARE(run.host.messages.size(), size_t(1));
        QVERIFY2(run.host.messages.front().text.contains(said),
                 qPrintable(run.host.messages.front().text));
        QVERIFY(run.host.messages.front().text.contains(QLatin1String("taken off")));
        QVERIFY(run.program.flows().recent().paths().isEmpty());
    }

    // Settings, help and the like that are a pipe are not waited on: the start goes on as if
    // there were none.
    void a_pipe_for_settings_or_help_holds_nothing() {
        const QString settings = fifo_at(dir.filePath(QStringLiteral("fifo.conf")));
        const QString help = fifo_at(dir.filePath(QStringLiteral("FIFO.HLP")));
        QElapsedTimer clock;
        clock.start();
        FakeQuestions host;
        Assembly program(&host, QString(), settings);
        program.start();
        QVERIFY(program.form1().action(QStringLiteral("option_save_settings"))->isChecked());
        QString error;
        QVERIFY(!HelpFile::load(help, &error));
        QVERIFY2(error.contains(QLatin1String("is a pipe")), qPrintable(error));
        QVERIFY(clock.elapsed() < 5000);
    }

    // Settings written onto a full disk: said at exit, and the settings of the last good exit
    // stay as they were.
    void settings_on_a_full_disk() {
        const QString file = dir.filePath(QStringLiteral("full.conf"));
        {
            FakeQuestions host;
            Assembly program(&host, QString(), file);
            program.start();
            program.tools().location().menu_cr_Click(0);
            program.flows().store_settings();
            QVERIFY(host.messages.empty());
        }
        const QByteArray good = samples::read(file);
        QVERIFY(good.contains("motion=0"));
        FakeQuestions host;
        Assembly program(&host, QString(), file);
        program.start();
        program.tools().location().menu_cr_Click(4);
        {
            const FileSizeLimit full(20);
            program.flows().store_settings();
        }
        QCOMPARE(host.messages.size(), size_t(1));
        QVERIFY2(host.messages.front().text.contains(QLatin1String("could not keep its settings")),
                 qPrintable(host.messages.front().text));
        QCOMPARE(samples::read(file), good);
        QCOMPARE(QDir(dir.path()).entryList({QStringLiteral("full.conf*")}),
                 QStringList{"full.conf"});
    }

    // A stored window far larger than any screen opens on the screen, and is kept so.
    void a_huge_stored_window_opens_on_the_screen() {
        const QString file = dir.filePath(QStringLiteral("huge.conf"));
        QWidget huge;
        huge.setGeometry(40000, -30000, 32767, 32767);
        const QByteArray geometry = huge.saveGeometry();
        {
            QSettings stored(file, QSettings::IniFormat);
            stored.setValue(QStringLiteral("format"), 1);
            stored.setValue(QStringLiteral("window/geometry"), geometry);
        }
        FakeQuestions host;
        Assembly program(&host, QString(), file);
        program.start();
        program.enter();
        const QRect screen = program.form1().screen()->availableGeometry();
        QVERIFY2(screen.contains(program.form1().frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(program.form1().x())
                                .arg(program.form1().y())
                                .arg(program.form1().width())
                                .arg(program.form1().height()) +
                            QStringLiteral(" on %1x%2").arg(screen.width()).arg(screen.height())));
        const QByteArray kept = program.flows().current_settings().window_geometry;
        QWidget again;
        QVERIFY(again.restoreGeometry(kept));
        QVERIFY(again.width() <= screen.width() && again.height() <= screen.height());
    }

    // Recovery data that cannot be written is said once, not at every edit; the page can still
    // be saved.
    void recovery_that_cannot_be_kept_is_said_once() {
        const QString root = dir.filePath(QStringLiteral("recovery-is-a-file"));
        samples::write(root, "not a folder");
        FakeQuestions host;
        Assembly program(&host, root);
        program.start();
        program.enter();
        program.recovery().set_delay(1);
        QWidget* page = program.form1().page();
        for (int i = 0; i < 3; ++i) {
            QTest::keyClicks(page, QStringLiteral("5"));
            QTest::keyClick(page, Qt::Key_Return);
            QTest::qWait(30);
        }
        QTRY_COMPARE(host.messages.size(), size_t(1));
        QTest::qWait(100);
        QCOMPARE(host.messages.size(), size_t(1));
        QVERIFY2(host.messages.front().text.contains(QLatin1String("cannot keep a copy")),
                 qPrintable(host.messages.front().text));
        const QString saved = dir.filePath(QStringLiteral("kept-anyway.tab"));
        QString error;
        QVERIFY2(program.document().save(saved, &error), qPrintable(error));
    }
};

QTEST_MAIN(TestHostileFiles)
#include "test_hostile_files.moc"
