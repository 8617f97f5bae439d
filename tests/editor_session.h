#pragma once

#include <initializer_list>

#include "edit/editor.h"
#include "edit/key_codes.h"
#include "fake_host.h"

// An editor started as the program starts it, with scripted windows, driven by key codes.
struct EditorSession {
    FakeHost host;
    strumix::Editor editor{host};

    EditorSession() { editor.startup(); }

    void keys(std::initializer_list<int> codes) {
        for (int code : codes) editor.Picture1_KeyDown(code, 0);
    }
    void keys(int code, int times) {
        for (int i = 0; i < times; ++i) editor.Picture1_KeyDown(code, 0);
    }
    // A new blank page: `staffs` staffs of `strings` strings, `across` measures of 16 notes.
    void relayout(int staffs, int strings, int across) {
        auto& model = editor.model;
        model.num_lines = staffs;
        model.measures_across = across;
        for (int i = 0; i < staffs; ++i) model.line_props[i].num_strings = strings;
        model.recompute_staff_rows();
        editor.Redraw_pic();
        editor.commit_and_mark_unchanged();
    }
    void place_box(double left, double top) {
        editor.location.left = left;
        editor.location.top = top;
    }
};
