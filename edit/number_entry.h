#pragma once

#include <Qt>

#include "edit/tool.h"

namespace strumix {

// Fret-number entry, the home tool: the keys edit the entry in the cursor box, Enter prints it at
// the box's cell and moves the box on, and the harmonic command draws a diamond around the
// number under the box. A press on the page does nothing (the box moves only by keys).
class NumberEntry : public Tool {
public:
    using Tool::Tool;

    void begin() override;

    // A key pressed on the page, as Qt gives it. The keys edit the entry whatever tool is in
    // use, but only number entry steers the box with the arrows. Returns false for a key the
    // page does not know.
    bool Picture1_KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void insert_harmonic();

private:
    bool entering() const { return ctx_.state.current_tool == ToolId::Numbers; }
    // Enter: prints the entry at the box's cell and moves the box on.
    void write_entry();
    // After a number or harmonic: the box moves by the cursor motion, the entry is emptied
    // when "Re&fresh" is on, and the view follows.
    void advance();
};

}  // namespace strumix
