#include "notes_reader/mark_shapes.h"

#include <QImage>
#include <QPainter>
#include <map>
#include <mutex>
#include <unordered_map>

#include "page/glyphs.h"
#include "page/harmonic_diamond.h"
#include "page/page_drawing.h"
#include "page/page_ink.h"
#include "page/slur_geometry.h"

namespace strumix {

namespace {

// The row of the entry window the string line runs through: the middle of the cell's row.
constexpr int kLineRow = kRowPixels / 2 - kEntryTop;

struct Entries {
    std::vector<EntryShape> shapes;
    std::vector<EntryBits> bits;
    std::vector<EntryBits> visible;
    std::map<EntryBits, int> by_visible;
};

const Entries& entries() {
    static const Entries all = [] {
        Entries e;
        auto add = [&e](const QString& text, int fret, bool muted) {
            EntryShape entry{text, fret, muted, {}};
            const QPoint origin(8, 0);
            entry.shape =
                drawn_shape(QSize(40, 20), origin, [&](PageDrawing& d) { d.text(origin, text); });
            EntryBits bits{};
            for (const QPoint& p : entry.shape.ink) {
                const int x = p.x() - kEntryLeft;
                const int y = p.y() - kEntryTop;
                Q_ASSERT(x >= 0 && x < kEntryWidth && y >= 0 && y < kEntryRows);
                bits[std::size_t(y)] |= 1u << x;
            }
            EntryBits visible = bits;
            visible[kLineRow] = 0;
            e.by_visible.emplace(visible, int(e.shapes.size()));
            e.shapes.push_back(std::move(entry));
            e.bits.push_back(bits);
            e.visible.push_back(visible);
        };
        for (int d = 0; d < 10; ++d) add(QStringLiteral(" %1").arg(d), d, false);
        for (int n = 0; n < 100; ++n)
            add(QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')), n, false);
        add(QStringLiteral(" X"), -1, true);
        for (int d = 0; d < 10; ++d) add(QStringLiteral("X%1").arg(d), d, true);
        return e;
    }();
    return all;
}

std::size_t index_of(const EntryShape& entry) {
    return std::size_t(&entry - entries().shapes.data());
}

}  // namespace

void Shape::add(QPoint p) {
    ink.push_back(p);
    bounds |= QRect(p, QSize(1, 1));
}

const std::vector<EntryShape>& entry_shapes() { return entries().shapes; }

const EntryShape* entry_with_visible_ink(const EntryBits& visible) {
    const Entries& all = entries();
    const auto found = all.by_visible.find(visible);
    return found == all.by_visible.end() ? nullptr : &all.shapes[std::size_t(found->second)];
}

const EntryBits& entry_bits(const EntryShape& entry) { return entries().bits[index_of(entry)]; }

const EntryBits& entry_visible_bits(const EntryShape& entry) {
    return entries().visible[index_of(entry)];
}

const Shape& diamond_shape() {
    // Drawn around a cell away from the image's edges, as number entry draws it.
    static const Shape shape = [] {
        const QPoint origin(4 * kColumnPixels, 4 * kRowPixels);
        return drawn_shape(QSize(128, 128), origin, [](PageDrawing& d) {
            draw_harmonic_diamond(d, harmonic_diamond(4, 4));
        });
    }();
    return shape;
}

const Shape& symbol_shape(int index) {
    static const std::array<Shape, 8> shapes = [] {
        std::array<Shape, 8> all;
        for (int i = 0; i < 8; ++i) {
            const QImage& symbol = Glyphs::get().pic_bend[std::size_t(i)];
            all[std::size_t(i)] = drawn_shape(symbol.size(), QPoint(0, 0), [&](PageDrawing& d) {
                d.and_copy(symbol, QPoint(0, 0));
            });
        }
        return all;
    }();
    return shapes[std::size_t(index)];
}

const Shape& slur_letter_shape(int index) {
    static const std::array<Shape, 4> shapes = [] {
        std::array<Shape, 4> all;
        for (int i = 0; i < 4; ++i) {
            const QPoint origin(8, 8);
            all[std::size_t(i)] = drawn_shape(
                QSize(48, 32), origin, [&](PageDrawing& d) { d.text(origin, slur_letter(i)); });
        }
        return all;
    }();
    return shapes[std::size_t(index)];
}

const Shape& arc_shape(int span) {
    static std::mutex lock;
    static std::unordered_map<int, Shape> shapes;
    const std::lock_guard<std::mutex> hold(lock);
    auto found = shapes.find(span);
    if (found != shapes.end()) return found->second;
    // Pressed at a whole pixel well inside a picture large enough for the arc.
    const QPoint press(8, 64);
    const SlurArc arc = slur_arc(press.x() * kTwipsPerPixel, press.y() * kTwipsPerPixel,
                                 (press.x() + span) * kTwipsPerPixel);
    Shape shape = drawn_shape(QSize(span + 24, 96), press,
                              [&](PageDrawing& d) { draw_slur_arc(d, arc, PageUnit::Twips); });
    return shapes.emplace(span, std::move(shape)).first->second;
}

}  // namespace strumix
