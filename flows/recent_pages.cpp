#include "flows/recent_pages.h"

#include <QFileInfo>

namespace strumix {

void RecentPages::set_paths(const QStringList& paths) {
    paths_.clear();
    for (const QString& path : paths) {
        if (!paths_.contains(path) && paths_.size() < kMost) paths_ << path;
    }
    emit changed();
}

void RecentPages::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    paths_.removeAll(absolute);
    paths_.prepend(absolute);
    while (paths_.size() > kMost) paths_.removeLast();
    emit changed();
}

void RecentPages::remove(const QString& path) {
    if (paths_.removeAll(path) > 0) emit changed();
}

}  // namespace strumix
