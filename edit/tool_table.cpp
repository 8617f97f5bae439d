#include "edit/tool_table.h"

namespace strumix {

const std::vector<ToolButtonEntry>& tool_strip() {
    static const std::vector<ToolButtonEntry> tools = {
        {ToolGroup::Erase, 0, "btn_edit", 90, "Erase Tool", "Cut section of image",
         ":/tools/btn_edit.png"},
        {ToolGroup::Numbers, 0, "btn_mode_0", 540, "Basic Commands", "Insert Fret Numbers",
         ":/tools/btn_mode0.png"},
        {ToolGroup::Slur, 3, "pic_tool_3", 1080, "Slide Tool", "Slide", ":/tools/pic_tool3.png"},
        {ToolGroup::Slur, 0, "pic_tool_0", 1560, "Hammer On Tool", "Hammer",
         ":/tools/pic_tool0.png"},
        {ToolGroup::Slur, 1, "pic_tool_1", 2040, "Pull-Off", "Pull-Off", ":/tools/pic_tool1.png"},
        {ToolGroup::Slur, 2, "pic_tool_2", 2520, "Hammer & Pull Off", "Hammer and Pull-Off",
         ":/tools/pic_tool2.png"},
        {ToolGroup::Symbol, 4, "btn_bend_4", 3060, "Half Bend", "Half Bend",
         ":/tools/btn_bend4.png"},
        {ToolGroup::Symbol, 5, "btn_bend_5", 3540, "Full Bend Tool", "Whole Bend",
         ":/tools/btn_bend5.png"},
        {ToolGroup::Symbol, 6, "btn_bend_6", 4020, "Ghost Bend Tool", "Ghost Bend",
         ":/tools/btn_bend6.png"},
        {ToolGroup::Symbol, 7, "btn_bend_7", 4500, "Release Bend Tool", "Release Bend",
         ":/tools/btn_bend7.png"},
        {ToolGroup::Symbol, 0, "btn_bend_0", 5040, "Vibrato Tool", "Vibrato",
         ":/tools/btn_bend0.png"},
        {ToolGroup::Symbol, 1, "btn_bend_1", 5505, "Trill Picking", "Trill Picking",
         ":/tools/btn_bend1.png"},
        {ToolGroup::Symbol, 2, "btn_bend_2", 5970, "Rake Up Tool", "Downward Rake/Sweep",
         ":/tools/btn_bend2.png"},
        {ToolGroup::Symbol, 3, "btn_bend_3", 6435, "Rake Down Tool", "Upward Rake/Sweep",
         ":/tools/btn_bend3.png"},
    };
    return tools;
}

QString tool_status_name(ToolGroup group, int index) {
    for (const ToolButtonEntry& tool : tool_strip()) {
        if (tool.group == group && tool.index == index) return tool.status;
    }
    return QString();
}

}  // namespace strumix
