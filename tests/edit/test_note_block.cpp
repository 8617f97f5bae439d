#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QtTest>

#include "edit/note_block.h"
#include "notes_reader/note_reader.h"
#include "page/page_font.h"
#include "page/page_renderer.h"
#include "support/editor_session.h"

using namespace strumix;

namespace {

// A riff in the first measure of the first staff: numbers on every string, a bend, a vibrato
// and a hammer-on between two of them.
void write_riff(EditorSession& s) {
    const LayoutModel& m = s.doc.model();
    const int frets[6] = {3, 5, 7, 8, 10, 12};
    for (int string = 0; string < m.num_strings(0); ++string) {
        s.place_box(m.note_column(0, string * 2 % m.notes_per_measure), m.string_row(0, string));
        const int fret = frets[string % 6];
        if (fret >= 10) s.key(Qt::Key_0 + fret / 10);
        s.keys({Qt::Key_0 + fret % 10, Qt::Key_Return});
    }
    s.place_box(m.note_column(0, 5), m.string_row(0, 2));
    s.keys({Qt::Key_9, Qt::Key_Return});
    s.place_box(m.note_column(0, 4), m.string_row(0, 2));
    s.tools.insert_slur(0);
    s.place_box(m.note_column(0, 2), m.string_row(0, 1));
    s.tools.insert_symbol(5);
    s.place_box(m.note_column(0, 6), m.string_row(0, 3));
    s.tools.insert_symbol(0);
}

// Shift with the arrows, from the first note of measure `measure` on the first string to its
// last note on the last string of staff `staff`.
void choose_measure(EditorSession& s, int staff, int measure) {
    const LayoutModel& m = s.doc.model();
    s.place_box(m.note_column(measure, 0), m.string_row(staff, 0));
    for (int n = 1; n < m.notes_per_measure; ++n) s.key(Qt::Key_Right, Qt::ShiftModifier);
    for (int string = 1; string < m.num_strings(staff); ++string)
        s.key(Qt::Key_Down, Qt::ShiftModifier);
}

std::vector<Note> notes_of(const PageNotes& notes, int staff, int measure) {
    std::vector<Note> found;
    for (const Note& note : notes.notes)
        if (note.place.column.staff == staff && note.place.column.measure == measure)
            found.push_back(note);
    return found;
}

}  // namespace

class TestNoteBlock : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void shift_and_the_arrows_choose_cells_and_a_plain_move_lets_them_go() {
        EditorSession s;
        const LayoutModel& m = s.doc.model();
        s.place_box(m.note_column(0, 1), m.string_row(0, 1));
        QVERIFY(!s.tools.selection());
        s.key(Qt::Key_Right, Qt::ShiftModifier);
        s.key(Qt::Key_Down, Qt::ShiftModifier);
        // The box moved as the arrows alone move it.
        QCOMPARE(s.box().left(), double(m.note_column(0, 2)));
        QCOMPARE(s.box().top(), double(m.string_row(0, 2)));
        QCOMPARE(*s.tools.selection(), (CellSpan{m.note_column(0, 1), m.note_column(0, 2),
                                                 m.string_row(0, 1), m.string_row(0, 2)}));
        QVERIFY(s.tools.overlay().selection_visible);
        s.key(Qt::Key_Left, Qt::ShiftModifier);
        s.key(Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(*s.tools.selection(), (CellSpan{m.note_column(0, 0), m.note_column(0, 1),
                                                 m.string_row(0, 1), m.string_row(0, 2)}));
        s.key(Qt::Key_Up);
        QVERIFY(!s.tools.selection());
        QVERIFY(!s.tools.overlay().selection_visible);
        s.key(Qt::Key_Up, Qt::ShiftModifier);
        QVERIFY(s.tools.selection());
        QVERIFY(s.tools.Picture1_KeyDown(Qt::Key_Escape, Qt::NoModifier));
        QVERIFY(!s.tools.selection());
        QVERIFY(!s.tools.Picture1_KeyDown(Qt::Key_Escape, Qt::NoModifier));
    }

    void a_shift_drag_chooses_cells_as_the_arrows_do() {
        EditorSession s;
        const LayoutModel& m = s.doc.model();
        const QPointF from = QPointF(m.note_cell(0, 1, 0, 2).center());
        const QPointF to = QPointF(m.note_cell(0, 3, 0, 5).center()) + QPointF(3, 0);
        QVERIFY(s.tools.choose_cells(from, true));
        QVERIFY(s.tools.choose_cells(to, false));
        QCOMPARE(*s.tools.selection(), (CellSpan{m.note_column(0, 2), m.note_column(0, 5),
                                                 m.string_row(0, 1), m.string_row(0, 3)}));
        QCOMPARE(s.box().left(), double(m.note_column(0, 5)));
        // Only while number entry is in use.
        s.tools.btn_edit_Click();
        QVERIFY(!s.tools.choose_cells(from, true));
    }

    void a_measure_copied_and_pasted_is_the_same_pixels_and_the_same_notes() {
        EditorSession s;
        s.relayout(1, 6, 2);
        const LayoutModel& m = s.doc.model();
        write_riff(s);
        choose_measure(s, 0, 0);
        const CellSpan from = *s.tools.selection();
        s.tools.copy_notes();
        // On the clipboard: the block's picture and its notes as text tab.
        const QMimeData* data = QGuiApplication::clipboard()->mimeData();
        QVERIFY(data && data->hasImage());
        QVERIFY2(data->text().contains(QStringLiteral("12")) &&
                     data->text().contains(QStringLiteral("h")),
                 qPrintable(data->text()));
        s.place_box(m.note_column(1, 0), m.string_row(0, 0));
        QVERIFY(!s.tools.selection());
        s.tools.paste_notes();
        const QRect source = span_pixels(m, from);
        const CellSpan to{m.note_column(1, 0), m.note_column(1, m.notes_per_measure - 1),
                          from.top_row, from.bottom_row};
        const QRect target = span_pixels(m, to);
        QCOMPARE(target.size(), source.size());
        QCOMPARE(s.page().image().copy(target), s.page().image().copy(source));
        // The bar line between the measures and the staff's end stay whole.
        PagePicture blank;
        QVERIFY(draw_blank_page(blank, m, nullptr));
        for (int measure = 0; measure <= m.measures_across; ++measure) {
            const int x = m.bar_x(measure);
            for (int y = m.string_line_y_pixels(0, 0); y <= m.string_line_y_pixels(0, 5); ++y)
                QCOMPARE(s.page().image().pixel(x, y), blank.image().pixel(x, y));
        }
        // Read back: measure 2 holds measure 1's notes, symbols and slur.
        const PageNotes notes = read_notes(s.page().image(), m);
        QVERIFY(notes.unread.empty());
        const std::vector<Note> first = notes_of(notes, 0, 0);
        const std::vector<Note> second = notes_of(notes, 0, 1);
        QCOMPARE(second.size(), first.size());
        for (std::size_t i = 0; i < first.size(); ++i) {
            QCOMPARE(second[i].text, first[i].text);
            QCOMPARE(second[i].place.string, first[i].place.string);
            QCOMPARE(second[i].place.column.note, first[i].place.column.note);
            QCOMPARE(second[i].symbols, first[i].symbols);
        }
        QCOMPARE(notes.slurs.size(), std::size_t(2));
        QCOMPARE(notes.slurs[1].from.column.measure, 1);
        QCOMPARE(notes.slurs[1].kind, notes.slurs[0].kind);
    }

    void a_block_on_a_staff_with_fewer_strings_keeps_those_that_fit() {
        EditorSession s;
        LayoutModel layout = s.doc.model();  // a guitar staff of six strings, a bass of four
        QCOMPARE(layout.num_strings(0), 6);
        QCOMPARE(layout.num_strings(1), 4);
        write_riff(s);
        choose_measure(s, 0, 0);
        s.tools.copy_notes();
        s.place_box(layout.note_column(0, 0), layout.string_row(1, 0));
        s.tools.paste_notes();
        QCOMPARE(s.host.messages.size(), std::size_t(1));
        QVERIFY(s.host.messages.front().text.contains(QStringLiteral("2 string")));
        const PageNotes notes = read_notes(s.page().image(), layout);
        QVERIFY(notes.unread.empty());
        const std::vector<Note> bass = notes_of(notes, 1, 0);
        const std::vector<Note> guitar = notes_of(notes, 0, 0);
        std::size_t fitting = 0;
        for (const Note& note : guitar) fitting += note.place.string < 4;
        QCOMPARE(bass.size(), fitting);
    }

    void cut_empties_the_cells_and_keeps_the_lines() {
        EditorSession s;
        s.relayout(1, 6, 2);
        const LayoutModel& m = s.doc.model();
        write_riff(s);
        const QImage riff = s.page().image().copy();
        choose_measure(s, 0, 0);
        const CellSpan span = *s.tools.selection();
        s.tools.cut_notes();
        QVERIFY(!s.tools.selection());
        PagePicture blank;
        QVERIFY(draw_blank_page(blank, m, nullptr));
        const QRect rect = span_pixels(m, span);
        QCOMPARE(s.page().image().copy(rect), blank.image().copy(rect));
        // Pasted back where it was, the riff returns.
        s.place_box(m.note_column(0, 0), m.string_row(0, 0));
        s.tools.paste_notes();
        QCOMPARE(int(notes_of(read_notes(s.page().image(), m), 0, 0).size()), 7);
        QCOMPARE(s.page().image().copy(rect), riff.copy(rect));
    }
};

QTEST_MAIN(TestNoteBlock)
#include "test_note_block.moc"
