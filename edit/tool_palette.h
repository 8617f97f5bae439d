#pragma once

#include <QObject>
#include <QPointF>
#include <QString>
#include <array>
#include <memory>

#include "edit/cursor_box.h"
#include "edit/erase_tool.h"
#include "edit/number_entry.h"
#include "edit/slur_tool.h"
#include "edit/tool.h"

namespace strumix {

class Document;
class EditHost;

enum class PagePointer { Default, CrossHair };

// The tool strip's state and the tools behind it: which tool is in use (`current_tool`), the
// status box text, the slide tool's option strip and draw options, the notation symbol being
// carried, and the cursor box. The page view hands its mouse and key events here, in the
// page's current unit, and they go on to the tool in use.
class ToolPalette : public QObject {
    Q_OBJECT

public:
    ToolPalette(Document& document, EditHost& host, QObject* parent = nullptr);
    ~ToolPalette() override;

    CursorBox& location() { return cursor_; }
    const CursorBox& location() const { return cursor_; }
    const Overlay& overlay() const { return overlay_; }
    int current_tool() const { return current_tool_; }
    const QString& status_text() const { return status_text_; }
    bool slidewin_visible() const { return slidewin_visible_; }
    const DrawOptions& opt() const { return opt_; }
    PagePointer page_pointer() const { return pointer_; }
    // The notation symbol the pointer carries, or -1.
    int carried_symbol() const { return carried_; }

    // The tools as the program starts: number entry, the cursor box at home.
    void start();
    // The draw options a previous run left ("&Arc", "&Line", "&Letter"), no tool changed.
    void restore_opt(const DrawOptions& options);

    // The tool strip.
    void btn_mode_Click(int index);
    void btn_edit_Click();
    void pic_tool_Click(int index);
    void btn_bend_Click(int index);
    void opt_Click(int index, bool value);
    void Form_Click();

    // Where a carried symbol is let go: on the page it is stamped (`at` in pixels), over the
    // bare window it is thrown away and number entry returns, over any other control nothing
    // happens but the carry ends.
    void Picture1_DragDrop(int symbol, QPointF at);
    void Form_DragDrop(int symbol);
    void drop_elsewhere();

    // The page's mouse, in the page's current unit, and its keys as Qt gives them (false for a
    // key the page does not know).
    void Picture1_MouseDown(Qt::MouseButton button, QPointF at);
    void Picture1_MouseMove(QPointF at);
    void Picture1_MouseUp(QPointF at);
    bool Picture1_KeyDown(int key, Qt::KeyboardModifiers modifiers);

    void mnu_harmonic_Click();
    void mnu_title_Click();

signals:
    // The tool in use, the status text, the option strip, the pointer or the carried symbol.
    void changed();
    void overlayChanged();

private:
    // The tool that takes the page's mouse, or none (number entry places nothing by mouse).
    Tool* tool_in_use();
    void set_status(const QString& name);

    Document& doc_;
    EditHost& host_;
    CursorBox cursor_;
    Overlay overlay_;
    DrawOptions opt_ = {false, true, true};
    int current_tool_ = kToolNumbers;
    QString status_text_ = QStringLiteral("Selected Tool: Insert Numbers");
    bool slidewin_visible_ = true;
    PagePointer pointer_ = PagePointer::Default;
    int carried_ = -1;

    NumberEntry numbers_;
    EraseTool erase_;
    std::array<std::unique_ptr<SlurTool>, 4> slurs_;
};

}  // namespace strumix
