#include "page/text_reader.h"

#include <QFontMetrics>
#include <array>
#include <functional>
#include <memory>
#include <mutex>

#include "page/page_covers.h"
#include "page/page_drawing.h"
#include "page/page_font.h"
#include "page/page_geometry.h"
#include "page/page_ink.h"

namespace strumix {

namespace {

constexpr char32_t kFirstChar = 32;
constexpr char32_t kLastChar = 126;
constexpr int kChars = kLastChar - kFirstChar + 1;

struct Glyph {
    QVector<QPoint> ink;  // from the text's top-left corner at the glyph's place
    int advance = 0;
    bool twin = false;  // prints exactly as an earlier glyph does
};

// The glyphs of one style of the page font, as the page prints them, and how far each pair
// of them moves apart or together when printed side by side.
struct GlyphSet {
    std::array<Glyph, kChars> glyphs;
    std::array<std::array<int, kChars>, kChars> kern{};
    int widest = 0;
};

GlyphSet make_glyphs(bool bold) {
    GlyphSet set;
    const QFontMetrics metrics(page_font(bold));
    for (int i = 0; i < kChars; ++i) {
        const QString text(QChar(char16_t(kFirstChar + i)));
        Glyph& glyph = set.glyphs[i];
        glyph.ink = printed_ink(text, bold);
        glyph.advance = metrics.horizontalAdvance(text);
        set.widest = std::max(set.widest, glyph.advance);
        for (int j = 0; j < i && !glyph.twin; ++j)
            glyph.twin = set.glyphs[j].ink == glyph.ink && set.glyphs[j].advance == glyph.advance;
    }
    for (int a = 0; a < kChars; ++a) {
        for (int b = 0; b < kChars; ++b) {
            const QString pair =
                QString(QChar(char16_t(kFirstChar + a))) + QChar(char16_t(kFirstChar + b));
            set.kern[a][b] =
                metrics.horizontalAdvance(pair) - set.glyphs[a].advance - set.glyphs[b].advance;
        }
    }
    return set;
}

const GlyphSet& glyphs(bool bold) {
    static std::once_flag once;
    static std::unique_ptr<GlyphSet> sets[2];
    std::call_once(once, [] {
        sets[0] = std::make_unique<GlyphSet>(make_glyphs(false));
        sets[1] = std::make_unique<GlyphSet>(make_glyphs(true));
    });
    return *sets[bold ? 1 : 0];
}

// The page as ink, and one line of text on it being read.
class TextReader {
public:
    TextReader(const QImage& page, const GlyphSet& set, int top, int left, int right,
               const PageCovers* covers, std::function<bool(int, int)> also_hidden = {})
        : page_(page),
          set_(set),
          covers_(covers),
          also_hidden_(std::move(also_hidden)),
          top_(top),
          left_(left),
          right_(right),
          explained_((right - left) * kRowPixels, 0) {}

    // The one text of `length` characters that explains the line from `origin` to where it
    // ends. Without covers the first text found is the one; with covers, a second text that
    // fits as well makes the line unreadable.
    std::optional<QString> read(int origin, int length) {
        QString text;
        step(origin, -1, length, text);
        if (solutions_ != 1 || steps_ > most_steps()) return std::nullopt;
        return found_;
    }

    // The one text of at most `most` characters, whatever its length, that explains every
    // black pixel of the line from `origin` on; it ends at its last character with ink.
    std::optional<QString> read_open(int origin, int most) {
        open_ = true;
        QString text;
        step(origin, -1, most, text);
        if (solutions_ != 1 || steps_ > most_steps()) return std::nullopt;
        return found_;
    }

private:
    bool exclusive() const { return covers_ || also_hidden_; }
    int most_steps() const { return exclusive() ? 200000 : 20000; }
    bool ink(int x, int y) const { return ink_at(page_, x, y); }
    bool inside(int x, int y) const {
        return x >= left_ && x < right_ && y >= top_ && y < top_ + kRowPixels;
    }
    bool hidden(int x, int y) const {
        return (covers_ && covers_->covered(x, y)) || (also_hidden_ && also_hidden_(x, y));
    }
    char& explained(int x, int y) { return explained_[(y - top_) * (right_ - left_) + x - left_]; }

    // Every pixel of the glyph is ink.
    bool fits(const Glyph& glyph, int x) const {
        for (const QPoint& p : glyph.ink)
            if (!ink(x + p.x(), top_ + p.y())) return false;
        return true;
    }
    void mark(const Glyph& glyph, int x, char delta) {
        for (const QPoint& p : glyph.ink)
            if (inside(x + p.x(), top_ + p.y())) explained(x + p.x(), top_ + p.y()) += delta;
    }
    // Every black pixel in columns [from, to) is ink of the glyphs placed so far, or hidden.
    bool all_explained(int from, int to) {
        for (int x = std::max(from, left_); x < std::min(to, right_); ++x)
            for (int y = top_; y < top_ + kRowPixels; ++y)
                if (ink(x, y) && !explained(x, y) && !hidden(x, y)) return false;
        return true;
    }

    // True when the search is over: the one text found without covers, or a second one.
    bool step(int origin, int prev, int left_chars, QString& text) {
        if (++steps_ > most_steps()) return true;
        if (open_ && !text.isEmpty() && text.back() != QLatin1Char(' ') &&
            all_explained(left_, right_)) {
            if (solutions_++ == 0) found_ = text;
            return solutions_ > 1;
        }
        if (left_chars == 0) {
            if (open_ || !all_explained(left_, origin + 2)) return false;
            if (solutions_++ == 0) found_ = text;
            return !exclusive() || solutions_ > 1;
        }
        // A space first: where the text is padded, nothing but a space fits for certain.
        for (int pass = 0; pass < 2; ++pass) {
            for (int c = 0; c < kChars; ++c) {
                const Glyph& glyph = set_.glyphs[c];
                if ((c == 0) != (pass == 0) || glyph.twin) continue;
                const int x = origin + (prev >= 0 ? set_.kern[prev][c] : 0);
                if (!fits(glyph, x)) continue;
                mark(glyph, x, 1);
                // Glyphs reach at most a pixel or two left of where they stand: whatever lies
                // further left must already be explained.
                bool over = false;
                if (all_explained(left_, x - 2)) {
                    text.append(QChar(char16_t(kFirstChar + c)));
                    over = step(x + glyph.advance, c, left_chars - 1, text);
                    text.chop(1);
                }
                mark(glyph, x, -1);
                if (over) return true;
            }
        }
        return false;
    }

    const QImage& page_;
    const GlyphSet& set_;
    const PageCovers* covers_;
    std::function<bool(int, int)> also_hidden_;
    bool open_ = false;
    int top_;
    int left_;
    int right_;
    QVector<char> explained_;
    int steps_ = 0;
    int solutions_ = 0;
    QString found_;
};

// The page font draws capital I and small l alike, to the pixel: read as l next to a small
// letter ("Solo", "Bell"), as I elsewhere ("II", "Ice").
QString settle_twins(QString text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != QLatin1Char('I')) continue;
        const bool small_before = i > 0 && text[i - 1].isLower();
        const bool small_after =
            i + 1 < text.size() && text[i + 1].isLower() && i > 0 && text[i - 1].isLetter();
        if (small_before || small_after) text[i] = QLatin1Char('l');
    }
    return text;
}

}  // namespace

QVector<QPoint> printed_ink(const QString& text, bool bold) {
    constexpr int kPad = 8;
    QImage image(QSize(2 * kPad + 16 * int(text.size()), 20), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        PageDrawing drawing(image);
        drawing.text(QPoint(kPad, 0), text, {.bold = bold});
    }
    QVector<QPoint> ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ink_at(image, x, y)) ink.append(QPoint(x - kPad, y));
    return ink;
}

std::optional<QString> read_free_text(const QImage& page, bool bold, int top, int left, int right,
                                      int origin, int most,
                                      const std::function<bool(int, int)>& hidden) {
    std::optional<QString> text =
        TextReader(page, glyphs(bold), top, left, right, nullptr, hidden).read_open(origin, most);
    if (!text) return std::nullopt;
    return settle_twins(*text);
}

std::optional<QString> read_page_text(const QImage& page, bool bold, int top, int left, int right,
                                      int origin, int length) {
    const GlyphSet& set = glyphs(bold);
    std::optional<QString> text =
        TextReader(page, set, top, left, right, nullptr).read(origin, length);
    if (!text) {
        // Read again allowing for stamps over the text, as far as the text can reach.
        const int reach = std::min(right, origin + length * set.widest + 4);
        const PageCovers covers(page, QRect(left, top, reach - left, kRowPixels));
        if (covers.any())
            text = TextReader(page, set, top, left, right, &covers).read(origin, length);
    }
    if (!text) return std::nullopt;
    return settle_twins(*text);
}

}  // namespace strumix
