#include "document/busy_pointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace strumix {

void busy_pointer_on() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

void busy_pointer_off() {
    if (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}

}  // namespace strumix
