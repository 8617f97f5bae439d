// The drawing kit of the artwork program: the VGA colours, pixel masks, tiny bitmap fonts and
// arrows every picture is drawn with, and the pictures each of its files draws.
#pragma once

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <numbers>
#include <string_view>
#include <utility>
#include <vector>

namespace artwork {

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

// Painting masks and sprites, fonts and arrows (pixel_art.cpp).
using Font = std::map<char, Rows>;
extern const Font kLowerCase;
extern const Font kSmallCaps;
extern const Font kCaps;
extern const Font kFractionDigits;
void paint(QImage& image, const Mask& mask, QRgb colour);
void paintOutlined(QImage& image, const Mask& mask, QRgb colour);
void paintSprite(QImage& image, int x, int y, const Rows& rows);
int text(Mask& mask, int x, int y, std::string_view str, const Font& font, int spacing = 1);
Mask arrowDown(int x, int shaftWidth, int top, int tip, int barb);
Mask arrowUp(int x, int shaftWidth, int bottom, int tip, int barb);
void headRight(Mask& mask, int tipX, int y, int barb);

// The notation symbols (symbols.cpp).
QImage blankSymbol();
QImage symbolImage(const Mask& mask);
Mask zigzagArrowRight(int y);
Mask vibratoMask();
Mask trillMask();
Mask rakeDownMask();
Mask bendUpMask(std::string_view denominator);
Mask ghostBendMask();
Mask releaseMask();

// The tool buttons (tool_buttons.cpp).
QImage button();
void fretboard(QImage& image, bool bent);
void staff(QImage& image, int top);
void handPointingDown(QImage& image, int x, int y);
void pick(QImage& image, int x, int y);
QImage hammerTool(bool down, bool up, bool slide);
QImage vibratoTool();
QImage trillTool();
QImage rakeTool(bool down);
QImage bendTool(int amount);
QImage editTool();
QImage modeButton();

// The window icons and the page tile (icons.cpp, tile.cpp).
QImage layoutIcon();
QImage titleIcon();
// Desktop icons, smooth, at any size and as SVG (desktop_icons.cpp).
QImage programIcon(int size);
QImage pageIcon(int size);
QByteArray programIconSvg();
QByteArray pageIconSvg();
QImage tile();

}  // namespace artwork
