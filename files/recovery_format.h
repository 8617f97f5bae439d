#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

#include "files/file_stamp.h"
#include "page/layout_model.h"

namespace strumix {

// What is kept of a page that has not been saved: the drawn page, its layout values and names,
// and what its file on disk was when the page was last opened from it or saved to it.
struct RecoveryData {
    QImage page;
    LayoutModel model;
    QString file_name;
    QString file_path;
    FileStamp stamp;
};

// The recovery data's layout, names and file stamp as the text of `page.ini`: one `key=value`
// line each, the values percent-encoded.
QByteArray recovery_info_text(const RecoveryData& data);

// The layout, names and stamp that `text` holds (the page itself is read from `page.bmp`).
// Nothing when any value is missing or out of its range. Data written before stamps were kept
// has none; its page's file then counts as changed since, so that saving asks first.
std::optional<RecoveryData> parse_recovery_info(const QByteArray& text);

}  // namespace strumix
