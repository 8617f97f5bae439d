#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "page/page_font.h"
#include "support/page_cells.h"
#include "support/program_session.h"
#include "support/sample_pictures.h"

using namespace strumix;

namespace {

// The whole program over a folder of the test's, played as above.
struct Round : ProgramSession {
    explicit Round(const QString& folder) : ProgramSession(folder) {
        window.resize(900, 700);
        window.show();
    }
    QImage cell(int column, int row) const {
        return samples::note_cell(doc.Picture1().image(), column, row);
    }
    // Types a fret number at the cursor box and presses Enter, as the user does.
    void type_number(const QString& number, int column, int row) {
        tools.location().place(column, row);
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
    Round p(dir_.path());
    const LayoutModel& m = p.doc.model();
    const QImage blank_cell = p.cell(m.note_column(0, 0), m.string_row(0, 0));
    p.type_number(QStringLiteral("12"), m.note_column(0, 0), m.string_row(0, 0));
    p.type_number(QStringLiteral("5"), m.note_column(0, 3), m.string_row(1, 2));
    const QImage first = p.cell(m.note_column(0, 0), m.string_row(0, 0));
    const QImage second = p.cell(m.note_column(0, 3), m.string_row(1, 2));
    QVERIFY(first != blank_cell);
    const QSize page_size = p.doc.Picture1().size();

    p.file_user = Round::chooses(QStringLiteral("song.tab"));
    p.window.action(QStringLiteral("menu_save_as"))->trigger();
    QCOMPARE(p.window.windowTitle(), QStringLiteral("Strumix 95 v1.0a [song.tab]"));

    p.host.answers.push_back(Answer::No);  // the page was saved, but New asks all the same
    p.program.commands().menu_new_Click();
    QCOMPARE(p.cell(m.note_column(0, 0), m.string_row(0, 0)), blank_cell);

    p.file_user = Round::chooses(QStringLiteral("song.tab"));
    p.window.action(QStringLiteral("menu_open"))->trigger();

    QCOMPARE(p.doc.Picture1().size(), page_size);
    QCOMPARE(p.cell(m.note_column(0, 0), m.string_row(0, 0)), first);
    QCOMPARE(p.cell(m.note_column(0, 3), m.string_row(1, 2)), second);
    QCOMPARE(p.window.windowTitle(), QStringLiteral("Strumix 95 v1.0a [song.tab]"));
    // The cursor box stands on the page's character grid, on the column of the first note.
    QLabel* location = p.window.page()->location();
    QCOMPARE(location->pos(), QPoint(m.note_column(0, 0) * kColumnPixels, 2 * kRowPixels));
    QVERIFY(!p.doc.unsaved(Document::Moment::Replacing));

    // Editing goes on, and Save writes in place.
    p.type_number(QStringLiteral("7"), m.note_column(0, 6), m.string_row(0, 4));
    const QImage third = p.cell(m.note_column(0, 6), m.string_row(0, 4));
    p.window.action(QStringLiteral("menu_save"))->trigger();
    p.program.commands().menu_new_Click();
    p.file_user = Round::chooses(QStringLiteral("song.tab"));
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
    Round p(folder.path());
    p.type_number(QStringLiteral("3"), 8, 3);
    // Choosing a notation tool commits the numbers; they are still unsaved.
    p.doc.commit_and_mark_unchanged();
    p.host.answers.push_back(answer);
    p.file_user = Round::chooses(QStringLiteral("last.tab"));
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
    ProgramSession p;
    // A page far larger than the window, with a number typed and not committed.
    LayoutModel m = p.doc.model();
    m.measures_across = 4;
    m.notes_per_measure = 40;
    p.doc.set_model(m);
    QString error;
    QVERIFY(p.doc.Redraw_pic(&error));
    p.doc.commit_and_mark_unchanged();
    p.window.resize(400, 300);
    p.window.show();
    PagePicture& page = p.doc.Picture1();
    print_at(page, m.note_column(3, 39), m.string_row(1, 3), QStringLiteral("10"));
    QVERIFY(page.size().width() > p.window.width());

    QCOMPARE(p.window.action(QStringLiteral("mnu_copy"))->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_C));
    p.window.action(QStringLiteral("mnu_copy"))->trigger();

    QCOMPARE(p.host.messages.size(), size_t(1));
    QCOMPARE(p.host.messages.front().text,
             QStringLiteral("Image has been succesfully copied to the clipboard."));
    const QImage copied = QGuiApplication::clipboard()->image();
    QCOMPARE(copied.size(), page.size());
    QCOMPARE(samples::note_cell(copied.convertToFormat(QImage::Format_RGB32), m.note_column(3, 39),
                                m.string_row(1, 3)),
             samples::note_cell(page.image(), m.note_column(3, 39), m.string_row(1, 3)));
    QVERIFY(p.doc.Picture1().picture() == p.doc.undo_copy());
}

QTEST_MAIN(TestFileLoop)
#include "test_file_loop.moc"
