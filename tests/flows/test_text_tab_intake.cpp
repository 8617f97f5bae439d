// Text tabs taken in from the clipboard and from a text file: a new page with no file that
// counts as changed, what was left out said, and a long tab saved, when the user says so, as
// NAME.tab, NAME-2.tab, ... beside the text file.
#include <QTemporaryDir>
#include <QtTest>

#include "files/page_file.h"
#include "notes_reader/note_reader.h"
#include "page/layout_finder.h"
#include "page/page_font.h"
#include "support/document_session.h"

using namespace strumix;

namespace {

QString long_tab(int blocks) {
    QString text = QStringLiteral("Long Song\n\n");
    for (int b = 0; b < blocks; ++b) {
        for (const char* label : {"e", "B", "G", "D", "A", "E"})
            text += QStringLiteral("%1|-%2-3-|-5h7-|-0-|-12-|\n").arg(label).arg(b % 10);
        text += '\n';
    }
    return text;
}

}  // namespace

class TestTextTabIntake : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void pasted_tab_is_a_new_unsaved_page() {
        DocumentSession s;
        s.doc.start();
        s.documents.clipboard_words = QStringLiteral("Riff\n\ne|-5-7-|\nB|-5-?-|\nG|-----|\n");
        s.commands.mnu_paste_text_tab_Click();
        QCOMPARE(s.doc.model().num_lines, 1);
        QCOMPARE(s.doc.model().num_strings(0), 3);
        QVERIFY(!s.doc.has_chosen_file());
        QVERIFY(s.doc.unsaved(Document::Moment::Ending));
        // What the page holds reads back as the tab said, the unread mark said with its place.
        const PageNotes notes = read_notes(s.doc.Picture1().image(), s.doc.model());
        QCOMPARE(notes.title, QStringLiteral("Riff"));
        QCOMPARE(notes.notes.size(), std::size_t(3));
        QVERIFY(notes.unread.empty());
        QCOMPARE(s.host.messages.size(), std::size_t(1));
        QVERIFY2(s.host.messages[0].text.contains(QStringLiteral("line 4, column 6: ?")),
                 qPrintable(s.host.messages[0].text));
        // Save asks where the page goes.
        s.commands.menu_save_Click();
        QCOMPARE(s.documents.file_windows, QStringList{QStringLiteral("Save")});

        // Nothing on the clipboard: said, and the page stays.
        s.documents.clipboard_words.reset();
        const QImage before = s.doc.Picture1().image();
        s.commands.mnu_paste_text_tab_Click();
        QCOMPARE(s.doc.Picture1().image(), before);
    }

    void opened_long_tab_offers_every_page() {
        QTemporaryDir dir;
        const QString source = dir.filePath(QStringLiteral("song.txt"));
        QFile file(source);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(long_tab(12).toUtf8());
        file.close();

        DocumentSession s;
        s.doc.start();
        s.host.answers.push_back(Answer::Yes);  // save all pages
        s.commands.open_path(source);
        QCOMPARE(s.host.question_texts().size(), 1);
        QVERIFY2(s.host.question_texts()[0].contains(QStringLiteral("song.tab and song-2.tab?")),
                 qPrintable(s.host.question_texts()[0]));
        // 48 measures, four across, six lines a page: two pages.
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("song.tab"))));
        QVERIFY(QFile::exists(dir.filePath(QStringLiteral("song-2.tab"))));
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("song-3.tab"))));
        QCOMPARE(s.doc.file_path(), dir.filePath(QStringLiteral("song.tab")));
        QVERIFY(!s.doc.unsaved(Document::Moment::Ending));
        // The second page is a page of ours: its layout comes back from its pixels, with its
        // notes.
        QImage second;
        QString error;
        QVERIFY(read_page_file(dir.filePath(QStringLiteral("song-2.tab")), PageLimits(), &second,
                               &error));
        const std::optional<LayoutModel> layout = find_layout(second);
        QVERIFY(layout);
        const PageNotes notes = read_notes(second, *layout);
        QVERIFY(notes.unread.empty());
        QCOMPARE(notes.slurs.size(), std::size_t(6 * 6));
    }
};

QTEST_MAIN(TestTextTabIntake)
#include "test_text_tab_intake.moc"
