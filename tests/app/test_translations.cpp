#include <QDomDocument>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTranslator>
#include <QtTest>

#include "app/assembly.h"
#include "app/main_window.h"
#include "app/translations.h"
#include "edit/tool_palette.h"
#include "layout/layout_dialog.h"
#include "page/page_font.h"

using namespace strumix;

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    bool finished = false;
};

std::vector<Message> german_messages() {
    QFile file(QStringLiteral(STRUMIX_TRANSLATIONS "/strumix_de.ts"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    QDomDocument ts;
    if (!ts.setContent(&file)) return {};
    std::vector<Message> all;
    const QDomNodeList contexts = ts.elementsByTagName(QStringLiteral("context"));
    for (int c = 0; c < contexts.size(); ++c) {
        const QDomElement context = contexts.at(c).toElement();
        const QString name = context.firstChildElement(QStringLiteral("name")).text();
        const QDomNodeList messages = context.elementsByTagName(QStringLiteral("message"));
        for (int m = 0; m < messages.size(); ++m) {
            const QDomElement message = messages.at(m).toElement();
            const QDomElement translation =
                message.firstChildElement(QStringLiteral("translation"));
            all.push_back({name, message.firstChildElement(QStringLiteral("source")).text(),
                           translation.text(), !translation.hasAttribute(QStringLiteral("type"))});
        }
    }
    return all;
}

// The letters a menu's entries are reached by (after "&"), lower case.
QStringList mnemonics(const QMenu* menu) {
    QStringList letters;
    for (const QAction* action : menu->actions()) {
        const QString text = action->text();
        const qsizetype at = text.indexOf(QLatin1Char('&'));
        if (!action->isSeparator() && at >= 0 && at + 1 < text.size())
            letters << text.mid(at + 1, 1).toLower();
    }
    return letters;
}

QStringList placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

}  // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        load_resources();
    }

    void every_text_has_its_german() {
        const std::vector<Message> messages = german_messages();
        QVERIFY(messages.size() > 200);
        for (const Message& m : messages) {
            const QString where = m.context + QStringLiteral(": ") + m.source;
            QVERIFY2(m.finished && !m.translation.isEmpty(), qPrintable(where));
            // What the program fills in must have its place in the German too.
            QCOMPARE(placeholders(m.translation), placeholders(m.source));
            QVERIFY2(
                m.source.contains(QLatin1Char('&')) == m.translation.contains(QLatin1Char('&')),
                qPrintable(where));
        }
    }

    void german_start_shows_german_texts() {
        QVERIFY(install_translations(*qApp, QLocale(QLocale::German, QLocale::Germany)));
        {
            Assembly program;
            program.start();
            MainWindow& window = program.form1();
            QCOMPARE(window.menu(QStringLiteral("menu_file"))->title(), QStringLiteral("&Datei"));
            QCOMPARE(window.action(QStringLiteral("menu_save"))->text(),
                     QStringLiteral("&Speichern"));
            QCOMPARE(window.action(QStringLiteral("mnu_paste_text_tab"))->text(),
                     QStringLiteral("Text-Tab &einfügen"));
            QCOMPARE(program.tools().status_text(),
                     QStringLiteral("Werkzeug: Bundnummern einfügen"));
            QCOMPARE(program.layout_dialog().windowTitle(), QStringLiteral("Seitenlayout"));
            // In German a menu's entries are still each reached by a letter of their own.
            const QList<QMenu*> menus = window.findChildren<QMenu*>();
            QVERIFY(menus.size() >= 6);
            for (const QMenu* menu : menus) {
                const QStringList letters = mnemonics(menu);
                QVERIFY2(QSet<QString>(letters.begin(), letters.end()).size() == letters.size(),
                         qPrintable(menu->title() + QStringLiteral(": ") +
                                    letters.join(QLatin1Char(' '))));
            }
            QStringList bar;
            for (const QAction* action : window.menuBar()->actions())
                if (action->text().contains(QLatin1Char('&')))
                    bar << action->text()
                               .mid(action->text().indexOf(QLatin1Char('&')) + 1, 1)
                               .toLower();
            QCOMPARE(QSet<QString>(bar.begin(), bar.end()).size(), bar.size());
        }
        // Qt's own buttons follow where Debian's Qt translations are installed.
        if (QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                          QStringLiteral("/qtbase_de.qm")))
            QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
        for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    void c_start_keeps_every_text() {
        QVERIFY(!install_translations(*qApp, QLocale::c()));
        QVERIFY(!install_translations(*qApp, QLocale(QLocale::English, QLocale::UnitedStates)));
        Assembly program;
        program.start();
        MainWindow& window = program.form1();
        // Every menu and entry reads as its source, typos and all.
        QSet<QString> sources;
        for (const Message& m : german_messages())
            if (m.context == QStringLiteral("Menus")) sources.insert(m.source);
        int checked = 0;
        for (const QMenu* menu : window.findChildren<QMenu*>()) {
            if (sources.contains(menu->title())) ++checked;
            for (const QAction* action : menu->actions()) {
                if (action->isSeparator() || action->menu()) continue;
                if (action->objectName().startsWith(QStringLiteral("mnu_recent_")) ||
                    action->objectName().startsWith(QStringLiteral("mnu_instrument")))
                    continue;
                QVERIFY2(sources.contains(action->text()), qPrintable(action->text()));
                ++checked;
            }
        }
        QVERIFY(checked >= 40);
        QCOMPARE(window.action(QStringLiteral("mnu_follow"))->text(),
                 QStringLiteral("&Follow Cusror"));
        QCOMPARE(program.tools().status_text(),
                 QStringLiteral("Selected Tool: Insert Fret Numbers"));
    }
};

QTEST_MAIN(TestTranslations)
#include "test_translations.moc"
