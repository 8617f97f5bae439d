#include "edit/editor.h"

#include <QCoreApplication>

#include "app/help_file.h"
#include "edit/busy_pointer.h"
#include "page/page_renderer.h"

namespace strumix {

namespace {

QString page_failure_message(const QString& description) {
    return QStringLiteral("Error has occured:\n") + description +
           QStringLiteral(
               "\nplease reduce  your page layout's dimensions so your system can create the "
               "image.");
}

}  // namespace

Editor::Editor(EditorHost& host, QObject* parent) : QObject(parent), host_(host) {
    Picture1.setObjectName(QStringLiteral("Picture1"));
    pic_bend = Glyphs::get().pic_bend;
    connect(&Picture1, &PagePicture::changed, this, [this] { drawn_since_kept = true; });
}

void Editor::startup() {
    register_help_file(locate_help_file(QCoreApplication::applicationDirPath()));
    BusyPointer busy;
    model.notes_per_measure = 16;
    model.num_lines = 2;
    model.measures_across = 1;
    model.fill_defaults();
    model.recompute_staff_rows();
    host_.center_window();
    caption = QString::fromLatin1(kProgramTitle) + QStringLiteral(" [Untitled]");
    Redraw_pic();
    commit_and_mark_unchanged();
    backup[1] = Picture1.picture();
    cursor_motion = QStringLiteral("r");
    model.file_name = QStringLiteral("Untitled");
    cursor_home();
    page_pointer = PagePointer::Default;
    model.current_tool = kToolNumbers;
    Picture1.set_scale_mode(ScaleMode::Characters);
    location.visible = true;
    location.caption.clear();
    status_text = QStringLiteral("Selected Tool: Insert Fret Numbers");
    slidewin_visible = false;
    page_kept();
    notify();
}

void Editor::Redraw_pic() {
    Picture1.clear();
    Picture1.set_scale_mode(ScaleMode::Characters);
    if (!size_page(model.measures_across)) {
        // The page keeps its old size and nothing of the oversized layout is drawn; the Page
        // Layout dialog opened by size_page has already redrawn the page if the user chose a
        // layout that fits.
        notify();
        return;
    }
    draw_staffs(Picture1, model, model.measures_across);
    draw_captions(Picture1, model);
    location.top = 2;
    location.left = 8;
    notify();
}

bool Editor::size_page(int measures_across) {
    QString error;
    if (strumix::size_page(Picture1, model, measures_across, &error)) return true;
    host_.message(page_failure_message(error), QString(), MessageIcon::None);
    // Set before the dialog runs, so that a layout accepted inside it (which clears the flag
    // and redraws) is not reported as failed once the dialog closes.
    model.layout_failed = true;
    if (!host_.layout_dialog_visible()) host_.show_layout_dialog();
    return false;
}

void Editor::cursor_home() {
    location.caption.clear();
    location.top = LayoutModel::home_row();
    location.left = LayoutModel::home_column();
    notify();
}

}  // namespace strumix
