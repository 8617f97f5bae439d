#pragma once

#include <QObject>
#include <QPointF>
#include <QString>
#include <array>
#include <memory>
#include <optional>

#include "edit/cursor_box.h"
#include "edit/erase_tool.h"
#include "edit/note_block.h"
#include "edit/number_entry.h"
#include "edit/slur_tool.h"
#include "edit/symbol_carry.h"
#include "edit/tool.h"

namespace strumix {

class Document;
class EditHost;

// The tool strip and the tools behind it: it chooses the tool in use, and the tool sets itself
// up. The page view hands its mouse here in page pixels, turned into the page's current unit for
// the tool in use, and its keys as Qt gives them.
class ToolPalette : public QObject {
    Q_OBJECT

public:
    ToolPalette(Document& document, EditHost& host, QObject* parent = nullptr);
    ~ToolPalette() override;

    CursorBox& location() { return cursor_; }
    const CursorBox& location() const { return cursor_; }
    const Overlay& overlay() const { return overlay_; }
    const PaletteState& state() const { return state_; }
    ToolId current_tool() const { return state_.current_tool; }
    PageUnit unit() const { return state_.unit; }
    const QString& status_text() const { return state_.status_text; }
    bool slidewin_visible() const { return state_.slidewin_visible; }
    const DrawOptions& opt() const { return opt_; }
    PagePointer page_pointer() const { return state_.pointer; }
    std::optional<int> carried_symbol() const { return state_.carried; }
    // The button shown pressed: the carried symbol's, otherwise the tool in use.
    ToolId shown_tool() const;

    // The tools as the program starts: number entry, the cursor box at home.
    void start();
    // The draw options a previous run left ("&Arc", "&Line", "&Letter"), no tool changed.
    void restore_opt(const DrawOptions& options);

    // Chooses a tool of the strip (a notation symbol is picked up to be carried).
    void select(ToolId tool);
    // The strip's controls, as they are named.
    void btn_mode_Click(int index);
    void btn_edit_Click() { select(ToolId::Erase); }
    void pic_tool_Click(int index);
    void btn_bend_Click(int index);
    void opt_Click(int index, bool value);
    void Form_Click() { btn_mode_Click(0); }

    // Where a carried symbol is let go: on the page (`at` in pixels), over the bare window, or
    // over any other control.
    void Picture1_DragDrop(QPointF at);
    void Form_DragDrop();
    void drop_elsewhere();

    // The page's mouse, in page pixels, and its keys as Qt gives them (false for a key the page
    // does not know).
    void Picture1_MouseDown(Qt::MouseButton button, QPointF at);
    void Picture1_MouseMove(QPointF at);
    void Picture1_MouseUp(QPointF at);
    bool Picture1_KeyDown(int key, Qt::KeyboardModifiers modifiers);

    void mnu_harmonic_Click();
    // Insert, a symbol or a slur from the keyboard, on the note under the cursor box: the
    // symbol dropped where the note reader gives it to that note, the slur dragged from the
    // note to the next note column of its string, each as the mouse would draw it.
    void insert_symbol(int index);
    void insert_slur(int index);

    // The cells chosen by Shift with the arrows: from where the box stood when Shift was first
    // held to where it stands now. Nothing while none are chosen.
    std::optional<CellSpan> selection() const;
    void drop_selection();
    // Shift+drag with number entry: the box to the note cell under `at` (page pixels), and
    // the selection from where the drag began (`begin`) to it. False when number entry is not
    // in use or `at` is on no note cell.
    bool choose_cells(QPointF at, bool begin);
    // Edit, "Cu&t Notes", "Cop&y Notes" and "&Paste Notes": the chosen cells' pixels taken as a
    // block (onto the clipboard too, as a picture and as text tab), and put down with its first
    // cell at the cursor box.
    void cut_notes();
    void copy_notes();
    void paste_notes();
    bool has_block() const { return block_.has_value(); }
    void mnu_title_Click();
    // The view back at the top of the page, as after an open.
    void show_page_top();

signals:
    // The tool in use, the status text, the option strip, the pointer or the carried symbol.
    void changed();
    void overlayChanged();

private:
    ToolContext context();
    // The tool that takes the page's mouse, or none (number entry places nothing by mouse).
    Tool* tool_in_use();
    void cancel_drags();
    void show_selection();

    Document& doc_;
    EditHost& host_;
    CursorBox cursor_;
    Overlay overlay_;
    DrawOptions opt_;
    PaletteState state_;

    NumberEntry numbers_;
    EraseTool erase_;
    std::array<std::unique_ptr<SlurTool>, kSlurCount> slurs_;
    SymbolCarry carry_;

    std::optional<QPoint> anchor_;  // the box's column and row where the selection began
    bool growing_ = false;          // the box moves to grow the selection
    std::optional<NoteBlock> block_;
};

}  // namespace strumix
