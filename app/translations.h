#pragma once

#include <QCoreApplication>
#include <QLocale>

namespace strumix {

// Puts the program's texts (menus, dialogs, messages) and Qt's own (standard buttons and
// dialogs) into `locale`'s language where Strumix has a translation for it; English and the C
// locale load nothing, and every text stays as written in the source. True when a translation
// was loaded.
bool install_translations(QCoreApplication& app, const QLocale& locale = QLocale());

}  // namespace strumix
