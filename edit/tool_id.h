#pragma once

namespace strumix {

// Every tool of the tool strip. The slur tools are in the order of their `current_tool` codes
// (0 to 3), the notation symbols in the order of their pictures `pic_bend` 0 to 7.
enum class ToolId {
    Erase,
    Numbers,
    Hammer,
    PullOff,
    HammerPull,
    Slide,
    Vibrato,
    Trill,
    RakeDown,
    RakeUp,
    HalfBend,
    WholeBend,
    GhostBend,
    ReleaseBend,
};
inline constexpr int kToolCount = 14;
inline constexpr int kSlurCount = 4;

inline constexpr bool is_slur(ToolId id) { return id >= ToolId::Hammer && id <= ToolId::Slide; }
inline constexpr bool is_symbol(ToolId id) { return id >= ToolId::Vibrato; }
// The slur tool's index (0 hammer-on ... 3 slide) and the notation symbol's (0 vibrato ... 7
// release bend), and back.
inline constexpr int slur_index(ToolId id) { return int(id) - int(ToolId::Hammer); }
inline constexpr int symbol_index(ToolId id) { return int(id) - int(ToolId::Vibrato); }
inline constexpr ToolId slur_tool(int index) { return ToolId(int(ToolId::Hammer) + index); }
inline constexpr ToolId symbol_tool(int index) { return ToolId(int(ToolId::Vibrato) + index); }

// The classic `current_tool` code: 99 number entry, 12 erase, 0 to 3 the slur tools (a notation
// symbol is never the current tool: it is carried, and placed by its drop).
inline constexpr int current_tool_code(ToolId id) {
    return id == ToolId::Numbers ? 99 : id == ToolId::Erase ? 12 : slur_index(id);
}

}  // namespace strumix
