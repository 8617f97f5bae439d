#include "page/layout_finder.h"

#include <QFontMetrics>
#include <QHash>
#include <QVector>
#include <array>
#include <functional>
#include <mutex>

#include "page/page_font.h"
#include "page/page_picture.h"

namespace strumix {

namespace {

constexpr char32_t kFirstChar = 32;
constexpr char32_t kLastChar = 126;
constexpr int kChars = kLastChar - kFirstChar + 1;
// Where a page's first bar and its string lines start, in pixels.
constexpr int kFirstBar = 52;

struct Glyph {
    QVector<QPoint> ink;  // from the text's top-left corner at the glyph's place
    int advance = 0;
};

// The glyphs of one style of the page font, as the page prints them, and how far each pair
// of them moves apart or together when printed side by side.
struct GlyphSet {
    std::array<Glyph, kChars> glyphs;
    std::array<std::array<int, kChars>, kChars> kern{};
};

GlyphSet make_glyphs(bool bold) {
    GlyphSet set;
    constexpr int kPad = 8;
    PagePicture scratch;
    scratch.resize(QSize(48, 20), nullptr);
    scratch.set_scale_mode(ScaleMode::Pixels);
    scratch.set_bold(bold);
    const QFontMetrics metrics(page_font(bold));
    for (int i = 0; i < kChars; ++i) {
        const QString text(QChar(char16_t(kFirstChar + i)));
        scratch.clear();
        scratch.set_current(kPad, 0);
        scratch.print(text, false);
        const QImage& image = scratch.image();
        Glyph& glyph = set.glyphs[i];
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128) glyph.ink.append(QPoint(x - kPad, y));
        glyph.advance = metrics.horizontalAdvance(text);
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
    TextReader(const QImage& page, const GlyphSet& set, int top, int left, int right)
        : page_(page),
          set_(set),
          top_(top),
          left_(left),
          right_(right),
          explained_((right - left) * kRowPixels, 0) {}

    // The text of `length` characters that explains every black pixel of the line from
    // `origin` up to where it ends, `prev` the character printed just before it (or -1).
    std::optional<QString> read(int origin, int prev, int length) {
        QString text;
        if (!step(origin, prev, length, text)) return std::nullopt;
        return text;
    }

private:
    bool ink(int x, int y) const {
        return x >= 0 && y >= 0 && x < page_.width() && y < page_.height() &&
               qGray(page_.pixel(x, y)) < 128;
    }
    bool inside(int x, int y) const {
        return x >= left_ && x < right_ && y >= top_ && y < top_ + kRowPixels;
    }
    char& explained(int x, int y) { return explained_[(y - top_) * (right_ - left_) + x - left_]; }

    bool fits(const Glyph& glyph, int x) const {
        for (const QPoint& p : glyph.ink)
            if (!ink(x + p.x(), top_ + p.y())) return false;
        return true;
    }
    void mark(const Glyph& glyph, int x, char delta) {
        for (const QPoint& p : glyph.ink)
            if (inside(x + p.x(), top_ + p.y())) explained(x + p.x(), top_ + p.y()) += delta;
    }
    // Every black pixel in columns [from, to) is ink of the glyphs placed so far.
    bool all_explained(int from, int to) {
        for (int x = std::max(from, left_); x < std::min(to, right_); ++x)
            for (int y = top_; y < top_ + kRowPixels; ++y)
                if (ink(x, y) && !explained(x, y)) return false;
        return true;
    }

    bool step(int origin, int prev, int left_chars, QString& text) {
        if (++steps_ > kMostSteps) return false;
        if (left_chars == 0) return all_explained(left_, origin + 2);
        // A space first: where the text is padded, nothing but a space fits for certain.
        for (int pass = 0; pass < 2; ++pass) {
            for (int c = 0; c < kChars; ++c) {
                if ((c == 0) != (pass == 0)) continue;
                const Glyph& glyph = set_.glyphs[c];
                const int x = origin + (prev >= 0 ? set_.kern[prev][c] : 0);
                if (!fits(glyph, x)) continue;
                mark(glyph, x, 1);
                // Glyphs reach at most a pixel or two left of where they stand: whatever lies
                // further left must already be explained.
                if (all_explained(left_, x - 2)) {
                    text.append(QChar(char16_t(kFirstChar + c)));
                    if (step(x + glyph.advance, c, left_chars - 1, text)) return true;
                    text.chop(1);
                }
                mark(glyph, x, -1);
            }
        }
        return false;
    }

    static constexpr int kMostSteps = 20000;
    const QImage& page_;
    const GlyphSet& set_;
    int top_;
    int left_;
    int right_;
    QVector<char> explained_;
    int steps_ = 0;
};

bool black(const QImage& page, int x, int y) { return qGray(page.pixel(x, y)) < 128; }

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

std::optional<LayoutModel> find_layout(const QImage& source) {
    const QImage page = source.format() == QImage::Format_RGB32
                            ? source
                            : source.convertToFormat(QImage::Format_RGB32);
    const int width = page.width();
    const int height = page.height();
    // Width 76 + 24·(n + 1)·a pixels, height a whole number of rows.
    if (height % kRowPixels != 0 || width < 76 + 48 || (width - 76) % 24 != 0) return std::nullopt;
    const int product = (width - 76) / 24;
    const int rows = height / kRowPixels;
    // String lines run unbroken from the first bar at least to where the last bar stands when
    // there are four measures across.
    const int span_end = kFirstBar + 24 * product - 32;
    auto line_at = [&](int row) {
        const int y = row * kRowPixels + kRowPixels / 2;
        for (int x = kFirstBar; x <= span_end; ++x)
            if (!black(page, x, y)) return false;
        return true;
    };
    LayoutModel model;
    int row = 3;
    int staffs = 0;
    while (row < rows && line_at(row)) {
        if (staffs == kMaxStaffs) return std::nullopt;
        int strings = 0;
        while (row < rows && line_at(row)) ++row, ++strings;
        if (strings > kMaxStrings) return std::nullopt;
        model.line_props[staffs].num_strings = strings;
        ++staffs;
        row += 2;
    }
    if (staffs == 0) return std::nullopt;
    model.num_lines = staffs;
    model.recompute_staff_rows();
    if (model.page_height_rows() != rows) return std::nullopt;
    for (int r = 0; r < rows; ++r) {
        bool string_row = false;
        for (int i = 0; i < staffs; ++i)
            string_row |= r >= model.first_row(i) && r <= model.last_row(i);
        if (!string_row && r >= 3 && line_at(r)) return std::nullopt;
    }
    // The last bar, where the string lines end: the fewest columns any string line runs on.
    int line_end = width;
    for (int i = 0; i < staffs; ++i) {
        for (int s = 0; s < model.num_strings(i); ++s) {
            const int y = model.string_row(i, s) * kRowPixels + kRowPixels / 2;
            int x = kFirstBar;
            while (x + 1 < width && black(page, x + 1, y)) ++x;
            line_end = std::min(line_end, x);
        }
    }
    // The last bar stands at 52 + 24·(n + 1)·a − 8·a.
    const int shortfall = kFirstBar + 24 * product - line_end;
    if (shortfall % 8 != 0) return std::nullopt;
    const int across = shortfall / 8;
    if (across < 1 || across > kMaxMeasuresAcross || product % across != 0) return std::nullopt;
    model.measures_across = across;
    model.notes_per_measure = product / across - 1;
    if (model.notes_per_measure < 1 || model.notes_per_measure > kMaxNotesPerMeasure)
        return std::nullopt;
    if (model.page_size_pixels() != page.size()) return std::nullopt;
    // Every bar stands where the layout puts it.
    for (int i = 0; i < staffs; ++i) {
        for (int j = 0; j <= across; ++j) {
            const int x = int(std::lround(model.measure_left(j) * kColumnPixels));
            for (int y = model.first_row(i) * kRowPixels + 8;
                 y <= model.last_row(i) * kRowPixels + 8; ++y)
                if (!black(page, x, y)) return std::nullopt;
        }
    }
    // Captions in bold at column 1 of the row above each staff, eight characters; the string
    // names " 1-" ... " 10-" and two of the tuning's in the label column of each string's row.
    const GlyphSet& bold = glyphs(true);
    const GlyphSet& regular = glyphs(false);
    const int x0 = LayoutModel::label_column() * kColumnPixels;
    for (int i = 0; i < staffs; ++i) {
        TextReader caption(page, bold, model.caption_row(i) * kRowPixels, x0 - 2, width);
        const std::optional<QString> text = caption.read(x0, -1, kCaptionWidth);
        if (!text) return std::nullopt;
        model.line_props[i].caption = settle_twins(*text);
        for (int s = 0; s < model.num_strings(i); ++s) {
            const QString prefix = QStringLiteral(" %1-").arg(s + 1);
            TextReader label(page, regular, model.string_row(i, s) * kRowPixels, x0 - 2, kFirstBar);
            const std::optional<QString> name =
                label.read(x0, -1, int(prefix.size()) + kTuningWidth);
            if (!name || !name->startsWith(prefix)) return std::nullopt;
            model.line_props[i].tuning[s] = settle_twins(name->mid(prefix.size()));
        }
    }
    return model;
}

}  // namespace strumix
