#include "text_tab_reader/tab_pages.h"

#include <QCoreApplication>
#include <algorithm>
#include <map>

namespace strumix {

namespace {

// About as wide as a screen shows at full size, and as a sheet prints lying across.
constexpr int kMostColumnsAcross = 48;
constexpr int kMostTitle = 60;

SlurKind slur_kind(QChar letter) {
    if (letter == QLatin1Char('h')) return SlurKind::Hammer;
    if (letter == QLatin1Char('p')) return SlurKind::PullOff;
    return SlurKind::Slide;
}

QString entry_text(const TabEntry& entry) {
    if (entry.muted) return QStringLiteral(" X");
    return entry.fret >= 10 ? QString::number(entry.fret) : QStringLiteral(" %1").arg(entry.fret);
}

int columns_needed(const TabMeasure& measure) {
    return measure.on_grid ? measure.width : int(measure.columns.size());
}

// Each column's note column on the page: where it stands in the measure, scaled to the
// page's columns, in order and each its own.
std::vector<int> page_columns(const TabMeasure& measure, int columns) {
    std::vector<int> placed;
    const int count = std::min<int>(int(measure.columns.size()), columns);
    int previous = -1;
    for (int i = 0; i < count; ++i) {
        const TabColumn& column = measure.columns[std::size_t(i)];
        int at = measure.width > 0 ? int(qint64(column.at) * columns / measure.width) : i;
        at = std::max(at, previous + 1);
        at = std::min(at, columns - (count - i));
        placed.push_back(at);
        previous = at;
    }
    return placed;
}

// Where an entry of the text landed: the page and the cell.
struct Landed {
    int page = -1;
    CellPlace cell;
};

}  // namespace

int measures_across_for(int notes_per_measure) {
    return std::clamp(kMostColumnsAcross / std::max(1, notes_per_measure), 1, kMaxMeasuresAcross);
}

TabPages tab_pages(const TextTab& tab) {
    TabPages out;
    const int tracks = std::min<int>(int(tab.tracks.size()), kMaxStaffs);
    if (tracks == 0) return out;
    for (std::size_t t = kMaxStaffs; t < tab.tracks.size(); ++t)
        out.left_out << QCoreApplication::translate(
                            "TextTabImport", "the instrument \"%1\": a page holds six staffs")
                            .arg(tab.tracks[t].caption);
    int columns = 1;
    int measures = 1;
    for (int t = 0; t < tracks; ++t) {
        const TabTrack& track = tab.tracks[std::size_t(t)];
        measures = std::max(measures, int(track.measures.size()));
        for (const TabMeasure& measure : track.measures)
            columns = std::max(columns, columns_needed(measure));
    }
    if (columns > kMaxNotesPerMeasure)
        out.left_out << QCoreApplication::translate("TextTabImport",
                                                    "notes beyond the 52nd of a measure");
    columns = std::min(columns, kMaxNotesPerMeasure);
    const int across = std::min(measures_across_for(columns), measures);
    const int systems = (measures + across - 1) / across;
    const int systems_per_page = kMaxStaffs / tracks;
    const int pages = (systems + systems_per_page - 1) / systems_per_page;

    for (int p = 0; p < pages; ++p) {
        PageNotes page;
        LayoutModel& layout = page.layout;
        const int on_page = std::min(systems_per_page, systems - p * systems_per_page);
        layout.num_lines = on_page * tracks;
        layout.measures_across = across;
        layout.notes_per_measure = columns;
        for (int staff = 0; staff < layout.num_lines; ++staff) {
            const TabTrack& track = tab.tracks[std::size_t(staff % tracks)];
            LineProps& props = layout.line_props[std::size_t(staff)];
            props.set_caption(track.caption);
            props.num_strings = std::min(track.strings(), kMaxStrings);
            for (int s = 0; s < kMaxStrings; ++s)
                props.set_tuning(s, s < track.strings() ? track.tuning[std::size_t(s)] : QString());
        }
        layout.recompute_staff_rows();
        page.title = tab.title.left(kMostTitle);
        out.pages.push_back(std::move(page));
    }

    for (int t = 0; t < tracks; ++t) {
        const TabTrack& track = tab.tracks[std::size_t(t)];
        // The cell each string's last note landed on, and the slur's letter it carries.
        std::map<int, std::pair<Landed, QChar>> last;
        for (int m = 0; m < int(track.measures.size()); ++m) {
            const TabMeasure& measure = track.measures[std::size_t(m)];
            const int system = m / across;
            Landed landed;
            landed.page = system / systems_per_page;
            landed.cell.column.staff = (system % systems_per_page) * tracks + t;
            landed.cell.column.measure = m % across;
            PageNotes& page = out.pages[std::size_t(landed.page)];
            const std::vector<int> placed = page_columns(measure, columns);
            for (std::size_t c = 0; c < placed.size(); ++c) {
                landed.cell.column.note = placed[c];
                for (const TabEntry& entry : measure.columns[c].entries) {
                    landed.cell.string = entry.string;
                    Note note;
                    note.place = landed.cell;
                    note.text = entry_text(entry);
                    note.fret = entry.muted ? -1 : entry.fret;
                    note.muted = entry.muted;
                    note.harmonic = entry.harmonic;
                    note.symbols = entry.symbols;
                    page.notes.push_back(std::move(note));
                    // A slur goes from a note to the next of its string, on one page line.
                    const auto before = last.find(entry.string);
                    if (before != last.end() && !before->second.second.isNull() &&
                        before->second.first.page == landed.page &&
                        before->second.first.cell.column.staff == landed.cell.column.staff) {
                        Slur slur;
                        slur.kind = slur_kind(before->second.second);
                        slur.from = before->second.first.cell;
                        slur.to = landed.cell;
                        slur.letter = true;
                        page.slurs.push_back(slur);
                    }
                    last[entry.string] = {landed, entry.slur};
                }
            }
            if (int(measure.columns.size()) > columns)
                out.left_out << QCoreApplication::translate(
                    "TextTabImport", "notes of a measure with more than 52 note columns");
        }
    }
    for (PageNotes& page : out.pages)
        std::sort(page.notes.begin(), page.notes.end(),
                  [](const Note& a, const Note& b) { return a.place < b.place; });
    out.left_out.removeDuplicates();
    return out;
}

}  // namespace strumix
