#include "edit/page_title.h"

#include <QCoreApplication>

#include "document/document.h"
#include "document/questions.h"

namespace strumix {

// The title is only pixels on the page, like typed fret numbers: no undo copy is taken and the
// page is not committed, and a redraw of the blank page removes it.
void insert_page_title(Document& document, Questions& questions, PageUnit unit) {
    const std::optional<QString> answer =
        questions.input_box(QCoreApplication::translate(
                                "PageTitle", "Please enter the text for the page title you want."),
                            QCoreApplication::translate("PageTitle", "Insert Title"),
                            QCoreApplication::translate("PageTitle", "Guitar Riff"));
    if (!answer || answer->isEmpty()) return;
    const QPoint at = pixel_at(1, 0, unit);
    document.Picture1().draw(
        [&](PageDrawing& page) { page.text(at, *answer, {.bold = true, .underline = true}); });
}

}  // namespace strumix
