#include "artwork.h"

namespace artwork {

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

}  // namespace artwork
