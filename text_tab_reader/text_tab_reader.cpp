#include "text_tab_reader/text_tab_reader.h"

#include <QRegularExpression>
#include <QStringList>
#include <algorithm>
#include <map>
#include <optional>

#include "text_tab_reader/string_lines.h"
#include "text_tab_reader/string_marks.h"

namespace strumix {

namespace {

// The legend Strumix writes under its own text tabs.
const QLatin1String kOwnLegend("h hammer-on   p pull-off");

// A staff's worth of consecutive string lines, and what stands next to it.
struct Block {
    int first = 0;  // line index of the first string line
    std::vector<StringLine> strings;
    QString caption;
    int rake_line = -1;
};

std::vector<QString> standard_tuning(int strings, bool bass) {
    static const char* const kGuitar[] = {"e", "B", "G", "D", "A", "E", "B", "F#", "C#", "G#"};
    static const char* const kBass[] = {"G", "D", "A", "E", "B", "F#", "C#", "G#", "D#", "A#"};
    std::vector<QString> tuning;
    for (int s = 0; s < strings; ++s)
        tuning.push_back(QString::fromLatin1(bass ? kBass[s] : kGuitar[s]));
    return tuning;
}

// A caption as the staff shows it: without the brackets and the colon tabs put around it.
QString clean_caption(const QString& line) {
    QString text = line.trimmed();
    if (text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']')))
        text = text.mid(1, text.size() - 2);
    while (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text.trimmed();
}

// Splits a run of string lines into staffs: up to seven lines are one instrument; a longer run
// is several, each starting where a string name comes round again (e B G D A E, then G D A E),
// or ten strings at a time.
std::vector<std::pair<int, int>> split_run(const std::vector<StringLine>& run) {
    std::vector<std::pair<int, int>> staffs;
    int begin = 0;
    const int n = int(run.size());
    while (begin < n) {
        int end = std::min(n, begin + kMaxStrings);
        if (n - begin > 7) {
            for (int i = begin + 1; i < end; ++i) {
                bool again = false;
                for (int j = begin; j < i; ++j)
                    again = again || (!run[i].label.isEmpty() && run[j].label == run[i].label);
                if (again) {
                    end = i;
                    break;
                }
            }
        } else {
            end = n;
        }
        staffs.push_back({begin, end});
        begin = end;
    }
    return staffs;
}

// Where each track's last note on each string is, for marks that belong to it from later on.
struct EntryPlace {
    int measure = -1;
    int column = 0;
    int entry = 0;
};

class Reader {
public:
    explicit Reader(const QString& text) {
        QString all = text;
        all.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        all.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        all.replace(QLatin1Char('\t'), QLatin1Char(' '));
        lines_ = all.split(QLatin1Char('\n'));
        ours_ = text.contains(kOwnLegend);
    }

    TextTab read() {
        const std::vector<Block> blocks = find_blocks();
        if (!blocks.empty()) tab_.title = title_before(blocks.front());
        for (const Block& block : blocks) add_block(block);
        if (!ours_) fill_defaults();
        return std::move(tab_);
    }

private:
    std::vector<Block> find_blocks() {
        std::vector<Block> blocks;
        const int n = int(lines_.size());
        int i = 0;
        while (i < n) {
            std::vector<StringLine> run;
            const int first = i;
            while (i < n) {
                const std::optional<StringLine> line = string_line(lines_[i]);
                if (!line) break;
                run.push_back(*line);
                ++i;
            }
            if (run.empty()) {
                ++i;
                continue;
            }
            const int rake = i < n && rake_row(lines_[i]) ? i : -1;
            QString caption;
            if (first > 0 && caption_line(lines_[first - 1])) caption = lines_[first - 1];
            for (const auto& [begin, end] : split_run(run)) {
                Block block;
                block.first = first + begin;
                block.strings.assign(run.begin() + begin, run.begin() + end);
                block.caption = begin == 0 ? caption : QString();
                block.rake_line = end == int(run.size()) ? rake : -1;
                blocks.push_back(std::move(block));
            }
        }
        return blocks;
    }

    // The first line of the text, when it stands before the first block and is not its caption.
    QString title_before(const Block& first) const {
        for (int i = 0; i < first.first; ++i) {
            const QString text = lines_[i].trimmed();
            if (text.isEmpty()) continue;
            if (i == first.first - 1 && !first.caption.isEmpty()) return QString();
            return text;
        }
        return QString();
    }

    // The track a block continues, or a new one.
    int track_for(const Block& block) {
        std::vector<QString> labels;
        for (const StringLine& s : block.strings) labels.push_back(s.label);
        QString caption = clean_caption(block.caption);
        const int count = int(tab_.tracks.size());
        auto fits = [&](int t) { return tab_.tracks[t].strings() == int(labels.size()); };
        auto start = [&](const QString& name) {
            TabTrack track;
            track.caption = name;
            track.tuning = labels;
            tab_.tracks.push_back(std::move(track));
            last_.emplace_back(labels.size());
            return count;
        };
        if (ours_) {
            // Strumix writes a staff's caption once, over its first block; "Staff 2" stands for
            // a staff that has none.
            static const QRegularExpression stand_in(QStringLiteral("^Staff [0-9]+$"));
            if (!block.caption.isEmpty())
                return start(stand_in.match(caption).hasMatch() ? QString() : caption);
            if (previous_ >= 0 && fits(previous_)) return previous_;
            return start(QString());
        }
        if (!caption.isEmpty() && names_instrument(caption)) {
            for (int t = 0; t < count; ++t)
                if (fits(t) && tab_.tracks[t].caption.compare(caption, Qt::CaseInsensitive) == 0)
                    return t;
            return start(caption);
        }
        // The instruments come round in the order they first came: the next one with these
        // strings.
        for (int k = 1; k <= count; ++k) {
            const int t = (previous_ + k + count) % count;
            if (fits(t) && tab_.tracks[t].tuning == labels) return t;
        }
        return start(QString());
    }

    void add_block(const Block& block) {
        const int t = track_for(block);
        previous_ = t;
        TabTrack& track = tab_.tracks[t];
        const int strings = int(block.strings.size());
        std::vector<std::vector<LinePart>> parts(block.strings.size());
        std::size_t measures = 0;
        for (int s = 0; s < strings; ++s) {
            parts[s] = line_measures(lines_[block.first + s], block.strings[s].body);
            measures = std::max(measures, parts[s].size());
        }
        for (std::size_t m = 0; m < measures; ++m) {
            std::vector<Placed> notes;
            int length = 1;
            for (int s = 0; s < strings; ++s) {
                if (m >= parts[s].size()) continue;
                const LinePart& part = parts[s][m];
                length = std::max(length, int(part.text.size()));
                PartNotes read = read_part(part, s, block.first + s + 1, tab_.problems);
                mark_before(t, s, read);
                for (ReadNote& note : read.notes)
                    notes.push_back({s, part.start + note.start, std::move(note)});
            }
            std::vector<int> columns_at;
            track.measures.push_back(measure_of(notes, length, columns_at));
            if (block.rake_line >= 0)
                add_rakes(track.measures.back(), lines_[block.rake_line], columns_at);
            remember_last(t);
        }
    }

    // A slur's letter or vibrato before the first note of a measure: the string's note before.
    void mark_before(int t, int string, const PartNotes& read) {
        const EntryPlace& place = last_[t][std::size_t(string)];
        if (place.measure < 0 || (read.slur_before.isNull() && !read.vibrato_before)) return;
        TabEntry& entry = tab_.tracks[t]
                              .measures[std::size_t(place.measure)]
                              .columns[std::size_t(place.column)]
                              .entries[std::size_t(place.entry)];
        if (!read.slur_before.isNull() && entry.slur.isNull()) entry.slur = read.slur_before;
        if (read.vibrato_before && !entry.has(Symbol::Vibrato))
            entry.symbols.push_back(Symbol::Vibrato);
    }

    void remember_last(int t) {
        const TabTrack& track = tab_.tracks[t];
        const int m = int(track.measures.size()) - 1;
        const auto& columns = track.measures.back().columns;
        for (int c = 0; c < int(columns.size()); ++c)
            for (int e = 0; e < int(columns[c].entries.size()); ++e)
                last_[t][std::size_t(columns[c].entries[e].string)] = {m, c, e};
    }

    // A note of a measure, its string and the character of the line it starts at.
    struct Placed {
        int string = 0;
        int in_line = 0;
        ReadNote note;
    };

    // The notes of a measure gathered into columns: notes whose numbers overlap start
    // together (a 12 over a 5 at either of its digits). `columns_at`: the character of the
    // line each column starts at.
    TabMeasure measure_of(std::vector<Placed>& notes, int length,
                          std::vector<int>& columns_at) const {
        std::stable_sort(notes.begin(), notes.end(), [](const Placed& a, const Placed& b) {
            return a.note.start < b.note.start;
        });
        TabMeasure measure;
        std::vector<int> starts;
        std::map<int, int> widths;  // start: widest note with its marks
        int end = -1;
        for (auto& [string, in_line, note] : notes) {
            widths[note.start] = std::max(widths[note.start], note.length);
            const bool taken =
                !measure.columns.empty() &&
                std::any_of(measure.columns.back().entries.begin(),
                            measure.columns.back().entries.end(),
                            [s = string](const TabEntry& e) { return e.string == s; });
            if (measure.columns.empty() || note.start >= end || taken) {
                measure.columns.push_back({note.start, {}});
                starts.push_back(note.start);
                columns_at.push_back(in_line);
            }
            end = std::max(end, note.start + note.span);
            measure.columns.back().entries.push_back(std::move(note.entry));
        }
        for (TabColumn& column : measure.columns)
            std::sort(column.entries.begin(), column.entries.end(),
                      [](const TabEntry& a, const TabEntry& b) { return a.string < b.string; });
        measure.width = length;
        if (ours_) on_grid(measure, starts, widths, length);
        return measure;
    }

    // Strumix writes a measure as a dash, then each note column as wide as its widest cell and
    // a dash: walked the same way, the text gives back each column's place, empty ones too.
    static void on_grid(TabMeasure& measure, const std::vector<int>& starts,
                        const std::map<int, int>& widths, int length) {
        std::map<int, int> place_at;
        int at = 1;
        int count = 0;
        while (at < length) {
            const auto widest = widths.find(at);
            place_at[at] = count++;
            at += (widest == widths.end() ? 1 : widest->second) + 1;
        }
        if (at != length) return;
        for (int start : starts)
            if (!place_at.count(start)) return;
        for (TabColumn& column : measure.columns) column.at = place_at[column.at];
        measure.width = count;
        measure.on_grid = true;
    }

    // D and U under a column (or under the second digit of its number): a rake, marked on the
    // column's lowest note.
    static void add_rakes(TabMeasure& measure, const QString& row,
                          const std::vector<int>& columns_at) {
        for (std::size_t c = 0; c < measure.columns.size(); ++c) {
            for (int at : {columns_at[c], columns_at[c] + 1}) {
                const QChar mark = at < row.size() ? row[at] : QChar();
                if (mark != QLatin1Char('D') && mark != QLatin1Char('U')) continue;
                TabEntry& lowest = measure.columns[c].entries.back();
                const Symbol rake = mark == QLatin1Char('D') ? Symbol::RakeDown : Symbol::RakeUp;
                if (!lowest.has(rake)) lowest.symbols.push_back(rake);
                break;
            }
        }
    }

    void fill_defaults() {
        for (TabTrack& track : tab_.tracks) {
            const bool named = std::any_of(track.tuning.begin(), track.tuning.end(),
                                           [](const QString& l) { return !l.isEmpty(); });
            // Four or five unnamed strings are a bass's, as are those under a bass's caption.
            const bool bass =
                track.caption.contains(QLatin1String("bass"), Qt::CaseInsensitive) ||
                (track.caption.isEmpty() && !named && track.strings() >= 4 && track.strings() <= 5);
            if (!named) track.tuning = standard_tuning(track.strings(), bass);
            if (track.caption.isEmpty())
                track.caption = bass ? QStringLiteral("Bass") : QStringLiteral("Guitar");
        }
    }

    QStringList lines_;
    bool ours_ = false;
    TextTab tab_;
    int previous_ = -1;
    std::vector<std::vector<EntryPlace>> last_;
};

}  // namespace

TextTab read_text_tab(const QString& text) { return Reader(text).read(); }

}  // namespace strumix
