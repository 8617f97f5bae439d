#include "edit/symbol_stamp.h"

#include "edit/whole_units.h"
#include "page/page_picture.h"

namespace strumix {

void stamp_symbol(PagePicture& page, const QImage& symbol, QPointF at) {
    const QPoint top_left(whole_unit(at.x() - symbol.width() / 2.0),
                          whole_unit(at.y() - symbol.height() / 2.0));
    page.draw([&](PageDrawing& drawing) { drawing.and_copy(symbol, top_left); });
}

}  // namespace strumix
