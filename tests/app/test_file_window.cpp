#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "app/file_window.h"
#include "files/page_file.h"
#include "page/page_font.h"
#include "support/fake_host.h"
#include "support/sample_pictures.h"

using namespace strumix;

// The file window's own behaviour: its controls, lists, name box and OK's questions.
class TestFileWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void filters_match_any_letter_case_data();
    void filters_match_any_letter_case();
    void click_puts_the_name_as_on_disk();
    void double_click_opens();
    void ok_needs_a_name_of_its_own_data();
    void ok_needs_a_name_of_its_own();
    void enter_runs_ok();
    void replace_question_data();
    void replace_question();
    void drive_root_gets_one_separator();
    void cancel_changes_nothing();
    void start_folder_is_the_programs_when_writable();
    void lists_follow_drive_and_folder();

private:
    QTemporaryDir dir_;
    QString folder_;
};

namespace {

// The file window over a folder of the test's, asked as the document commands ask it.
struct Window {
    FakeQuestions host;
    FileWindow window{host};
    explicit Window(const QString& folder) { window.set_folder(folder); }
    // Shown without waiting for an answer, for looking at its controls.
    void open_for(FilePurpose purpose) {
        window.prepare(purpose, QStringLiteral("Untitled"));
        window.show();
    }
    // Asked modally while `user` acts in it; a window the user leaves open is cancelled.
    std::optional<QString> choose(FilePurpose purpose, const std::function<void()>& user) {
        QTimer::singleShot(0, &window, [this, user] {
            user();
            if (window.isVisible()) window.window_button_cancel()->click();
        });
        return window.choose(purpose, QStringLiteral("Untitled"));
    }
};

}  // namespace

void TestFileWindow::initTestCase() {
    load_resources();
    folder_ = dir_.filePath(QStringLiteral("pages"));
    QDir().mkpath(folder_);
    QString error;
    for (const char* name : {"Song.BMP", "riff.tab", "Solo.Tab", "notes.txt", "README"})
        QVERIFY(write_page_file(QDir(folder_).filePath(QLatin1String(name)),
                                samples::small_picture(), &error));
    QDir().mkpath(QDir(folder_).filePath(QStringLiteral("older")));
}

void TestFileWindow::filters_match_any_letter_case_data() {
    QTest::addColumn<QList<int>>("choices");
    QTest::addColumn<QStringList>("listed");
    const QStringList bitmaps = {"riff.tab", "Solo.Tab", "Song.BMP"};
    QTest::newRow("bitmaps") << QList<int>{0} << bitmaps;
    QTest::newRow("all files") << QList<int>{1}
                               << QStringList{"notes.txt", "README", "riff.tab", "Solo.Tab",
                                              "Song.BMP"};
    QTest::newRow("all, then bitmaps again") << QList<int>{1, 0} << bitmaps;
}

void TestFileWindow::filters_match_any_letter_case() {
    QFETCH(QList<int>, choices);
    QFETCH(QStringList, listed);
    Window w(folder_);
    QCOMPARE(w.window.ftypes()->count(), 2);
    QCOMPARE(w.window.ftypes()->itemText(0), QStringLiteral("*.bmp;*.tab  Bitmaps"));
    QCOMPARE(w.window.ftypes()->itemText(1), QStringLiteral("*.*          All Files"));
    for (int choice : choices) {
        w.window.ftypes()->setCurrentIndex(choice);
        w.window.ftypes_Click();
    }
    QCOMPARE(w.window.pattern().size(), 11);
    QCOMPARE(w.window.listed_files(), listed);
}

void TestFileWindow::click_puts_the_name_as_on_disk() {
    Window w(folder_);
    w.open_for(FilePurpose::Open);
    QListWidget* list = w.window.File1();
    const auto found = list->findItems(QStringLiteral("Song.BMP"), Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(found.front()).center());
    QCOMPARE(w.window.box_file()->text(), QStringLiteral("Song.BMP"));
    QVERIFY(w.window.isVisible());
}

void TestFileWindow::double_click_opens() {
    Window w(folder_);
    const std::optional<QString> chosen = w.choose(FilePurpose::Open, [&] {
        QListWidget* list = w.window.File1();
        list->setCurrentItem(list->findItems(QStringLiteral("Solo.Tab"), Qt::MatchExactly).front());
        w.window.File1_DblClick();
        QVERIFY(!w.window.isVisible());
    });
    QCOMPARE(chosen, std::optional<QString>(folder_ + QStringLiteral("/Solo.Tab")));
}

void TestFileWindow::ok_needs_a_name_of_its_own_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("Untitled") << "Untitled" << false;
    QTest::newRow("untitled.bmp") << "untitled.bmp" << false;
    QTest::newRow("UNTITLED.TAB") << "UNTITLED.TAB" << false;
    QTest::newRow("Untitled2.bmp") << "Untitled2.bmp" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("Untitle.bmp") << "Untitle.bmp" << true;
    QTest::newRow("song.tab") << "song.tab" << true;
}

void TestFileWindow::ok_needs_a_name_of_its_own() {
    QFETCH(QString, name);
    QFETCH(bool, enabled);
    Window w(folder_);
    w.open_for(FilePurpose::Save);
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Save File As..."));
    QCOMPARE(w.window.box_file()->selectedText(), QStringLiteral("Untitled"));
    QVERIFY(!w.window.window_button_ok()->isEnabled());
    w.window.box_file()->clear();
    QTest::keyClicks(w.window.box_file(), name);
    QCOMPARE(w.window.window_button_ok()->isEnabled(), enabled);
    // Enter cannot get round a disabled OK.
    if (!enabled) {
        QTest::keyClick(w.window.box_file(), Qt::Key_Return);
        QVERIFY(w.window.isVisible());
        QVERIFY(!QFileInfo::exists(QDir(folder_).filePath(name)) || name.isEmpty());
    }
}

void TestFileWindow::enter_runs_ok() {
    const QString folder = dir_.filePath(QStringLiteral("enter"));
    QDir().mkpath(folder);
    Window w(folder);
    const std::optional<QString> chosen = w.choose(FilePurpose::Save, [&] {
        QTest::keyClicks(w.window.box_file(), QStringLiteral("song.tab"));
        QTest::keyClick(w.window.box_file(), Qt::Key_Return);
        QVERIFY(!w.window.isVisible());
    });
    QCOMPARE(chosen, std::optional<QString>(folder + QStringLiteral("/song.tab")));
    // Told the page was kept there, the lists show the new file.
    samples::write(*chosen, "the page");
    w.window.file_kept(*chosen);
    QCOMPARE(w.window.listed_files(), QStringList{"song.tab"});
}

void TestFileWindow::replace_question_data() {
    QTest::addColumn<QString>("on_disk");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<QString>("written");  // the file that now holds the page, or empty
    QTest::newRow("same name, Yes") << "song.tab"
                                    << "song.tab" << Answer::Yes << true << "song.tab";
    QTest::newRow("same name, No") << "song.tab"
                                   << "song.tab" << Answer::No << true << "";
    QTest::newRow("other letter case, Yes") << "Song.TAB"
                                            << "song.tab" << Answer::Yes << true << "Song.TAB";
    QTest::newRow("filtered out, No") << "song.png"
                                      << "song.png" << Answer::No << true << "";
    QTest::newRow("new name") << "song.tab"
                              << "riff.tab" << Answer::No << false << "riff.tab";
}

void TestFileWindow::replace_question() {
    QFETCH(QString, on_disk);
    QFETCH(QString, typed);
    QFETCH(Answer, answer);
    QFETCH(bool, asked);
    QFETCH(QString, written);
    QTemporaryDir folder;
    const QString old_path = QDir(folder.path()).filePath(on_disk);
    samples::write(old_path, "the old page");
    Window w(folder.path());
    w.host.answers.push_back(answer);
    const std::optional<QString> chosen = w.choose(FilePurpose::Save, [&] {
        w.window.box_file()->setText(typed);
        QTest::mouseClick(w.window.window_button_ok(), Qt::LeftButton);
        // Refused, the window stays with the name selected for another try.
        if (written.isEmpty()) {
            QVERIFY(w.window.isVisible());
            QCOMPARE(w.window.box_file()->selectedText(), typed);
        }
    });

    QCOMPARE(w.host.questions.size(), size_t(asked ? 1 : 0));
    if (asked) {
        QCOMPARE(w.host.questions.front().text,
                 QStringLiteral("Filename exists. Do you want to replace it?"));
        QCOMPARE(w.host.questions.front().title, QStringLiteral("Strumix 95 v1.0a"));
    }
    QCOMPARE(samples::read(old_path), QByteArray("the old page"));
    if (written.isEmpty()) {
        QVERIFY(!chosen);
    } else {
        QCOMPARE(chosen, std::optional<QString>(QDir(folder.path()).filePath(written)));
    }
}

void TestFileWindow::drive_root_gets_one_separator() {
    Window w(QStringLiteral("/"));
    QCOMPARE(w.window.folder(), QStringLiteral("/"));
    const std::optional<QString> chosen = w.choose(FilePurpose::Open, [&] {
        w.window.box_file()->setText(QStringLiteral("no-such-page.tab"));
        QTest::mouseClick(w.window.window_button_ok(), Qt::LeftButton);
    });
    QCOMPARE(chosen, std::optional<QString>(QStringLiteral("/no-such-page.tab")));
}

void TestFileWindow::cancel_changes_nothing() {
    Window w(folder_);
    const std::optional<QString> chosen = w.choose(FilePurpose::Open, [&] {
        w.window.box_file()->setText(QStringLiteral("Song.BMP"));
        QTest::keyClick(&w.window, Qt::Key_Escape);
        QVERIFY(!w.window.isVisible());
    });
    QVERIFY(!chosen);
    // The window remembers where it was.
    QCOMPARE(w.window.folder(), folder_);
}

void TestFileWindow::start_folder_is_the_programs_when_writable() {
    QCOMPARE(FileWindow::start_folder(folder_), folder_);
    // A folder that is not there cannot be the start.
    QVERIFY(FileWindow::start_folder(dir_.filePath(QStringLiteral("gone"))) !=
            dir_.filePath("gone"));
}

void TestFileWindow::lists_follow_drive_and_folder() {
    Window w(folder_);
    // The folder list shows the way down from the drive and the folders inside.
    QListWidget* dirs = w.window.Dir1();
    QCOMPARE(dirs->currentItem()->data(Qt::UserRole).toString(), folder_);
    const auto inside = dirs->findItems(QStringLiteral("older"), Qt::MatchEndsWith);
    QCOMPARE(inside.size(), 1);
    emit dirs->itemActivated(inside.front());
    QCOMPARE(w.window.folder(), folder_ + QStringLiteral("/older"));
    QCOMPARE(w.window.listed_files(), QStringList());
    // Choosing a drive goes to its root.
    QComboBox* drives = w.window.Drive1();
    const int root = drives->findData(QStringLiteral("/"));
    QVERIFY(root >= 0);
    drives->setCurrentIndex(root);
    emit drives->activated(root);
    QCOMPARE(w.window.folder(), QStringLiteral("/"));
    w.window.prepare(FilePurpose::Save, QStringLiteral("song.tab"));
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Save File As..."));
    w.window.prepare(FilePurpose::Open, QStringLiteral("song.tab"));
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Open File"));
}

QTEST_MAIN(TestFileWindow)
#include "test_file_window.moc"
