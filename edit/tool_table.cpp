#include "edit/tool_table.h"

#include <QCoreApplication>
#include <algorithm>

namespace strumix {

const std::vector<ToolButtonEntry>& tool_strip() {
    static const std::vector<ToolButtonEntry> tools = {
        {ToolId::Erase, "btn_edit", 90, "Erase Tool",
         QT_TRANSLATE_NOOP("Tools", "Cut section of image"), ":/tools/btn_edit.png"},
        {ToolId::Numbers, "btn_mode_0", 540, "Basic Commands",
         QT_TRANSLATE_NOOP("Tools", "Insert Fret Numbers"), ":/tools/btn_mode0.png"},
        {ToolId::Slide, "pic_tool_3", 1080, "Slide Tool", QT_TRANSLATE_NOOP("Tools", "Slide"),
         ":/tools/pic_tool3.png"},
        {ToolId::Hammer, "pic_tool_0", 1560, "Hammer On Tool", QT_TRANSLATE_NOOP("Tools", "Hammer"),
         ":/tools/pic_tool0.png"},
        {ToolId::PullOff, "pic_tool_1", 2040, "Pull-Off", QT_TRANSLATE_NOOP("Tools", "Pull-Off"),
         ":/tools/pic_tool1.png"},
        {ToolId::HammerPull, "pic_tool_2", 2520, "Hammer & Pull Off",
         QT_TRANSLATE_NOOP("Tools", "Hammer and Pull-Off"), ":/tools/pic_tool2.png"},
        {ToolId::HalfBend, "btn_bend_4", 3060, "Half Bend", QT_TRANSLATE_NOOP("Tools", "Half Bend"),
         ":/tools/btn_bend4.png"},
        {ToolId::WholeBend, "btn_bend_5", 3540, "Full Bend Tool",
         QT_TRANSLATE_NOOP("Tools", "Whole Bend"), ":/tools/btn_bend5.png"},
        {ToolId::GhostBend, "btn_bend_6", 4020, "Ghost Bend Tool",
         QT_TRANSLATE_NOOP("Tools", "Ghost Bend"), ":/tools/btn_bend6.png"},
        {ToolId::ReleaseBend, "btn_bend_7", 4500, "Release Bend Tool",
         QT_TRANSLATE_NOOP("Tools", "Release Bend"), ":/tools/btn_bend7.png"},
        {ToolId::Vibrato, "btn_bend_0", 5040, "Vibrato Tool", QT_TRANSLATE_NOOP("Tools", "Vibrato"),
         ":/tools/btn_bend0.png"},
        {ToolId::Trill, "btn_bend_1", 5505, "Trill Picking",
         QT_TRANSLATE_NOOP("Tools", "Trill Picking"), ":/tools/btn_bend1.png"},
        {ToolId::RakeDown, "btn_bend_2", 5970, "Rake Up Tool",
         QT_TRANSLATE_NOOP("Tools", "Downward Rake/Sweep"), ":/tools/btn_bend2.png"},
        {ToolId::RakeUp, "btn_bend_3", 6435, "Rake Down Tool",
         QT_TRANSLATE_NOOP("Tools", "Upward Rake/Sweep"), ":/tools/btn_bend3.png"},
    };
    return tools;
}

QString tool_status_name(ToolId tool) {
    return QCoreApplication::translate("Tools", tool_entry(tool).status);
}

const ToolButtonEntry& tool_entry(ToolId tool) {
    const std::vector<ToolButtonEntry>& all = tool_strip();
    return *std::find_if(all.begin(), all.end(),
                         [tool](const ToolButtonEntry& entry) { return entry.tool == tool; });
}

}  // namespace strumix
