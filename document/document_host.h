#pragma once

#include <QImage>
#include <QString>
#include <optional>

#include "document/layout_choice.h"
#include "document/questions.h"

namespace strumix {

enum class FilePurpose { Open, Save };

// What the document commands ask of the windows around them: the file and the layout the user
// chooses, the clipboard, and the view and cursor box around the page.
class DocumentHost : public Questions {
public:
    // The file window, modal: the chosen file's full path, or nothing when cancelled. Saving,
    // the window has already asked before a file is replaced.
    virtual std::optional<QString> choose_file(FilePurpose purpose, const QString& name) = 0;
    // The file at `path` was just opened or saved: the file window shows its folder next time.
    virtual void file_kept(const QString& path) { (void)path; }
    // The Page Layout dialog, modal, with this caption ("New Page Layout", "Adjust Layout to
    // Image") and the staffs of `layout`; with `propose`, the whole of `layout` is shown as
    // already chosen (the layout found in an opened picture).
    virtual LayoutAnswer choose_layout(const QString& caption, const LayoutModel& layout,
                                       bool propose) = 0;
    // Whether another running Strumix has the file at `path` open.
    virtual bool open_in_another_copy(const QString& path) {
        (void)path;
        return false;
    }
    // Puts the image on the clipboard; false with the reason when that fails.
    virtual bool set_clipboard_image(const QImage& image, QString* error) = 0;

    // The page view laid out again for the page's size (`form_resize`), and scrolled to the top.
    virtual void form_resize() = 0;
    virtual void scroll_to_top() = 0;
    // The cursor box and the tools: home after a new page, the row above the first string
    // (following the view) after an open, and number entry selected after a layout is adjusted.
    virtual void cursor_home() = 0;
    virtual void cursor_to_page_top() = 0;
    virtual void select_number_entry() = 0;
};

}  // namespace strumix
