#pragma once

namespace strumix {

class Document;
class Questions;

// Insert, "&Page Title": prints the title the user types bold and underlined at the top.
void insert_page_title(Document& document, Questions& questions);

}  // namespace strumix
