#include "page/glyphs.h"

#include <QImageReader>
#include <QPixmap>

#include "page/page_font.h"

namespace strumix {

QImage program_picture(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QIcon program_icon(const QString& path) { return QIcon(QPixmap::fromImage(program_picture(path))); }

const Glyphs& Glyphs::get() {
    static const Glyphs glyphs = [] {
        load_resources();
        Glyphs g;
        for (int i = 0; i < kSymbolCount; ++i) {
            g.pic_bend[i] = program_picture(QStringLiteral(":/symbols/bend%1.png").arg(i));
        }
        g.bendmask = program_picture(QStringLiteral(":/symbols/bendmask.png"));
        g.pic_tile = program_picture(QStringLiteral(":/tile.png"));
        return g;
    }();
    return glyphs;
}

}  // namespace strumix
