#include "app/translations.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace strumix {

bool install_translations(QCoreApplication& app, const QLocale& locale) {
    // The program's own texts are built into it (":/i18n/strumix_de.qm").
    auto* own = new QTranslator(&app);
    if (!own->load(locale, QStringLiteral("strumix"), QStringLiteral("_"),
                   QStringLiteral(":/i18n"))) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // Qt's, for the Yes and No of questions and the standard dialogs: from the system's Qt
    // translations (Debian's qt6-translations-l10n), where they are installed.
    auto* qt = new QTranslator(&app);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    return true;
}

}  // namespace strumix
