#pragma once

#include <QFont>

namespace strumix {

// Loads the program's compiled-in pictures and fonts; call once before anything uses them.
void load_resources();

// The page font: a sans serif at 11 pixels (8.25 points at 96 dpi), never antialiased, so the
// page stays black and white and looks the same on every machine.
QFont page_font(bool bold = false, bool underline = false);

// The family of the font shipped with the program.
QString shipped_font_family();

}  // namespace strumix
