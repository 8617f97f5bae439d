#pragma once

#include <QApplication>
#include <QLabel>

#include "title/title_window.h"

// The title windows the program has open, and their tiles.
namespace title_windows {

// Every tile of every title window in the program.
inline int tiles() {
    int count = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (!qobject_cast<strumix::TitleWindow*>(top)) continue;
        for (QLabel* label : top->findChildren<QLabel*>())
            count += label->objectName().startsWith(QLatin1String("pic_tile_"));
    }
    return count;
}

inline int open() {
    int count = 0;
    for (QWidget* top : QApplication::topLevelWidgets())
        count += bool(qobject_cast<strumix::TitleWindow*>(top));
    return count;
}

// Windows closed and waiting to be deleted are deleted now.
inline void unload_closed() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

}  // namespace title_windows
