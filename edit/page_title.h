#pragma once

#include "page/page_geometry.h"

namespace strumix {

class Document;
class Questions;

// Insert, "&Page Title": prints the title the user types bold and underlined at (1, 0) in the
// page's current unit: column 1 of the top row with number entry, one pixel or one twip in from
// the corner with the other tools.
void insert_page_title(Document& document, Questions& questions, PageUnit unit);

}  // namespace strumix
