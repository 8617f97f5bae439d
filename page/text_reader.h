#pragma once

#include <QImage>
#include <QString>
#include <QVector>
#include <functional>
#include <optional>

namespace strumix {

// The ink the page prints for `text` in the page font, as points from the text's top-left
// corner, without antialiasing, exactly as it lands on a page.
QVector<QPoint> printed_ink(const QString& text, bool bold);

// One line of the page's own text read back from its pixels, glyph by glyph against the glyphs
// the page prints, kerning included: the `length` characters printed from column `origin` of
// the text row whose top is `top`, within columns [left, right). A text is read only when it
// explains every black pixel of the line; where a symbol or slur letter may lie over the line,
// the pixels it could have inked may be either, and the text must then be the only one that
// fits. Nothing when no text, or more than one, explains the line.
std::optional<QString> read_page_text(const QImage& page, bool bold, int top, int left, int right,
                                      int origin, int length);

// A line of text of any length up to `most` characters (a page title) read back the same way,
// printed from `origin`: the one text that explains every black pixel in [left, right) of the
// row, the pixels `hidden` names (an underline, say) counting as either. It ends with its last
// character that has ink. Nothing when no text, or more than one, explains the line.
std::optional<QString> read_free_text(const QImage& page, bool bold, int top, int left, int right,
                                      int origin, int most,
                                      const std::function<bool(int, int)>& hidden);

}  // namespace strumix
