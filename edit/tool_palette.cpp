#include "edit/tool_palette.h"

#include <QCoreApplication>
#include <cmath>

#include "document/clipboard_copy.h"
#include "document/document.h"
#include "edit/block_text.h"
#include "edit/edit_host.h"
#include "edit/page_title.h"
#include "edit/tool_table.h"
#include "notes/notes_model.h"
#include "page/glyphs.h"

namespace strumix {

void PaletteState::show_status(ToolId tool) {
    status_text =
        QCoreApplication::translate("ToolPalette", "Selected Tool: ") + tool_status_name(tool);
}

ToolContext ToolPalette::context() {
    return ToolContext{
        doc_, cursor_, state_, overlay_, opt_, host_, [this] { emit overlayChanged(); }};
}

ToolPalette::ToolPalette(Document& document, EditHost& host, QObject* parent)
    : QObject(parent),
      doc_(document),
      host_(host),
      cursor_(document, host),
      numbers_(context()),
      erase_(context()),
      carry_(context(), numbers_) {
    for (int kind = 0; kind < kSlurCount; ++kind)
        slurs_[kind] = std::make_unique<SlurTool>(context(), kind);
    // The box moved any other way than to grow the selection: the selection goes.
    connect(&cursor_, &CursorBox::changed, this, [this] {
        if (!growing_) drop_selection();
    });
}

ToolPalette::~ToolPalette() = default;

ToolId ToolPalette::shown_tool() const {
    return state_.carried ? symbol_tool(*state_.carried) : state_.current_tool;
}

void ToolPalette::start() {
    cursor_.cursor_home();
    state_.pointer = PagePointer::Default;
    state_.current_tool = ToolId::Numbers;
    state_.unit = PageUnit::Characters;
    cursor_.set_visible(true);
    state_.show_status(ToolId::Numbers);
    state_.slidewin_visible = false;
    emit changed();
}

Tool* ToolPalette::tool_in_use() {
    const ToolId tool = state_.current_tool;
    if (tool == ToolId::Erase) return &erase_;
    if (is_slur(tool)) return slurs_[slur_index(tool)].get();
    return nullptr;
}

void ToolPalette::cancel_drags() {
    erase_.cancel();
    for (const auto& slur : slurs_) slur->cancel();
}

void ToolPalette::select(ToolId tool) {
    if (is_symbol(tool)) {
        carry_.pick_up(symbol_index(tool));
    } else if (tool == ToolId::Numbers) {
        numbers_.begin();
    } else if (tool == ToolId::Erase) {
        erase_.begin();
    } else {
        slurs_[slur_index(tool)]->begin();
    }
    emit changed();
}

void ToolPalette::btn_mode_Click(int index) {
    // The number button is the only member of its array.
    if (index == 0) select(ToolId::Numbers);
}

void ToolPalette::pic_tool_Click(int index) {
    if (index >= 0 && index < kSlurCount) select(slur_tool(index));
}

void ToolPalette::btn_bend_Click(int index) {
    if (index >= 0 && index < kSymbolCount) select(symbol_tool(index));
}

void ToolPalette::restore_opt(const DrawOptions& options) {
    opt_ = options;
    emit changed();
}

// Every draw option belongs to the slide tool's strip, so touching one selects that tool.
void ToolPalette::opt_Click(int index, bool value) {
    if (index < 0 || index > 2) return;
    opt_.set(index, value);
    select(ToolId::Slide);
}

void ToolPalette::Picture1_DragDrop(QPointF at) {
    carry_.drop_on_page(at);
    emit changed();
}

void ToolPalette::Form_DragDrop() {
    carry_.drop_on_window();
    emit changed();
}

void ToolPalette::drop_elsewhere() {
    carry_.drop_elsewhere();
    emit changed();
}

void ToolPalette::Picture1_MouseDown(Qt::MouseButton button, QPointF at) {
    if (button == Qt::RightButton) {
        // The right button is the way home from every tool; the press draws nothing, and a
        // drag under way ends here too, so no rubber band is left standing over the page.
        cancel_drags();
        btn_mode_Click(0);
        return;
    }
    if (Tool* tool = tool_in_use()) tool->press(from_pixels(at, state_.unit));
}

void ToolPalette::Picture1_MouseMove(QPointF at) {
    // Number entry does not place the cursor box by mouse.
    if (state_.current_tool == ToolId::Numbers) return;
    if (state_.pointer != PagePointer::CrossHair) {
        state_.pointer = PagePointer::CrossHair;
        emit changed();
    }
    if (Tool* tool = tool_in_use()) tool->move(from_pixels(at, state_.unit));
}

void ToolPalette::Picture1_MouseUp(QPointF at) {
    if (Tool* tool = tool_in_use()) tool->release(from_pixels(at, state_.unit));
}

bool ToolPalette::Picture1_KeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const bool arrow =
        key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
    // Shift with an arrow moves the box as the arrow alone does, and grows the selection from
    // where the box was; any other move, and Escape, let the selection go.
    const bool growing =
        arrow && modifiers.testFlag(Qt::ShiftModifier) && state_.current_tool == ToolId::Numbers;
    const bool chosen = anchor_.has_value();
    if (growing && !anchor_) anchor_ = QPoint(int(cursor_.left()), int(cursor_.top()));
    if (!growing && (arrow || key == Qt::Key_Escape)) drop_selection();
    // Escape that let a selection go is answered here; otherwise it goes on as before.
    if (key == Qt::Key_Escape) return chosen;
    growing_ = growing;
    const bool taken = numbers_.Picture1_KeyDown(key, modifiers);
    growing_ = false;
    if (growing) show_selection();
    return taken;
}

std::optional<CellSpan> ToolPalette::selection() const {
    if (!anchor_) return std::nullopt;
    return CellSpan::between(anchor_->x(), anchor_->y(), int(cursor_.left()), int(cursor_.top()));
}

void ToolPalette::show_selection() {
    const std::optional<CellSpan> span = selection();
    overlay_.selection_visible = span.has_value();
    overlay_.selection = span ? span_pixels(doc_.model(), *span) : QRect();
    emit overlayChanged();
}

bool ToolPalette::choose_cells(QPointF at, bool begin) {
    if (state_.current_tool != ToolId::Numbers) return false;
    const LayoutModel& m = doc_.model();
    // The note column whose cell is nearest, and the row under the pointer.
    std::optional<int> column;
    for (int measure = 0; measure < m.measures_across; ++measure)
        for (int note = 0; note < m.notes_per_measure; ++note) {
            const int c = m.note_column(measure, note);
            const double middle = (c + 1) * kColumnPixels;
            if (!column ||
                std::abs(middle - at.x()) < std::abs((*column + 1) * kColumnPixels - at.x()))
                column = c;
        }
    const int row = int(at.y()) / kRowPixels;
    if (!column || row < m.first_row(0) || row > m.last_row(m.num_lines - 1)) return !begin;
    if (begin) drop_selection();
    growing_ = true;
    cursor_.place(*column, row);
    growing_ = false;
    if (begin) anchor_ = QPoint(*column, row);
    show_selection();
    return true;
}

void ToolPalette::drop_selection() {
    if (!anchor_) return;
    anchor_.reset();
    show_selection();
}

void ToolPalette::copy_notes() {
    const std::optional<CellSpan> span = selection();
    if (!span) return;
    block_ = copy_block(doc_.Picture1(), doc_.model(), *span);
    QString error;
    put_on_clipboard(block_->pixels, block_text(doc_.Picture1().image(), doc_.model(), *span),
                     &error);
}

void ToolPalette::cut_notes() {
    const std::optional<CellSpan> span = selection();
    if (!span) return;
    copy_notes();
    doc_.take_undo_copy();
    clear_block(doc_.Picture1(), doc_.model(), *span);
    drop_selection();
}

void ToolPalette::paste_notes() {
    if (!block_) return;
    drop_selection();
    doc_.take_undo_copy();
    const int left_out = paste_block(doc_.Picture1(), doc_.model(), *block_, int(cursor_.left()),
                                     int(cursor_.top()));
    if (left_out > 0)
        host_.message(QCoreApplication::translate(
                          "ToolPalette",
                          "The staff has fewer strings than the block: %n string(s) of it "
                          "were left out.",
                          nullptr, left_out),
                      QString(), MessageIcon::Information);
}

void ToolPalette::mnu_harmonic_Click() { numbers_.insert_harmonic(); }

// The note cell under the cursor box, in page pixels.
static QRect box_cell(const CursorBox& box) {
    return QRect(int(box.left() * kColumnPixels), int(box.top() * kRowPixels), 2 * kColumnPixels,
                 kRowPixels);
}

void ToolPalette::insert_symbol(int index) {
    if (index < 0 || index >= kSymbolCount) return;
    const QRect cell = box_cell(cursor_);
    btn_bend_Click(index);
    Picture1_DragDrop(QPointF(cell.topLeft() + kEntryMiddle + kSymbolPreferred));
}

void ToolPalette::insert_slur(int index) {
    if (index < 0 || index >= kSlurCount) return;
    const QRect cell = box_cell(cursor_);
    const LayoutModel& m = doc_.model();
    // The next note column of the same system: the next note, or the next measure's first.
    const int column = int(cursor_.left());
    std::optional<int> next;
    for (int measure = 0; measure < m.measures_across && !next; ++measure)
        for (int note = 0; note < m.notes_per_measure && !next; ++note)
            if (m.note_column(measure, note) > column) next = m.note_column(measure, note);
    if (!next) return;
    const QPoint press = cell.topLeft() + QPoint(6, 5);
    const QPoint release(*next * kColumnPixels + 6, press.y());
    const double left = cursor_.left();
    const double top = cursor_.top();
    pic_tool_Click(index);
    Picture1_MouseDown(Qt::LeftButton, QPointF(press));
    Picture1_MouseMove(QPointF(release));
    Picture1_MouseUp(QPointF(release));
    // Back to typing, the box where it was.
    btn_mode_Click(0);
    cursor_.place(left, top);
}

void ToolPalette::mnu_title_Click() { insert_page_title(doc_, host_, state_.unit); }

void ToolPalette::show_page_top() {
    if (host_.view_scrolls_down()) host_.scroll_view_down_to(0);
}

}  // namespace strumix
