#include "flows/stored_settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "files/regular_file.h"
#include "files/safe_write.h"
#include "notes/performance.h"

namespace strumix {

namespace {

// Bumped when a stored value changes meaning; older files are then read as empty.
constexpr int kFormat = 1;

std::optional<int> int_in(const QSettings& settings, const QString& key, int low, int high) {
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    if (!ok || value < low || value > high) return std::nullopt;
    return value;
}

std::optional<bool> flag(const QSettings& settings, const QString& key) {
    const QVariant value = settings.value(key);
    if (!value.isValid()) return std::nullopt;
    return value.toBool();
}

std::optional<QString> text_of_width(const QSettings& settings, const QString& key, int width) {
    const QVariant value = settings.value(key);
    if (!value.isValid()) return std::nullopt;
    const QString text = value.toString();
    if (text.size() > width) return std::nullopt;
    return fixed_width(text, width);
}

std::optional<LayoutModel> read_layout(QSettings& settings) {
    settings.beginGroup(QStringLiteral("layout"));
    const auto staffs = int_in(settings, QStringLiteral("staffs"), 1, kMaxStaffs);
    const auto across = int_in(settings, QStringLiteral("measures_across"), 1, kMaxMeasuresAcross);
    const auto notes =
        int_in(settings, QStringLiteral("notes_per_measure"), 1, kMaxNotesPerMeasure);
    std::optional<LayoutModel> layout;
    if (staffs && across && notes) {
        layout.emplace();
        layout->num_lines = *staffs;
        layout->measures_across = *across;
        layout->notes_per_measure = *notes;
        for (int staff = 0; staff < kMaxStaffs && layout; ++staff) {
            LineProps& line = layout->line_props[staff];
            const QString group = QStringLiteral("staff%1/").arg(staff + 1);
            const auto caption = text_of_width(settings, group + "caption", kCaptionWidth);
            const auto strings = int_in(settings, group + "strings", 1, kMaxStrings);
            if (!caption || !strings) {
                layout.reset();
                break;
            }
            line.caption = *caption;
            line.num_strings = *strings;
            for (int string = 0; string < kMaxStrings; ++string) {
                const auto tuning = text_of_width(
                    settings, group + QStringLiteral("tuning%1").arg(string + 1), kTuningWidth);
                if (!tuning) {
                    layout.reset();
                    break;
                }
                line.tuning[string] = *tuning;
            }
        }
        if (layout) layout->recompute_staff_rows();
    }
    settings.endGroup();
    return layout;
}

void write_layout(QSettings& settings, const LayoutModel& layout) {
    settings.beginGroup(QStringLiteral("layout"));
    settings.setValue(QStringLiteral("staffs"), layout.num_lines);
    settings.setValue(QStringLiteral("measures_across"), layout.measures_across);
    settings.setValue(QStringLiteral("notes_per_measure"), layout.notes_per_measure);
    for (int staff = 0; staff < kMaxStaffs; ++staff) {
        const LineProps& line = layout.line_props[staff];
        const QString group = QStringLiteral("staff%1/").arg(staff + 1);
        settings.setValue(group + "caption", line.caption);
        settings.setValue(group + "strings", line.num_strings);
        for (int string = 0; string < kMaxStrings; ++string)
            settings.setValue(group + QStringLiteral("tuning%1").arg(string + 1),
                              line.tuning[string]);
    }
    settings.endGroup();
}

// Whether a value read back from a settings file is the one written: the file keeps text, so
// numbers and flags come back as text, and a list of one as its one entry.
bool same_setting(const QVariant& read, const QVariant& written) {
    switch (written.typeId()) {
        case QMetaType::QByteArray:
            return read.toByteArray() == written.toByteArray();
        case QMetaType::QStringList:
            return read.toStringList() == written.toStringList();
        default:
            return read.toString() == written.toString();
    }
}

}  // namespace

QString settings_path() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
        .filePath(QStringLiteral("strumix.conf"));
}

StoredSettings read_settings(QSettings& settings) {
    StoredSettings stored;
    stored.save_on_exit = flag(settings, QStringLiteral("save_on_exit")).value_or(true);
    // Left unchecked at the last exit: that run's settings were not kept, so none come back.
    if (!stored.save_on_exit) return stored;
    if (settings.value(QStringLiteral("format")).toInt() != kFormat) return stored;
    stored.layout = read_layout(settings);
    if (const auto motion = int_in(settings, QStringLiteral("cursor/motion"), 0, 4))
        stored.motion = CursorMotion(*motion);
    stored.refresh = flag(settings, QStringLiteral("cursor/refresh"));
    stored.follow = flag(settings, QStringLiteral("cursor/follow"));
    const auto arc = flag(settings, QStringLiteral("draw/arc"));
    const auto line = flag(settings, QStringLiteral("draw/line"));
    const auto letter = flag(settings, QStringLiteral("draw/letter"));
    if (arc && line && letter) stored.draw_options = DrawOptions{*arc, *line, *letter};
    stored.zoom = int_in(settings, QStringLiteral("view/zoom"), kMinZoom, kMaxZoom);
    const QString folder = settings.value(QStringLiteral("files/folder")).toString();
    if (!folder.isEmpty() && QDir(folder).exists()) stored.folder = folder;
    for (const QString& path : settings.value(QStringLiteral("files/recent")).toStringList()) {
        if (QDir::isAbsolutePath(path) && !stored.recent.contains(path)) stored.recent << path;
    }
    stored.window_geometry = settings.value(QStringLiteral("window/geometry")).toByteArray();
    stored.tempo = int_in(settings, QStringLiteral("play/tempo"), kSlowestTempo, kFastestTempo);
    stored.loop = flag(settings, QStringLiteral("play/loop"));
    stored.count_in = flag(settings, QStringLiteral("play/count_in"));
    for (int staff = 0; staff < kMaxStaffs; ++staff)
        if (const auto instrument =
                int_in(settings, QStringLiteral("play/instrument%1").arg(staff + 1), 0,
                       int(StaffInstrument::Bass)))
            stored.instruments[std::size_t(staff)] = StaffInstrument(*instrument);
    return stored;
}

void write_settings(QSettings& settings, const StoredSettings& stored) {
    settings.setValue(QStringLiteral("save_on_exit"), stored.save_on_exit);
    if (!stored.save_on_exit) return;
    settings.setValue(QStringLiteral("format"), kFormat);
    if (stored.layout) write_layout(settings, *stored.layout);
    if (stored.motion) settings.setValue(QStringLiteral("cursor/motion"), int(*stored.motion));
    if (stored.refresh) settings.setValue(QStringLiteral("cursor/refresh"), *stored.refresh);
    if (stored.follow) settings.setValue(QStringLiteral("cursor/follow"), *stored.follow);
    if (stored.draw_options) {
        settings.setValue(QStringLiteral("draw/arc"), stored.draw_options->arc);
        settings.setValue(QStringLiteral("draw/line"), stored.draw_options->line);
        settings.setValue(QStringLiteral("draw/letter"), stored.draw_options->letter);
    }
    if (stored.zoom) settings.setValue(QStringLiteral("view/zoom"), *stored.zoom);
    if (stored.folder) settings.setValue(QStringLiteral("files/folder"), *stored.folder);
    settings.setValue(QStringLiteral("files/recent"), stored.recent);
    settings.setValue(QStringLiteral("window/geometry"), stored.window_geometry);
    if (stored.tempo) settings.setValue(QStringLiteral("play/tempo"), *stored.tempo);
    if (stored.loop) settings.setValue(QStringLiteral("play/loop"), *stored.loop);
    if (stored.count_in) settings.setValue(QStringLiteral("play/count_in"), *stored.count_in);
    for (int staff = 0; staff < kMaxStaffs; ++staff)
        if (const auto& instrument = stored.instruments[std::size_t(staff)])
            settings.setValue(QStringLiteral("play/instrument%1").arg(staff + 1), int(*instrument));
    settings.sync();
}

StoredSettings load_settings_file(const QString& path) {
    if (file_kind(path) != FileKind::Regular) return StoredSettings();
    QSettings settings(path, QSettings::IniFormat);
    return read_settings(settings);
}

bool save_settings_file(const QString& path, const StoredSettings& stored, QString* error) {
    // Qt writes the settings through a buffer whose failure at the end goes unnoticed, so they
    // are written beside the file first, read back and compared, and only then put in its place
    // through the program's own safe write.
    const QFileInfo target(path);
    if (!QDir().mkpath(target.absolutePath())) {
        *error = QCoreApplication::translate("StoredSettings", "Cannot make the folder \"%1\".")
                     .arg(target.absolutePath());
        return false;
    }
    QTemporaryFile draft(target.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!draft.open()) {
        *error = draft.errorString();
        return false;
    }
    draft.close();
    QHash<QString, QVariant> wanted;
    {
        QSettings settings(draft.fileName(), QSettings::IniFormat);
        settings.clear();
        write_settings(settings, stored);
        for (const QString& key : settings.allKeys()) wanted.insert(key, settings.value(key));
        settings.sync();
        if (settings.status() != QSettings::NoError) {
            *error =
                QCoreApplication::translate("StoredSettings", "The settings could not be written.");
            return false;
        }
    }
    const QSettings written(draft.fileName(), QSettings::IniFormat);
    bool same = written.allKeys().size() == wanted.size();
    for (auto it = wanted.cbegin(); same && it != wanted.cend(); ++it)
        same = same_setting(written.value(it.key()), it.value());
    QFile bytes(draft.fileName());
    if (!same || !bytes.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate(
            "StoredSettings", "The settings could not be written whole: the disk may be full.");
        return false;
    }
    return write_file_whole(path, bytes.readAll(), error);
}

}  // namespace strumix
