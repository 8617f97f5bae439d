#include "edit/editor.h"

namespace strumix {

namespace {

const QString kSelectedTool = QStringLiteral("Selected Tool: ");

QString slur_status_name(int index) {
    static const char* const kNames[4] = {"Hammer", "Pull-Off", "Hammer and Pull-Off", "Slide"};
    return QString::fromLatin1(kNames[index]);
}

}  // namespace

void Editor::btn_mode_Click(int index) {
    // The number button is the only member of its array.
    if (index != 0) return;
    page_pointer = PagePointer::Default;
    model.current_tool = kToolNumbers;
    Picture1.set_scale_mode(ScaleMode::Characters);
    location.visible = true;
    location.caption.clear();
    status_text = kSelectedTool + QStringLiteral("Insert Fret Numbers");
    slidewin_visible = false;
    host_.focus_page();
    notify();
}

void Editor::btn_edit_Click() {
    status_text = kSelectedTool + QStringLiteral("Cut section of image");
    model.current_tool = kToolErase;
    Picture1.set_scale_mode(ScaleMode::Pixels);
    location.visible = false;
    // One undo copy for all the cuts made while the tool stays selected.
    take_undo_copy();
    host_.focus_page();
    // The option strip keeps its visibility: chosen right after the slide tool it stays up.
    notify();
}

void Editor::pic_tool_Click(int index) {
    if (index < kToolHammer || index > kToolSlide) return;
    model.current_tool = index;
    Picture1.set_scale_mode(ScaleMode::Twips);
    location.visible = false;
    slidewin_visible = false;
    status_text = kSelectedTool + slur_status_name(index);
    // The draw options are offered with the slide tool only, although every slur reads them.
    if (index == kToolSlide) slidewin_visible = true;
    notify();
}

void Editor::btn_bend_Click(int index) {
    if (index < 0 || index >= kSymbolCount) return;
    location.visible = false;
    Picture1.set_scale_mode(ScaleMode::Pixels);
    // From here the pointer carries the symbol until the next release of a mouse button.
    carried_symbol = index;
    slidewin_visible = false;
    status_text = kSelectedTool + symbol_status_name(index);
    // Undo right after the drop goes back to the page as it is now.
    commit_and_mark_unchanged();
    host_.focus_page();
    notify();
}

// Pressing a notation button starts nothing: the symbol is picked up by the click.
void Editor::btn_bend_MouseDown(int, int, int, double, double) {}

// Every draw option belongs to the slide tool's strip, so touching one selects that tool.
void Editor::opt_Click(int, bool) { pic_tool_Click(kToolSlide); }

void Editor::Form_Click() { btn_mode_Click(0); }

// A symbol let go over the window but off the page is thrown away.
void Editor::Form_DragDrop(int, double, double) {
    carried_symbol = -1;
    btn_mode_Click(0);
}

}  // namespace strumix
