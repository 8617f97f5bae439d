#pragma once

#include <QIcon>
#include <QImage>
#include <QString>
#include <array>

namespace strumix {

inline constexpr int kSymbolCount = 8;

// One of the program's own PNG pictures, from its resources. Read as PNG and nothing else: left
// to guess, Qt's reader first loads every image plugin there is (GIF, ICO, JPEG...) to ask it,
// which a start-up pays before its first window shows.
QImage program_picture(const QString& path);
QIcon program_icon(const QString& path);

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
