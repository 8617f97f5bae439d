#include <QAccessible>
#include <QActionGroup>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStandardPaths>
#include <QToolButton>
#include <QtTest>

#include "app/assembly.h"
#include "app/main_window.h"
#include "app/page_widget.h"
#include "edit/tool_table.h"
#include "page/page_font.h"

using namespace strumix;

namespace {

// The entries of a menu as "name|caption|shortcut|checked", separators as "name|-".
QStringList entries(const QMenu* menu) {
    QStringList out;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            out << action->objectName() + QStringLiteral("|-");
        } else {
            out << QStringLiteral("%1|%2|%3|%4")
                       .arg(action->objectName(), action->text(),
                            action->shortcut().toString(QKeySequence::PortableText),
                            action->isChecked() ? QStringLiteral("checked") : QString());
        }
    }
    return out;
}

}  // namespace

class TestMainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<Assembly> program;
    MainWindow* form1 = nullptr;

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        load_resources();
    }

    void init() {
        program = std::make_unique<Assembly>();
        program->start();
        form1 = &program->form1();
        form1->resize(587, 397);
        form1->show();
        QVERIFY(QTest::qWaitForWindowExposed(form1));
    }

    void cleanup() {
        form1 = nullptr;
        program.reset();
    }

    void menu_tree() {
        const QList<QMenu*> top =
            form1->menuBar()->findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly);
        QStringList tops;
        for (QAction* action : form1->menuBar()->actions()) {
            tops << action->menu()->objectName() + QLatin1Char('|') + action->text() +
                        QLatin1Char('|') + action->menu()->property("helpContext").toString();
        }
        QCOMPARE(tops, QStringList({"menu_file|&File|310", "menu_edit|&Edit|320",
                                    "zmenu_insert|&Insert|330", "menu_view|&View|335",
                                    "menu_play|&Play|337", "zmenu_help|&Help|340"}));
        QCOMPARE(entries(form1->menu("menu_file")),
                 QStringList(
                     {"menu_new|&New...|Ctrl+N|", "menu_open|&Open|Ctrl+O|",
                      "menu_recent|Open &Recent||", "menu_save|&Save||",
                      "menu_save_as|Save &As...|Ctrl+Shift+S|", "zxczxcvzxv|-",
                      "mnu_revert|&Revert||", "z_output|-", "mnu_export|E&xport...||",
                      "mnu_print|&Print...|Ctrl+P|", "mnu_print_preview|Print Pre&view...||",
                      "zzvhjkgh|-", "menu_set_backup|&Set Backup|F3|",
                      "menu_revert|&Revert to Backup|F4|", "z_bar|-", "menu_quit|E&xit|Ctrl+Q|"}));
        QCOMPARE(
            entries(form1->menu("menu_edit")),
            QStringList(
                {"menu_undo|&Undo|Del|", "mnu_step_back|Step &Back|Alt+Backspace|",
                 "mnu_step_forward|Step &Forward|Alt+Shift+Backspace|",
                 "mnu_copy|&Copy Image|Ctrl+C|", "mnu_paste_text_tab|&Paste Text Tab|Ctrl+Shift+V|",
                 "mnu_cut_notes|Cu&t Notes|Ctrl+Shift+X|",
                 "mnu_copy_notes|Cop&y Notes|Ctrl+Shift+C|", "mnu_paste_notes|&Paste Notes|Ctrl+V|",
                 "zhjklkjh|-", "menu_page|&Adjust Layout to Image||", "zxcv|-",
                 "menu_option|Cursor &Motion||"}));
        QCOMPARE(
            entries(form1->menu("menu_option")),
            QStringList({"menu_cr_0|&Up|Ctrl+A|", "menu_cr_1|&Down|Ctrl+Z|",
                         "menu_cr_2|&Right|Ctrl+S|checked", "menu_cr_3|Diagonal U&p|Ctrl+D|",
                         "menu_cr_4|Diagonal Do&wn|Ctrl+X|", "z2|-",
                         "menu_cr_refresh|Re&fresh|Ctrl+R|", "mnu_follow|&Follow Cusror|Ctrl+F|",
                         "z1|-", "option_save_settings|Sa&ve Settings on Exit||checked"}));
        QCOMPARE(
            entries(form1->menu("zmenu_insert")),
            QStringList({"mnu_title|&Page Title||", "zidhglsd|-", "mnu_harmonic|&Harmonic|Ctrl+H|",
                         "menu_marks|S&ymbols and Slurs||"}));
        QCOMPARE(
            entries(form1->menu("menu_marks")),
            QStringList({"mnu_symbol_1|&1 Half Bend|Alt+1|", "mnu_symbol_2|&2 Whole Bend|Alt+2|",
                         "mnu_symbol_3|&3 Ghost Bend|Alt+3|", "mnu_symbol_4|&4 Release Bend|Alt+4|",
                         "mnu_symbol_5|&5 Vibrato|Alt+5|", "mnu_symbol_6|&6 Trill Picking|Alt+6|",
                         "mnu_symbol_7|&7 Downward Rake/Sweep|Alt+7|",
                         "mnu_symbol_8|&8 Upward Rake/Sweep|Alt+8|", "z_marks|-",
                         "mnu_slur_hammer|&Hammer to Next Note|Ctrl+Alt+H|",
                         "mnu_slur_pull|&Pull-Off to Next Note|Ctrl+Alt+P|",
                         "mnu_slur_both|Hammer &and Pull-Off to Next Note|Ctrl+Alt+B|",
                         "mnu_slur_slide|&Slide to Next Note|Ctrl+Alt+S|"}));
        QCOMPARE(entries(form1->menu("menu_view")),
                 QStringList({"mnu_zoom_in|Zoom &In|Ctrl++|", "mnu_zoom_out|Zoom &Out|Ctrl+-|",
                              "mnu_actual_size|&Actual Size|Ctrl+0|", "mnu_fit_page|&Fit Page||"}));
        QCOMPARE(form1->action("mnu_zoom_in")->shortcuts().value(1),
                 QKeySequence(Qt::CTRL | Qt::Key_Equal));
        QCOMPARE(entries(form1->menu("menu_play")),
                 QStringList({"mnu_play|&Play|Space|", "mnu_play_start|Play from &Start||",
                              "z_play|-", "mnu_loop|&Loop||", "mnu_count_in|&Count In||",
                              "mnu_tempo|&Tempo...||", "menu_instrument|&Instrument||"}));
        QCOMPARE(form1->action("mnu_play")->shortcuts().value(1), QKeySequence(Qt::Key_F5));
        QCOMPARE(entries(form1->menu("zmenu_help")),
                 QStringList(
                     {"mnu_help_contents|&Contents|F1|", "zdfgfzhhgfgfx|-", "mnu_about|&About||"}));
        QCOMPARE(form1->action("mnu_help_contents")->property("helpContext").toInt(), 1);
    }

    void every_tool_button_is_named_for_a_screen_reader() {
        QStringList names;
        for (const ToolButtonEntry& tool : tool_strip()) {
            QToolButton* button = form1->tool_button(tool.name);
            QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(button);
            QVERIFY(reader);
            QCOMPARE(reader->text(QAccessible::Name), tool_status_name(tool.tool));
            QVERIFY(reader->text(QAccessible::Description).contains(tool_status_name(tool.tool)));
            names << reader->text(QAccessible::Name);
        }
        QCOMPARE(names.size(), 14);
        QCOMPARE(QSet<QString>(names.begin(), names.end()).size(), 14);
    }

    void step_back_and_forward_from_the_keyboard() {
        QWidget* page = form1->page();
        page->setFocus();
        const QImage opened = program->document().Picture1().image().copy();
        QVERIFY(!form1->action("mnu_step_back")->isEnabled());
        QTest::keyClick(page, Qt::Key_7);
        QTest::keyClick(page, Qt::Key_Return);
        QCoreApplication::processEvents();
        const QImage typed = program->document().Picture1().image().copy();
        QVERIFY(typed != opened);
        QVERIFY(form1->action("mnu_step_back")->isEnabled());
        QTest::keyClick(page, Qt::Key_Backspace, Qt::AltModifier);
        QCOMPARE(program->document().Picture1().image(), opened);
        QVERIFY(form1->action("mnu_step_forward")->isEnabled());
        QTest::keyClick(page, Qt::Key_Backspace, Qt::AltModifier | Qt::ShiftModifier);
        QCOMPARE(program->document().Picture1().image(), typed);
        // A symbol and a slur from the keyboard reach the page through the window.
        QTest::keyClick(page, Qt::Key_1, Qt::AltModifier);
        const QImage bent = program->document().Picture1().image().copy();
        QVERIFY(bent != typed);
        QTest::keyClick(page, Qt::Key_H, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(program->document().Picture1().image() != bent);
    }

    void cursor_motion_items_form_one_exclusive_group() {
        QActionGroup* group = form1->action("menu_cr_0")->actionGroup();
        QVERIFY(group && group->isExclusive());
        for (int i = 1; i < 5; ++i) {
            QCOMPARE(form1->action(QStringLiteral("menu_cr_%1").arg(i))->actionGroup(), group);
        }
        form1->action("menu_cr_4")->trigger();
        form1->action("menu_cr_0")->trigger();
        int checked = 0;
        for (QAction* action : group->actions()) checked += action->isChecked();
        QCOMPARE(checked, 1);
    }

    void tool_strip_in_order() {
        const auto& tools = tool_strip();
        QCOMPARE(int(tools.size()), 14);
        int previous_left = -1;
        for (const ToolButtonEntry& tool : tools) {
            QToolButton* button = form1->tool_button(tool.name);
            QVERIFY2(button, qPrintable(tool.name));
            QCOMPARE(button->geometry(), QRect(tool.left_twips / 15, 4, 32, 32));
            QVERIFY(button->x() > previous_left);
            previous_left = button->x();
            QCOMPARE(button->toolTip(), tool.status);
            QVERIFY2(!button->icon().isNull(), qPrintable(tool.name));
        }
        const QStringList statuses = {"Cut section of image",
                                      "Insert Fret Numbers",
                                      "Slide",
                                      "Hammer",
                                      "Pull-Off",
                                      "Hammer and Pull-Off",
                                      "Half Bend",
                                      "Whole Bend",
                                      "Ghost Bend",
                                      "Release Bend",
                                      "Vibrato",
                                      "Trill Picking",
                                      "Downward Rake/Sweep",
                                      "Upward Rake/Sweep"};
        for (int i = 0; i < 14; ++i) QCOMPARE(tools[i].status, statuses[i]);
        QVERIFY(form1->box_activity()->x() > form1->tool_button("btn_bend_3")->geometry().right());
    }

    void initial_state() {
        QCOMPARE(form1->windowTitle(), QStringLiteral("Strumix 95 v1.0a [Untitled]"));
        QCOMPARE(form1->objectName(), QStringLiteral("form1"));
        QCOMPARE(form1->box_activity()->text(),
                 QStringLiteral("Selected Tool: Insert Fret Numbers"));
        QVERIFY(!form1->slidewin()->isVisible());
        QCOMPARE(form1->opt(0)->isChecked(), false);
        QCOMPARE(form1->opt(1)->isChecked(), true);
        QCOMPARE(form1->opt(2)->isChecked(), true);
        QCOMPARE(form1->opt(0)->text(), QStringLiteral("&Arc"));
        QCOMPARE(form1->opt(1)->text(), QStringLiteral("&Line"));
        QCOMPARE(form1->opt(2)->text(), QStringLiteral("&Letter"));
        QLabel* location = form1->page()->location();
        QVERIFY(location->isVisible());
        QVERIFY(location->text().isEmpty());
        QCOMPARE(location->geometry(), QRect(64, 48, 16, 15));
        QCOMPARE(form1->page()->size(), QSize(484, 256));
        QCOMPARE(form1->page()->parentWidget(), form1->picture_clip());
        QCOMPARE(form1->property("helpContext").toInt(), 20);
        QCOMPARE(form1->page()->property("helpContext").toInt(), 20);
    }

    void page_fits_and_sits_on_the_tiles() {
        form1->resize(900, 700);
        QTRY_VERIFY(form1->picture_clip()->width() > 600);
        QVERIFY(!form1->hscroll()->isVisible());
        QVERIFY(!form1->vscroll()->isVisible());
        QVERIFY(form1->picture_clip()->tiled());
        const QRect clip = form1->picture_clip()->rect();
        const QRect page = form1->page()->geometry();
        QVERIFY(clip.contains(page));
        // Centred across the window's width, which is 8 pixels wider than the viewport.
        QVERIFY(qAbs(page.center().x() - clip.center().x()) <= 5);
        // The viewport shows the tile around the page and the white page itself.
        const QImage shot = form1->picture_clip()->grab().toImage();
        QVERIFY(shot.pixel(3, 3) != qRgb(255, 255, 255));
        QCOMPARE(shot.pixel(page.left() + 2, page.top() + 2), qRgb(255, 255, 255));
    }

    void small_window_brings_scroll_bars() {
        form1->resize(300, 200);
        QTRY_VERIFY(form1->hscroll()->isVisible());
        QVERIFY(form1->vscroll()->isVisible());
        QVERIFY(!form1->picture_clip()->tiled());
        QScrollBar* h = form1->hscroll();
        QCOMPARE(h->minimum(), 0);
        QCOMPARE(h->maximum(), 100);
        QCOMPARE(h->pageStep(), 10);
        // Value 100 shows the page's right edge at the viewport's right edge.
        h->setValue(100);
        QCOMPARE(form1->page()->geometry().right(), form1->picture_clip()->width() - 1);
        h->setValue(0);
        QCOMPARE(form1->page()->x(), 0);
        // The vertical bar's value is a distance in twips; its range ends at the page's bottom.
        QScrollBar* v = form1->vscroll();
        QCOMPARE(v->maximum(), (256 - form1->picture_clip()->height()) * 15);
        v->setValue(v->maximum());
        QCOMPARE(form1->page()->geometry().bottom(), form1->picture_clip()->height() - 1);
        QVERIFY(form1->page()->hasFocus() || !QApplication::focusWindow());
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_main_window.moc"
