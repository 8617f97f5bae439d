#pragma once

#include <QString>
#include <optional>

namespace strumix {

// A line of a text tab that draws one string: its name (blank when it has none) and where the
// string itself starts in the line (at its first bar line or dash).
struct StringLine {
    QString label;
    int body = 0;
};

// Whether `line` draws a string, as tabs on the web draw them: `e|--5--|`, `E||-`, `|---`,
// `e---5`, `D#|`, `Eb|`; mostly dashes, bar lines and the marks of notes.
std::optional<StringLine> string_line(const QString& line);

// A row of rakes under the strings: only D (down), U (up) and spaces.
bool rake_row(const QString& line);

// A row of chord names over a block: `Am    C/G   F#m7`.
bool chord_row(const QString& line);

// Whether a line above a block may be its caption: a short line of words, not chord names.
bool caption_line(const QString& line);

// Whether a caption names an instrument (Guitar, Gtr 2, Bass, Lead, ...) rather than a part of
// the song (Intro, Verse, Chorus, ...).
bool names_instrument(const QString& caption);

}  // namespace strumix
