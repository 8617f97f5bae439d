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
    // The changed test as it is written for the undo copy: the page's committed picture is not
    // the undo copy.
    bool undo_copy_differs() const { return doc.Picture1().picture() != doc.undo_copy(); }
    // The page's mouse at a place given in the page's current unit, as the view would report it.
    QPointF at(double x, double y) const { return strumix::to_pixels(QPointF(x, y), tools.unit()); }
    void press(double x, double y, Qt::MouseButton button = Qt::LeftButton) {
        tools.Picture1_MouseDown(button, at(x, y));
    }
    void move(double x, double y) { tools.Picture1_MouseMove(at(x, y)); }
    void release(double x, double y) { tools.Picture1_MouseUp(at(x, y)); }
};
