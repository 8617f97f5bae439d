// Draws every picture Strumix shows: the notation symbols stamped onto the page, the tool
// buttons, the page background tile and the window icons.
//
// Usage: strumix_artwork <resources directory>
//
// Every picture is drawn pixel by pixel, without antialiasing and without fonts, so the output
// is the same on every machine. The notation symbols are pure black on a transparent ground; the
// tool buttons and window icons use only the sixteen VGA colours (the small mode button and the
// page tile are true colour).

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdio>
#include <utility>

#include "artwork.h"

using namespace artwork;

namespace {

struct Box {
    int left;
    int top;
    int right;
    int bottom;
};

// The smallest rectangle holding every opaque pixel.
Box opaqueBox(const QImage& image) {
    Box box{image.width(), image.height(), -1, -1};
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x);
                box.bottom = std::max(box.bottom, y);
            }
    return box;
}

class Writer {
public:
    explicit Writer(QString root) : root_(std::move(root)) {}

    void save(const QString& name, const QImage& image) {
        const QString path = root_ + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(path).absolutePath());
        if (!image.save(path, "PNG")) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok_ = false;
        }
    }

    void write(const QString& name, const QByteArray& bytes) {
        const QString path = root_ + QLatin1Char('/') + name;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            ok_ = false;
        }
    }

    // Saves a notation symbol after checking it occupies exactly the box the page expects.
    void saveSymbol(const QString& name, const QImage& image, Box expected) {
        const Box box = opaqueBox(image);
        if (box.left != expected.left || box.top != expected.top || box.right != expected.right ||
            box.bottom != expected.bottom) {
            std::fprintf(stderr, "%s covers %d,%d - %d,%d instead of %d,%d - %d,%d\n",
                         qPrintable(name), box.left, box.top, box.right, box.bottom, expected.left,
                         expected.top, expected.right, expected.bottom);
            ok_ = false;
        }
        save(name, image);
    }

    bool ok() const { return ok_; }

private:
    QString root_;
    bool ok_ = true;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <resources directory>\n", argv[0]);
        return 2;
    }
    Writer out(QString::fromLocal8Bit(argv[1]));

    out.saveSymbol("symbols/bend0.png", symbolImage(vibratoMask()), {0, 2, 30, 17});
    out.saveSymbol("symbols/bend1.png", symbolImage(trillMask()), {0, 2, 30, 17});
    out.saveSymbol("symbols/bend2.png", symbolImage(rakeDownMask()), {11, 0, 17, 31});
    out.saveSymbol("symbols/bend3.png", symbolImage(rakeDownMask().flippedVertically()),
                   {11, 0, 17, 31});
    out.saveSymbol("symbols/bend4.png", symbolImage(bendUpMask("2")), {5, 2, 24, 30});
    out.saveSymbol("symbols/bend5.png", symbolImage(bendUpMask("1")), {5, 2, 23, 30});
    out.saveSymbol("symbols/bend6.png", symbolImage(ghostBendMask()), {11, 6, 19, 27});
    out.saveSymbol("symbols/bend7.png", symbolImage(releaseMask()), {1, 6, 27, 26});
    QImage mask = blankSymbol();
    mask.fill(vga::kBlack);
    out.save("symbols/bendmask.png", mask);

    out.save("tools/btn_edit.png", editTool());
    out.save("tools/btn_mode0.png", modeButton());
    out.save("tools/pic_tool0.png", hammerTool(true, false, false));
    out.save("tools/pic_tool1.png", hammerTool(false, true, false));
    out.save("tools/pic_tool2.png", hammerTool(true, true, false));
    out.save("tools/pic_tool3.png", hammerTool(false, false, true));
    out.save("tools/btn_bend0.png", vibratoTool());
    out.save("tools/btn_bend1.png", trillTool());
    const QImage rakeDown = rakeTool(true);
    out.save("tools/btn_bend2.png", rakeDown);
    out.save("tools/btn_bend3.png", rakeTool(false));
    for (int amount = 0; amount < 4; ++amount)
        out.save(QStringLiteral("tools/btn_bend%1.png").arg(amount + 4), bendTool(amount));

    out.save("tile.png", tile());

    out.save("icons/main.png", rakeDown);
    out.save("icons/layout.png", layoutIcon());
    out.save("icons/title.png", titleIcon());

    // What the desktop shows: launchers, menus and file managers, at every size they ask for.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        out.save(QStringLiteral("icons/desktop/%1/strumix.png").arg(size), programIcon(size));
        out.save(QStringLiteral("icons/desktop/%1/application-x-strumix-tab.png").arg(size),
                 pageIcon(size));
    }
    out.write("icons/desktop/scalable/strumix.svg", programIconSvg());
    out.write("icons/desktop/scalable/application-x-strumix-tab.svg", pageIconSvg());

    return out.ok() ? 0 : 1;
}
