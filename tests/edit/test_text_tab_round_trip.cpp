// A page's notes written as a text tab and taken in again: every page of the note reader's
// random series whose marks a text tab carries (everything read, nothing unread) comes back as
// one page of the same layout whose notes read back to the same text tab: the same numbers,
// harmonics, bends, vibrato, trills, rakes, slurs with their letters, title, captions and
// tunings.
#include <QtTest>

#include "document/text_tab_import.h"
#include "notes_reader/note_reader.h"
#include "notes_writers/text_tab_writer.h"
#include "support/random_pages.h"

using namespace strumix;
using namespace random_pages;

class TestTextTabRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void random_pages_come_back() {
        const int seed = qEnvironmentVariableIntValue("STRUMIX_NOTE_SEED");
        QRandomGenerator random(seed != 0 ? quint32(seed) : 20261209u);
        const int pages = qEnvironmentVariableIntValue("STRUMIX_NOTE_PAGES") > 0
                              ? qEnvironmentVariableIntValue("STRUMIX_NOTE_PAGES")
                              : 500;
        int carried = 0;
        int notes = 0;
        int marks = 0;
        for (int page = 0; page < pages; ++page) {
            EditorSession s;
            Drawn drawn;
            draw_page(s, drawn, random);
            const LayoutModel& m = s.doc.model();
            const PageNotes original = read_notes(s.page().image(), m);
            if (!original.unread.empty()) continue;
            ++carried;
            notes += int(original.notes.size());
            marks += int(original.slurs.size());
            for (const Note& note : original.notes) marks += int(note.symbols.size());
            const QString text = text_tab(original);
            const QString where = QStringLiteral("page %1:\n").arg(page) + text;

            ImportedTab imported;
            QString error;
            QVERIFY2(import_text_tab(text, &imported, &error), qPrintable(where + error));
            QVERIFY2(imported.left_out.isEmpty(),
                     qPrintable(where + imported.left_out.join(QLatin1Char('\n'))));
            QCOMPARE(imported.pages.size(), std::size_t(1));
            const LayoutModel& back = imported.pages[0].layout;
            QCOMPARE(back.num_lines, m.num_lines);
            QCOMPARE(back.measures_across, m.measures_across);
            QCOMPARE(back.notes_per_measure, m.notes_per_measure);
            for (int i = 0; i < m.num_lines; ++i) {
                QCOMPARE(back.num_strings(i), m.num_strings(i));
                QCOMPARE(back.line_props[i].caption, m.line_props[i].caption);
                for (int st = 0; st < m.num_strings(i); ++st)
                    QCOMPARE(back.line_props[i].tuning[st], m.line_props[i].tuning[st]);
            }
            const PageNotes again = read_notes(imported.pages[0].picture, back);
            QStringList unread;
            for (const Unread& u : again.unread)
                unread << QStringLiteral("%1,%2: %3").arg(u.area.x()).arg(u.area.y()).arg(u.why);
            QVERIFY2(again.unread.empty(),
                     qPrintable(unread.join(QLatin1Char('\n')) + QLatin1Char('\n') + where));
            QCOMPARE(text_tab(again), text);
        }
        qInfo("%d of %d pages carried by text, %d notes and %d marks came back", carried, pages,
              notes, marks);
        QVERIFY(carried * 2 >= pages);
    }
};

QTEST_MAIN(TestTextTabRoundTrip)
#include "test_text_tab_round_trip.moc"
