#pragma once

#include <QPointF>

#include "edit/tool.h"

namespace strumix {

// Carrying a notation symbol from its tool button to where the next release of a mouse button
// lets it go: on the page it is stamped there, on the bare window it is thrown away and number
// entry returns, over any other control the carry just ends. Picking a symbol up changes the
// status box, the unit and the undo copy, but not `current_tool`: a symbol is never a mode.
class SymbolCarry {
public:
    SymbolCarry(ToolContext context, Tool& numbers) : ctx_(std::move(context)), numbers_(numbers) {}

    // `btn_bend_Click`: symbol 0 to 7 picked up.
    void pick_up(int symbol);
    // Where it is let go: `at` on the page in pixels.
    void drop_on_page(QPointF at);
    void drop_on_window();
    void drop_elsewhere();

private:
    ToolContext ctx_;
    Tool& numbers_;
};

}  // namespace strumix
