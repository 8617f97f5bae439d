#include "files/recovery_format.h"

#include <QHash>
#include <QUrl>
#include <algorithm>

namespace strumix {

namespace {

QByteArray encode(const QString& value) { return QUrl::toPercentEncoding(value); }

}  // namespace

QByteArray recovery_info_text(const RecoveryData& data) {
    QByteArray text;
    auto put = [&text](const QByteArray& key, const QString& value) {
        text += key + '=' + encode(value) + '\n';
    };
    const LayoutModel& m = data.model;
    put("file_name", data.file_name);
    put("file_path", data.file_path);
    if (data.stamp.known) {
        put("stamp_device", QString::number(data.stamp.device));
        put("stamp_inode", QString::number(data.stamp.inode));
        put("stamp_size", QString::number(data.stamp.size));
        put("stamp_modified_ns", QString::number(data.stamp.modified_ns));
    } else {
        put("stamp", QStringLiteral("none"));
    }
    put("num_lines", QString::number(m.num_lines));
    put("measures_across", QString::number(m.measures_across));
    put("notes_per_measure", QString::number(m.notes_per_measure));
    for (int i = 0; i < kMaxStaffs; ++i) {
        const LineProps& staff = m.line_props[i];
        const QByteArray n = QByteArray::number(i);
        put("caption" + n, staff.caption);
        put("strings" + n, QString::number(staff.num_strings));
        for (int s = 0; s < kMaxStrings; ++s)
            put("tuning" + n + '_' + QByteArray::number(s), staff.tuning[s]);
    }
    return text;
}

std::optional<RecoveryData> parse_recovery_info(const QByteArray& text) {
    QHash<QByteArray, QString> values;
    for (const QByteArray& line : text.split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq > 0) values.insert(line.left(eq), QUrl::fromPercentEncoding(line.mid(eq + 1)));
    }
    bool ok = true;
    auto number = [&](const QByteArray& key, int low, int high) {
        bool read = false;
        const int value = values.value(key).toInt(&read);
        if (!read || value < low || value > high) ok = false;
        return std::clamp(value, low, high);
    };
    RecoveryData data;
    data.file_name = values.value("file_name");
    data.file_path = values.value("file_path");
    if (values.contains("stamp_inode")) {
        bool read[4] = {};
        data.stamp = FileStamp{true, values.value("stamp_device").toULongLong(&read[0]),
                               values.value("stamp_inode").toULongLong(&read[1]),
                               values.value("stamp_size").toLongLong(&read[2]),
                               values.value("stamp_modified_ns").toLongLong(&read[3])};
        if (!(read[0] && read[1] && read[2] && read[3])) ok = false;
    } else if (!values.contains("stamp") && !data.file_path.isEmpty()) {
        data.stamp = FileStamp::matching_nothing();
    }
    LayoutModel& m = data.model;
    m.num_lines = number("num_lines", 1, kMaxStaffs);
    m.measures_across = number("measures_across", 1, kMaxMeasuresAcross);
    m.notes_per_measure = number("notes_per_measure", 1, kMaxNotesPerMeasure);
    for (int i = 0; i < kMaxStaffs; ++i) {
        LineProps& staff = m.line_props[i];
        const QByteArray n = QByteArray::number(i);
        staff.set_caption(values.value("caption" + n));
        staff.num_strings = number("strings" + n, 1, kMaxStrings);
        for (int s = 0; s < kMaxStrings; ++s)
            staff.set_tuning(s, values.value("tuning" + n + '_' + QByteArray::number(s)));
    }
    if (!ok || !values.contains("file_name")) return std::nullopt;
    m.recompute_staff_rows();
    return data;
}

}  // namespace strumix
