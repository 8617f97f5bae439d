#include "notes_reader/note_reader.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "notes_reader/cell_reading.h"
#include "notes_reader/ink_map.h"
#include "notes_reader/mark_search.h"
#include "page/page_picture.h"
#include "page/page_renderer.h"

namespace strumix {

namespace {

using Kind = FoundMark::Kind;

QImage blank_page(const LayoutModel& layout) {
    PagePicture blank;
    QString error;
    draw_blank_page(blank, layout, &error);
    return blank.image();
}

QString unread_reason(CellOutcome outcome) {
    switch (outcome) {
        case CellOutcome::Unexplained:
            return QCoreApplication::translate(
                "NoteReader",
                "marks in the cell that no entry explains: a number printed "
                "over another, or cut by an erase");
        case CellOutcome::Ambiguous:
            return QCoreApplication::translate(
                "NoteReader",
                "more than one entry fits the marks: something drawn over the "
                "number hides what tells them apart");
        case CellOutcome::HiddenHarmonic:
            return QCoreApplication::translate(
                "NoteReader",
                "a harmonic diamond may be hidden under the marks around the "
                "number");
        case CellOutcome::Read:
        case CellOutcome::Empty:
            break;
    }
    return QString();
}

// The place on the strings nearest the press of a slur at `press`: the string whose line is
// nearest, and the note column nearest each end, when they are near enough.
std::optional<std::pair<CellPlace, CellPlace>> slur_ends(const CellGrid& grid, QPoint press,
                                                         int release_x) {
    const std::optional<std::pair<int, int>> string = grid.string_near(press.y());
    if (!string) return std::nullopt;
    const std::optional<ColumnPlace> from = grid.column_near(string->first, press.x());
    const std::optional<ColumnPlace> to = grid.column_near(string->first, release_x);
    if (!from || !to || *from == *to) return std::nullopt;
    return std::pair(CellPlace{*from, string->second}, CellPlace{*to, string->second});
}

bool leftover_in(const InkMap& map, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (map.leftover(x, y)) return true;
    return false;
}

// Whether `line` and `arc` are one slide drawn with both: the arc starts by the note where the
// line starts, at the height where the line ends, and ends by the note where the line ends. An
// end of the line hidden in the string's line is known from the arc.
bool same_slide(const CellGrid& grid, const FoundMark& line, const FoundMark& arc) {
    const auto string = grid.string_near(line.to.y());
    if (!string || string != grid.string_near(arc.at.y())) return false;
    auto same_column = [&](int a, int b) {
        const auto column = grid.column_near(string->first, a);
        return column && column == grid.column_near(string->first, b);
    };
    return (line.unsure_start || same_column(line.at.x(), arc.at.x())) &&
           (line.unsure_end || (same_column(line.to.x(), arc.to.x()) && line.to.y() == arc.at.y()));
}

// Each slur's arc or line joins the notes at its two ends; an arc and a line that lie as one
// slide's are one slide drawn with both.
void read_slurs(const CellGrid& grid, const InkMap& map,
                const std::vector<std::pair<const FoundMark*, const FoundMark*>>& drawn,
                PageNotes& notes) {
    using Ends = std::optional<std::pair<CellPlace, CellPlace>>;
    std::vector<Ends> ends;
    for (const auto& [mark, letter] : drawn) {
        // A line's ends are its press and release; an arc's the press and the release's x.
        Ends places = slur_ends(grid, mark->at, mark->to.x());
        if (mark->unsure_start || mark->unsure_end) places.reset();
        ends.push_back(places);
    }
    auto slide_letter = [](const FoundMark* letter) {
        return !letter || SlurKind(letter->index) == SlurKind::Slide;
    };
    auto unsure = [](const FoundMark& mark) { return mark.unsure_start || mark.unsure_end; };
    // The two halves of each slide drawn with both.
    std::vector<std::pair<Slur, std::vector<QRect>>> read;
    std::vector<std::optional<std::size_t>> half(drawn.size());
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const FoundMark& line = *drawn[i].first;
        if (line.kind != Kind::Line) continue;
        for (std::size_t j = 0; j < drawn.size(); ++j) {
            const FoundMark& arc = *drawn[j].first;
            if (arc.kind != Kind::Arc || half[j] || unsure(arc)) continue;
            // Only the slide tool draws a line, and its letter is the slide's.
            if (!slide_letter(drawn[i].second) || !slide_letter(drawn[j].second)) continue;
            if (same_slide(grid, line, arc)) {
                half[i] = j;
                half[j] = i;
                break;
            }
        }
    }
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        // A slide drawn with both is read from its arc, whose ends are the slide's.
        if (drawn[i].first->kind == Kind::Line && half[i]) continue;
        const FoundMark* mark = drawn[i].first;
        const FoundMark* letter = drawn[i].second;
        const bool both = half[i].has_value();
        const bool arc = mark->kind == Kind::Arc;
        const bool line = both || mark->kind == Kind::Line;
        std::vector<QRect> zones{mark->letter_zone};
        std::vector<QRect> areas{mark->bounds()};
        if (both) {
            const auto& other = drawn[*half[i]];
            if (!letter) letter = other.second;
            zones.push_back(other.first->letter_zone);
            areas.push_back(other.first->bounds());
        }
        auto unread = [&](const QString& why) {
            for (const QRect& area : areas) notes.unread.push_back({area, why, std::nullopt});
        };
        if (!ends[i]) {
            unread(
                unsure(*mark)
                    ? QCoreApplication::translate(
                          "NoteReader", "a slide's line whose end hides in a string's line")
                    : QCoreApplication::translate("NoteReader",
                                                  "a slur or line that joins no two notes of one "
                                                  "string"));
            continue;
        }
        if (!notes.note_at(ends[i]->first) || !notes.note_at(ends[i]->second)) {
            unread(QCoreApplication::translate(
                "NoteReader", "a slur or line that joins no two notes of one string"));
            continue;
        }
        // With no letter found, marks left where one would stand may be one too hidden to read:
        // then what the slur says is not known. Nor is it when its mark may be a flat arc or
        // a slide's line alike.
        if (!letter && std::any_of(zones.begin(), zones.end(),
                                   [&map](const QRect& zone) { return leftover_in(map, zone); })) {
            unread(QCoreApplication::translate("NoteReader", "a slur whose letter cannot be read"));
            continue;
        }
        // Marks left over along an unlettered slur may be a slide's line drawn over it.
        if (!letter && std::any_of(areas.begin(), areas.end(), [&map](const QRect& area) {
                return leftover_in(map, area.adjusted(-1, -1, 1, 1));
            })) {
            unread(QCoreApplication::translate("NoteReader",
                                               "marks along a slur that nothing explains"));
            continue;
        }
        // A bare arc along a line of its string may be a slide drawn with both, the line's
        // ends hidden where the two cannot be matched.
        if (!letter && !line && std::any_of(drawn.begin(), drawn.end(), [&](const auto& other) {
                const FoundMark& o = *other.first;
                if (o.kind != Kind::Line) return false;
                const auto string = grid.string_near(o.at.y());
                if (!string || string != grid.string_near(mark->at.y())) return false;
                return o.at.x() <= mark->to.x() && o.to.x() >= mark->at.x();
            })) {
            unread(QCoreApplication::translate("NoteReader",
                                               "an arc that may be a slide's, with its line"));
            continue;
        }
        if (!letter && !(arc && line) && mark->either_kind) {
            unread(QCoreApplication::translate(
                "NoteReader", "a mark that may be a slur's arc or a slide's line"));
            continue;
        }
        Slur slur;
        slur.from = ends[i]->first;
        slur.to = ends[i]->second;
        slur.arc = arc;
        slur.line = line;
        slur.letter = letter != nullptr;
        slur.kind = letter ? SlurKind(letter->index) : (line ? SlurKind::Slide : SlurKind::Legato);
        read.push_back({slur, areas});
    }
    // Two slurs drawn between the same two notes lie over one another: one without a letter
    // may be the other's line or arc, or hide its letter.
    for (const auto& [slur, areas] : read) {
        const bool doubled =
            !slur.letter && std::count_if(read.begin(), read.end(), [&](const auto& other) {
                                return other.first.from == slur.from && other.first.to == slur.to;
                            }) > 1;
        if (!doubled) {
            notes.slurs.push_back(slur);
            continue;
        }
        for (const QRect& area : areas)
            notes.unread.push_back(
                {area,
                 QCoreApplication::translate("NoteReader",
                                             "two slurs over one another between the same notes"),
                 std::nullopt});
    }
}

}  // namespace

PageNotes read_notes(const QImage& source, const LayoutModel& layout) {
    PageNotes notes;
    notes.layout = layout;
    const QImage page = source.format() == QImage::Format_RGB32
                            ? source
                            : source.convertToFormat(QImage::Format_RGB32);
    if (page.size() != layout.page_size_pixels()) {
        notes.unread.push_back(
            {page.rect(),
             QCoreApplication::translate("NoteReader", "the page is not of its layout's size"),
             std::nullopt});
        return notes;
    }
    const QImage blank = blank_page(layout);
    InkMap map(page, blank);
    CellGrid grid(layout);
    std::vector<CellRead> cells = grid.settle(map);

    std::vector<FoundMark> found;
    if (!map.leftovers().empty()) {
        MarkSearch search(map, grid.note_places());
        auto keep = [&found](std::vector<FoundMark> more) {
            found.insert(found.end(), std::make_move_iterator(more.begin()),
                         std::make_move_iterator(more.end()));
        };
        keep(search.titles());
        keep(search.symbols());
        keep(search.diamonds(grid.cells_near_leftovers(map)));
        keep(search.slurs());
        grid.resolve(map, search, found, cells);
    }
    for (const CellRead& cell : cells) {
        if (cell.outcome == CellOutcome::Read) {
            Note note;
            note.place = cell.place;
            note.text = cell.entry->text;
            note.fret = cell.entry->fret;
            note.muted = cell.entry->muted;
            note.harmonic = cell.harmonic;
            notes.notes.push_back(std::move(note));
        } else if (cell.outcome != CellOutcome::Empty) {
            notes.unread.push_back(
                {grid.cell_rect(cell.place), unread_reason(cell.outcome), cell.place});
        }
    }
    std::sort(notes.notes.begin(), notes.notes.end(),
              [](const Note& a, const Note& b) { return a.place < b.place; });

    // Each slur's arc or line, with the letter above it.
    std::vector<std::pair<const FoundMark*, const FoundMark*>> drawn_slurs;
    for (std::size_t i = 0; i < found.size(); ++i) {
        const FoundMark& mark = found[i];
        switch (mark.kind) {
            case Kind::Title:
                notes.title = mark.text;
                break;
            case Kind::Symbol: {
                const QPoint middle = mark.at + QPoint(16, 16);
                const std::optional<CellPlace> cell = grid.entry_near(cells, middle, kSymbolReach);
                Note* note = cell ? const_cast<Note*>(notes.note_at(*cell)) : nullptr;
                if (mark.either_kind) {
                    notes.unread.push_back(
                        {mark.bounds(),
                         QCoreApplication::translate(
                             "NoteReader",
                             "a symbol over other marks, where another symbol fits "
                             "as well"),
                         std::nullopt});
                } else if (note) {
                    note->symbols.push_back(Symbol(mark.index));
                } else {
                    notes.unread.push_back(
                        {mark.bounds(),
                         cell ? QCoreApplication::translate(
                                    "NoteReader", "a symbol on a note that cannot be read")
                              : QCoreApplication::translate("NoteReader",
                                                            "a symbol that marks no note"),
                         std::nullopt});
                }
                break;
            }
            case Kind::Arc:
            case Kind::Line:
                drawn_slurs.push_back(
                    {&mark, i + 1 < found.size() && found[i + 1].kind == Kind::Letter
                                ? &found[i + 1]
                                : nullptr});
                break;
            case Kind::Diamond:
            case Kind::Letter:
                break;
        }
    }
    read_slurs(grid, map, drawn_slurs, notes);
    for (const QRect& area : grid.unexplained_areas(map))
        notes.unread.push_back(
            {area,
             QCoreApplication::translate(
                 "NoteReader", "marks that belong to no note: free lines, letters or drawings"),
             std::nullopt});
    return notes;
}

}  // namespace strumix
