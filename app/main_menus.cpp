#include "app/main_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QMenu>
#include <QMenuBar>

#include "app/help_viewer.h"
#include "app/main_window.h"
#include "document/document.h"
#include "edit/tool_palette.h"
#include "flows/user_flows.h"
#include "page/glyphs.h"
#include "page/program_facts.h"

namespace strumix {

namespace {

using Kind = MenuEntry::Kind;

MenuEntry menu(const char* parent, const char* name, const char* text, int help = 0) {
    MenuEntry entry;
    entry.kind = Kind::Menu;
    entry.parent = parent;
    entry.name = name;
    entry.text = text;
    entry.help = help;
    return entry;
}

MenuEntry item(const char* parent, const char* name, const char* text,
               QList<QKeySequence> shortcuts, std::function<void(bool)> run) {
    MenuEntry entry;
    entry.parent = parent;
    entry.name = name;
    entry.text = text;
    entry.shortcuts = std::move(shortcuts);
    entry.run = std::move(run);
    return entry;
}

MenuEntry item(const char* parent, const char* name, const char* text,
               QList<QKeySequence> shortcuts, std::function<void()> run) {
    return item(parent, name, text, std::move(shortcuts),
                std::function<void(bool)>([run = std::move(run)](bool) { run(); }));
}

MenuEntry check(MenuEntry entry, bool checked, const char* group = "") {
    entry.checkable = true;
    entry.checked = checked;
    entry.group = group;
    return entry;
}

MenuEntry helped(MenuEntry entry, int help) {
    entry.help = help;
    return entry;
}

MenuEntry separator(const char* parent, const char* name) {
    MenuEntry entry;
    entry.kind = Kind::Separator;
    entry.parent = parent;
    entry.name = name;
    return entry;
}

QKeySequence ctrl(Qt::Key key) { return QKeySequence(Qt::CTRL | key); }

// Insert, Symbols and Slurs: the eight symbols in the strip's order (left to right) on Alt+1 to
// Alt+8, then
// the four slurs to the next note.
void insert_marks(std::vector<MenuEntry>& entries, ToolPalette& tools) {
    struct SymbolEntry {
        const char* name;
        const char* text;
        ToolId tool;
    };
    static const SymbolEntry kSymbols[kSymbolCount] = {
        {"mnu_symbol_1", QT_TRANSLATE_NOOP("Menus", "&1 Half Bend"), ToolId::HalfBend},
        {"mnu_symbol_2", QT_TRANSLATE_NOOP("Menus", "&2 Whole Bend"), ToolId::WholeBend},
        {"mnu_symbol_3", QT_TRANSLATE_NOOP("Menus", "&3 Ghost Bend"), ToolId::GhostBend},
        {"mnu_symbol_4", QT_TRANSLATE_NOOP("Menus", "&4 Release Bend"), ToolId::ReleaseBend},
        {"mnu_symbol_5", QT_TRANSLATE_NOOP("Menus", "&5 Vibrato"), ToolId::Vibrato},
        {"mnu_symbol_6", QT_TRANSLATE_NOOP("Menus", "&6 Trill Picking"), ToolId::Trill},
        {"mnu_symbol_7", QT_TRANSLATE_NOOP("Menus", "&7 Downward Rake/Sweep"), ToolId::RakeDown},
        {"mnu_symbol_8", QT_TRANSLATE_NOOP("Menus", "&8 Upward Rake/Sweep"), ToolId::RakeUp}};
    for (int i = 0; i < kSymbolCount; ++i) {
        const int symbol = symbol_index(kSymbols[i].tool);
        entries.push_back(item("menu_marks", kSymbols[i].name, kSymbols[i].text,
                               {QKeySequence(Qt::ALT | Qt::Key(Qt::Key_1 + i))},
                               [&tools, symbol] { tools.insert_symbol(symbol); }));
    }
    entries.push_back(separator("menu_marks", "z_marks"));
    struct SlurEntry {
        const char* name;
        const char* text;
        Qt::Key key;
    };
    static const SlurEntry kSlurs[kSlurCount] = {
        {"mnu_slur_hammer", QT_TRANSLATE_NOOP("Menus", "&Hammer to Next Note"), Qt::Key_H},
        {"mnu_slur_pull", QT_TRANSLATE_NOOP("Menus", "&Pull-Off to Next Note"), Qt::Key_P},
        {"mnu_slur_both", QT_TRANSLATE_NOOP("Menus", "Hammer &and Pull-Off to Next Note"),
         Qt::Key_B},
        {"mnu_slur_slide", QT_TRANSLATE_NOOP("Menus", "&Slide to Next Note"), Qt::Key_S}};
    for (int i = 0; i < kSlurCount; ++i)
        entries.push_back(item("menu_marks", kSlurs[i].name, kSlurs[i].text,
                               {QKeySequence(Qt::CTRL | Qt::ALT | kSlurs[i].key)},
                               [&tools, i] { tools.insert_slur(i); }));
}

}  // namespace

std::vector<MenuEntry> main_menus(MainWindow& window, ToolPalette& tools, Document& doc,
                                  UserFlows& flows) {
    DocumentCommands& commands = flows.commands();
    PageOutput& output = flows.output();
    PagePlayback& playback = flows.playback();
    CursorBox& box = tools.location();
    std::vector<MenuEntry> entries = {
        menu("", "menu_file", QT_TRANSLATE_NOOP("Menus", "&File"), kHelpFileMenu),
        // Ctrl+N, Ctrl+O and Ctrl+Shift+S as on every desktop; Ctrl+S moves the cursor box.
        item("menu_file", "menu_new", QT_TRANSLATE_NOOP("Menus", "&New..."), {ctrl(Qt::Key_N)},
             [&commands] { commands.menu_new_Click(); }),
        item("menu_file", "menu_open", QT_TRANSLATE_NOOP("Menus", "&Open"), {ctrl(Qt::Key_O)},
             [&commands] { commands.menu_open_Click(); }),
        menu("menu_file", "menu_recent", QT_TRANSLATE_NOOP("Menus", "Open &Recent")),
        item("menu_file", "menu_save", QT_TRANSLATE_NOOP("Menus", "&Save"), {},
             [&commands] { commands.menu_save_Click(); }),
        item("menu_file", "menu_save_as", QT_TRANSLATE_NOOP("Menus", "Save &As..."),
             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
             [&commands] { commands.menu_save_as_Click(); }),
        separator("menu_file", "zxczxcvzxv"),
        item("menu_file", "mnu_revert", QT_TRANSLATE_NOOP("Menus", "&Revert"), {},
             [&commands] { commands.mnu_revert_Click(); }),
        separator("menu_file", "z_output"),
        item("menu_file", "mnu_export", QT_TRANSLATE_NOOP("Menus", "E&xport..."), {},
             [&output] { output.mnu_export_Click(); }),
        item("menu_file", "mnu_print", QT_TRANSLATE_NOOP("Menus", "&Print..."), {ctrl(Qt::Key_P)},
             [&output] { output.mnu_print_Click(); }),
        item("menu_file", "mnu_print_preview", QT_TRANSLATE_NOOP("Menus", "Print Pre&view..."), {},
             [&output] { output.mnu_print_preview_Click(); }),
        separator("menu_file", "zzvhjkgh"),
        item("menu_file", "menu_set_backup", QT_TRANSLATE_NOOP("Menus", "&Set Backup"),
             {QKeySequence(Qt::Key_F3)}, [&doc] { doc.set_backup(); }),
        item("menu_file", "menu_revert", QT_TRANSLATE_NOOP("Menus", "&Revert to Backup"),
             {QKeySequence(Qt::Key_F4)}, [&doc] { doc.menu_revert_Click(); }),
        separator("menu_file", "z_bar"),
        item("menu_file", "menu_quit", QT_TRANSLATE_NOOP("Menus", "E&xit"), {ctrl(Qt::Key_Q)},
             [&window] { window.close(); }),

        menu("", "menu_edit", QT_TRANSLATE_NOOP("Menus", "&Edit"), kHelpEditMenu),
        item("menu_edit", "menu_undo", QT_TRANSLATE_NOOP("Menus", "&Undo"),
             {QKeySequence(Qt::Key_Delete)}, [&doc] { doc.menu_undo_Click(); }),
        // Many steps back and forth, beside the one-level Undo.
        item("menu_edit", "mnu_step_back", QT_TRANSLATE_NOOP("Menus", "Step &Back"),
             {QKeySequence(Qt::ALT | Qt::Key_Backspace)}, [&doc] { doc.step_back(); }),
        item("menu_edit", "mnu_step_forward", QT_TRANSLATE_NOOP("Menus", "Step &Forward"),
             {QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_Backspace)},
             [&doc] { doc.step_forward(); }),
        item("menu_edit", "mnu_copy", QT_TRANSLATE_NOOP("Menus", "&Copy Image"), {ctrl(Qt::Key_C)},
             [&commands] { commands.mnu_copy_Click(); }),
        item("menu_edit", "mnu_paste_text_tab", QT_TRANSLATE_NOOP("Menus", "&Paste Text Tab"),
             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V)},
             [&commands] { commands.mnu_paste_text_tab_Click(); }),
        // Measures and riffs moved as blocks of cells; Ctrl+C stays the whole page's picture.
        item("menu_edit", "mnu_cut_notes", QT_TRANSLATE_NOOP("Menus", "Cu&t Notes"),
             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X)}, [&tools] { tools.cut_notes(); }),
        item("menu_edit", "mnu_copy_notes", QT_TRANSLATE_NOOP("Menus", "Cop&y Notes"),
             {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)}, [&tools] { tools.copy_notes(); }),
        item("menu_edit", "mnu_paste_notes", QT_TRANSLATE_NOOP("Menus", "&Paste Notes"),
             {ctrl(Qt::Key_V)}, [&tools] { tools.paste_notes(); }),
        separator("menu_edit", "zhjklkjh"),
        item("menu_edit", "menu_page", QT_TRANSLATE_NOOP("Menus", "&Adjust Layout to Image"), {},
             [&commands] { commands.menu_page_Click(); }),
        separator("menu_edit", "zxcv"),
        menu("menu_edit", "menu_option", QT_TRANSLATE_NOOP("Menus", "Cursor &Motion")),
    };
    const char* const directions[5] = {
        QT_TRANSLATE_NOOP("Menus", "&Up"), QT_TRANSLATE_NOOP("Menus", "&Down"),
        QT_TRANSLATE_NOOP("Menus", "&Right"), QT_TRANSLATE_NOOP("Menus", "Diagonal U&p"),
        QT_TRANSLATE_NOOP("Menus", "Diagonal Do&wn")};
    const char* const names[5] = {"menu_cr_0", "menu_cr_1", "menu_cr_2", "menu_cr_3", "menu_cr_4"};
    const Qt::Key keys[5] = {Qt::Key_A, Qt::Key_Z, Qt::Key_S, Qt::Key_D, Qt::Key_X};
    for (int i = 0; i < 5; ++i) {
        entries.push_back(check(item("menu_option", names[i], directions[i], {ctrl(keys[i])},
                                     [&box, i] { box.menu_cr_Click(i); }),
                                box.cursor_motion() == CursorMotion(i), "cursor_motion"));
    }
    const std::vector<MenuEntry> rest = {
        separator("menu_option", "z2"),
        check(item("menu_option", "menu_cr_refresh", QT_TRANSLATE_NOOP("Menus", "Re&fresh"),
                   {ctrl(Qt::Key_R)}, [&box] { box.menu_cr_refresh_Click(); }),
              box.refresh_on()),
        check(item("menu_option", "mnu_follow", QT_TRANSLATE_NOOP("Menus", "&Follow Cusror"),
                   {ctrl(Qt::Key_F)}, [&box] { box.mnu_follow_Click(); }),
              box.follow_checked()),
        separator("menu_option", "z1"),
        check(item("menu_option", "option_save_settings",
                   QT_TRANSLATE_NOOP("Menus", "Sa&ve Settings on Exit"), {},
                   std::function<void(bool)>(
                       [&flows](bool checked) { flows.set_save_on_exit(checked); })),
              flows.save_on_exit()),

        menu("", "zmenu_insert", QT_TRANSLATE_NOOP("Menus", "&Insert"), kHelpInsertMenu),
        item("zmenu_insert", "mnu_title", QT_TRANSLATE_NOOP("Menus", "&Page Title"), {},
             [&tools] { tools.mnu_title_Click(); }),
        separator("zmenu_insert", "zidhglsd"),
        item("zmenu_insert", "mnu_harmonic", QT_TRANSLATE_NOOP("Menus", "&Harmonic"),
             {ctrl(Qt::Key_H)}, [&tools] { tools.mnu_harmonic_Click(); }),
        // The symbols and slurs of the tool strip from the keyboard, on the note under the
        // cursor box (plain Alt+letters open the menus, so the slurs take Ctrl+Alt).
        menu("zmenu_insert", "menu_marks", QT_TRANSLATE_NOOP("Menus", "S&ymbols and Slurs")),

        // The page as shown, never the page itself: every zoom acts on the same page pixels.
        menu("", "menu_view", QT_TRANSLATE_NOOP("Menus", "&View"), kHelpViewMenu),
        item("menu_view", "mnu_zoom_in", QT_TRANSLATE_NOOP("Menus", "Zoom &In"),
             {ctrl(Qt::Key_Plus), ctrl(Qt::Key_Equal)},
             [&window] { window.set_zoom(window.zoom() + 1); }),
        item("menu_view", "mnu_zoom_out", QT_TRANSLATE_NOOP("Menus", "Zoom &Out"),
             {ctrl(Qt::Key_Minus)}, [&window] { window.set_zoom(window.zoom() - 1); }),
        item("menu_view", "mnu_actual_size", QT_TRANSLATE_NOOP("Menus", "&Actual Size"),
             {ctrl(Qt::Key_0)}, [&window] { window.set_zoom(1); }),
        item("menu_view", "mnu_fit_page", QT_TRANSLATE_NOOP("Menus", "&Fit Page"), {},
             [&window] { window.set_zoom(window.fit_zoom()); }),

        // Space and F5 as in the tablature players; Escape too while it plays.
        menu("", "menu_play", QT_TRANSLATE_NOOP("Menus", "&Play"), kHelpPlayMenu),
        item("menu_play", "mnu_play", QT_TRANSLATE_NOOP("Menus", "&Play"),
             {QKeySequence(Qt::Key_Space), QKeySequence(Qt::Key_F5)},
             [&playback] { playback.play_or_stop(); }),
        item("menu_play", "mnu_play_start", QT_TRANSLATE_NOOP("Menus", "Play from &Start"), {},
             [&playback] { playback.play_from_start(); }),
        separator("menu_play", "z_play"),
        check(item("menu_play", "mnu_loop", QT_TRANSLATE_NOOP("Menus", "&Loop"), {},
                   std::function<void(bool)>([&playback](bool on) { playback.set_loop(on); })),
              playback.loop()),
        check(item("menu_play", "mnu_count_in", QT_TRANSLATE_NOOP("Menus", "&Count In"), {},
                   std::function<void(bool)>([&playback](bool on) { playback.set_count_in(on); })),
              playback.count_in()),
        item("menu_play", "mnu_tempo", QT_TRANSLATE_NOOP("Menus", "&Tempo..."), {},
             [&playback] { playback.ask_tempo(); }),
        menu("menu_play", "menu_instrument", QT_TRANSLATE_NOOP("Menus", "&Instrument")),

        menu("", "zmenu_help", QT_TRANSLATE_NOOP("Menus", "&Help"), kHelpHelpMenu),
        // "&Contents" carries the contents topic's number, not its menu's.
        helped(item("zmenu_help", "mnu_help_contents", QT_TRANSLATE_NOOP("Menus", "&Contents"),
                    {QKeySequence(Qt::Key_F1)},
                    [&window] { HelpViewer::request(kHelpContents, &window); }),
               kHelpContents),
        separator("zmenu_help", "zdfgfzhhgfgfx"),
        item("zmenu_help", "mnu_about", QT_TRANSLATE_NOOP("Menus", "&About"), {},
             [&window] { window.mnu_about_Click(); }),
    };
    entries.insert(entries.end(), rest.begin(), rest.end());
    insert_marks(entries, tools);
    return entries;
}

void MainWindow::create_menus(const std::vector<MenuEntry>& entries) {
    QHash<QString, QActionGroup*> groups;
    for (const MenuEntry& entry : entries) {
        const QString name = QString::fromLatin1(entry.name);
        const QString parent_name = QString::fromLatin1(entry.parent);
        QMenu* parent = parent_name.isEmpty() ? nullptr : menus_.value(parent_name);
        switch (entry.kind) {
            case MenuEntry::Kind::Menu: {
                const QString text = QCoreApplication::translate("Menus", entry.text);
                QMenu* menu = parent ? parent->addMenu(text) : menuBar()->addMenu(text);
                menu->setObjectName(name);
                menu->menuAction()->setObjectName(name);
                if (entry.help) menu->setProperty(kHelpContextProperty, entry.help);
                menus_.insert(name, menu);
                break;
            }
            case MenuEntry::Kind::Separator:
                parent->addSeparator()->setObjectName(name);
                break;
            case MenuEntry::Kind::Item: {
                QAction* action =
                    parent->addAction(QCoreApplication::translate("Menus", entry.text));
                action->setObjectName(name);
                if (!entry.shortcuts.isEmpty()) {
                    action->setShortcuts(entry.shortcuts);
                    action->setShortcutContext(Qt::WindowShortcut);
                }
                if (entry.help) action->setProperty(kHelpContextProperty, entry.help);
                if (entry.checkable) {
                    action->setCheckable(true);
                    action->setChecked(entry.checked);
                }
                if (*entry.group) {
                    QActionGroup*& group = groups[QString::fromLatin1(entry.group)];
                    if (!group) {
                        group = new QActionGroup(this);
                        group->setExclusive(true);
                    }
                    group->addAction(action);
                }
                if (entry.run) connect(action, &QAction::triggered, this, entry.run);
                actions_.insert(name, action);
                break;
            }
        }
    }
    follow_cursor_settings();
}

void MainWindow::fill_recent_menu(const QStringList& paths,
                                  const std::function<void(const QString&)>& open) {
    QMenu* recent = menu(QStringLiteral("menu_recent"));
    if (!recent) return;
    recent->clear();
    recent->setEnabled(!paths.isEmpty());
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString& path = paths[i];
        // "&1 song.tab  (/home/me/tabs)": the folder tells pages of one name apart. An "&" in
        // a name is shown, not taken for a mnemonic.
        QString name = QStringLiteral("%1  (%2)")
                           .arg(QFileInfo(path).fileName(),
                                QDir::toNativeSeparators(QFileInfo(path).absolutePath()));
        name.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* entry = recent->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        entry->setObjectName(QStringLiteral("mnu_recent_%1").arg(i + 1));
        entry->setData(path);
        connect(entry, &QAction::triggered, this, [open, path] { open(path); });
    }
}

}  // namespace strumix
