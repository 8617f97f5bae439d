#include "document/layout_choice.h"

namespace strumix {

LayoutModel LayoutChoice::applied_to(LayoutModel model) const {
    model.measures_across = qBound(1, measures_across, kMaxMeasuresAcross);
    model.num_lines = qBound(1, num_lines, kMaxStaffs);
    model.notes_per_measure = qBound(1, notes_per_measure, kMaxNotesPerMeasure);
    model.recompute_staff_rows();
    return model;
}

LayoutModel LayoutAnswer::applied_to(LayoutModel model) const {
    for (int i = 0; i < kMaxStaffs; ++i) model.line_props[i] = staffs[i];
    if (accepted) return accepted->applied_to(model);
    return model;
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

}  // namespace strumix
