#include "layout/page_layout.h"

#include <QCoreApplication>
#include <QStringList>

#include "edit/editor.h"

namespace strumix {

namespace {

const std::array<Instrument, 7> kInstruments = {{
    {"Standard E Tuning", "Guitar", 6, {"e", "B", "G", "D", "A", "E", "", "", "", ""}},
    {"E Flat Tuning", "Guitar", 6, {"eb", "Bb", "Gb", "Db", "Ab", "Eb", "", "", "", ""}},
    {"D Tuning", "Guitar", 6, {"d", "A", "F", "C", "G", "D", "", "", "", ""}},
    {"6th String D", nullptr, 0, {"e", "B", "G", "D", "A", "D", "", "", "", ""}},
    {"Bass Standard", "Bass", 4, {"G", "D", "A", "E", "", "", "", "", "", ""}},
    {"Bass 5-string", "Bass", 5, {"G", "D", "A", "E", "B", "", "", "", "", ""}},
    {"7-String Guitar", "7-String", 7, {"e", "B", "G", "D", "A", "E", "B", "", "", ""}},
}};

}  // namespace

QString measure_reference_title() {
    return QStringLiteral("Strumix v1.0  Measure Reference  Table");
}

QString measure_reference_text() {
    const char* const lines[] = {
        "NOTES PER MEASURE (npm):",
        "Time Signature / Smallest  Notes:           Use (npm):",
        "",
        "     4/4  Quarter Notes                                          4",
        "     4/4  Eight Notes                                               8",
        "     4/4  Sixteenth Notes                                       16",
        "     4/4  Thirty-secondth Notes                            32",
        "     3/4  Eighth Notes                                             6",
        "     3/4  Sixteenth Notes                                       12",
        "     5/4  Eighth Notes                                             10",
        "     5/4  Sixteenth Notes                                        20",
        "     7/8  Eighth Notes                                              7",
        "",
        "Max value is 52 notes per measure, allowing you to",
        "display up to 13/8 time showing thiry-secondth notes, and you should use 1 measure "
        "across only for this.",
        "",
        "IMPORTANT: You will get an error if you try 52 notes, 4 measures across, 4 lines down. ",
        "This is because your system is limits how large an image you can make.",
        "Reduce the 'Measures Across' value for large amounts of 'Notes per Measure'.",
    };
    QStringList text;
    for (const char* line : lines) text << QString::fromLatin1(line);
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

QString props_caption(int lnum) { return QStringLiteral("Properties of Line# %1").arg(lnum + 1); }

QString num_strings_caption(int num_strings) {
    return QStringLiteral("Number of Strings: %1").arg(num_strings);
}

LayoutChoice LayoutChoice::from(const LayoutModel& model) {
    LayoutChoice choice;
    choice.measures_across = model.measures_across;
    choice.num_lines = model.num_lines;
    choice.notes_text = QString::number(model.notes_per_measure);
    return choice;
}

std::optional<int> notes_per_measure_from(const QString& text) {
    const QString digits = text.trimmed();
    if (digits.isEmpty() || digits.size() > 2) return std::nullopt;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    }
    const int notes = digits.toInt();
    if (notes < 1 || notes > kMaxNotesPerMeasure) return std::nullopt;
    return notes;
}

bool notes_above_maximum(const QString& text) {
    bool number = false;
    const int notes = text.trimmed().toInt(&number);
    return number && notes > kMaxNotesPerMeasure;
}

void PageLayoutCore::show_reference_table() {
    editor_.host().message(measure_reference_text(), measure_reference_title(), MessageIcon::None);
}

bool PageLayoutCore::notes_entered(QString& notes_text) {
    if (!notes_above_maximum(notes_text)) return false;
    show_reference_table();
    notes_text = QString::fromLatin1(kDefaultNotesText);
    return true;
}

LayoutResult PageLayoutCore::btn_ok_Click(LayoutChoice& choice) {
    const std::optional<int> notes = notes_per_measure_from(choice.notes_text);
    if (!notes) {
        show_reference_table();
        choice.notes_text = QString::fromLatin1(kDefaultNotesText);
        return LayoutResult::Refused;
    }
    if (hide_dialog) hide_dialog();
    ++accepts_;
    LayoutModel& model = editor_.model;
    model.layout_failed = false;
    model.measures_across = qBound(1, choice.measures_across, kMaxMeasuresAcross);
    model.num_lines = qBound(1, choice.num_lines, kMaxStaffs);
    model.notes_per_measure = *notes;
    model.recompute_staff_rows();
    if (caption == QLatin1String(kNewPageLayout)) return start_new_page();
    // Adjusting the layout to an image: the page stays exactly as it is.
    editor_.notify();
    return LayoutResult::Stored;
}

LayoutResult PageLayoutCore::start_new_page() {
    const unsigned accepted = accepts_;
    LayoutModel& model = editor_.model;
    editor_.Picture1.clear();
    // The caption still names the page "Untitled.bmp", as the New command set it.
    editor_.caption = QString::fromLatin1(kProgramTitle) + QStringLiteral(" [ ") + model.file_name +
                      QStringLiteral(" ]");
    model.file_name = QStringLiteral("Untitled");
    model.file_path.clear();
    model.layout_failed = false;
    editor_.Redraw_pic();
    editor_.host().form_resize();
    // A page too large to create has reopened the dialog from inside Redraw_pic; a layout
    // accepted there has drawn and committed its own page (or reopened the dialog itself), and
    // nothing of this older layout may be committed over it.
    if (accepts_ != accepted) return LayoutResult::Superseded;
    if (model.layout_failed) {
        model.layout_failed = false;
        caption = QString::fromLatin1(kNewPageLayout);
        editor_.host().show_layout_dialog();
        return LayoutResult::Reopened;
    }
    // Let the page paint, but take no clicks or keys: a command started now would find the
    // page drawn and not yet committed.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    editor_.commit_and_mark_unchanged();
    // A fresh page: nothing on it is waiting to be saved.
    editor_.page_kept();
    editor_.notify();
    return LayoutResult::Created;
}

}  // namespace strumix
