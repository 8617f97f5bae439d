#pragma once

#include <QRect>

#include "edit/tool.h"
#include "page/layout_model.h"
#include "page/page_picture.h"

namespace strumix {

// The rectangle spanned by a drag from (x1, y1) to (x2, y2): left, top, width and height in the
// drag's unit, whichever way the drag went.
QRect spanned_rect(int x1, int y1, int x2, int y2);

// Cuts `section` (in `unit`) out of the page: from one unit above and left of its corner to one
// unit short of its far edges everything turns white, then the staff lines, bar lines, captions
// and string names of the whole page are drawn again over it.
void cut_section(PagePicture& page, const LayoutModel& model, const QRect& section, PageUnit unit);

// "Cut section of image": a drag spans the rubber band `box`; the release cuts it out.
class EraseTool : public Tool {
public:
    using Tool::Tool;

    void begin() override;
    void press(QPointF at) override;
    void move(QPointF at) override;
    void release(QPointF at) override;
    void cancel() override;

private:
    // The band over the rectangle spanned by the drag, shown in pixels.
    void place_box_band();

    Drag drag_;
};

}  // namespace strumix
