#include "artwork.h"

namespace artwork {

// ---------------------------------------------------------------------------------------------
// Tool buttons: 32 x 32 raised grey buttons in the sixteen VGA colours.

// A raised button: black rim with cut corners, white light from the top left, grey shade at the
// bottom right, silver face over columns and rows 2 .. 29.
QImage button() {
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
    image.fill(kClear);
    const int last = kIconSize - 1;
    for (int y = 1; y < last; ++y)
        for (int x = 1; x < last; ++x) image.setPixel(x, y, vga::kSilver);
    for (int i = 1; i < last; ++i) {
        image.setPixel(i, 0, vga::kBlack);
        image.setPixel(i, last, vga::kBlack);
        image.setPixel(0, i, vga::kBlack);
        image.setPixel(last, i, vga::kBlack);
    }
    for (int i = 1; i < last - 1; ++i) {
        image.setPixel(i, 1, vga::kWhite);
        image.setPixel(1, i, vga::kWhite);
    }
    for (int i = 1; i < last; ++i) {
        image.setPixel(i, last - 1, vga::kGray);
        image.setPixel(last - 1, i, vga::kGray);
    }
    return image;
}

// A grey fretboard across the lower part of the button: three white strings, silver frets.
// With `bent`, the middle string is yellow and is pushed up towards the right.
void fretboard(QImage& image, bool bent) {
    Mask wood;
    wood.rect(2, 19, 29, 28);
    paint(image, wood, vga::kGray);
    Mask edges;
    edges.rect(2, 18, 29, 18);
    paint(image, edges, vga::kBlack);
    Mask frets;
    for (const int x : {9, 20}) frets.rect(x, 19, x, 28);
    paint(image, frets, vga::kSilver);
    Mask strings;
    for (const int y : {21, bent ? -1 : 24, 27}) strings.rect(2, y, 29, y);
    paint(image, strings, vga::kWhite);
    if (bent) {
        Mask string;
        string.polyline({{2, 24}, {11, 24}, {15, 23}, {18, 22}, {22, 21}, {29, 20}});
        paint(image, string.shifted(0, 1), vga::kBlack);
        paint(image, string, vga::kYellow);
    }
}

// Five staff lines across the lower part of the button.
void staff(QImage& image, int top) {
    Mask lines;
    for (int i = 0; i < 5; ++i) lines.rect(2, top + 3 * i, 29, top + 3 * i);
    paint(image, lines, vga::kGray);
}

// A white gloved hand, 12 x 17, cuff at the top, its index finger pointing down; the tip of the
// finger is on row y + 16.
void handPointingDown(QImage& image, int x, int y) {
    paintSprite(image, x, y,
                {
                    "...kkkkkkkk.",
                    "...kssssssk.",
                    "...kkkkkkkk.",
                    "...kwwwwwwk.",
                    "..kwwwwwwwk.",
                    "..kwwwwwwwwk",
                    ".kwwwwwwwwwk",
                    "kwwwwwwwwwwk",
                    "kwkwwwwwwwwk",
                    "kkkwwkwwkwwk",
                    "..kwwkwwkwwk",
                    "..kwwkwwkkk.",
                    "..kwwkkkk...",
                    "..kwwk......",
                    "..kwwk......",
                    "..kwwk......",
                    "...kk.......",
                });
}

// A yellow plectrum, its point at the bottom.
void pick(QImage& image, int x, int y) {
    paintSprite(image, x, y,
                {
                    "..kkkkk..",
                    ".kyyyyyk.",
                    "kywyyyyyk",
                    "kywyyyyyk",
                    "kyyyyyyyk",
                    ".kyyyyyk.",
                    ".kyyyyok.",
                    "..kyyok..",
                    "..kyyok..",
                    "...kok...",
                    "....k....",
                });
}

QImage hammerTool(bool down, bool up, bool slide) {
    QImage image = button();
    fretboard(image, false);
    handPointingDown(image, slide ? 14 : 3, 2);
    if (down && up) {
        paint(image, arrowDown(18, 2, 3, 16, 2), vga::kBlack);
        paint(image, arrowUp(25, 2, 16, 3, 2), vga::kBlack);
    } else if (down) {
        paint(image, arrowDown(21, 2, 3, 16, 3), vga::kBlack);
    } else if (up) {
        paint(image, arrowUp(21, 2, 16, 3, 3), vga::kBlack);
    }
    if (slide) {
        Mask lines;
        lines.rect(4, 6, 12, 6);
        lines.rect(2, 9, 12, 9);
        lines.rect(6, 12, 12, 12);
        lines.rect(3, 15, 12, 15);
        paint(image, lines, vga::kGray);
    }
    return image;
}

QImage vibratoTool() {
    QImage image = button();
    staff(image, 16);
    handPointingDown(image, 2, 2);
    Mask wave;
    wave.wave(15, 28, 8, 2, 8);
    paint(image, wave, vga::kBlue);
    return image;
}

QImage trillTool() {
    QImage image = button();
    staff(image, 16);
    pick(image, 3, 4);
    Mask arrow = arrowUp(15, 2, 10, 4, 2);
    arrow.add(arrowDown(15, 2, 10, 17, 2));
    paintOutlined(image, arrow, vga::kBlue);
    Mask wave;
    wave.wave(20, 28, 9, 1.5, 6);
    paint(image, wave.shifted(1, 1), vga::kBlack);
    paint(image, wave, vga::kLime);
    return image;
}

QImage rakeTool(bool down) {
    QImage image = button();
    staff(image, 15);
    pick(image, 3, 3);
    paintOutlined(image, arrowDown(13, 1, 4, 12, 2).bold(), vga::kRed);
    Mask rake = down ? arrowDown(22, 2, 4, 27, 3) : arrowUp(22, 2, 27, 4, 3);
    paintOutlined(image, rake, vga::kFuchsia);
    return image;
}

QImage bendTool(int amount) {
    QImage image = button();
    fretboard(image, true);
    Mask sign;
    switch (amount) {
        case 0: {  // half
            text(sign, 3, 3, "1", kFractionDigits);
            sign.line(6, 15, 10, 4);
            text(sign, 10, 10, "2", kFractionDigits);
            paint(image, sign, vga::kBlack);
            paint(image, arrowUp(20, 2, 16, 3, 3), vga::kBlack);
            break;
        }
        case 1: {  // full
            sign.pattern(6, 4,
                         {
                             "..##.",
                             ".###.",
                             "####.",
                             "..##.",
                             "..##.",
                             "..##.",
                             "..##.",
                             "..##.",
                             "..##.",
                             "######",
                         });
            paint(image, sign, vga::kBlack);
            paint(image, arrowUp(20, 2, 16, 3, 3), vga::kBlack);
            break;
        }
        case 2: {  // ghost
            text(sign, 4, 6, "GHOST", kCaps);
            paint(image, sign, vga::kBlack);
            break;
        }
        default: {  // release
            text(sign, 3, 3, "RELEASE", kSmallCaps);
            paint(image, sign, vga::kBlack);
            paint(image, arrowDown(15, 2, 10, 16, 3), vga::kBlack);
            break;
        }
    }
    return image;
}

// A yellow pencil lying from bottom left (point) to top right (pink eraser), no button.
QImage editTool() {
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
    image.fill(kClear);
    const double tipX = 2.0;
    const double tipY = 30.0;
    const double length = 35.0;
    const double halfWidth = 3.3;
    const double s = std::numbers::sqrt2 / 2;
    Mask whole;
    Mask lead;
    Mask wood;
    Mask shade;
    Mask light;
    Mask ferrule;
    Mask band;
    Mask eraser;
    for (int y = 0; y < kIconSize; ++y)
        for (int x = 0; x < kIconSize; ++x) {
            const double px = x + 0.5 - tipX;
            const double py = y + 0.5 - tipY;
            const double u = (px - py) * s;  // along the pencil, from the point
            const double v = (px + py) * s;  // across it, negative towards the top left
            if (u < 0 || u > length) continue;
            const double reach = u < 8 ? halfWidth * u / 8 : halfWidth;
            if (std::abs(v) > reach) continue;
            whole.set(x, y);
            if (u < 3.2) {
                lead.set(x, y);
            } else if (u < 8) {
                wood.set(x, y);
            } else if (u < length - 10) {
                if (v > 1.2)
                    shade.set(x, y);
                else if (v < -2.1)
                    light.set(x, y);
            } else if (u < length - 6) {
                if (std::abs(u - (length - 8)) < 0.6)
                    band.set(x, y);
                else
                    ferrule.set(x, y);
            } else {
                eraser.set(x, y);
            }
        }
    paint(image, whole.outline(), vga::kBlack);
    paint(image, whole, vga::kYellow);
    paint(image, light, vga::kWhite);
    paint(image, shade, vga::kOlive);
    paint(image, wood, vga::kWhite);
    paint(image, lead, vga::kBlack);
    paint(image, ferrule, vga::kSilver);
    paint(image, band, vga::kGray);
    paint(image, eraser, vga::kFuchsia);
    return image;
}

// The tablature mode button: 18 x 18, two strings with the fret number 5 standing on the
// upper one.
QImage modeButton() {
    constexpr int kSize = 18;
    QImage image(kSize, kSize, QImage::Format_RGB32);
    image.fill(qRgb(0xC0, 0xC0, 0xC0));
    const int last = kSize - 1;
    for (int i = 0; i < kSize; ++i) {
        image.setPixel(i, 0, qRgb(0xFF, 0xFF, 0xFF));
        image.setPixel(0, i, qRgb(0xFF, 0xFF, 0xFF));
    }
    for (int i = 1; i < kSize; ++i) {
        image.setPixel(i, last, qRgb(0x40, 0x40, 0x40));
        image.setPixel(last, i, qRgb(0x40, 0x40, 0x40));
        image.setPixel(i, last - 1, qRgb(0x80, 0x80, 0x80));
        image.setPixel(last - 1, i, qRgb(0x80, 0x80, 0x80));
    }
    for (int x = 2; x <= 14; ++x) {
        image.setPixel(x, 9, qRgb(0x30, 0x30, 0x30));
        image.setPixel(x, 13, qRgb(0x30, 0x30, 0x30));
    }
    Mask five(kSize, kSize);
    five.pattern(6, 3,
                 {
                     "####",
                     "#...",
                     "###.",
                     "...#",
                     "...#",
                     "###.",
                 });
    paint(image, five, qRgb(0, 0, 0));
    return image;
}

}  // namespace artwork
