#include "layout/layout_tables.h"

#include <QCoreApplication>
#include <QStringList>

namespace strumix {

namespace {

const std::array<Instrument, 7> kInstruments = {{
    {QT_TRANSLATE_NOOP("LayoutDialog", "Standard E Tuning"),
     "Guitar",
     6,
     {"e", "B", "G", "D", "A", "E", "", "", "", ""}},
    {QT_TRANSLATE_NOOP("LayoutDialog", "E Flat Tuning"),
     "Guitar",
     6,
     {"eb", "Bb", "Gb", "Db", "Ab", "Eb", "", "", "", ""}},
    {QT_TRANSLATE_NOOP("LayoutDialog", "D Tuning"),
     "Guitar",
     6,
     {"d", "A", "F", "C", "G", "D", "", "", "", ""}},
    {QT_TRANSLATE_NOOP("LayoutDialog", "6th String D"),
     nullptr,
     0,
     {"e", "B", "G", "D", "A", "D", "", "", "", ""}},
    {QT_TRANSLATE_NOOP("LayoutDialog", "Bass Standard"),
     "Bass",
     4,
     {"G", "D", "A", "E", "", "", "", "", "", ""}},
    {QT_TRANSLATE_NOOP("LayoutDialog", "Bass 5-string"),
     "Bass",
     5,
     {"G", "D", "A", "E", "B", "", "", "", "", ""}},
    {QT_TRANSLATE_NOOP("LayoutDialog", "7-String Guitar"),
     "7-String",
     7,
     {"e", "B", "G", "D", "A", "E", "B", "", "", ""}},
}};

}  // namespace

QString measure_reference_title() {
    return QCoreApplication::translate("LayoutDialog", "Strumix v1.0  Measure Reference  Table");
}

QString measure_reference_text() {
    const char* const lines[] = {
        QT_TRANSLATE_NOOP("LayoutDialog", "NOTES PER MEASURE (npm):"),
        QT_TRANSLATE_NOOP("LayoutDialog", "Time Signature / Smallest  Notes:           Use (npm):"),
        "",
        QT_TRANSLATE_NOOP("LayoutDialog",
                          "     4/4  Quarter Notes                                          4"),
        QT_TRANSLATE_NOOP("LayoutDialog",
                          "     4/4  Eight Notes                                               8"),
        QT_TRANSLATE_NOOP("LayoutDialog",
                          "     4/4  Sixteenth Notes                                       16"),
        QT_TRANSLATE_NOOP("LayoutDialog",
                          "     4/4  Thirty-secondth Notes                            32"),
        QT_TRANSLATE_NOOP("LayoutDialog",
                          "     3/4  Eighth Notes                                             6"),
        QT_TRANSLATE_NOOP("LayoutDialog",
                          "     3/4  Sixteenth Notes                                       12"),
        QT_TRANSLATE_NOOP("LayoutDialog",
                          "     5/4  Eighth Notes                                             10"),
        QT_TRANSLATE_NOOP("LayoutDialog",
                          "     5/4  Sixteenth Notes                                        20"),
        QT_TRANSLATE_NOOP("LayoutDialog",
                          "     7/8  Eighth Notes                                              7"),
        "",
        QT_TRANSLATE_NOOP("LayoutDialog", "Max value is 52 notes per measure, allowing you to"),
        QT_TRANSLATE_NOOP(
            "LayoutDialog",
            "display up to 13/8 time showing thiry-secondth notes, and you should use 1 measure "
            "across only for this."),
        "",
        QT_TRANSLATE_NOOP("LayoutDialog",
                          "IMPORTANT: You will get an error if you try 52 notes, 4 measures "
                          "across, 4 lines down. "),
        QT_TRANSLATE_NOOP("LayoutDialog",
                          "This is because your system is limits how large an image you can make."),
        QT_TRANSLATE_NOOP(
            "LayoutDialog",
            "Reduce the 'Measures Across' value for large amounts of 'Notes per Measure'."),
    };
    QStringList text;
    for (const char* line : lines)
        text << (*line ? QCoreApplication::translate("LayoutDialog", line) : QString());
    return text.join(QLatin1Char('\n'));
}

const std::array<Instrument, 7>& instruments() { return kInstruments; }

StaffProps StaffProps::from(const LineProps& staff) {
    StaffProps props;
    props.header = staff.caption;
    props.num_strings = staff.num_strings;
    props.tuning = staff.tuning;
    return props;
}

void StaffProps::quick_select(int entry) {
    if (entry < 0 || entry >= static_cast<int>(kInstruments.size())) return;
    const Instrument& instrument = kInstruments[entry];
    if (instrument.header) header = QString::fromLatin1(instrument.header);
    if (instrument.num_strings > 0) num_strings = instrument.num_strings;
    for (int s = 0; s < kMaxStrings; ++s) tuning[s] = QString::fromLatin1(instrument.tuning[s]);
}

void StaffProps::store_into(LineProps& staff) const {
    staff.set_caption(header);
    staff.num_strings = num_strings;
    for (int s = 0; s < kMaxStrings; ++s) staff.set_tuning(s, tuning[s]);
}

QString props_caption(int lnum) {
    return QCoreApplication::translate("LayoutDialog", "Properties of Line# %1").arg(lnum + 1);
}

QString num_strings_caption(int num_strings) {
    return QCoreApplication::translate("LayoutDialog", "Number of Strings: %1").arg(num_strings);
}

}  // namespace strumix
