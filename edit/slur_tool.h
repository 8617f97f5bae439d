#pragma once

#include <QString>

#include "edit/tool.h"
#include "page/slur_geometry.h"

namespace strumix {

// The slur tools, one per kind (hammer-on, pull-off, hammer and pull-off, slide; the codes of
// `current_tool`): a level drag shows the band `line1` and the release draws the arc and the
// letter the draw options ask for. A slide drawn as a line follows the pointer up and down.
class SlurTool : public Tool {
public:
    SlurTool(ToolContext context, int kind) : Tool(std::move(context)), kind_(kind) {}

    void begin() override;
    void press(QPointF at) override;
    void move(QPointF at) override;
    void release(QPointF at) override;
    void cancel() override;

private:
    void show_band();
    bool slide() const { return kind_ == slur_index(ToolId::Slide); }

    int kind_;
    Drag drag_;
};

}  // namespace strumix
