// Pages drawn at random through the program's own tools, as the user draws them: fret
// numbers, muted notes, harmonics, symbols dropped over notes, slurs between notes of one
// string, titles and erase cuts; and a record of what was drawn where.
#pragma once

#include <QRandomGenerator>
#include <QtTest>
#include <map>

#include "page/page_font.h"
#include "page/slur_geometry.h"
#include "support/editor_session.h"

namespace random_pages {

using namespace strumix;

// What was drawn where, as the test drew it.
struct Drawn {
    struct Entry {
        QString text;
        bool harmonic = false;
        bool overprinted = false;
        std::vector<std::pair<int, QRect>> symbols;  // index, and where it was stamped
    };
    struct SlurDrawn {
        SlurKind kind;
        CellPlace from;
        CellPlace to;
        QRect area;
    };
    std::map<CellPlace, Entry> entries;
    std::vector<SlurDrawn> slurs;
    QString title;
    std::vector<QRect> cuts;

    bool cut(const QRect& area) const {
        return std::any_of(cuts.begin(), cuts.end(),
                           [&](const QRect& c) { return c.intersects(area); });
    }
};

// Where an entry's ink, and the diamond around it, lie.
inline QRect entry_area(const LayoutModel& m, const CellPlace& c) {
    return QRect(cell_origin(m, c) + QPoint(-5, -3), QSize(23, 23));
}

inline LayoutModel random_layout(QRandomGenerator& random) {
    LayoutModel m;
    m.num_lines = 1 + random.bounded(3);
    m.measures_across = 1 + random.bounded(2);
    m.notes_per_measure = 4 + random.bounded(13);
    for (int i = 0; i < m.num_lines; ++i) m.line_props[i].num_strings = 3 + random.bounded(5);
    m.recompute_staff_rows();
    return m;
}

inline std::vector<CellPlace> all_cells(const LayoutModel& m) {
    std::vector<CellPlace> cells;
    for (int i = 0; i < m.num_lines; ++i)
        for (int j = 0; j < m.measures_across; ++j)
            for (int k = 0; k < m.notes_per_measure; ++k)
                for (int s = 0; s < m.num_strings(i); ++s) cells.push_back({{i, j, k}, s});
    return cells;
}

// Types an entry at a cell with the keys: a fret number from 0 to 24, X, or X and a digit.
inline QString type_entry(EditorSession& s, const CellPlace& c, QRandomGenerator& random) {
    const LayoutModel& m = s.doc.model();
    s.place_box(m.note_column(c.column.measure, c.column.note),
                m.string_row(c.column.staff, c.string));
    s.key(Qt::Key_Period, Qt::KeypadModifier);
    QString text;
    const int kind = random.bounded(10);
    if (kind == 0) {
        s.key(Qt::Key_X);
        text = QStringLiteral(" X");
    } else if (kind == 1) {
        const int digit = random.bounded(10);
        s.key(Qt::Key_X);
        s.key(Qt::Key_0 + digit);
        text = QStringLiteral("X%1").arg(digit);
    } else {
        const int fret = random.bounded(25);
        if (fret >= 10) s.key(Qt::Key_0 + fret / 10);
        s.key(Qt::Key_0 + fret % 10);
        text = fret >= 10 ? QString::number(fret) : QStringLiteral(" %1").arg(fret);
    }
    s.key(Qt::Key_Return);
    return text;
}

inline void draw_page(EditorSession& s, Drawn& drawn, QRandomGenerator& random) {
    const LayoutModel m = random_layout(random);
    s.doc.set_model(m);
    QString error;
    QVERIFY(s.doc.Redraw_pic(&error));
    s.doc.commit_and_mark_unchanged();
    s.tools.btn_mode_Click(0);
    const std::vector<CellPlace> cells = all_cells(m);
    for (const CellPlace& c : cells) {
        if (random.bounded(100) >= 35) continue;
        const QString text = type_entry(s, c, random);
        Drawn::Entry& entry = drawn.entries[c];
        entry.overprinted = !entry.text.isEmpty() && entry.text != text;
        entry.text = text;
    }
    // Now and then a number typed again over one already there.
    for (int n = random.bounded(2); n > 0; --n) {
        const CellPlace c = cells[std::size_t(random.bounded(int(cells.size())))];
        const QString text = type_entry(s, c, random);
        Drawn::Entry& entry = drawn.entries[c];
        entry.overprinted = entry.overprinted || (!entry.text.isEmpty() && entry.text != text);
        entry.text = text;
    }
    std::vector<CellPlace> written;
    for (const auto& [c, entry] : drawn.entries) written.push_back(c);
    if (written.empty()) return;
    auto any_written = [&] { return written[std::size_t(random.bounded(int(written.size())))]; };
    for (int n = random.bounded(3); n > 0; --n) {
        const CellPlace c = any_written();
        s.place_box(m.note_column(c.column.measure, c.column.note),
                    m.string_row(c.column.staff, c.string));
        s.tools.mnu_harmonic_Click();
        drawn.entries[c].harmonic = true;
    }
    for (int n = random.bounded(3); n > 0; --n) {
        const CellPlace c = any_written();
        const int index = random.bounded(8);
        const QPointF drop = QPointF(cell_origin(m, c) + QPoint(6, 7)) +
                             QPointF(random.bounded(9) - 4, random.bounded(9) - 4);
        s.tools.btn_bend_Click(index);
        s.tools.Picture1_DragDrop(drop);
        drawn.entries[c].symbols.push_back(
            {index, QRect(QPoint(qRound(drop.x()) - 16, qRound(drop.y()) - 16), QSize(32, 32))});
    }
    // Slurs from a note to the next note of its string.
    for (int n = random.bounded(3); n > 0; --n) {
        const CellPlace from = any_written();
        std::optional<CellPlace> to;
        for (const CellPlace& c : written) {
            if (c.string == from.string && c.column.staff == from.column.staff &&
                c.column > from.column && (!to || c.column < to->column))
                to = c;
        }
        if (!to) continue;
        const int tool = random.bounded(4);
        DrawOptions options{random.bounded(2) == 0, random.bounded(2) == 0, random.bounded(2) == 0};
        if (tool == 3 && !options.arc && !options.line) options.arc = true;
        for (int i = 0; i < 3; ++i) s.tools.opt_Click(i, options[i]);
        s.tools.pic_tool_Click(tool);
        const QPoint press =
            cell_origin(m, from) + QPoint(random.bounded(13), 8 + random.bounded(7) - 3);
        const QPoint release(cell_origin(m, *to).x() + random.bounded(13),
                             press.y() + (tool == 3 && options.line ? random.bounded(7) - 3 : 0));
        const QImage before = s.page().image().copy();
        s.tools.Picture1_MouseDown(Qt::LeftButton, press);
        s.tools.Picture1_MouseMove(release);
        s.tools.Picture1_MouseUp(release);
        // A slide's line hidden in the string's line and the arc leaves no mark of its own.
        bool line = tool == 3 && options.line;
        if (line && !options.letter) {
            QImage arc_only = before;
            if (options.arc) {
                PageDrawing drawing(arc_only);
                draw_slur_arc(drawing,
                              slur_arc(press.x() * kTwipsPerPixel, release.y() * kTwipsPerPixel,
                                       release.x() * kTwipsPerPixel),
                              PageUnit::Twips);
            }
            line = arc_only != s.page().image();
        }
        const SlurKind kind =
            options.letter ? SlurKind(tool) : (line ? SlurKind::Slide : SlurKind::Legato);
        if (line || tool != 3 || options.arc || options.letter)
            drawn.slurs.push_back(
                {kind, from, *to,
                 QRect(QPoint(press.x() - 2, press.y() - 24),
                       QPoint(release.x() + 2, std::max(press.y(), release.y()) + 2))});
        s.tools.btn_mode_Click(0);
    }
    if (random.bounded(3) == 0) {
        QString title;
        for (int i = 0, n = 3 + random.bounded(20); i < n; ++i)
            title += QStringLiteral("Abcdefghjkmnopqrstuvwxyz 0123456789")[random.bounded(35)];
        title = title.trimmed();
        if (!title.isEmpty()) {
            s.host.inputs.push_back(title);
            s.tools.mnu_title_Click();
            drawn.title = title;
        }
    }
    for (int n = random.bounded(100) < 30 ? 1 : 0; n > 0; --n) {
        s.tools.btn_edit_Click();
        const QSize size = s.page().size();
        const QPoint a(random.bounded(size.width()), random.bounded(size.height()));
        const QPoint b = a + QPoint(random.bounded(60), random.bounded(40));
        s.tools.Picture1_MouseDown(Qt::LeftButton, a);
        s.tools.Picture1_MouseUp(b);
        drawn.cuts.push_back(QRect(a - QPoint(1, 1), b - QPoint(2, 2)).normalized());
        s.tools.btn_mode_Click(0);
    }
}

}  // namespace random_pages
