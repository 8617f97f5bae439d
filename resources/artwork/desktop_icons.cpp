#include <QPainter>
#include <QPainterPath>

#include "artwork.h"

namespace artwork {

// ---------------------------------------------------------------------------------------------
// Desktop icons: the program's and that of .tab pages, for launchers and file managers at every
// size. Unlike the pixel art above they are drawn smooth, from one set of shapes that is both
// painted into each PNG size and written out as SVG. Lines are put on whole pixels at each size,
// and small sizes draw fewer strings, so no size is blurred.

namespace {

struct Layer {
    QPainterPath path;
    QColor fill = Qt::transparent;
    QColor stroke = Qt::transparent;
    double width = 0;
};

constexpr QRgb kPlum = 0xFF4A2470;       // the title tile's dark purple
constexpr QRgb kViolet = 0xFFA020C0;     // the vibrato sign
constexpr QRgb kBoxYellow = 0xFFFFFFC0;  // the cursor box, as on the page

// A stroke `width` pixels wide at `y`, placed so that it covers whole pixel rows.
double on_pixels(double y, double width) {
    const double w = std::max(1.0, std::round(width));
    const double top = std::round(y - w / 2);
    return top + w / 2;
}

// A tab staff between `left` and `right`, its strings from `top` to `bottom`.
void add_staff(std::vector<Layer>& layers, double size, double left, double right, double top,
               double bottom) {
    const int strings = size < 20 ? 3 : size < 32 ? 4 : 6;
    const double line = std::max(1.0, std::round(size / 48));
    Layer staff;
    staff.stroke = QColor(vga::kBlack);
    staff.width = line;
    double first = 0, last = 0;
    for (int i = 0; i < strings; ++i) {
        const double y = on_pixels(top + (bottom - top) * i / (strings - 1), line);
        if (i == 0) first = y;
        last = y;
        staff.path.moveTo(left, y);
        staff.path.lineTo(right, y);
    }
    for (double x : {left, right}) {
        const double at = on_pixels(x, line);
        staff.path.moveTo(at, first);
        staff.path.lineTo(at, last);
    }
    layers.push_back(staff);
}

// The vibrato sign: a zigzag from `left` to `right` around `y`.
Layer wave(double size, double left, double right, double y, double amplitude) {
    Layer sign;
    sign.stroke = QColor(kViolet);
    sign.width = std::max(1.5, size / 24);
    const int teeth = size < 32 ? 3 : 5;
    const double step = (right - left) / (2 * teeth);
    sign.path.moveTo(left, y);
    for (int i = 1; i <= 2 * teeth; ++i)
        sign.path.lineTo(left + i * step, y + (i % 2 ? -amplitude : amplitude));
    return sign;
}

std::vector<Layer> program_layers(double size) {
    const double u = size / 64;
    std::vector<Layer> layers;
    Layer ground;
    ground.path.addRoundedRect(QRectF(2 * u, 2 * u, 60 * u, 60 * u), 11 * u, 11 * u);
    ground.fill = QColor(kPlum);
    layers.push_back(ground);
    Layer sheet;
    sheet.path.addRoundedRect(QRectF(9 * u, 10 * u, 46 * u, 44 * u), 3 * u, 3 * u);
    sheet.fill = QColor(vga::kWhite);
    layers.push_back(sheet);
    layers.push_back(wave(size, 15 * u, 49 * u, 19 * u, 3 * u));
    add_staff(layers, size, 14 * u, 50 * u, 28 * u, 47 * u);
    // The cursor box on a string, where the next fret number goes.
    if (size >= 22) {
        Layer box;
        box.path.addRect(
            QRectF(std::round(27 * u), std::round(33 * u), std::round(9 * u), std::round(9 * u)));
        box.fill = QColor(kBoxYellow);
        box.stroke = QColor(vga::kBlack);
        box.width = std::max(1.0, std::round(size / 48));
        layers.push_back(box);
    }
    return layers;
}

std::vector<Layer> page_layers(double size) {
    const double u = size / 64;
    std::vector<Layer> layers;
    Layer sheet;
    sheet.path.moveTo(12 * u, 4 * u);
    sheet.path.lineTo(42 * u, 4 * u);
    sheet.path.lineTo(54 * u, 16 * u);
    sheet.path.lineTo(54 * u, 60 * u);
    sheet.path.lineTo(12 * u, 60 * u);
    sheet.path.closeSubpath();
    sheet.fill = QColor(vga::kWhite);
    sheet.stroke = QColor(0x60, 0x60, 0x60);
    sheet.width = std::max(1.0, size / 40);
    layers.push_back(sheet);
    Layer fold;
    fold.path.moveTo(42 * u, 4 * u);
    fold.path.lineTo(42 * u, 16 * u);
    fold.path.lineTo(54 * u, 16 * u);
    fold.path.closeSubpath();
    fold.fill = QColor(0xD0, 0xD0, 0xD0);
    fold.stroke = QColor(0x60, 0x60, 0x60);
    fold.width = sheet.width;
    layers.push_back(fold);
    layers.push_back(wave(size, 18 * u, 38 * u, 14 * u, 2.5 * u));
    add_staff(layers, size, 17 * u, 49 * u, 26 * u, 52 * u);
    return layers;
}

QImage paint_layers(const std::vector<Layer>& layers, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const Layer& layer : layers) {
        painter.setBrush(layer.fill.alpha() ? QBrush(layer.fill) : QBrush(Qt::NoBrush));
        painter.setPen(
            layer.width > 0 && layer.stroke.alpha()
                ? QPen(layer.stroke, layer.width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin)
                : QPen(Qt::NoPen));
        painter.drawPath(layer.path);
    }
    return image;
}

QString colour(const QColor& c) {
    return c.alpha() ? c.name(QColor::HexRgb) : QStringLiteral("none");
}

QByteArray svg_of(const std::vector<Layer>& layers) {
    QString out = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" "
        "viewBox=\"0 0 64 64\">\n");
    for (const Layer& layer : layers) {
        QString d;
        for (int i = 0; i < layer.path.elementCount(); ++i) {
            const QPainterPath::Element e = layer.path.elementAt(i);
            switch (e.type) {
                case QPainterPath::MoveToElement:
                    d += QStringLiteral("M%1 %2 ").arg(e.x).arg(e.y);
                    break;
                case QPainterPath::LineToElement:
                    d += QStringLiteral("L%1 %2 ").arg(e.x).arg(e.y);
                    break;
                case QPainterPath::CurveToElement:
                    d += QStringLiteral("C%1 %2 ").arg(e.x).arg(e.y);
                    break;
                case QPainterPath::CurveToDataElement:
                    d += QStringLiteral("%1 %2 ").arg(e.x).arg(e.y);
                    break;
            }
        }
        out += QStringLiteral(
                   "  <path d=\"%1\" fill=\"%2\" stroke=\"%3\" stroke-width=\"%4\" "
                   "stroke-linejoin=\"miter\"/>\n")
                   .arg(d.trimmed(), colour(layer.fill),
                        layer.width > 0 ? colour(layer.stroke) : QStringLiteral("none"))
                   .arg(layer.width);
    }
    out += QStringLiteral("</svg>\n");
    return out.toUtf8();
}

}  // namespace

QImage programIcon(int size) { return paint_layers(program_layers(size), size); }
QImage pageIcon(int size) { return paint_layers(page_layers(size), size); }
QByteArray programIconSvg() { return svg_of(program_layers(64)); }
QByteArray pageIconSvg() { return svg_of(page_layers(64)); }

}  // namespace artwork
