#include "edit/page_title.h"

#include "document/document.h"
#include "document/questions.h"

namespace strumix {

// The title is only pixels on the page, like typed fret numbers: no undo copy is taken and the
// page is not committed, and a redraw of the blank page removes it.
void insert_page_title(Document& document, Questions& questions) {
    const std::optional<QString> answer =
        questions.input_box(QStringLiteral("Please enter the text for the page title you want."),
                            QStringLiteral("Insert Title"), QStringLiteral("Guitar Riff"));
    if (!answer || answer->isEmpty()) return;
    PagePicture& page = document.Picture1();
    page.set_bold(true);
    page.set_underline(true);
    // (1, 0) in whatever unit the selected tool has given the page: column 1 of the top row
    // with number entry, one pixel or one twip in from the corner with the other tools.
    page.set_current(1, 0);
    page.print(*answer, true);
    page.set_bold(false);
    page.set_underline(false);
}

}  // namespace strumix
