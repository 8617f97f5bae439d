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
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <numbers>
#include <string_view>
#include <utility>
#include <vector>

namespace {

// The sixteen colours of the VGA palette.
namespace vga {
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kMaroon = 0xFF800000;
constexpr QRgb kGreen = 0xFF008000;
constexpr QRgb kOlive = 0xFF808000;
constexpr QRgb kNavy = 0xFF000080;
constexpr QRgb kPurple = 0xFF800080;
constexpr QRgb kTeal = 0xFF008080;
constexpr QRgb kSilver = 0xFFC0C0C0;
constexpr QRgb kGray = 0xFF808080;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kLime = 0xFF00FF00;
constexpr QRgb kYellow = 0xFFFFFF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kFuchsia = 0xFFFF00FF;
constexpr QRgb kAqua = 0xFF00FFFF;
constexpr QRgb kWhite = 0xFFFFFFFF;
}  // namespace vga

constexpr QRgb kClear = 0x00000000;
constexpr int kIconSize = 32;

using Rows = std::vector<std::string_view>;

// ---------------------------------------------------------------------------------------------
// Masks: the set of pixels one stroke or figure covers.

class Mask {
public:
    explicit Mask(int width = kIconSize, int height = kIconSize)
        : width_(width), height_(height), bits_(static_cast<size_t>(width * height), false) {}

    int width() const { return width_; }
    int height() const { return height_; }

    bool at(int x, int y) const { return inside(x, y) && bits_[index(x, y)]; }

    void set(int x, int y) {
        if (inside(x, y)) bits_[index(x, y)] = true;
    }

    // Fills the rectangle from (x0, y0) to (x1, y1), both corners included.
    void rect(int x0, int y0, int x1, int y1) {
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) set(x, y);
    }

    // A one pixel wide straight line, both ends included.
    void line(int x0, int y0, int x1, int y1) {
        const int dx = std::abs(x1 - x0);
        const int dy = -std::abs(y1 - y0);
        const int sx = x0 < x1 ? 1 : -1;
        const int sy = y0 < y1 ? 1 : -1;
        int err = dx + dy;
        for (;;) {
            set(x0, y0);
            if (x0 == x1 && y0 == y1) break;
            const int e2 = 2 * err;
            if (e2 >= dy) {
                err += dy;
                x0 += sx;
            }
            if (e2 <= dx) {
                err += dx;
                y0 += sy;
            }
        }
    }

    // Lines through the given points in turn.
    void polyline(const std::vector<std::pair<int, int>>& points) {
        for (size_t i = 1; i < points.size(); ++i)
            line(points[i - 1].first, points[i - 1].second, points[i].first, points[i].second);
    }

    // A quarter of a ring around the point (cx, cy) (pixel corners, not centres). The signs sx
    // and sy pick the quarter: +1 for right / below the centre, -1 for left / above.
    void quarterRing(double cx, double cy, double innerRadius, double outerRadius, int sx, int sy) {
        fill([&](double x, double y) {
            const double dx = x - cx;
            const double dy = y - cy;
            const double r = std::hypot(dx, dy);
            return dx * sx >= 0 && dy * sy >= 0 && r >= innerRadius && r < outerRadius;
        });
    }

    // A wave two pixels thick from column x0 to x1 around row y: a sine of the given amplitude
    // and period.
    void wave(int x0, int x1, double y, double amplitude, double period) {
        const double tau = 2 * std::numbers::pi;
        int previous = 0;
        for (int x = x0; x <= x1; ++x) {
            const int row = static_cast<int>(
                std::floor(y + 0.5 - amplitude * std::sin(tau * (x - x0) / period)));
            const int from = x == x0 ? row : std::min(row, previous + 1);
            const int to = x == x0 ? row : std::max(row, previous - 1);
            rect(x, from, x, to + 1);
            previous = row;
        }
    }

    // Sets every pixel whose centre the predicate accepts.
    template <class Inside>
    void fill(Inside inside) {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (inside(x + 0.5, y + 0.5)) set(x, y);
    }

    // Sets the pixels drawn as '#' in the rows, the top left character at (x, y).
    void pattern(int x, int y, const Rows& rows) {
        for (size_t r = 0; r < rows.size(); ++r)
            for (size_t c = 0; c < rows[r].size(); ++c)
                if (rows[r][c] == '#') set(x + static_cast<int>(c), y + static_cast<int>(r));
    }

    void add(const Mask& other) {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (other.at(x, y)) set(x, y);
    }

    Mask shifted(int dx, int dy) const {
        Mask result(width_, height_);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (at(x, y)) result.set(x + dx, y + dy);
        return result;
    }

    Mask flippedVertically() const {
        Mask result(width_, height_);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                if (at(x, y)) result.set(x, height_ - 1 - y);
        return result;
    }

    // The same figure one pixel heavier: every pixel also covers its right neighbour.
    Mask bold() const {
        Mask result = *this;
        result.add(shifted(1, 0));
        return result;
    }

    // The pixels around the figure (touching it by side or corner) that it does not cover.
    Mask outline() const {
        Mask result(width_, height_);
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                if (at(x, y)) continue;
                bool touches = false;
                for (int dy = -1; dy <= 1 && !touches; ++dy)
                    for (int dx = -1; dx <= 1 && !touches; ++dx) touches = at(x + dx, y + dy);
                if (touches) result.set(x, y);
            }
        return result;
    }

private:
    bool inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    size_t index(int x, int y) const { return static_cast<size_t>(y * width_ + x); }

    int width_;
    int height_;
    std::vector<bool> bits_;
};

void paint(QImage& image, const Mask& mask, QRgb colour) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (mask.at(x, y)) image.setPixel(x, y, colour);
}

// Paints the figure in its colour with a black rim around it.
void paintOutlined(QImage& image, const Mask& mask, QRgb colour) {
    paint(image, mask.outline(), vga::kBlack);
    paint(image, mask, colour);
}

// Paints a small coloured picture; each character names one VGA colour, '.' leaves the pixel.
void paintSprite(QImage& image, int x, int y, const Rows& rows) {
    static const std::map<char, QRgb> kColours = {
        {'k', vga::kBlack}, {'m', vga::kMaroon},  {'g', vga::kGreen}, {'o', vga::kOlive},
        {'n', vga::kNavy},  {'p', vga::kPurple},  {'t', vga::kTeal},  {'s', vga::kSilver},
        {'d', vga::kGray},  {'r', vga::kRed},     {'l', vga::kLime},  {'y', vga::kYellow},
        {'b', vga::kBlue},  {'f', vga::kFuchsia}, {'a', vga::kAqua},  {'w', vga::kWhite},
    };
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t c = 0; c < rows[r].size(); ++c) {
            const auto found = kColours.find(rows[r][c]);
            const int px = x + static_cast<int>(c);
            const int py = y + static_cast<int>(r);
            if (found != kColours.end() && image.valid(px, py))
                image.setPixel(px, py, found->second);
        }
}

// ---------------------------------------------------------------------------------------------
// Tiny bitmap fonts.

using Font = std::map<char, Rows>;

// Lower case letters seven pixels high: two rows for ascenders over a five pixel x-height.
const Font kLowerCase = {
    {'b', {"#...", "#...", "###.", "#..#", "#..#", "#..#", "###."}},
    {'i', {"#", ".", "#", "#", "#", "#", "#"}},
    {'l', {"#.", "#.", "#.", "#.", "#.", "#.", ".#"}},
    {'r', {"...", "...", "#.#", "##.", "#..", "#..", "#.."}},
    {'t', {"...", ".#.", "###", ".#.", ".#.", ".#.", "..#"}},
    {'v', {".....", ".....", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."}},
};

// Capitals three pixels wide and five high, for words that need to be narrow.
const Font kSmallCaps = {
    {'A', {".#.", "#.#", "###", "#.#", "#.#"}}, {'E', {"###", "#..", "##.", "#..", "###"}},
    {'L', {"#..", "#..", "#..", "#..", "###"}}, {'R', {"##.", "#.#", "##.", "#.#", "#.#"}},
    {'S', {".##", "#..", ".#.", "..#", "##."}},
};

// Capitals seven pixels high.
const Font kCaps = {
    {'G', {".###", "#...", "#...", "#.##", "#..#", "#..#", ".###"}},
    {'H', {"#..#", "#..#", "#..#", "####", "#..#", "#..#", "#..#"}},
    {'O', {".##.", "#..#", "#..#", "#..#", "#..#", "#..#", ".##."}},
    {'S', {".###", "#...", "#...", ".##.", "...#", "...#", "###."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
};

// Digits six pixels high for the bend amounts on the page.
const Font kFractionDigits = {
    {'1', {".#.", "##.", ".#.", ".#.", ".#.", "###"}},
    {'2', {".##.", "#..#", "...#", "..#.", ".#..", "####"}},
};

// Writes the text with its top left corner at (x, y); returns the width it took.
int text(Mask& mask, int x, int y, std::string_view str, const Font& font, int spacing = 1) {
    int pen = x;
    for (const char ch : str) {
        const Rows& glyph = font.at(ch);
        mask.pattern(pen, y, glyph);
        pen += static_cast<int>(glyph.front().size()) + spacing;
    }
    return pen - spacing - x;
}

// ---------------------------------------------------------------------------------------------
// Arrows.

// An arrow pointing down, its shaft columns x .. x + shaftWidth - 1 running from row top to the
// tip at row tip; the head reaches `barb` pixels beyond the shaft on each side.
Mask arrowDown(int x, int shaftWidth, int top, int tip, int barb) {
    Mask mask;
    mask.rect(x, top, x + shaftWidth - 1, tip);
    for (int k = 0; k <= barb; ++k) mask.rect(x - k, tip - k, x + shaftWidth - 1 + k, tip - k);
    return mask;
}

Mask arrowUp(int x, int shaftWidth, int bottom, int tip, int barb) {
    Mask mask;
    mask.rect(x, tip, x + shaftWidth - 1, bottom);
    for (int k = 0; k <= barb; ++k) mask.rect(x - k, tip + k, x + shaftWidth - 1 + k, tip + k);
    return mask;
}

// A filled head pointing right with its tip at (tipX, y), reaching `barb` rows up and down.
void headRight(Mask& mask, int tipX, int y, int barb) {
    for (int k = 0; k <= barb; ++k) mask.rect(tipX - k, y - k, tipX - k, y + k);
}

// ---------------------------------------------------------------------------------------------
// Notation symbols: 32 x 32, black on transparent.

QImage blankSymbol() {
    QImage image(kIconSize, kIconSize, QImage::Format_ARGB32);
    image.fill(kClear);
    return image;
}

QImage symbolImage(const Mask& mask) {
    QImage image = blankSymbol();
    paint(image, mask, vga::kBlack);
    return image;
}

// A zigzag from the left edge along row y, ending in a head pointing right at column 30.
Mask zigzagArrowRight(int y) {
    Mask mask;
    mask.polyline({{0, y},
                   {2, y - 2},
                   {6, y + 2},
                   {10, y - 2},
                   {14, y + 2},
                   {18, y - 2},
                   {22, y + 2},
                   {24, y},
                   {27, y}});
    headRight(mask, 30, y, 3);
    return mask;
}

// Vibrato: "vib" over a zigzag arrow.
Mask vibratoMask() {
    Mask mask = zigzagArrowRight(14);
    text(mask, 1, 2, "vib", kLowerCase);
    return mask;
}

// Trill: "trill" over a zigzag arrow.
Mask trillMask() {
    Mask mask = zigzagArrowRight(14);
    text(mask, 1, 2, "trill", kLowerCase);
    return mask;
}

// Rake: a zigzag down the whole height ending in a head pointing down at the bottom row.
Mask rakeDownMask() {
    Mask mask;
    mask.polyline(
        {{14, 0}, {16, 2}, {12, 6}, {16, 10}, {12, 14}, {16, 18}, {12, 22}, {14, 24}, {14, 28}});
    for (int k = 0; k <= 3; ++k) mask.rect(14 - k, 31 - k, 14 + k, 31 - k);
    return mask;
}

// A bend: a two pixel stroke running right along the bottom from column 5 that curves up into
// a head pointing up under the bend amount, which is written at the top right.
Mask bendUpMask(std::string_view denominator) {
    Mask mask;
    mask.rect(5, 29, 9, 30);                                                 // along the bottom
    mask.quarterRing(10, 21, 8, 10, 1, 1);                                   // curving up
    mask.rect(18, 16, 19, 20);                                               // rising
    for (int k = 0; k <= 3; ++k) mask.rect(18 - k, 13 + k, 19 + k, 13 + k);  // head
    text(mask, 12, 2, "1", kFractionDigits);
    mask.line(15, 10, 19, 2);
    text(mask, 21, 5, denominator, kFractionDigits);
    return mask;
}

// Ghost bend: a thick straight arrow pointing up.
Mask ghostBendMask() {
    Mask mask;
    mask.rect(14, 15, 16, 27);
    for (int k = 0; k <= 4; ++k) mask.rect(15 - k, 6 + 2 * k, 15 + k, 7 + 2 * k);
    return mask;
}

// Release: a two pixel stroke running right along the top that curves down into a head
// pointing down.
Mask releaseMask() {
    Mask mask;
    mask.rect(1, 6, 14, 7);                                                  // along the top
    mask.quarterRing(15, 16, 8, 10, 1, -1);                                  // curving down
    mask.rect(23, 16, 24, 22);                                               // falling
    for (int k = 0; k <= 3; ++k) mask.rect(23 - k, 26 - k, 24 + k, 26 - k);  // head
    return mask;
}

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

// ---------------------------------------------------------------------------------------------
// Window icons.

// Two thick bars joined by two posts.
QImage layoutIcon() {
    Mask mask;
    mask.rect(2, 6, 29, 9);
    mask.rect(2, 22, 29, 25);
    mask.rect(8, 10, 10, 21);
    mask.rect(21, 10, 23, 21);
    return symbolImage(mask);
}

// The vibrato sign once more, heavier and in purple with a black rim.
QImage titleIcon() {
    Mask mask;
    mask.polyline({{1, 20}, {4, 17}, {8, 21}, {12, 17}, {16, 21}, {20, 17}, {22, 19}, {25, 19}});
    mask.add(mask.shifted(0, 1));
    for (int k = 0; k <= 4; ++k) mask.rect(29 - k, 19 - k, 29 - k, 20 + k);
    Mask letters;
    text(letters, 4, 4, "vib", kLowerCase, 2);
    mask.add(letters.bold());
    QImage image = blankSymbol();
    paintOutlined(image, mask, vga::kPurple);
    return image;
}

// ---------------------------------------------------------------------------------------------
// The page background: dark purple and violet marble on black, seamless when tiled.

constexpr int kTileSize = 96;

std::uint32_t hash(std::uint32_t x) {
    x ^= x >> 16;
    x *= 0x7feb352dU;
    x ^= x >> 15;
    x *= 0x846ca68bU;
    x ^= x >> 16;
    return x;
}

// Smoothly interpolated random values on a lattice of `cells` x `cells` cells that wraps around
// the tile, so the noise repeats every kTileSize pixels.
double valueNoise(double x, double y, int cells, std::uint32_t seed) {
    const double scale = static_cast<double>(cells) / kTileSize;
    const double fx = x * scale;
    const double fy = y * scale;
    const int ix = static_cast<int>(std::floor(fx));
    const int iy = static_cast<int>(std::floor(fy));
    const auto lattice = [&](int cx, int cy) {
        cx = ((cx % cells) + cells) % cells;
        cy = ((cy % cells) + cells) % cells;
        const std::uint32_t key = hash(seed ^ hash(static_cast<std::uint32_t>(cy * cells + cx)));
        return key / 4294967296.0;
    };
    const auto smooth = [](double t) { return t * t * (3 - 2 * t); };
    const double tx = smooth(fx - ix);
    const double ty = smooth(fy - iy);
    const double top = lattice(ix, iy) * (1 - tx) + lattice(ix + 1, iy) * tx;
    const double bottom = lattice(ix, iy + 1) * (1 - tx) + lattice(ix + 1, iy + 1) * tx;
    return top * (1 - ty) + bottom * ty;
}

// Four octaves of value noise, the coarsest with `cells` cells across the tile, in 0 .. 1.
double turbulence(double x, double y, std::uint32_t seed, int cells) {
    double sum = 0;
    double weight = 0;
    double amplitude = 1;
    for (int octave = 0; octave < 4; ++octave, cells *= 2) {
        sum += amplitude * valueNoise(x, y, cells, seed + static_cast<std::uint32_t>(cells));
        weight += amplitude;
        amplitude *= 0.5;
    }
    return sum / weight;
}

QImage tile() {
    QImage image(kTileSize, kTileSize, QImage::Format_RGB888);
    const double tau = 2 * std::numbers::pi;
    const auto smoothstep = [](double edge0, double edge1, double t) {
        t = std::clamp((t - edge0) / (edge1 - edge0), 0.0, 1.0);
        return t * t * (3 - 2 * t);
    };
    for (int y = 0; y < kTileSize; ++y)
        for (int x = 0; x < kTileSize; ++x) {
            // Patches: where the slow noise is high the stone shows colour, elsewhere black.
            const double patch = smoothstep(0.40, 0.64, turbulence(x, y, 0x5157u, 4));
            // Veins: thin ridges of a sine whose period divides the tile, bent by more noise.
            const double phase = tau * (x + y) / kTileSize + 10.0 * turbulence(x, y, 0xBEEFu, 3);
            const double vein = std::pow(1.0 - std::abs(std::sin(phase)), 4.0);
            // Which of the two colours: purple or violet.
            const double violet = smoothstep(0.38, 0.62, turbulence(x, y, 0xA11Du, 2));
            const double light = std::clamp(0.75 * patch + 0.55 * vein * (0.4 + patch), 0.0, 1.0);
            const double r = light * (0x5C + violet * 0x20);
            const double g = light * (0x08 + violet * 0x28);
            const double b = light * (0x54 + violet * 0x74);
            image.setPixel(x, y,
                           qRgb(static_cast<int>(r), static_cast<int>(g), static_cast<int>(b)));
        }
    return image;
}

// ---------------------------------------------------------------------------------------------

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

    return out.ok() ? 0 : 1;
}
