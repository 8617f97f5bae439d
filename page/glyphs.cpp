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

}  // namespace strumix
