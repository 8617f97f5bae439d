#include "edit/symbol_carry.h"

#include "document/document.h"
#include "edit/cursor_box.h"
#include "edit/edit_host.h"
#include "edit/symbol_stamp.h"
#include "page/glyphs.h"

namespace strumix {

void SymbolCarry::pick_up(int symbol) {
    if (symbol < 0 || symbol >= kSymbolCount) return;
    PaletteState& state = ctx_.state;
    ctx_.cursor.set_visible(false);
    state.unit = PageUnit::Pixels;
    // From here the pointer carries the symbol until the next release of a mouse button.
    state.carried = symbol;
    state.slidewin_visible = false;
    state.show_status(symbol_tool(symbol));
    // Undo right after the drop goes back to the page as it is now.
    ctx_.doc.commit_and_mark_unchanged();
    ctx_.host.focus_page();
}

void SymbolCarry::drop_on_page(QPointF at) {
    const std::optional<int> symbol = std::exchange(ctx_.state.carried, std::nullopt);
    // Only the notation symbols are ever carried onto the page.
    if (!symbol) return;
    stamp_symbol(ctx_.doc.Picture1(), Glyphs::get().pic_bend[*symbol], at);
    ctx_.doc.commit_page();
    numbers_.begin();
}

void SymbolCarry::drop_on_window() {
    ctx_.state.carried.reset();
    numbers_.begin();
}

// The tool's name stays in the status box and the page stays in pixels.
void SymbolCarry::drop_elsewhere() { ctx_.state.carried.reset(); }

}  // namespace strumix
