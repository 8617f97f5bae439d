#pragma once

#include <QString>

#include "page/layout_model.h"
#include "page/page_picture.h"

namespace strumix {

// Sizes the page picture from the layout: 6.5 + 3·(n + 1)·a + 3 columns by 2 rows plus
// (strings + 2) rows a staff. Returns false, with the reason, when the page cannot be created.
bool size_page(PagePicture& page, const LayoutModel& model, int measures_across, QString* error);

// Bar lines and string lines of the first `num_lines` staffs, over whatever is on the page.
void draw_staffs(PageDrawing& page, const LayoutModel& model, int measures_across);

// Each staff's caption in bold above it and its string names (" 1-e ") at the left.
void draw_captions(PageDrawing& page, const LayoutModel& model);

// The whole blank page of the layout on a white page of its size: staffs, captions and string
// names. When the page cannot be created it stays as it was, white, and `error` says why.
bool draw_blank_page(PagePicture& page, const LayoutModel& model, QString* error);

// The label of string s (counted from 0) tuned `tuning`: " 1-e ".
QString string_label(int string, const QString& tuning);

}  // namespace strumix
