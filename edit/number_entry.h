#pragma once

#include <Qt>

namespace strumix {

class CursorBox;
class Document;
class Questions;

// Fret-number entry: the keys edit the entry in the cursor box, Enter prints it at the box's
// cell and moves the box on, and the harmonic command draws a diamond around the number under
// the box.
class NumberEntry {
public:
    NumberEntry(Document& document, CursorBox& cursor, Questions& questions)
        : doc_(document), cursor_(cursor), questions_(questions) {}

    // A key pressed on the page, as Qt gives it. `entering` says whether number entry is the
    // tool in use: the keys edit the entry whatever the tool, but only number entry steers the
    // box with the arrows. Returns false for a key the page does not know.
    bool Picture1_KeyDown(int key, Qt::KeyboardModifiers modifiers, bool entering);
    void insert_harmonic(bool entering);

private:
    // Enter: prints the entry at the box's cell and moves the box on.
    void write_entry();
    // After a number or harmonic: the box moves by the cursor motion, the entry is emptied
    // when "Re&fresh" is on, and the view follows.
    void advance();

    Document& doc_;
    CursorBox& cursor_;
    Questions& questions_;
};

}  // namespace strumix
