#pragma once

class QMenu;

namespace strumix {

class PagePlayback;
struct LayoutModel;

// Play, "&Instrument": a submenu for each staff of the page, naming it by its caption, with the
// five instruments to choose from and the one it plays checked.
void fill_instrument_menu(QMenu& menu, const LayoutModel& layout, PagePlayback& playback);

}  // namespace strumix
