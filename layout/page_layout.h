#pragma once

#include <QString>
#include <array>
#include <functional>
#include <optional>

#include "page/layout_model.h"

namespace strumix {

class Editor;

// The Page Layout dialog's roles, told apart by the caption its caller gives it.
inline constexpr char kLayoutDesignCaption[] = "Page Layout";
inline constexpr char kNewPageLayout[] = "New Page Layout";
inline constexpr char kAdjustLayout[] = "Adjust Layout to Image";
inline constexpr int kLayoutHelpContext = 370;
// What the notes-per-measure box falls back to when its number is refused.
inline constexpr char kDefaultNotesText[] = "16";

// The reference table of note counts per time signature ("&Info").
QString measure_reference_title();
QString measure_reference_text();

// One quick-select entry: what it puts into the properties panel. A null header and zero
// strings leave the caption and the number of strings as they are.
struct Instrument {
    const char* entry;
    const char* header;
    int num_strings;
    std::array<const char*, kMaxStrings> tuning;
};
const std::array<Instrument, 7>& instruments();

// The properties panel of one staff: caption, number of strings and the ten tunings as typed.
// Nothing reaches the layout until store_into ("&Assign").
struct StaffProps {
    QString header;
    int num_strings = 1;
    std::array<QString, kMaxStrings> tuning;

    static StaffProps from(const LineProps& staff);
    void quick_select(int entry);
    // Cuts or pads caption and tunings to their fixed widths, hidden tunings included.
    void store_into(LineProps& staff) const;
};

// The panel's caption for staff `lnum` (counted from 0) and the string-count label.
QString props_caption(int lnum);
QString num_strings_caption(int num_strings);

// The values the dialog's main face edits.
struct LayoutChoice {
    int measures_across = 1;
    int num_lines = 2;
    QString notes_text = QString::fromLatin1(kDefaultNotesText);

    static LayoutChoice from(const LayoutModel& model);
};

// The notes-per-measure box as a number of note columns: a whole number from 1 to 52, or
// nothing. A page of zero note columns (or of more than fit) is never drawn.
std::optional<int> notes_per_measure_from(const QString& text);
// Enter in the notes box refuses only numbers above 52.
bool notes_above_maximum(const QString& text);

enum class LayoutResult {
    Refused,     // the notes per measure were refused; the dialog stays open
    Stored,      // the layout was stored, the page left as it is
    Created,     // a new blank page was drawn and committed as unchanged
    Reopened,    // the page could not be created and the dialog was shown again
    Superseded,  // a layout accepted in the dialog reopened meanwhile finished the job
};

// The Page Layout dialog without its widgets: its caption (which is its role) and the steps of
// OK. The widgets read their controls into a LayoutChoice and hand it over.
class PageLayoutCore {
public:
    explicit PageLayoutCore(Editor& editor) : editor_(editor) {}

    Editor& editor() { return editor_; }

    QString caption = QString::fromLatin1(kLayoutDesignCaption);
    // Hides the dialog; OK does so before it draws, so that a page too large to create finds
    // the dialog hidden and opens it again for a smaller layout.
    std::function<void()> hide_dialog;

    void show_reference_table();
    // Enter in the notes box: a number above 52 shows the table and resets the text to "16".
    // Returns whether it did.
    bool notes_entered(QString& notes_text);
    // OK. A refused notes text is reset to "16" in `choice`.
    LayoutResult btn_ok_Click(LayoutChoice& choice);

private:
    LayoutResult start_new_page();

    Editor& editor_;
    // Counts accepted layouts, so that an OK whose page failed can tell whether the dialog it
    // reopened has already drawn a page of its own.
    unsigned accepts_ = 0;
};

}  // namespace strumix
