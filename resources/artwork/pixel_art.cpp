#include "artwork.h"

namespace artwork {

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
int text(Mask& mask, int x, int y, std::string_view str, const Font& font, int spacing) {
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

}  // namespace artwork
