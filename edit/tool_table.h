#pragma once

#include <QString>
#include <vector>

namespace strumix {

enum class ToolGroup { Erase, Numbers, Slur, Symbol };

// One button of the tool strip, left to right.
struct ToolButtonEntry {
    ToolGroup group;
    int index;     // index within its control array
    QString name;  // object name: "btn_edit", "btn_mode_0", "pic_tool_3", "btn_bend_4"
    int left_twips;
    QString tag;
    QString status;  // shown after "Selected Tool: "
    QString icon;    // resource path
};

const std::vector<ToolButtonEntry>& tool_strip();

// The name the status box shows after "Selected Tool: " for a tool of the strip.
QString tool_status_name(ToolGroup group, int index);

}  // namespace strumix
