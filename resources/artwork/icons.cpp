#include "artwork.h"

namespace artwork {

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

}  // namespace artwork
