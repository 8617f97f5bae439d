#pragma once

#include <QLine>
#include <QPointF>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "edit/tool_id.h"
#include "page/page_geometry.h"

namespace strumix {

class CursorBox;
class Document;
class EditHost;

enum class PagePointer { Default, CrossHair };

// The rubber bands over the page, in page pixels: shown while the mouse moves, never drawn into
// the page itself.
struct Overlay {
    QRect box;  // the erase rectangle `box`
    bool box_visible = false;
    QLine line1;  // the slur line `line1`
    bool line1_visible = false;
    QRect selection;  // the cells chosen for Cut, Copy and Paste Notes, in page pixels
    bool selection_visible = false;
};

// The slide tool's draw options "&Arc", "&Line" and "&Letter".
struct DrawOptions {
    bool arc = false;
    bool line = true;
    bool letter = true;
    bool operator==(const DrawOptions&) const = default;
    // By the check boxes' index `opt` 0 to 2.
    bool operator[](int index) const { return index == 0 ? arc : index == 1 ? line : letter; }
    void set(int index, bool value) { (index == 0 ? arc : index == 1 ? line : letter) = value; }
};

// What the tool strip shows and the page works in: the tool in use (`current_tool`), the unit
// the page's mouse is reported in, the status box, the option strip, the page's pointer, and
// the notation symbol being carried (0 to 7), if any.
struct PaletteState {
    ToolId current_tool = ToolId::Numbers;
    PageUnit unit = PageUnit::Characters;
    QString status_text = QStringLiteral("Selected Tool: Insert Numbers");
    bool slidewin_visible = true;
    PagePointer pointer = PagePointer::Default;
    std::optional<int> carried;

    // "Selected Tool: " and the tool's status name.
    void show_status(ToolId tool);
};

// A drag on the page, in whole units of the page's unit at the press (`mouse_is_down`,
// `drag_start_x` ... `drag_end_y`).
struct Drag {
    bool mouse_is_down = false;
    int start_x = 0;
    int start_y = 0;
    int end_x = 0;
    int end_y = 0;
};

// What a tool may touch: the document's page, the cursor box, the strip's state, the rubber
// bands, the draw options and the windows' focus.
struct ToolContext {
    Document& doc;
    CursorBox& cursor;
    PaletteState& state;
    Overlay& overlay;
    const DrawOptions& opt;
    EditHost& host;
    // Tells the page view that the rubber bands changed.
    std::function<void()> overlay_changed;
};

// A tool of the strip. Chosen, it sets itself up (the unit, the cursor box, the status box, the
// option strip, the pointer, its undo copy and the focus), so the palette only chooses which
// tool is in use. The page's mouse comes to it in the page's current unit; the right button
// never does (it always returns to number entry).
class Tool {
public:
    explicit Tool(ToolContext context) : ctx_(std::move(context)) {}
    virtual ~Tool() = default;

    virtual void begin() = 0;
    virtual void press(QPointF) {}
    virtual void move(QPointF) {}
    virtual void release(QPointF) {}
    // The drag ends with nothing drawn and no band left standing.
    virtual void cancel() {}

protected:
    ToolContext ctx_;
};

}  // namespace strumix
