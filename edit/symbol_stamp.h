#pragma once

#include <QImage>
#include <QPointF>

namespace strumix {

class PagePicture;

// Stamps `symbol` onto the page centred on `at`, in pixels, rounded to whole pixels. AND lays
// the symbol's black strokes over lines and numbers without wiping them; its transparent and
// white parts leave the page as it is.
void stamp_symbol(PagePicture& page, const QImage& symbol, QPointF at);

}  // namespace strumix
