// Every note read back from the pixels of pages drawn through the program's own tools, as the
// user draws them: fret numbers, muted notes, harmonics, symbols dropped over notes, slurs
// between notes of one string, titles, and erase cuts. Each page is saved and reopened first.
// Every mark is read as drawn, or reported unread where the drawing itself made it ambiguous;
// none is read wrong; and nearly every note is read.
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <set>

#include "files/page_file.h"
#include "notes_reader/note_reader.h"
#include "page/page_font.h"
#include "support/random_pages.h"

using namespace strumix;

using namespace random_pages;

class TestNoteReading : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void random_pages_read_back_exactly() {
        // STRUMIX_NOTE_SEED and STRUMIX_NOTE_PAGES run other and longer series by hand.
        const int seed = qEnvironmentVariableIntValue("STRUMIX_NOTE_SEED");
        QRandomGenerator random(seed != 0 ? quint32(seed) : 20261209u);
        QTemporaryDir dir;
        int notes = 0;
        int read = 0;
        int symbols = 0;
        int symbols_read = 0;
        int slurs = 0;
        int slurs_read = 0;
        const int pages = qEnvironmentVariableIntValue("STRUMIX_NOTE_PAGES") > 0
                              ? qEnvironmentVariableIntValue("STRUMIX_NOTE_PAGES")
                              : 500;
        for (int page = 0; page < pages; ++page) {
            EditorSession s;
            Drawn drawn;
            draw_page(s, drawn, random);
            const QString path = dir.filePath(QStringLiteral("page.tab"));
            QString error;
            QVERIFY2(write_page_file(path, s.page().image(), &error), qPrintable(error));
            QImage image;
            QVERIFY2(read_page_file(path, s.page().limits(), &image, &error), qPrintable(error));
            const LayoutModel& m = s.doc.model();
            const PageNotes found = read_notes(image, m);
            const QString where = QStringLiteral("page %1").arg(page);

            for (const CellPlace& c : all_cells(m)) {
                const auto drawn_entry = drawn.entries.find(c);
                const Note* note = found.note_at(c);
                if (drawn_entry == drawn.entries.end()) {
                    if (note)
                        QFAIL(qPrintable(where +
                                         QStringLiteral(": a note where none was "
                                                        "written: ") +
                                         note->text));
                    continue;
                }
                const Drawn::Entry& entry = drawn_entry->second;
                const bool clean = !entry.overprinted && !drawn.cut(entry_area(m, c));
                if (!clean || !note) continue;
                ++notes;
                ++read;
                QVERIFY2(note->text == entry.text,
                         qPrintable(where + QStringLiteral(": read \"%1\" for \"%2\"")
                                                .arg(note->text, entry.text)));
                QVERIFY2(
                    note->harmonic == entry.harmonic,
                    qPrintable(where + QStringLiteral(": harmonic of \"%1\"").arg(entry.text)));
            }
            auto unread_over = [&found](const QRect& area) {
                return std::any_of(found.unread.begin(), found.unread.end(),
                                   [&](const Unread& u) { return u.area.intersects(area); });
            };
            // Symbols: each read one was stamped on its note; each stamped one on a note that
            // is read is read, or reported unread.
            for (const Note& note : found.notes) {
                const auto entry = drawn.entries.find(note.place);
                for (Symbol symbol : note.symbols) {
                    const bool stamped =
                        entry != drawn.entries.end() &&
                        std::any_of(entry->second.symbols.begin(), entry->second.symbols.end(),
                                    [&](const auto& stamp) { return stamp.first == int(symbol); });
                    QVERIFY2(stamped,
                             qPrintable(where + QStringLiteral(": symbol %1 read on a "
                                                               "note it was not stamped on")
                                                    .arg(int(symbol))));
                }
            }
            for (const auto& [c, entry] : drawn.entries) {
                const Note* note = found.note_at(c);
                if (!note) continue;
                for (const auto& [symbol, stamped] : entry.symbols) {
                    if (drawn.cut(stamped)) continue;
                    ++symbols;
                    if (note->has(Symbol(symbol))) {
                        ++symbols_read;
                    } else {
                        QVERIFY2(
                            unread_over(stamped),
                            qPrintable(where + QStringLiteral(": symbol %1 lost").arg(symbol)));
                    }
                }
            }
            // Slurs: each read one was drawn between its notes, with what it says; each drawn
            // one between notes that are read is read, or reported unread.
            for (const Slur& slur : found.slurs) {
                // An erase that took a slur's letter whole leaves a bare arc, read as one.
                const bool drew =
                    std::any_of(drawn.slurs.begin(), drawn.slurs.end(), [&](const auto& d) {
                        return d.from == slur.from && d.to == slur.to &&
                               (d.kind == slur.kind ||
                                (drawn.cut(d.area) && slur.kind == SlurKind::Legato));
                    });
                QVERIFY2(drew, qPrintable(where + QStringLiteral(": a slur of kind %1 read that "
                                                                 "was not drawn")
                                                      .arg(int(slur.kind))));
            }
            for (const auto& d : drawn.slurs) {
                if (drawn.cut(d.area) || !found.note_at(d.from) || !found.note_at(d.to)) continue;
                ++slurs;
                const bool read_it =
                    std::any_of(found.slurs.begin(), found.slurs.end(), [&](const Slur& f) {
                        return d.from == f.from && d.to == f.to && d.kind == f.kind;
                    });
                // A bare arc drawn between two notes that another slur joins may be that slur's
                // own arc: read as part of it, it is not lost.
                const bool within_another =
                    d.kind == SlurKind::Legato &&
                    std::any_of(found.slurs.begin(), found.slurs.end(), [&](const Slur& f) {
                        return d.from == f.from && d.to == f.to && f.arc;
                    });
                if (read_it) {
                    ++slurs_read;
                } else {
                    QVERIFY2(unread_over(d.area) || within_another,
                             qPrintable(where + QStringLiteral(": a slur lost")));
                }
            }
            const QRect title_band(0, 0, s.page().size().width(), kRowPixels);
            if (!drawn.title.isEmpty() && !drawn.cut(title_band)) {
                QVERIFY2(found.title == drawn.title ||
                             (found.title.isEmpty() && unread_over(title_band)),
                         qPrintable(where + QStringLiteral(": title \"%1\" read as \"%2\"")
                                                .arg(drawn.title, found.title)));
            }
            for (const auto& [c, entry] : drawn.entries) {
                const bool clean = !entry.overprinted && !drawn.cut(entry_area(m, c));
                if (clean && !found.note_at(c)) {
                    ++notes;
                    QVERIFY2(found.unread_at(c),
                             qPrintable(where + QStringLiteral(": a note lost")));
                }
            }
        }
        qInfo("%d of %d notes read (%.2f%%); %d of %d symbols, %d of %d slurs", read, notes,
              100.0 * read / std::max(1, notes), symbols_read, symbols, slurs_read, slurs);
        QVERIFY(read * 100 >= notes * 99);
    }
};

QTEST_MAIN(TestNoteReading)
#include "test_note_reading.moc"
