#pragma once

#include <QString>
#include <vector>

#include "edit/tool_id.h"

namespace strumix {

// One button of the tool strip.
struct ToolButtonEntry {
    ToolId tool;
    QString name;  // the control's name: "btn_edit", "btn_mode_0", "pic_tool_3", "btn_bend_4"
    int left_twips;
    QString tag;
    const char* status;  // shown after "Selected Tool: ", before translation
    QString icon;        // resource path
};

// The strip's buttons, left to right.
const std::vector<ToolButtonEntry>& tool_strip();
const ToolButtonEntry& tool_entry(ToolId tool);

// The name the status box shows after "Selected Tool: ", in the user's language.
QString tool_status_name(ToolId tool);

}  // namespace strumix
