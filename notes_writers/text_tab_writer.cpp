#include "notes_writers/text_tab_writer.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "notes_writers/slur_marks.h"

namespace strumix {

namespace {

constexpr int kLeastWidth = 80;

const char* const kLegend[] = {
    "h hammer-on   p pull-off   / slide up   \\ slide down   s slide",
    "7b9 bend to the pitch of fret 9   7pb9 ghost bend, bent before the pick   7r release",
    "~ vibrato   tr trill picking   <12> harmonic   x muted",
    "D, U under a column: a downward rake (the lowest string first), an upward rake",
    "? a note that could not be read",
};

// What a cell shows: the entry with its harmonic, bends, vibrato, trill and the letter of the
// slur that starts on it.
QString cell_text(const Note& note, const QString& slur_letter) {
    QString text = note.muted ? QStringLiteral("x") : QString::number(note.fret);
    if (note.harmonic) text = QLatin1Char('<') + text + QLatin1Char('>');
    if (!note.muted) {
        if (note.has(Symbol::HalfBend)) text += QStringLiteral("b%1").arg(note.fret + 1);
        if (note.has(Symbol::WholeBend)) text += QStringLiteral("b%1").arg(note.fret + 2);
        if (note.has(Symbol::GhostBend)) text += QStringLiteral("pb%1").arg(note.fret + 2);
        if (note.has(Symbol::ReleaseBend)) text += QLatin1Char('r');
    }
    if (note.has(Symbol::Vibrato)) text += QLatin1Char('~');
    if (note.has(Symbol::Trill)) text += QStringLiteral("tr");
    return text + slur_letter;
}

// The text of each cell of one staff, by measure, column and string, and each column's width.
struct StaffText {
    int strings = 0;
    std::vector<QString> labels;
    // cells[measure][column][string]
    std::vector<std::vector<std::vector<QString>>> cells;
    std::vector<std::vector<QChar>> rakes;  // by measure and column; a space for none
    std::vector<std::vector<int>> widths;
    bool any_rake = false;
};

StaffText staff_text(const PageNotes& notes, int staff, const SlurMarks& slurs) {
    const LayoutModel& layout = notes.layout;
    StaffText text;
    text.strings = layout.num_strings(staff);
    const LineProps& props = layout.line_props[std::size_t(staff)];
    int label_width = 1;
    for (int s = 0; s < text.strings; ++s) {
        QString label = props.tuning[std::size_t(s)].trimmed();
        text.labels.push_back(label);
        label_width = std::max<int>(label_width, int(label.size()));
    }
    for (QString& label : text.labels) label = label.leftJustified(label_width, QLatin1Char(' '));
    const int measures = layout.measures_across;
    const int columns = layout.notes_per_measure;
    text.cells.assign(std::size_t(measures),
                      std::vector<std::vector<QString>>(
                          std::size_t(columns), std::vector<QString>(std::size_t(text.strings))));
    text.rakes.assign(std::size_t(measures),
                      std::vector<QChar>(std::size_t(columns), QLatin1Char(' ')));
    text.widths.assign(std::size_t(measures), std::vector<int>(std::size_t(columns), 1));
    for (const Note& note : notes.notes) {
        const CellPlace& c = note.place;
        if (c.column.staff != staff) continue;
        QString& cell = text.cells[std::size_t(c.column.measure)][std::size_t(c.column.note)]
                                  [std::size_t(c.string)];
        cell = cell_text(note, slurs.letter_from(note.place));
        QChar& rake = text.rakes[std::size_t(c.column.measure)][std::size_t(c.column.note)];
        if (note.has(Symbol::RakeDown)) rake = QLatin1Char('D');
        if (note.has(Symbol::RakeUp)) rake = QLatin1Char('U');
        text.any_rake = text.any_rake || rake != QLatin1Char(' ');
    }
    for (const Unread& unread : notes.unread) {
        if (!unread.cell || unread.cell->column.staff != staff) continue;
        const CellPlace& c = *unread.cell;
        text.cells[std::size_t(c.column.measure)][std::size_t(c.column.note)]
                  [std::size_t(c.string)] = QStringLiteral("?");
    }
    for (int m = 0; m < measures; ++m)
        for (int k = 0; k < columns; ++k)
            for (const QString& cell : text.cells[std::size_t(m)][std::size_t(k)])
                text.widths[std::size_t(m)][std::size_t(k)] =
                    std::max<int>(text.widths[std::size_t(m)][std::size_t(k)], int(cell.size()));
    return text;
}

// One measure of one string: a dash, then each column's cell padded with dashes to the
// column's width and a dash after it.
QString measure_line(const StaffText& text, int measure, int string) {
    QString line = QStringLiteral("-");
    const auto& columns = text.cells[std::size_t(measure)];
    for (std::size_t k = 0; k < columns.size(); ++k) {
        const QString& cell = columns[k][std::size_t(string)];
        line += cell.leftJustified(text.widths[std::size_t(measure)][k], QLatin1Char('-'));
        line += QLatin1Char('-');
    }
    return line;
}

QString rake_line(const StaffText& text, int measure) {
    QString line = QStringLiteral(" ");
    const auto& rakes = text.rakes[std::size_t(measure)];
    for (std::size_t k = 0; k < rakes.size(); ++k) {
        line +=
            QString(rakes[k]).leftJustified(text.widths[std::size_t(measure)][k], QLatin1Char(' '));
        line += QLatin1Char(' ');
    }
    return line;
}

}  // namespace

QString text_tab(const PageNotes& notes) {
    const LayoutModel& layout = notes.layout;
    const int width = std::max(kLeastWidth, int(std::ceil(layout.page_width_columns())));
    const SlurMarks slurs(notes);
    QStringList out;
    if (!notes.title.trimmed().isEmpty()) {
        out << notes.title.trimmed() << QString();
    }
    for (int staff = 0; staff < layout.num_lines; ++staff) {
        const StaffText text = staff_text(notes, staff, slurs);
        QString caption = layout.line_props[std::size_t(staff)].caption.trimmed();
        if (caption.isEmpty()) caption = QStringLiteral("Staff %1").arg(staff + 1);
        out << caption;
        const int label_width = int(text.labels.front().size()) + 1;
        int measure = 0;
        while (measure < layout.measures_across) {
            // As many measures as the line holds, one at least.
            int end = measure;
            int used = label_width + 1;
            while (end < layout.measures_across) {
                const int more = int(measure_line(text, end, 0).size()) + 1;
                if (end > measure && used + more > width) break;
                used += more;
                ++end;
            }
            for (int s = 0; s < text.strings; ++s) {
                QString line = text.labels[std::size_t(s)] + QLatin1Char('|');
                for (int m = measure; m < end; ++m)
                    line += measure_line(text, m, s) + QLatin1Char('|');
                out << line;
            }
            if (text.any_rake) {
                QString line = QString(label_width, QLatin1Char(' '));
                for (int m = measure; m < end; ++m) line += rake_line(text, m) + QLatin1Char(' ');
                while (line.endsWith(QLatin1Char(' '))) line.chop(1);
                if (!line.trimmed().isEmpty()) out << line;
            }
            out << QString();
            measure = end;
        }
    }
    for (const char* line : kLegend) out << QString::fromLatin1(line);
    return out.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace strumix
