#include "app/recent_pages.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>

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

void RecentPages::fill_menu(QMenu& menu) {
    menu.clear();
    menu.setEnabled(!paths_.isEmpty());
    for (qsizetype i = 0; i < paths_.size(); ++i) {
        const QString& path = paths_[i];
        // "&1 song.tab  (/home/me/tabs)": the folder tells pages of one name apart. An "&" in
        // a name is shown, not taken for a mnemonic.
        QString name = QStringLiteral("%1  (%2)")
                           .arg(QFileInfo(path).fileName(),
                                QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* item = menu.addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        item->setObjectName(QStringLiteral("mnu_recent_%1").arg(i + 1));
        item->setData(path);
        connect(item, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
}

}  // namespace strumix
