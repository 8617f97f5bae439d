#pragma once

#include <QImage>
#include <optional>

#include "page/layout_model.h"

namespace strumix {

// The layout a page of ours was drawn from, read back from its pixels: staffs and strings from
// the string lines, measures across and notes per measure from the page's width and where its
// lines end, and each staff's caption and tunings from the text, glyph by glyph, against the
// glyphs the page itself prints. Nothing when the picture is not a page of ours, or when any
// part of it cannot be read for certain. Only the strings a staff has get tunings.
std::optional<LayoutModel> find_layout(const QImage& page);

}  // namespace strumix
