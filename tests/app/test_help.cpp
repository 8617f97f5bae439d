// Help: the help file's path rule, the shipped help file's topics and links, the help window,
// and which topic a help request (F1) opens in each window and menu.
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include "app/assembly.h"
#include "app/help_file.h"
#include "app/help_viewer.h"
#include "app/main_window.h"
#include "app/page_widget.h"
#include "page/page_font.h"
#include "support/fake_host.h"
#include "title/title_window.h"

using namespace strumix;

namespace {

const int kContextNumbers[] = {kHelpContents, kHelpTitleWindow, kHelpMainWindow,
                               kHelpFileMenu, kHelpEditMenu,    kHelpInsertMenu,
                               kHelpHelpMenu, kHelpFileWindow,  kHelpLayoutDialog};

HelpFile shipped_help() {
    QString error;
    std::optional<HelpFile> help = HelpFile::load(QStringLiteral(STRUMIX_BUILT_HELP), &error);
    if (!help) qFatal("shipped help file: %s", qPrintable(error));
    return *help;
}

QString plain(const QString& html) {
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText();
}

bool write_file(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

}  // namespace

class HelpTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void path_has_one_separator_data();
    void path_has_one_separator();
    void installed_program_finds_its_help_data();
    void installed_program_finds_its_help();

    void every_context_number_has_a_topic();
    void every_link_reaches_a_topic();
    void every_menu_shortcut_is_explained();
    void unreadable_or_empty_files_are_refused_data();
    void unreadable_or_empty_files_are_refused();

    void viewer_shows_topics_links_and_back();
    void request_context_by_window_and_menu_data();
    void request_context_by_window_and_menu();
    void f1_in_a_dialog_opens_its_topic();
};

void HelpTest::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    load_resources();
    register_help_file(QStringLiteral(STRUMIX_BUILT_HELP));
}

void HelpTest::cleanup() {
    delete HelpViewer::instance();
    register_help_file(QStringLiteral(STRUMIX_BUILT_HELP));
}

void HelpTest::path_has_one_separator_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("path");
    QTest::newRow("root") << "/"
                          << "/STRUMIX.HLP";
    QTest::newRow("folder") << "/opt/strumix/bin"
                            << "/opt/strumix/bin/STRUMIX.HLP";
    QTest::newRow("folder with trailing separator") << "/opt/strumix/bin/"
                                                    << "/opt/strumix/bin/STRUMIX.HLP";
}

void HelpTest::path_has_one_separator() {
    QFETCH(QString, folder);
    QFETCH(QString, path);
    QCOMPARE(help_file_path(folder), path);
}

void HelpTest::installed_program_finds_its_help_data() {
    QTest::addColumn<bool>("beside_program");
    QTest::addColumn<bool>("in_share");
    QTest::addColumn<QString>("found");  // relative to the prefix
    QTest::newRow("build tree: beside the program") << true << false << "bin/STRUMIX.HLP";
    QTest::newRow("installed: share/strumix") << false << true << "share/strumix/STRUMIX.HLP";
    QTest::newRow("both: the program's own first") << true << true << "bin/STRUMIX.HLP";
    QTest::newRow("neither: the program's own path") << false << false << "bin/STRUMIX.HLP";
}

void HelpTest::installed_program_finds_its_help() {
    QFETCH(bool, beside_program);
    QFETCH(bool, in_share);
    QFETCH(QString, found);
    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    QVERIFY(QDir(prefix.path()).mkpath(QStringLiteral("bin")));
    if (beside_program) QVERIFY(write_file(prefix.filePath("bin/STRUMIX.HLP"), "x"));
    if (in_share) QVERIFY(write_file(prefix.filePath("share/strumix/STRUMIX.HLP"), "x"));
    QCOMPARE(locate_help_file(prefix.filePath(QStringLiteral("bin"))), prefix.filePath(found));
}

void HelpTest::every_context_number_has_a_topic() {
    const HelpFile help = shipped_help();
    for (int context : kContextNumbers) {
        const std::optional<HelpFile::Topic> topic = help.topic(context);
        QVERIFY2(topic, qPrintable(QStringLiteral("no topic %1").arg(context)));
        QVERIFY2(!topic->title.isEmpty(), qPrintable(QStringLiteral("topic %1").arg(context)));
        // A real topic, not a placeholder.
        QVERIFY2(plain(topic->html).size() > 300,
                 qPrintable(QStringLiteral("topic %1 is a stub").arg(context)));
    }
}

void HelpTest::every_link_reaches_a_topic() {
    const HelpFile help = shipped_help();
    static const QRegularExpression href(QStringLiteral("href=\"([^\"]*)\""));
    QSet<int> linked;
    for (int context : help.contexts()) {
        auto it = href.globalMatch(help.topic(context)->html);
        while (it.hasNext()) {
            const QString target = it.next().captured(1);
            const std::optional<int> to = help_link_target(target);
            QVERIFY2(to,
                     qPrintable(QStringLiteral("topic %1 links to %2").arg(context).arg(target)));
            QVERIFY2(
                help.contains(*to),
                qPrintable(QStringLiteral("topic %1 links to missing %2").arg(context).arg(*to)));
            linked.insert(*to);
        }
    }
    // Every topic can be reached from somewhere.
    for (int context : help.contexts()) {
        if (context == kHelpContents) continue;
        QVERIFY2(linked.contains(context),
                 qPrintable(QStringLiteral("orphan topic %1").arg(context)));
    }
}

void HelpTest::every_menu_shortcut_is_explained() {
    const HelpFile help = shipped_help();
    QString text;
    for (int context : help.contexts()) text += plain(help.topic(context)->html);
    FakeQuestions questions;
    Assembly program(&questions);
    MainWindow& form1 = program.form1();
    for (QAction* action : form1.findChildren<QAction*>()) {
        if (action->shortcut().isEmpty()) continue;
        const QString keys = action->shortcut().toString(QKeySequence::PortableText);
        QVERIFY2(text.contains(keys),
                 qPrintable(QStringLiteral("%1 (%2) missing").arg(action->objectName(), keys)));
    }
}

void HelpTest::unreadable_or_empty_files_are_refused_data() {
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("missing") << false << QByteArray();
    QTest::newRow("HTML without topics") << true << QByteArray("<html><body>x</body></html>");
    QTest::newRow("binary") << true << QByteArray("\x00\x01\x02\xff", 4);
}

void HelpTest::unreadable_or_empty_files_are_refused() {
    QFETCH(bool, exists);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("STRUMIX.HLP"));
    if (exists) QVERIFY(write_file(path, content));
    QString error;
    QVERIFY(!HelpFile::load(path, &error));
    QVERIFY(!error.isEmpty());
    // The help window reports the same instead of opening empty.
    register_help_file(path);
    QVERIFY(!HelpViewer::open(kHelpContents, &error));
    QVERIFY(!HelpViewer::instance());
}

void HelpTest::viewer_shows_topics_links_and_back() {
    QString error;
    HelpViewer* viewer = HelpViewer::open(kHelpMainWindow, &error);
    QVERIFY2(viewer, qPrintable(error));
    QVERIFY(viewer->isVisible());
    QCOMPARE(viewer->current_topic(), kHelpMainWindow);
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Strumix Help - The Main Window"));
    QVERIFY(viewer->browser()->toPlainText().contains(QStringLiteral("tool strip")));

    // A link inside a topic opens its target; Back returns.
    emit viewer->browser()->anchorClicked(QUrl(QStringLiteral("#topic-310")));
    QCOMPARE(viewer->current_topic(), kHelpFileMenu);
    auto* back = viewer->findChild<QPushButton*>(QStringLiteral("help_back"));
    QVERIFY(back && back->isEnabled());
    back->click();
    QCOMPARE(viewer->current_topic(), kHelpMainWindow);

    // A number the file does not know opens the contents; one window serves every request.
    QVERIFY(!viewer->show_topic(999));
    QCOMPARE(viewer->current_topic(), kHelpContents);
    QCOMPARE(HelpViewer::open(kHelpLayoutDialog, &error), viewer);
    QCOMPARE(viewer->current_topic(), kHelpLayoutDialog);
}

void HelpTest::request_context_by_window_and_menu_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("context");
    QTest::newRow("main window: the contents") << "form1"
                                               << "" << kHelpContents;
    QTest::newRow("title window") << "title"
                                  << "" << kHelpTitleWindow;
    QTest::newRow("a dialog of its own number") << "dialog"
                                                << "" << kHelpLayoutDialog;
    QTest::newRow("File menu item") << "menu_file"
                                    << "menu_open" << kHelpFileMenu;
    QTest::newRow("Edit menu item") << "menu_edit"
                                    << "menu_undo" << kHelpEditMenu;
    QTest::newRow("Cursor Motion item") << "menu_option"
                                        << "menu_cr_3" << kHelpEditMenu;
    QTest::newRow("Cursor Motion submenu") << "menu_edit"
                                           << "menu_option" << kHelpEditMenu;
    QTest::newRow("Insert menu item") << "zmenu_insert"
                                      << "mnu_title" << kHelpInsertMenu;
    QTest::newRow("Help menu item") << "zmenu_help"
                                    << "mnu_about" << kHelpHelpMenu;
    QTest::newRow("Contents item") << "zmenu_help"
                                   << "mnu_help_contents" << kHelpContents;
}

void HelpTest::request_context_by_window_and_menu() {
    QFETCH(QString, where);
    QFETCH(QString, item);
    QFETCH(int, context);
    FakeQuestions questions;
    Assembly program(&questions);
    MainWindow& form1 = program.form1();
    form1.show();
    QApplication::setActiveWindow(&form1);
    form1.page()->setFocus();
    if (where == QLatin1String("title")) {
        auto* title = new TitleWindow(&form1);
        title->load(true);
        QApplication::setActiveWindow(title);
        QCOMPARE(help_context_for_request().value_or(0), context);
        title->btn_bend()->click();
        return;
    }
    if (where == QLatin1String("dialog")) {
        QDialog dialog(&form1);
        dialog.setProperty(kHelpContextProperty, kHelpLayoutDialog);
        auto* edit = new QLineEdit(&dialog);
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        edit->setFocus();
        QCOMPARE(help_context_for_request().value_or(0), context);
        return;
    }
    if (where == QLatin1String("form1")) {
        QCOMPARE(help_context_for_request().value_or(0), context);
        return;
    }
    QMenu* menu = form1.menu(where);
    QVERIFY(menu);
    menu->popup(QPoint(20, 20));
    QCOMPARE(QApplication::activePopupWidget(), menu);
    QAction* action = form1.action(item);
    if (!action) action = form1.menu(item)->menuAction();
    menu->setActiveAction(action);
    QCOMPARE(help_context_for_request().value_or(0), context);
    menu->close();
}

void HelpTest::f1_in_a_dialog_opens_its_topic() {
    HelpKeyFilter filter;
    qApp->installEventFilter(&filter);
    FakeQuestions questions;
    Assembly program(&questions);
    MainWindow& form1 = program.form1();
    form1.show();
    QDialog dialog(&form1);
    dialog.setProperty(kHelpContextProperty, kHelpFileWindow);
    auto* edit = new QLineEdit(&dialog);
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    edit->setFocus();

    QTest::keyClick(edit, Qt::Key_F1);

    QCOMPARE(filter.last_request(), kHelpFileWindow);
    QVERIFY(HelpViewer::instance());
    QCOMPARE(HelpViewer::instance()->current_topic(), kHelpFileWindow);
    // The key opened help once and typed nothing.
    QVERIFY(edit->text().isEmpty());
    dialog.hide();

    // On a highlighted menu item: the menu's topic, and the menu gives way to the help.
    QApplication::setActiveWindow(&form1);
    QMenu* edit_menu = form1.menu(QStringLiteral("menu_edit"));
    edit_menu->popup(QPoint(20, 20));
    edit_menu->setActiveAction(form1.action(QStringLiteral("menu_undo")));
    QTest::keyClick(edit_menu, Qt::Key_F1);
    QCOMPARE(filter.last_request(), kHelpEditMenu);
    QCOMPARE(HelpViewer::instance()->current_topic(), kHelpEditMenu);
    QVERIFY(!edit_menu->isVisible());
    qApp->removeEventFilter(&filter);
}

QTEST_MAIN(HelpTest)
#include "test_help.moc"
