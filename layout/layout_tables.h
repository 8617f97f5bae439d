#pragma once

#include <QString>
#include <array>

#include "page/layout_model.h"

namespace strumix {

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

}  // namespace strumix
