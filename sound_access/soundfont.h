#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace strumix {

// Where Debian's General MIDI soundfonts are installed, the fullest first.
QStringList debian_soundfonts();

// The soundfont to play with: `chosen` when it is a readable file, or else the first of
// Debian's that is installed; none when there is none.
std::optional<QString> find_soundfont(const QString& chosen = {});

// What the user is told when no soundfont can be found.
QString no_soundfont_reason();

}  // namespace strumix
