#pragma once

#include <initializer_list>

#include "document/document.h"
#include "edit/tool_palette.h"
#include "support/fake_host.h"

// The document and the tools started as the program starts them, with scripted windows,
// driven by keys as Qt gives them.
struct EditorSession {
    FakeHost host;
    strumix::Document doc;
    strumix::ToolPalette tools{doc, host};

    EditorSession() {
        doc.start();
        tools.start();
    }

    strumix::CursorBox& box() { return tools.location(); }
    strumix::PagePicture& page() { return doc.Picture1(); }

    // A key, or a key combined with Qt::KeypadModifier as a key sequence combines them.
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        if (key & Qt::KeypadModifier) modifiers |= Qt::KeypadModifier;
        tools.Picture1_KeyDown(key & ~int(Qt::KeyboardModifierMask), modifiers);
    }
    void keys(std::initializer_list<int> keys) {
        for (int k : keys) key(k);
    }
    void keys(int k, int times) {
        for (int i = 0; i < times; ++i) key(k);
    }
    // A new blank page: `staffs` staffs of `strings` strings, `across` measures of 16 notes.
    void relayout(int staffs, int strings, int across) {
        strumix::LayoutModel model = doc.model();
        model.num_lines = staffs;
        model.measures_across = across;
        for (int i = 0; i < staffs; ++i) model.line_props[i].num_strings = strings;
        model.recompute_staff_rows();
        doc.set_model(model);
        QString error;
        doc.Redraw_pic(&error);
        doc.commit_and_mark_unchanged();
    }
    void place_box(double left, double top) { box().place(left, top); }
};
