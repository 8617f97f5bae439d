#include "text_tab_reader/string_lines.h"

#include <QRegularExpression>

namespace strumix {

namespace {

bool note_name(QChar c) { return QStringLiteral("ABCDEFGabcdefg").contains(c); }

// The characters a string line is drawn with: dashes, bars, repeat dots, and the notes' marks.
bool tab_character(QChar c) {
    return c.isDigit() || QStringLiteral("-|xXhHpPbrsS/\\~vt<>[]()o*:.= ").contains(c);
}

}  // namespace

std::optional<StringLine> string_line(const QString& line) {
    int i = 0;
    while (i < line.size() && line[i] == QLatin1Char(' ')) ++i;
    StringLine found;
    int at = i;
    if (at < line.size() && note_name(line[at])) {
        ++at;
        if (at < line.size() && (line[at] == QLatin1Char('#') || line[at] == QLatin1Char('b')))
            ++at;
        if (at < line.size() && line[at].isDigit() && at + 1 < line.size() &&
            (line[at + 1] == QLatin1Char('|') || line[at + 1] == QLatin1Char(':')))
            ++at;
        found.label = line.mid(i, at - i);
        if (at < line.size() && (line[at] == QLatin1Char(':') || line[at] == QLatin1Char(')')))
            ++at;
    } else {
        at = i;
    }
    if (at >= line.size() || (line[at] != QLatin1Char('|') && line[at] != QLatin1Char('-')))
        return std::nullopt;
    found.body = at;
    const QString body = line.mid(at).trimmed();
    int dashes = 0;
    int bars = 0;
    int foreign = 0;
    for (QChar c : body) {
        dashes += c == QLatin1Char('-');
        bars += c == QLatin1Char('|');
        foreign += !tab_character(c);
    }
    // Mostly dashes and the tab's own marks; a lone rule of dashes is no string.
    if (dashes < 2 || (dashes + bars) * 4 < body.size() || foreign * 5 > body.size())
        return std::nullopt;
    if (found.label.isEmpty() && bars == 0) {
        bool any_note = false;
        for (QChar c : body) any_note = any_note || c.isDigit() || c == QLatin1Char('x');
        if (!any_note) return std::nullopt;
    }
    return found;
}

bool rake_row(const QString& line) {
    bool any = false;
    for (QChar c : line) {
        if (c == QLatin1Char('D') || c == QLatin1Char('U')) {
            any = true;
        } else if (c != QLatin1Char(' ')) {
            return false;
        }
    }
    return any;
}

bool chord_row(const QString& line) {
    static const QRegularExpression chord(QStringLiteral(
        "^\\(?[A-G](#|b)?(m|maj|min|dim|aug|sus|add|M|\\+|-)?[0-9]*(sus[24]|add[0-9]+|b5|#5|b9|"
        "#9)?(/[A-G](#|b)?)?\\)?$"));
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty()) return false;
    for (const QString& word : words)
        if (!chord.match(word).hasMatch()) return false;
    return true;
}

bool caption_line(const QString& line) {
    const QString text = line.trimmed();
    if (text.isEmpty() || text.size() > 40 || chord_row(text) || rake_row(text)) return false;
    // A line that starts indented is a row of marks over the block (rhythm, picking, chords).
    if (line.startsWith(QLatin1String("   "))) return false;
    bool letters = false;
    for (QChar c : text) letters = letters || c.isLetter();
    return letters;
}

bool names_instrument(const QString& caption) {
    static const QRegularExpression instrument(
        QStringLiteral("guitar|gtr|bass|lead|rhythm|acoustic|electric|nylon|steel|ukulele|uke|"
                       "banjo|mandolin|dist|clean|overdrive"),
        QRegularExpression::CaseInsensitiveOption);
    return instrument.match(caption).hasMatch();
}

}  // namespace strumix
