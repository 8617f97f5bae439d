#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "app/main_window.h"
#include "app/page_widget.h"
#include "app/qt_document_host.h"
#include "docs/document_commands.h"
#include "edit/editor.h"
#include "fake_host.h"
#include "layout/page_layout.h"
#include "page/page_font.h"
#include "sample_pictures.h"
#include "scripted_file_window.h"

using namespace strumix;

namespace {

// The program's main window with its menus wired to the document commands; the file window is
// the real one, played by the test, and questions get scripted answers.
struct Program {
    FakeHost host;
    Editor editor{host};
    MainWindow window{editor};
    ScriptedFileWindowHost documents{editor};
    DocumentCommands commands{editor, documents};
    PageLayoutCore layout{editor};

    explicit Program(const QString& folder) {
        connect_file_menus(window, commands);
        editor.startup();
        documents.window.set_folder(folder);
        // The user accepts the Page Layout dialog as it stands, in either of its roles.
        documents.on_layout_dialog = [this](const QString& caption) {
            layout.caption = caption;
            LayoutChoice choice = LayoutChoice::from(editor.model);
            layout.btn_ok_Click(choice);
        };
        window.resize(900, 700);
        window.show();
    }
    QImage cell(int column, int row) const {
        return samples::note_cell(editor.Picture1.image(), column, row);
    }
    // Types a fret number at the cursor box and presses Enter, as the user does.
    void type_number(const QString& number, int column, int row) {
        editor.location.left = column;
        editor.location.top = row;
        editor.notify();
        QTest::keyClicks(window.page(), number);
        QTest::keyClick(window.page(), Qt::Key_Return);
    }
};

}  // namespace

// The whole round a user makes: type, save, start anew, open the page again, keep editing.
class TestFileLoop : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }
    void saved_numbers_come_back_where_they_were();
    void closing_asks_about_a_changed_page_data();
    void closing_asks_about_a_changed_page();
    void copy_puts_the_whole_page_on_the_clipboard();

private:
    QTemporaryDir dir_;
};

void TestFileLoop::saved_numbers_come_back_where_they_were() {
    Program p(dir_.path());
    const LayoutModel& m = p.editor.model;
    const QImage blank_cell = p.cell(m.note_column(0, 0), m.string_row(0, 0));
    p.type_number(QStringLiteral("12"), m.note_column(0, 0), m.string_row(0, 0));
    p.type_number(QStringLiteral("5"), m.note_column(0, 3), m.string_row(1, 2));
    const QImage first = p.cell(m.note_column(0, 0), m.string_row(0, 0));
    const QImage second = p.cell(m.note_column(0, 3), m.string_row(1, 2));
    QVERIFY(first != blank_cell);
    const QSize page_size = p.editor.Picture1.size();

    p.documents.user = ScriptedFileWindowHost::chooses(QStringLiteral("song.tab"));
    p.window.action(QStringLiteral("menu_save_as"))->trigger();
    QCOMPARE(p.window.windowTitle(), QStringLiteral("Strumix 95 v1.0a [song.tab]"));

    p.host.answers.push_back(Answer::No);  // the page was saved, but New asks all the same
    p.commands.menu_new_Click();
    QCOMPARE(p.cell(m.note_column(0, 0), m.string_row(0, 0)), blank_cell);

    p.documents.user = ScriptedFileWindowHost::chooses(QStringLiteral("song.tab"));
    p.window.action(QStringLiteral("menu_open"))->trigger();

    QCOMPARE(p.editor.Picture1.size(), page_size);
    QCOMPARE(p.cell(m.note_column(0, 0), m.string_row(0, 0)), first);
    QCOMPARE(p.cell(m.note_column(0, 3), m.string_row(1, 2)), second);
    QCOMPARE(p.window.windowTitle(), QStringLiteral("Strumix 95 v1.0a [song.tab]"));
    // The cursor box stands on the page's character grid, on the column of the first note.
    QLabel* location = p.window.page()->location();
    QCOMPARE(location->pos(), QPoint(m.note_column(0, 0) * kColumnPixels, 2 * kRowPixels));
    QVERIFY(!p.editor.page_counts_as_changed());

    // Editing goes on, and Save writes in place.
    p.type_number(QStringLiteral("7"), m.note_column(0, 6), m.string_row(0, 4));
    const QImage third = p.cell(m.note_column(0, 6), m.string_row(0, 4));
    p.window.action(QStringLiteral("menu_save"))->trigger();
    p.commands.menu_new_Click();
    p.window.action(QStringLiteral("menu_open"))->trigger();
    QCOMPARE(p.cell(m.note_column(0, 6), m.string_row(0, 4)), third);
    QCOMPARE(p.cell(m.note_column(0, 0), m.string_row(0, 0)), first);
}

void TestFileLoop::closing_asks_about_a_changed_page_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("closed");
    QTest::newRow("Exit, Cancel") << "menu_quit" << Answer::Cancel << false;
    QTest::newRow("Exit, No") << "menu_quit" << Answer::No << true;
    QTest::newRow("close box, Cancel") << "close" << Answer::Cancel << false;
    QTest::newRow("close box, Yes, saved") << "close" << Answer::Yes << true;
}

void TestFileLoop::closing_asks_about_a_changed_page() {
    QFETCH(QString, how);
    QFETCH(Answer, answer);
    QFETCH(bool, closed);
    QTemporaryDir folder;
    Program p(folder.path());
    p.type_number(QStringLiteral("3"), 8, 3);
    // Choosing a notation tool commits the numbers; they are still unsaved.
    p.editor.commit_and_mark_unchanged();
    p.host.answers.push_back(answer);
    p.documents.user = ScriptedFileWindowHost::chooses(QStringLiteral("last.tab"));
    QCOMPARE(p.window.action(QStringLiteral("menu_quit"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_Q));
    if (how == QLatin1String("close"))
        p.window.close();
    else
        p.window.action(how)->trigger();
    QCOMPARE(p.host.questions.size(), size_t(1));
    QCOMPARE(p.host.questions.front().text,
             QStringLiteral("Image has been changed. Do you want to save changes?"));
    QCOMPARE(p.window.isVisible(), !closed);
    QCOMPARE(QFileInfo::exists(QDir(folder.path()).filePath("last.tab")), answer == Answer::Yes);
}

void TestFileLoop::copy_puts_the_whole_page_on_the_clipboard() {
    FakeHost host;
    Editor editor(host);
    MainWindow window(editor);
    QtDocumentHost documents(editor, &window);
    DocumentCommands commands(editor, documents);
    connect_file_menus(window, commands);
    editor.startup();
    // A page far larger than the window, with a number typed and not committed.
    LayoutModel& m = editor.model;
    m.measures_across = 4;
    m.notes_per_measure = 40;
    editor.Redraw_pic();
    editor.commit_and_mark_unchanged();
    window.resize(400, 300);
    window.show();
    editor.Picture1.set_current(m.note_column(3, 39), m.string_row(1, 3));
    editor.Picture1.print(QStringLiteral("10"));
    QVERIFY(editor.Picture1.size().width() > window.width());

    QCOMPARE(window.action(QStringLiteral("mnu_copy"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_C));
    window.action(QStringLiteral("mnu_copy"))->trigger();

    QCOMPARE(host.messages.size(), size_t(1));
    QCOMPARE(host.messages.front().text,
             QStringLiteral("Image has been succesfully copied to the clipboard."));
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), editor.Picture1.size());
    QCOMPARE(samples::note_cell(copied.convertToFormat(QImage::Format_RGB32), m.note_column(3, 39),
                                m.string_row(1, 3)),
             samples::note_cell(editor.Picture1.image(), m.note_column(3, 39), m.string_row(1, 3)));
    QVERIFY(!editor.page_changed());
}

QTEST_MAIN(TestFileLoop)
#include "test_file_loop.moc"
