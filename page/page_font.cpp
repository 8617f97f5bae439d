#include "page/page_font.h"

#include <QFontDatabase>
#include <QResource>
#include <QStringList>

static void init_compiled_resources() {
    Q_INIT_RESOURCE(resources);
    Q_INIT_RESOURCE(fonts);
}

namespace strumix {

namespace {
QString g_family;
}

void load_resources() {
    if (!g_family.isEmpty()) return;
    init_compiled_resources();
    for (const char* file : {":/LiberationSans-Regular.ttf", ":/LiberationSans-Bold.ttf"}) {
        // Stored uncompressed in the program (fonts.qrc), the font is handed over where it
        // lies: given its name instead, the font database would read a copy of its own into
        // memory, and FreeType another (1.5 MiB kept for good).
        const QResource resource(QString::fromLatin1(file));
        const QByteArray data =
            resource.compressionAlgorithm() == QResource::NoCompression
                ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                          qsizetype(resource.size()))
                : resource.uncompressedData();
        const int id = QFontDatabase::addApplicationFontFromData(data);
        if (id >= 0 && g_family.isEmpty()) {
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty()) g_family = families.first();
        }
    }
    if (g_family.isEmpty()) g_family = QStringLiteral("Sans Serif");
}

QString shipped_font_family() {
    load_resources();
    return g_family;
}

QFont page_font(bool bold, bool underline) {
    QFont font(shipped_font_family());
    font.setPixelSize(11);
    font.setBold(bold);
    font.setUnderline(underline);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

}  // namespace strumix
