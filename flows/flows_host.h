#pragma once

#include <QImage>
#include <QPageLayout>
#include <QString>
#include <functional>
#include <optional>

#include "document/layout_choice.h"
#include "document/questions.h"

class QPagedPaintDevice;

namespace strumix {

enum class FilePurpose { Open, Save };

// A page to print: its name for the print queue, which way the paper should lie for a given
// paper, and how to paint it onto the printer (false when the printer would not take it).
struct PrintJob {
    QString name;
    std::function<QPageLayout::Orientation(const QPageLayout&)> orientation;
    std::function<bool(QPagedPaintDevice&)> paint;
};

// What the user flows ask of the windows: the questions, the file and the layout the user
// chooses, where to export, the printer, and the clipboard.
class FlowsHost : public Questions {
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
    // Where to export the page, proposing `suggested`; nothing when the user cancels.
    virtual std::optional<QString> choose_export_file(const QString& suggested) = 0;
    // The print dialog (or, with `preview`, the print preview) for `job`: nothing when the user
    // cancels, otherwise whether the page went to the printer.
    virtual std::optional<bool> print(const PrintJob& job, bool preview) = 0;
    // Puts the image on the clipboard; false with the reason when that fails.
    virtual bool set_clipboard_image(const QImage& image, QString* error) = 0;
    // The clipboard's text; nothing when it holds none.
    virtual std::optional<QString> clipboard_text() { return std::nullopt; }
};

}  // namespace strumix
