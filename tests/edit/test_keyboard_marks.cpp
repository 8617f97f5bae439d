#include <QtTest>

#include "notes/notes_model.h"
#include "notes_reader/note_reader.h"
#include "page/page_font.h"
#include "support/editor_session.h"

using namespace strumix;

namespace {

// Two notes on the second string of the first staff: 5 in the third note column, 7 in the
// fourth, the box back on the 5.
void two_notes(EditorSession& s) {
    const LayoutModel& m = s.doc.model();
    s.place_box(m.note_column(0, 2), m.string_row(0, 1));
    s.keys({Qt::Key_5, Qt::Key_Return});
    s.place_box(m.note_column(0, 3), m.string_row(0, 1));
    s.keys({Qt::Key_7, Qt::Key_Return});
    s.place_box(m.note_column(0, 2), m.string_row(0, 1));
}

QPoint cell_of(const EditorSession& s, int note) {
    const LayoutModel& m = s.doc.model();
    return m.note_cell(0, 1, 0, note).topLeft();
}

}  // namespace

class TestKeyboardMarks : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void each_symbol_from_the_keyboard_is_the_mouse_drop_and_reads_as_its_note() {
        for (int symbol = 0; symbol < kSymbolKinds; ++symbol) {
            EditorSession keys;
            two_notes(keys);
            keys.tools.insert_symbol(symbol);

            EditorSession mouse;
            two_notes(mouse);
            mouse.tools.btn_bend_Click(symbol);
            mouse.tools.Picture1_DragDrop(
                QPointF(cell_of(mouse, 2) + kEntryMiddle + kSymbolPreferred));
            QCOMPARE(keys.page().image(), mouse.page().image());

            const PageNotes notes = read_notes(keys.page().image(), keys.doc.model());
            QVERIFY(notes.unread.empty());
            const Note* five = notes.note_at({{0, 0, 2}, 1});
            QVERIFY(five && five->fret == 5);
            QCOMPARE(int(five->symbols.size()), 1);
            QCOMPARE(int(five->symbols.front()), symbol);
            // Typing goes on where it was.
            QCOMPARE(keys.tools.current_tool(), ToolId::Numbers);
            QCOMPARE(keys.box().left(), double(keys.doc.model().note_column(0, 2)));
        }
    }

    void each_slur_from_the_keyboard_is_the_mouse_drag_to_the_next_note() {
        const SlurKind kinds[kSlurCount] = {SlurKind::Hammer, SlurKind::PullOff,
                                            SlurKind::HammerPull, SlurKind::Slide};
        for (int index = 0; index < kSlurCount; ++index) {
            EditorSession keys;
            two_notes(keys);
            keys.tools.insert_slur(index);

            EditorSession mouse;
            two_notes(mouse);
            mouse.tools.pic_tool_Click(index);
            const QPoint press = cell_of(mouse, 2) + QPoint(6, 5);
            const QPoint release(cell_of(mouse, 3).x() + 6, press.y());
            mouse.tools.Picture1_MouseDown(Qt::LeftButton, QPointF(press));
            mouse.tools.Picture1_MouseMove(QPointF(release));
            mouse.tools.Picture1_MouseUp(QPointF(release));
            QCOMPARE(keys.page().image(), mouse.page().image());

            const PageNotes notes = read_notes(keys.page().image(), keys.doc.model());
            QVERIFY(notes.unread.empty());
            QCOMPARE(int(notes.slurs.size()), 1);
            QCOMPARE(notes.slurs.front().kind, kinds[index]);
            QCOMPARE(notes.slurs.front().from, (CellPlace{{0, 0, 2}, 1}));
            QCOMPARE(notes.slurs.front().to, (CellPlace{{0, 0, 3}, 1}));
            QCOMPARE(keys.tools.current_tool(), ToolId::Numbers);
        }
    }

    void the_last_column_has_no_next_note() {
        EditorSession s;
        const LayoutModel& m = s.doc.model();
        s.place_box(m.last_note_column(m.measures_across - 1), m.string_row(0, 0));
        s.keys({Qt::Key_3, Qt::Key_Return});
        s.place_box(m.last_note_column(m.measures_across - 1), m.string_row(0, 0));
        const QImage before = s.page().image().copy();
        s.tools.insert_slur(0);
        QCOMPARE(s.page().image(), before);
    }
};

QTEST_MAIN(TestKeyboardMarks)
#include "test_keyboard_marks.moc"
