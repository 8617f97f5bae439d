#include "sound_access/soundfont.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace strumix {

QStringList debian_soundfonts() {
    return {
        QStringLiteral("/usr/share/sounds/sf2/FluidR3_GM.sf2"),  // fluid-soundfont-gm
        QStringLiteral("/usr/share/sounds/sf2/TimGM6mb.sf2"),    // timgm6mb-soundfont
        QStringLiteral("/usr/share/sounds/sf2/default-GM.sf2"),  // the alternatives' choice
        QStringLiteral("/usr/share/sounds/sf3/default-GM.sf3"),
    };
}

std::optional<QString> find_soundfont(const QString& chosen) {
    auto usable = [](const QString& path) {
        const QFileInfo info(path);
        return info.isFile() && info.isReadable() && info.size() > 0;
    };
    if (!chosen.isEmpty() && usable(chosen)) return chosen;
    for (const QString& path : debian_soundfonts())
        if (usable(path)) return QFileInfo(path).canonicalFilePath();
    return std::nullopt;
}

QString no_soundfont_reason() {
    return QCoreApplication::translate(
        "Sound",
        "The page cannot be played: no General MIDI soundfont was found. Install the Debian "
        "package fluid-soundfont-gm or timgm6mb-soundfont.");
}

}  // namespace strumix
