#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "edit/cursor_box.h"
#include "edit/tool.h"
#include "notes/staff_sound.h"
#include "page/layout_model.h"

class QSettings;

namespace strumix {

// The page view's zoom: whole steps from 1 to 8.
inline constexpr int kMinZoom = 1;
inline constexpr int kMaxZoom = 8;

// What one run leaves for the next when "Sa&ve Settings on Exit" is checked as it ends. Each
// value is absent when nothing (or nothing sound) was stored, and the program then starts as
// it always has.
struct StoredSettings {
    bool save_on_exit = true;
    std::optional<LayoutModel> layout;
    std::optional<CursorMotion> motion;
    std::optional<bool> refresh;
    std::optional<bool> follow;
    std::optional<DrawOptions> draw_options;
    std::optional<int> zoom;
    std::optional<QString> folder;  // the file window's
    QStringList recent;             // newest first
    QByteArray window_geometry;     // QWidget::saveGeometry; empty: maximised, as at first
    // Play: the tempo, the loop, the count-in, and the instrument chosen for each staff.
    std::optional<int> tempo;
    std::optional<bool> loop;
    std::optional<bool> count_in;
    std::array<std::optional<StaffInstrument>, kMaxStaffs> instruments{};
};

// The settings file: in the user's configuration folder, or the test folder in test mode.
QString settings_path();

// Reads what is stored, refusing values out of range one by one (a damaged or hand-edited
// file costs only the values it damaged).
StoredSettings read_settings(QSettings& settings);
// Writes everything, or, when `save_on_exit` is false, only that choice.
void write_settings(QSettings& settings, const StoredSettings& stored);

// The settings file at `path`, when it is a file: anything else there (a pipe, a device, a
// folder) is not read, so that it cannot hold the start, and the program starts as it always
// has.
StoredSettings load_settings_file(const QString& path);
// Writes the settings file whole or not at all: the old file stays as it was when any part of
// the write fails, and `error` says why.
bool save_settings_file(const QString& path, const StoredSettings& stored, QString* error);

}  // namespace strumix
