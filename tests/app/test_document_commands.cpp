#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <utility>

#include "app/file_window.h"
#include "files/page_file.h"
#include "page/page_font.h"
#include "support/document_session.h"
#include "support/page_cells.h"
#include "support/sample_pictures.h"

using namespace strumix;

namespace {

constexpr char kTitle[] = "Strumix 95 v1.0a";
constexpr char kChanged[] = "Image has been changed. Do you want to save changes?";
constexpr char kNotSaved[] = "File has not been saved yet. Do you want to save it now?";
constexpr char kAdjust[] = "Please adjust strumix's layout to fit the image.";

// The document, the tools and the document commands at start-up, with the real file window
// in front of a folder of the test's: `user` plays the first showing of the window, and any
// showing after it (the window back after a failure) is cancelled.
struct Session : DocumentSession {
    FileWindow window{host};
    std::function<void(FileWindow&)> user;

    explicit Session(const QString& folder) {
        window.set_folder(folder);
        documents.on_file = [this](FilePurpose purpose, const QString& name) {
            QTimer::singleShot(0, &window, [this] {
                const auto act = std::exchange(user, nullptr);
                if (act) act(window);
                if (window.isVisible()) {
                    QTest::mouseClick(window.window_button_cancel(), Qt::LeftButton);
                }
            });
            return window.choose(purpose, name);
        };
        documents.on_kept = [this](const QString& path) { window.file_kept(path); };
    }
    // The user types a name into the name box and presses OK.
    static std::function<void(FileWindow&)> chooses(const QString& name) {
        return [name](FileWindow& w) {
            w.box_file()->selectAll();
            QTest::keyClicks(w.box_file(), name);
            QTest::mouseClick(w.window_button_ok(), Qt::LeftButton);
        };
    }
    // Fret numbers printed at a note cell of the top staff, as Enter prints an entry.
    void type_number(const QString& number, int note, int string = 0) {
        print_at(page(), doc.model().note_column(0, note), doc.model().string_row(0, string),
                 number);
    }
    QImage cell(int note, int string = 0) {
        return samples::note_cell(page().image(), doc.model().note_column(0, note),
                                  doc.model().string_row(0, string));
    }
    QStringList message_texts() const { return host.message_texts(); }
    QStringList question_texts() const { return host.question_texts(); }
};

}  // namespace

// The "&File" commands, clipboard copy and leaving the program, driven through the real file
// window with scripted answers to every question.
class TestDocumentCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        load_resources();
        QDir::setCurrent(dir_.path());
    }

    void open_runs_every_step_data();
    void open_runs_every_step();
    void failed_open_changes_nothing_data();
    void failed_open_changes_nothing();
    void open_by_path();
    void save_without_a_chosen_name_uses_the_file_window_data();
    void save_without_a_chosen_name_uses_the_file_window();
    void save_shows_the_path_then_writes();
    void revert_data();
    void revert();
    void failed_revert_changes_nothing();
    void copy_image_data();
    void copy_image();
    void replacing_asks_about_unsaved_drawing_data();
    void replacing_asks_about_unsaved_drawing();
    void leaving_asks_about_a_changed_page_data();
    void leaving_asks_about_a_changed_page();

private:
    QString fresh_folder() {
        const QString folder = dir_.filePath(QString::number(++folders_));
        QDir().mkpath(folder);
        return folder;
    }
    QTemporaryDir dir_;
    int folders_ = 0;
};

void TestDocumentCommands::open_runs_every_step_data() {
    QTest::addColumn<bool>("choose");
    QTest::newRow("file chosen") << true;
    QTest::newRow("cancelled") << false;
}

void TestDocumentCommands::open_runs_every_step() {
    QFETCH(bool, choose);
    const QString folder = fresh_folder();
    // A picture larger than the start-up page and of no layout's shape: opened whole.
    const QImage picture = samples::small_picture(701, 333);
    QString error;
    QVERIFY(write_page_file(QDir(folder).filePath(QStringLiteral("Song.TAB")), picture, &error));
    Session s(folder);
    const QImage before = s.page().image();
    if (choose) s.user = Session::chooses(QStringLiteral("Song.TAB"));

    s.commands.menu_open_Click();

    QCOMPARE(s.documents.file_windows, QStringList() << "open");
    QVERIFY(s.message_texts().contains(QLatin1String(kAdjust)));
    QCOMPARE(s.box().left(), 8.0);
    QCOMPARE(s.box().top(), 2.0);
    QVERIFY(!s.doc.unsaved(Document::Moment::Replacing));
    if (choose) {
        QCOMPARE(s.page().size(), picture.size());
        QCOMPARE(s.page().image().pixel(350, 166), picture.pixel(350, 166));
        QCOMPARE(s.doc.caption(), QStringLiteral("Strumix 95 v1.0a [Song.TAB]"));
        QCOMPARE(s.doc.file_name(), QStringLiteral("Song.TAB"));
        QCOMPARE(s.doc.file_path(), folder + QStringLiteral("/Song.TAB"));
        QVERIFY(s.doc.backup_copy());
        QCOMPARE(s.doc.backup_copy()->size(), picture.size());
    } else {
        QCOMPARE(s.page().image(), before);
        QCOMPARE(s.doc.caption(), QStringLiteral("Strumix 95 v1.0a [Untitled]"));
        QCOMPARE(s.doc.file_name(), QStringLiteral("Untitled"));
        QCOMPARE(s.doc.file_path(), QString());
    }
}

void TestDocumentCommands::failed_open_changes_nothing_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    const QByteArray bmp = samples::encoded(samples::small_picture(200, 100), "BMP");
    QTest::newRow("missing") << QByteArray() << "gone.tab";
    QTest::newRow("not a picture") << QByteArray("just text") << "notes.tab";
    QTest::newRow("truncated") << bmp.left(bmp.size() / 3) << "cut.bmp";
    QTest::newRow("header claims more") << samples::bmp_header_only(3000, 2000) << "claims.bmp";
    QTest::newRow("too large") << samples::encoded(samples::small_picture(16400, 4), "PNG")
                               << "wide.bmp";
}

void TestDocumentCommands::failed_open_changes_nothing() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    const QString folder = fresh_folder();
    if (!bytes.isEmpty()) samples::write(QDir(folder).filePath(name), bytes);
    Session s(folder);
    s.type_number(QStringLiteral("7"), 2);
    const QImage before = s.page().image();
    s.user = Session::chooses(name);

    s.commands.menu_open_Click();

    // The failure is reported and the file window comes back, as it was, for another file.
    QCOMPARE(s.documents.file_windows, (QStringList{"open", "open"}));
    QVERIFY(s.host.messages.size() >= 2);
    QCOMPARE(s.host.messages.front().title, QString::fromLatin1(kTitle));
    QCOMPARE(s.page().image(), before);
    QCOMPARE(s.doc.file_name(), QStringLiteral("Untitled"));
    QCOMPARE(s.doc.file_path(), QString());
    QCOMPARE(s.doc.caption(), QStringLiteral("Strumix 95 v1.0a [Untitled]"));
    // The number typed before is still unsaved, so leaving still asks.
    QVERIFY(s.doc.unsaved(Document::Moment::Replacing));
}

// The file the program is started with opens as a chosen one would, without the file window;
// one that cannot be read is reported and leaves the page alone.
void TestDocumentCommands::open_by_path() {
    const QString folder = fresh_folder();
    const QImage picture = samples::small_picture(300, 120);
    QString error;
    const QString path = QDir(folder).filePath(QStringLiteral("riff.tab"));
    QVERIFY(write_page_file(path, picture, &error));
    Session s(folder);
    s.commands.open_path(path);
    QVERIFY(s.documents.file_windows.isEmpty());
    QVERIFY(s.message_texts().contains(QLatin1String(kAdjust)));
    QCOMPARE(s.page().size(), picture.size());
    QCOMPARE(s.doc.file_name(), QStringLiteral("riff.tab"));
    QCOMPARE(s.doc.file_path(), path);
    QCOMPARE(s.doc.caption(), QStringLiteral("Strumix 95 v1.0a [riff.tab]"));
    QCOMPARE(*s.doc.backup_copy(), s.page().image());
    QVERIFY(!s.doc.unsaved(Document::Moment::Replacing));

    Session missing(folder);
    const QImage before = missing.page().image();
    missing.commands.open_path(QDir(folder).filePath(QStringLiteral("gone.tab")));
    QCOMPARE(missing.host.messages.size(), size_t(1));
    QCOMPARE(missing.host.messages.front().title, QString::fromLatin1(kTitle));
    QVERIFY(!missing.message_texts().contains(QLatin1String(kAdjust)));
    QCOMPARE(missing.page().image(), before);
    QCOMPARE(missing.doc.file_name(), QStringLiteral("Untitled"));
}

void TestDocumentCommands::save_without_a_chosen_name_uses_the_file_window_data() {
    QTest::addColumn<QString>("file_name");
    QTest::addColumn<QString>("file_path");
    QTest::newRow("start-up") << "Untitled"
                              << "";
    QTest::newRow("after a cancelled New") << "Untitled.bmp"
                                           << "Untitled.bmp";
    QTest::newRow("relative path") << "song.tab"
                                   << "song.tab";
}

void TestDocumentCommands::save_without_a_chosen_name_uses_the_file_window() {
    QFETCH(QString, file_name);
    QFETCH(QString, file_path);
    Session s(fresh_folder());
    s.doc.set_names(file_name, file_path);
    bool ok_enabled = true;
    s.user = [&](FileWindow& w) { ok_enabled = w.window_button_ok()->isEnabled(); };

    s.commands.menu_save_Click();

    QCOMPARE(s.documents.file_windows, QStringList() << "Save");
    QCOMPARE(s.window.windowTitle(), QStringLiteral("Save File As..."));
    // Neither the default name nor a relative path is ever written to unasked.
    QVERIFY(!QFileInfo::exists(QDir::current().filePath(file_name)));
    if (file_name.startsWith(QLatin1String("Untitled"))) QVERIFY(!ok_enabled);
    QVERIFY(s.message_texts().isEmpty());
}

void TestDocumentCommands::save_shows_the_path_then_writes() {
    const QString folder = fresh_folder();
    Session s(folder);
    s.user = Session::chooses(QStringLiteral("song.tab"));
    s.commands.menu_save_as_Click();
    const QString path = folder + QStringLiteral("/song.tab");
    QCOMPARE(s.doc.file_path(), path);
    QCOMPARE(s.doc.caption(), QStringLiteral("Strumix 95 v1.0a [song.tab]"));

    s.type_number(QStringLiteral("12"), 4, 1);
    const QImage typed = s.page().image();
    s.commands.menu_save_Click();

    QCOMPARE(s.documents.file_windows, QStringList() << "Save");
    QCOMPARE(s.message_texts(), QStringList() << path);
    QCOMPARE(s.host.messages.back().title, QString());
    QCOMPARE(s.doc.caption(), QStringLiteral("Strumix 95 v1.0a [song.tab]"));
    QImage saved;
    QString error;
    QVERIFY(read_page_file(path, s.page().limits(), &saved, &error));
    QCOMPARE(saved, typed);
    QVERIFY(!s.doc.unsaved(Document::Moment::Ending));
}

void TestDocumentCommands::revert_data() {
    QTest::addColumn<QString>("file_path");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<QStringList>("windows");
    QTest::newRow("never saved, Yes") << "" << Answer::Yes << QStringList{"Save"};
    QTest::newRow("never saved, No") << "" << Answer::No << QStringList{};
    QTest::newRow("cancelled New, Yes") << "Untitled.bmp" << Answer::Yes << QStringList{"Save"};
}

void TestDocumentCommands::revert() {
    QFETCH(QString, file_path);
    QFETCH(Answer, answer);
    QFETCH(QStringList, windows);
    Session s(fresh_folder());
    if (!file_path.isEmpty()) s.doc.set_names(file_path, file_path);
    s.host.answers.push_back(answer);
    s.commands.mnu_revert_Click();
    QCOMPARE(s.question_texts(), QStringList() << kNotSaved);
    QCOMPARE(s.host.questions.front().title, QString::fromLatin1(kTitle));
    QCOMPARE(s.documents.file_windows, windows);
}

void TestDocumentCommands::failed_revert_changes_nothing() {
    const QString folder = fresh_folder();
    Session s(folder);
    s.type_number(QStringLiteral("5"), 0);
    s.user = Session::chooses(QStringLiteral("song.bmp"));
    s.commands.menu_save_as_Click();
    const QImage saved_cell = s.cell(0);
    s.type_number(QStringLiteral("9"), 6, 2);
    const QImage drawn = s.page().image();

    // With a saved file: it comes back, committed and unchanged, without a question.
    s.commands.mnu_revert_Click();
    QVERIFY(s.host.questions.empty());
    QCOMPARE(s.cell(0), saved_cell);
    QVERIFY(s.cell(6, 2) != samples::note_cell(drawn, s.doc.model().note_column(0, 6),
                                               s.doc.model().string_row(0, 2)));
    QVERIFY(!s.doc.unsaved(Document::Moment::Replacing));

    // With the file gone: reported, and the page stays as drawn.
    s.type_number(QStringLiteral("9"), 6, 2);
    const QImage again = s.page().image();
    QVERIFY(QFile::remove(QDir(folder).filePath(QStringLiteral("song.bmp"))));
    s.commands.mnu_revert_Click();
    QCOMPARE(s.host.messages.back().title, QString::fromLatin1(kTitle));
    QCOMPARE(s.page().image(), again);
    QCOMPARE(s.doc.file_name(), QStringLiteral("song.bmp"));
}

void TestDocumentCommands::copy_image_data() {
    QTest::addColumn<QString>("failure");
    QTest::newRow("copied") << QString();
    QTest::newRow("clipboard refuses") << QStringLiteral("The clipboard is held elsewhere.");
}

void TestDocumentCommands::copy_image() {
    QFETCH(QString, failure);
    Session s(fresh_folder());
    s.documents.clipboard_failure = failure;
    // Typed but not committed: still part of the copy.
    s.type_number(QStringLiteral("10"), 15, 5);
    const QImage drawn = s.page().image();
    const bool changed = s.undo_copy_differs();

    s.commands.mnu_copy_Click();

    QCOMPARE(s.host.messages.size(), size_t(1));
    QCOMPARE(s.host.messages.front().title, QString::fromLatin1(kTitle));
    if (failure.isEmpty()) {
        QCOMPARE(s.host.messages.front().text,
                 QStringLiteral("Image has been succesfully copied to the clipboard."));
        QCOMPARE(s.documents.clipboard, drawn);
    } else {
        QCOMPARE(s.host.messages.front().text, failure);
    }
    QCOMPARE(s.undo_copy_differs(), changed);
    QCOMPARE(s.page().image(), drawn);
}

void TestDocumentCommands::replacing_asks_about_unsaved_drawing_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("draw");
    QTest::addColumn<bool>("save_first");
    QTest::addColumn<bool>("asked");
    for (const char* command : {"New", "Open"}) {
        const QString c = QString::fromLatin1(command);
        QTest::addRow("%s, untouched", command) << c << false << false << false;
        QTest::addRow("%s, drawn then tool chosen", command) << c << true << false << true;
        // Saving commits without marking unchanged, so the question still comes.
        QTest::addRow("%s, drawn, saved", command) << c << true << true << true;
    }
}

void TestDocumentCommands::replacing_asks_about_unsaved_drawing() {
    QFETCH(QString, command);
    QFETCH(bool, draw);
    QFETCH(bool, save_first);
    QFETCH(bool, asked);
    Session s(fresh_folder());
    if (draw) {
        s.type_number(QStringLiteral("3"), 2);
        // Choosing a notation tool commits and marks the page unchanged.
        s.doc.commit_and_mark_unchanged();
    }
    if (save_first) {
        s.user = Session::chooses(QStringLiteral("first.tab"));
        s.commands.menu_save_as_Click();
        s.user = nullptr;
    }
    if (command == QLatin1String("New"))
        s.commands.menu_new_Click();
    else
        s.commands.menu_open_Click();
    QCOMPARE(s.question_texts(), asked ? QStringList{kChanged} : QStringList{});
}

void TestDocumentCommands::leaving_asks_about_a_changed_page_data() {
    QTest::addColumn<bool>("draw");
    QTest::addColumn<bool>("mark_unchanged");  // as selecting a notation tool does
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("save_in_window");
    QTest::addColumn<bool>("may_end");
    QTest::newRow("untouched") << false << false << Answer::No << false << true;
    QTest::newRow("drawn, No") << true << false << Answer::No << false << true;
    QTest::newRow("drawn, Cancel") << true << false << Answer::Cancel << false << false;
    QTest::newRow("drawn, Yes, saved") << true << false << Answer::Yes << true << true;
    QTest::newRow("drawn, Yes, window cancelled") << true << false << Answer::Yes << false << false;
    QTest::newRow("drawn then tool chosen, Cancel")
        << true << true << Answer::Cancel << false << false;
}

void TestDocumentCommands::leaving_asks_about_a_changed_page() {
    QFETCH(bool, draw);
    QFETCH(bool, mark_unchanged);
    QFETCH(Answer, answer);
    QFETCH(bool, save_in_window);
    QFETCH(bool, may_end);
    const QString folder = fresh_folder();
    Session s(folder);
    if (draw) s.type_number(QStringLiteral("3"), 2);
    if (mark_unchanged) s.doc.commit_and_mark_unchanged();
    s.host.answers.push_back(answer);
    if (save_in_window) s.user = Session::chooses("kept.tab");

    QCOMPARE(s.commands.query_unload(), may_end);

    QCOMPARE(s.question_texts(), draw ? QStringList{kChanged} : QStringList{});
    if (draw) QCOMPARE(s.host.questions.front().title, QString::fromLatin1(kTitle));
    QCOMPARE(QFileInfo::exists(QDir(folder).filePath("kept.tab")), save_in_window);
}

QTEST_MAIN(TestDocumentCommands)
#include "test_document_commands.moc"
