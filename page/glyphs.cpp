#include "page/glyphs.h"

#include "page/page_font.h"

namespace strumix {

const Glyphs& Glyphs::get() {
    static const Glyphs glyphs = [] {
        load_resources();
        Glyphs g;
        for (int i = 0; i < kSymbolCount; ++i) {
            g.pic_bend[i] = QImage(QStringLiteral(":/symbols/bend%1.png").arg(i));
        }
        g.bendmask = QImage(QStringLiteral(":/symbols/bendmask.png"));
        g.pic_tile = QImage(QStringLiteral(":/tile.png"));
        return g;
    }();
    return glyphs;
}

QString symbol_status_name(int index) {
    static const char* const kNames[kSymbolCount] = {
        "Vibrato",   "Trill Picking", "Downward Rake/Sweep", "Upward Rake/Sweep",
        "Half Bend", "Whole Bend",    "Ghost Bend",          "Release Bend"};
    return (index >= 0 && index < kSymbolCount) ? QString::fromLatin1(kNames[index]) : QString();
}

}  // namespace strumix
