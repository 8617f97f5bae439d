#include "edit/tool_palette.h"

#include "document/document.h"
#include "edit/edit_host.h"
#include "edit/page_title.h"
#include "edit/symbol_stamp.h"
#include "edit/tool_table.h"
#include "page/glyphs.h"

namespace strumix {

ToolPalette::ToolPalette(Document& document, EditHost& host, QObject* parent)
    : QObject(parent),
      doc_(document),
      host_(host),
      cursor_(document, host),
      numbers_(document, cursor_, host),
      erase_(ToolContext{document, overlay_, opt_, [this] { emit overlayChanged(); }}) {
    for (int kind = kToolHammer; kind <= kToolSlide; ++kind) {
        slurs_[kind] = std::make_unique<SlurTool>(
            ToolContext{document, overlay_, opt_, [this] { emit overlayChanged(); }}, kind);
    }
}

ToolPalette::~ToolPalette() = default;

void ToolPalette::start() {
    cursor_.cursor_home();
    pointer_ = PagePointer::Default;
    current_tool_ = kToolNumbers;
    doc_.Picture1().set_scale_mode(ScaleMode::Characters);
    cursor_.set_visible(true);
    set_status(tool_status_name(ToolGroup::Numbers, 0));
    slidewin_visible_ = false;
    emit changed();
}

void ToolPalette::set_status(const QString& name) {
    status_text_ = QStringLiteral("Selected Tool: ") + name;
}

Tool* ToolPalette::tool_in_use() {
    if (current_tool_ == kToolErase) return &erase_;
    if (current_tool_ >= kToolHammer && current_tool_ <= kToolSlide) {
        return slurs_[current_tool_].get();
    }
    return nullptr;
}

void ToolPalette::btn_mode_Click(int index) {
    // The number button is the only member of its array.
    if (index != 0) return;
    pointer_ = PagePointer::Default;
    current_tool_ = kToolNumbers;
    doc_.Picture1().set_scale_mode(ScaleMode::Characters);
    cursor_.set_caption(QString());
    cursor_.set_visible(true);
    set_status(tool_status_name(ToolGroup::Numbers, 0));
    slidewin_visible_ = false;
    host_.focus_page();
    emit changed();
}

void ToolPalette::btn_edit_Click() {
    set_status(tool_status_name(ToolGroup::Erase, 0));
    current_tool_ = kToolErase;
    doc_.Picture1().set_scale_mode(ScaleMode::Pixels);
    cursor_.set_visible(false);
    // One undo copy for all the cuts made while the tool stays selected.
    doc_.take_undo_copy();
    host_.focus_page();
    // The option strip keeps its visibility: chosen right after the slide tool it stays up.
    emit changed();
}

void ToolPalette::pic_tool_Click(int index) {
    if (index < kToolHammer || index > kToolSlide) return;
    current_tool_ = index;
    doc_.Picture1().set_scale_mode(ScaleMode::Twips);
    cursor_.set_visible(false);
    set_status(tool_status_name(ToolGroup::Slur, index));
    // The draw options are offered with the slide tool only, although every slur reads them.
    slidewin_visible_ = index == kToolSlide;
    emit changed();
}

void ToolPalette::btn_bend_Click(int index) {
    if (index < 0 || index >= kSymbolCount) return;
    cursor_.set_visible(false);
    doc_.Picture1().set_scale_mode(ScaleMode::Pixels);
    // From here the pointer carries the symbol until the next release of a mouse button.
    carried_ = index;
    slidewin_visible_ = false;
    set_status(tool_status_name(ToolGroup::Symbol, index));
    // Undo right after the drop goes back to the page as it is now.
    doc_.commit_and_mark_unchanged();
    host_.focus_page();
    emit changed();
}

// Every draw option belongs to the slide tool's strip, so touching one selects that tool.
void ToolPalette::restore_opt(const DrawOptions& options) {
    opt_ = options;
    emit changed();
}

void ToolPalette::opt_Click(int index, bool value) {
    if (index < 0 || index >= static_cast<int>(opt_.size())) return;
    opt_[index] = value;
    pic_tool_Click(kToolSlide);
}

void ToolPalette::Form_Click() { btn_mode_Click(0); }

void ToolPalette::Picture1_DragDrop(int symbol, QPointF at) {
    // Only the notation symbols are ever carried onto the page.
    if (symbol < 0 || symbol >= kSymbolCount) return;
    carried_ = -1;
    stamp_symbol(doc_.Picture1(), Glyphs::get().pic_bend[symbol], at);
    doc_.commit_page();
    btn_mode_Click(0);
}

void ToolPalette::Form_DragDrop(int) {
    carried_ = -1;
    btn_mode_Click(0);
}

// The tool's name stays in the status box and the page stays in pixels.
void ToolPalette::drop_elsewhere() {
    carried_ = -1;
    emit changed();
}

void ToolPalette::Picture1_MouseDown(Qt::MouseButton button, QPointF at) {
    if (button == Qt::RightButton) {
        // The right button is the way home from every tool; the press draws nothing, and a
        // drag under way ends here too, so no rubber band is left standing over the page.
        erase_.cancel();
        for (const auto& slur : slurs_) slur->cancel();
        btn_mode_Click(0);
        return;
    }
    if (Tool* tool = tool_in_use()) tool->press(at);
}

void ToolPalette::Picture1_MouseMove(QPointF at) {
    // Number entry does not place the cursor box by mouse.
    if (current_tool_ == kToolNumbers) return;
    if (pointer_ != PagePointer::CrossHair) {
        pointer_ = PagePointer::CrossHair;
        emit changed();
    }
    if (Tool* tool = tool_in_use()) tool->move(at);
}

void ToolPalette::Picture1_MouseUp(QPointF at) {
    if (Tool* tool = tool_in_use()) tool->release(at);
}

// The keys edit the entry whatever tool is in use; only number entry shows and steers the box.
bool ToolPalette::Picture1_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    return numbers_.Picture1_KeyDown(key, modifiers, current_tool_ == kToolNumbers);
}

void ToolPalette::mnu_harmonic_Click() { numbers_.insert_harmonic(current_tool_ == kToolNumbers); }

void ToolPalette::mnu_title_Click() { insert_page_title(doc_, host_); }

}  // namespace strumix
