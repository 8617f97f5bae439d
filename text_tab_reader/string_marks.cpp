#include "text_tab_reader/string_marks.h"

namespace strumix {

namespace {

bool bar_mark(QChar c) {
    return c == QLatin1Char('o') || c == QLatin1Char('*') || c == QLatin1Char(':');
}

bool slur_letter(QChar c) { return QStringLiteral("hHpP/\\sS").contains(c); }

QChar slur_of(QChar c) {
    if (c == QLatin1Char('S')) return QLatin1Char('s');
    return c.toLower();
}

// Reads the marks of one measure, one character at a time.
class PartReader {
public:
    PartReader(const LinePart& part, int string, int line, std::vector<TabProblem>& problems)
        : text_(part.text), start_(part.start), string_(string), line_(line), problems_(problems) {}

    PartNotes read() {
        while (at_ < text_.size()) {
            const QChar c = text_[at_];
            if (c == QLatin1Char('-') || c == QLatin1Char(' ') || c == QLatin1Char('=')) {
                ++at_;
            } else if (c.isDigit() || c == QLatin1Char('x') || c == QLatin1Char('X') ||
                       c == QLatin1Char('<') || c == QLatin1Char('[') || c == QLatin1Char('(')) {
                note();
            } else if (slur_letter(c) && !last()) {
                found_.slur_before = slur_of(c);
                ++at_;
            } else if ((c == QLatin1Char('~') || c == QLatin1Char('v')) && !last()) {
                found_.vibrato_before = true;
                ++at_;
            } else {
                problem(at_, 1);
                ++at_;
            }
        }
        return std::move(found_);
    }

private:
    ReadNote* last() { return found_.notes.empty() ? nullptr : &found_.notes.back(); }

    void problem(int from, int length) {
        problems_.push_back({line_, start_ + from + 1, text_.mid(from, length)});
    }

    // Up to two digits at the reading place; -1 when there is none. A third digit makes the
    // whole run a problem.
    int number() {
        int end = at_;
        while (end < text_.size() && text_[end].isDigit()) ++end;
        if (end == at_) return -1;
        if (end - at_ > 2) {
            problem(at_, end - at_);
            at_ = end;
            return -2;
        }
        const int value = text_.mid(at_, end - at_).toInt();
        at_ = end;
        return value;
    }

    // A number closed by `close`, as in <12>, [7] and (9): the number, or -1.
    int bracketed(QChar close) {
        const int open = at_;
        ++at_;
        const int value = number();
        if (value < 0 || at_ >= text_.size() || text_[at_] != close) {
            if (value != -2) problem(open, at_ - open + 1);
            at_ = std::min<int>(int(text_.size()), at_ + 1);
            return -1;
        }
        ++at_;
        return value;
    }

    // An optional target fret after a bend or a release: 9 or (9).
    int target() {
        if (at_ < text_.size() && text_[at_] == QLatin1Char('('))
            return bracketed(QLatin1Char(')'));
        return number();
    }

    void note() {
        const int begin = at_;
        ReadNote read;
        read.start = begin;
        read.entry.string = string_;
        const QChar c = text_[at_];
        int fret = 0;
        if (c == QLatin1Char('x') || c == QLatin1Char('X')) {
            read.entry.muted = true;
            ++at_;
        } else if (c == QLatin1Char('<') || c == QLatin1Char('[')) {
            const QChar close = c == QLatin1Char('<') ? QLatin1Char('>') : QLatin1Char(']');
            read.entry.harmonic = true;
            // A muted note can carry the diamond too: <x>.
            if (at_ + 2 < text_.size() && text_[at_ + 1].toLower() == QLatin1Char('x') &&
                text_[at_ + 2] == close) {
                read.entry.muted = true;
                at_ += 3;
            } else {
                fret = bracketed(close);
            }
        } else if (c == QLatin1Char('(')) {
            fret = bracketed(QLatin1Char(')'));
        } else {
            fret = number();
        }
        if (fret < 0) return;
        if (fret > 24) {
            problem(begin, at_ - begin);
            return;
        }
        read.entry.fret = fret;
        read.span = at_ - begin;
        marks_after(read.entry);
        read.length = at_ - begin;
        found_.notes.push_back(std::move(read));
    }

    // Bends, releases, vibrato, trill picking and a slur's letter after a note.
    void marks_after(TabEntry& entry) {
        auto add = [&entry](Symbol symbol) {
            if (!entry.has(symbol)) entry.symbols.push_back(symbol);
        };
        while (at_ < text_.size()) {
            const QChar c = text_[at_];
            const QChar next = at_ + 1 < text_.size() ? text_[at_ + 1] : QChar();
            if (c == QLatin1Char('b')) {
                ++at_;
                const int to = target();
                add(to >= 0 && to - entry.fret == 1 ? Symbol::HalfBend : Symbol::WholeBend);
            } else if (c == QLatin1Char('p') && next == QLatin1Char('b')) {
                at_ += 2;
                target();
                add(Symbol::GhostBend);
            } else if (c == QLatin1Char('r')) {
                ++at_;
                target();
                add(Symbol::ReleaseBend);
            } else if (c == QLatin1Char('~') || c == QLatin1Char('v')) {
                ++at_;
                add(Symbol::Vibrato);
            } else if (c == QLatin1Char('t') && next == QLatin1Char('r')) {
                at_ += 2;
                add(Symbol::Trill);
            } else if (slur_letter(c)) {
                entry.slur = slur_of(c);
                ++at_;
                return;
            } else {
                return;
            }
        }
    }

    const QString& text_;
    int start_;
    int string_;
    int line_;
    std::vector<TabProblem>& problems_;
    int at_ = 0;
    PartNotes found_;
};

}  // namespace

std::vector<LinePart> line_measures(const QString& line, int body) {
    const int n = int(line.size());
    std::vector<bool> bar(std::size_t(n), false);
    for (int i = body; i < n; ++i) bar[std::size_t(i)] = line[i] == QLatin1Char('|');
    // Repeat dots beside a bar belong to it: ||o, o||, |:, :|.
    for (bool grew = true; grew;) {
        grew = false;
        for (int i = body; i < n; ++i) {
            if (bar[std::size_t(i)] || !bar_mark(line[i])) continue;
            if ((i > body && bar[std::size_t(i - 1)]) || (i + 1 < n && bar[std::size_t(i + 1)])) {
                bar[std::size_t(i)] = true;
                grew = true;
            }
        }
    }
    std::vector<LinePart> parts;
    int i = body;
    bool after_bar = false;
    while (i < n) {
        if (bar[std::size_t(i)]) {
            after_bar = true;
            ++i;
            continue;
        }
        const int start = i;
        while (i < n && !bar[std::size_t(i)]) ++i;
        LinePart part{start, line.mid(start, i - start)};
        const bool last = i >= n;
        // Text after the last bar line without a dash is a remark on the line.
        if (last && after_bar && !part.text.contains(QLatin1Char('-'))) break;
        // Dashes before the first bar line (e-|) or after the last (|--) are no measure.
        bool marks = false;
        for (QChar c : part.text) marks = marks || (c != QLatin1Char('-') && c != QLatin1Char(' '));
        if (!marks && (!after_bar || last)) continue;
        if (!part.text.trimmed().isEmpty()) parts.push_back(std::move(part));
    }
    return parts;
}

PartNotes read_part(const LinePart& part, int string, int line, std::vector<TabProblem>& problems) {
    return PartReader(part, string, line, problems).read();
}

}  // namespace strumix
