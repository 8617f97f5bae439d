#include "notes_drawing/notes_drawing.h"

#include "notes_drawing/slur_places.h"
#include "notes_drawing/symbol_places.h"
#include "page/glyphs.h"
#include "page/harmonic_diamond.h"
#include "page/page_renderer.h"
#include "page/slur_geometry.h"

namespace strumix {

namespace {

int slur_tool_index(SlurKind kind) {
    switch (kind) {
        case SlurKind::Hammer:
            return 0;
        case SlurKind::PullOff:
            return 1;
        case SlurKind::HammerPull:
            return kHammerPullIndex;
        case SlurKind::Slide:
        case SlurKind::Legato:
            return 3;
    }
    return 3;
}

}  // namespace

bool draw_page_of_notes(const PageNotes& notes, QImage* page, QString* error) {
    const LayoutModel& layout = notes.layout;
    PagePicture picture;
    if (!draw_blank_page(picture, layout, error)) return false;
    const QImage blank = picture.image();
    picture.draw([&](PageDrawing& drawing) {
        if (!notes.title.isEmpty())
            drawing.text(pixel_at(1, 0, PageUnit::Characters), notes.title,
                         {.bold = true, .underline = true});
        for (const Note& note : notes.notes) {
            const QPoint cell = cell_origin(layout, note.place);
            drawing.text(cell, note.text);
            if (note.harmonic)
                draw_harmonic_diamond(
                    drawing,
                    harmonic_diamond(
                        layout.note_column(note.place.column.measure, note.place.column.note),
                        layout.string_row(note.place.column.staff, note.place.string)));
        }
    });
    PageMarks marks(picture.image(), blank);
    SlurPlaces slurs(marks, layout);
    for (const Slur& slur : notes.slurs) {
        const int index = slur_tool_index(slur.kind);
        const SlurDrag drag = slurs.place(slur, index);
        QRect drawn;
        picture.draw([&](PageDrawing& drawing) {
            draw_slur(drawing, drag, slur, index);
            drawn = drawing.touched();
        });
        marks.drawn(picture.image(), drawn);
    }
    SymbolPlaces places(marks, notes);
    picture.draw([&](PageDrawing& drawing) {
        for (const Note& note : notes.notes) {
            for (Symbol symbol : note.symbols) {
                const QImage& glyph = Glyphs::get().pic_bend[std::size_t(symbol)];
                const QPoint middle = places.place(int(symbol), note.place);
                drawing.and_copy(glyph, middle - QPoint(glyph.width() / 2, glyph.height() / 2));
            }
        }
    });
    *page = picture.image();
    return true;
}

}  // namespace strumix
