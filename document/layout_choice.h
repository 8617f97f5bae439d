#pragma once

#include <QString>
#include <array>
#include <optional>

#include "page/layout_model.h"

namespace strumix {

// The Page Layout dialog's roles, told apart by the caption its caller gives it (in English;
// the dialog shows it in the user's language).
inline constexpr char kLayoutDesignCaption[] = QT_TRANSLATE_NOOP("LayoutDialog", "Page Layout");
inline constexpr char kNewPageLayout[] = QT_TRANSLATE_NOOP("LayoutDialog", "New Page Layout");
inline constexpr char kAdjustLayout[] = QT_TRANSLATE_NOOP("LayoutDialog", "Adjust Layout to Image");
// What the notes-per-measure box falls back to when its number is refused.
inline constexpr char kDefaultNotesText[] = "16";

// What OK of the dialog's main face hands over: measures across, staffs and the notes per
// measure, already checked (a whole number from 1 to 52).
struct LayoutChoice {
    int measures_across = 1;
    int num_lines = 2;
    int notes_per_measure = 16;

    // The layout with this choice applied and the staff rows recomputed.
    LayoutModel applied_to(LayoutModel model) const;
};

// What the dialog answers when it hides itself: the staffs as "&Assign" left them (stored even
// when the dialog is cancelled), and the choice on OK, nothing on Cancel.
struct LayoutAnswer {
    std::array<LineProps, kMaxStaffs> staffs;
    std::optional<LayoutChoice> accepted;

    // The layout with the assigned staffs (and the choice, when accepted) stored in it.
    LayoutModel applied_to(LayoutModel model) const;
};

// The notes-per-measure box as a number of note columns: a whole number from 1 to 52, or
// nothing. A page of zero note columns (or of more than fit) is never drawn.
std::optional<int> notes_per_measure_from(const QString& text);
// Enter in the notes box refuses only numbers above 52.
bool notes_above_maximum(const QString& text);

}  // namespace strumix
