#pragma once

#include <QImage>
#include <array>

namespace strumix {

inline constexpr int kSymbolCount = 8;

// The hidden pictures of the main window: the notation symbols `pic_bend` 0–7 (each both what
// is stamped and what the pointer shows while it is carried), the mask `bendmask` and the
// background tile `pic_tile`.
struct Glyphs {
    std::array<QImage, kSymbolCount> pic_bend;
    QImage bendmask;
    QImage pic_tile;

    static const Glyphs& get();
};

}  // namespace strumix
