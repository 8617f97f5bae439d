#include "notes_drawing/notes_drawing.h"

#include <optional>

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

QPoint cell_origin(const LayoutModel& layout, const CellPlace& cell) {
    return layout.note_cell(cell.column.staff, cell.string, cell.column.measure, cell.column.note)
        .topLeft();
}

bool is_mark(const QImage& page, const QImage& blank, int x, int y) {
    return qGray(page.pixel(x, y)) < 128 && qGray(blank.pixel(x, y)) >= 128;
}

// A slur dragged from `press` to `release_x` (pixels), as the slur tools draw it.
struct SlurDrag {
    SlurArc arc;
    int y = 0;  // twips
    QPoint letter_at;
};

SlurDrag slur_drag(QPoint press, int release_x, int index) {
    SlurDrag drag;
    drag.y = pixels_to_twips(press.y());
    drag.arc = slur_arc(pixels_to_twips(press.x()), drag.y, pixels_to_twips(release_x));
    drag.letter_at =
        pixel_at(slur_letter_left(index, drag.arc.mid_x), slur_letter_row(drag.y), PageUnit::Twips);
    return drag;
}

void draw_slur(PageDrawing& drawing, const SlurDrag& drag, const Slur& slur, int index) {
    draw_slur_arc(drawing, drag.arc, PageUnit::Twips);
    if (slur.letter && slur.kind != SlurKind::Legato)
        drawing.text(drag.letter_at, slur_letter(index));
}

// Where the slur tools are pressed on the first note and released on the second: within the
// numbers, at the height and across where the arc and its letter touch no other mark (the
// two numbers they join aside), or as few as can be. `numbers`: the page with its numbers
// and nothing after; `scratch`: a white page of the same size to try each drag on.
SlurDrag place_slur(const QImage& page, const QImage& numbers, const QImage& blank, QImage& scratch,
                    const LayoutModel& layout, const Slur& slur, int index) {
    const QPoint from = cell_origin(layout, slur.from);
    const QPoint to = cell_origin(layout, slur.to);
    const QRect ends = QRect(from, QSize(16, 16)).united(QRect(to.x(), from.y(), 16, 16));
    std::optional<SlurDrag> best;
    int best_touching = 0;
    // Near the top of the numbers first, so that the arc leaves them soon.
    for (int y : {5, 6, 7, 8, 9}) {
        for (int press_x : {6, 4, 8}) {
            for (int release_x : {6, 4, 8}) {
                const SlurDrag drag =
                    slur_drag(from + QPoint(press_x, y), to.x() + release_x, index);
                QRect touched;
                {
                    PageDrawing trial(scratch);
                    draw_slur(trial, drag, slur, index);
                    touched = trial.touched() & scratch.rect();
                }
                int touching = 0;
                for (int py = touched.top(); py <= touched.bottom(); ++py) {
                    for (int px = touched.left(); px <= touched.right(); ++px) {
                        if (qGray(scratch.pixel(px, py)) >= 128) continue;
                        bool near = false;
                        for (int dy = -1; dy <= 1 && !near; ++dy)
                            for (int dx = -1; dx <= 1 && !near; ++dx) {
                                const QPoint p(px + dx, py + dy);
                                // Another slur ending on the same number is not the
                                // number.
                                near = page.rect().contains(p) &&
                                       is_mark(page, blank, p.x(), p.y()) &&
                                       !(ends.contains(p) && is_mark(numbers, blank, p.x(), p.y()));
                            }
                        touching += near;
                    }
                }
                {
                    PageDrawing wipe(scratch);
                    wipe.fill(touched, Qt::white);
                }
                if (!best || touching < best_touching) {
                    best = drag;
                    best_touching = touching;
                }
                if (touching == 0) return drag;
            }
        }
    }
    return *best;
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
    const QImage numbers = picture.image();
    QImage scratch(blank.size(), QImage::Format_RGB32);
    scratch.fill(Qt::white);
    for (const Slur& slur : notes.slurs) {
        const int index = slur_tool_index(slur.kind);
        const SlurDrag drag =
            place_slur(picture.image(), numbers, blank, scratch, layout, slur, index);
        picture.draw([&](PageDrawing& drawing) { draw_slur(drawing, drag, slur, index); });
    }
    SymbolPlaces places(picture.image(), blank, notes);
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
