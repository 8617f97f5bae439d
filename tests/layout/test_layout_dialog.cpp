// The Page Layout dialog's controls, and what it answers.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QtTest>
#include <cmath>
#include <deque>

#include "layout/layout_dialog.h"
#include "page/page_font.h"
#include "page/page_geometry.h"
#include "support/fake_questions.h"
#include "support/modal_script.h"

using namespace strumix;

namespace {

int px(int twips) { return twips_to_pixels(twips); }

}  // namespace

class TestLayoutDialog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        load_resources();
    }

    void init() {
        host = std::make_unique<FakeQuestions>();
        model = LayoutModel();
        dialog = std::make_unique<LayoutDialog>(*host, model);
    }
    void cleanup() {
        dialog.reset();
        host.reset();
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        const auto row = [](const char* name, const char* parent, int l, int t, int w, int h,
                            const char* text) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent)
                                << QRect(l, t, w, h) << QString::fromLatin1(text);
        };
        row("SSFrame1_2", "layout", 120, 150, 1725, 1035, "Notes In Measure");
        row("HScroll1", "SSFrame1_2", 150, 300, 1065, 285, "");
        row("box_notes_per_meas", "SSFrame1_2", 1230, 300, 375, 285, "16");
        row("Command1", "SSFrame1_2", 150, 630, 1455, 285, "&Info");
        row("SSFrame1_0", "layout", 120, 1320, 1725, 1035, "Measures Across");
        row("across_0", "SSFrame1_0", 200, 300, 450, 285, "1");
        row("across_1", "SSFrame1_0", 200, 600, 450, 285, "2");
        row("across_2", "SSFrame1_0", 1065, 300, 450, 285, "3");
        row("across_3", "SSFrame1_0", 1065, 600, 450, 285, "4");
        row("SSFrame1_1", "layout", 1920, 150, 1725, 2205, "Music Staffs ");
        row("lines_0", "SSFrame1_1", 200, 300, 525, 285, "1");
        row("lines_5", "SSFrame1_1", 200, 1800, 525, 285, "6");
        row("Command2_0", "SSFrame1_1", 700, 300, 900, 255, "Guitar  ");
        row("Command2_5", "SSFrame1_1", 700, 1800, 900, 255, "Guitar  ");
        row("btn_cancel_1", "layout", 1590, 2430, 1000, 250, "&Cancel");
        row("btn_ok", "layout", 2640, 2430, 1000, 250, "&OK");
        row("win_props", "layout", 120, 120, 3915, 2625, "Properties of Line#");
        row("Label2", "win_props", 150, 300, 1365, 195, "Quick Select:");
        row("instruments", "win_props", 150, 510, 1695, 315, "");
        row("Label3", "win_props", 150, 960, 1365, 195, "Staff Caption:");
        row("box_header", "win_props", 150, 1170, 1665, 315, "");
        row("cap_numstrings", "win_props", 150, 1530, 1365, 195, "Number of Strings:");
        row("scroll_numstrings", "win_props", 150, 1740, 1725, 255, "");
        row("Label4", "win_props", 2070, 270, 1365, 195, "String Tuning:");
        row("Label1_0", "win_props", 2070, 570, 330, 195, "1 -");
        row("Label1_9", "win_props", 3000, 1770, 330, 195, "10-");
        row("box_tuning_0", "win_props", 2400, 540, 435, 285, "");
        row("box_tuning_4", "win_props", 2400, 1740, 435, 285, "");
        row("box_tuning_5", "win_props", 3330, 540, 435, 285, "");
        row("box_tuning_9", "win_props", 3330, 1740, 435, 285, "");
        row("btn_cancel_props_0", "win_props", 1710, 2220, 1000, 250, "&Cancel");
        row("btn_ok_props", "win_props", 2760, 2220, 1000, 250, "&Assign");
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        auto* control = dialog->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(control->geometry(),
                 QRect(px(twips.x()), px(twips.y()), px(twips.width()), px(twips.height())));
        QCOMPARE(control->property("helpContext").toInt(), 370);
        QString shown;
        if (auto* frame = qobject_cast<QGroupBox*>(control)) shown = frame->title();
        if (auto* button = qobject_cast<QAbstractButton*>(control)) shown = button->text();
        if (auto* label = qobject_cast<QLabel*>(control)) shown = label->text();
        if (auto* box = qobject_cast<QLineEdit*>(control)) shown = box->text();
        QCOMPARE(shown, text);
    }

    void window_and_lists() {
        QCOMPARE(dialog->objectName(), QStringLiteral("layout"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Page Layout"));
        QCOMPARE(dialog->size(), QSize(278, 194));
        QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
        QVERIFY(!(dialog->windowFlags() & Qt::WindowMinMaxButtonsHint));
        QCOMPARE(dialog->windowModality(), Qt::ApplicationModal);
        QVERIFY(!dialog->windowIcon().isNull());
        QCOMPARE(dialog->palette().color(QPalette::Window), QColor(0xC0, 0xC0, 0xC0));
        QCOMPARE(dialog->palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0x80));
        QCOMPARE(dialog->property("helpContext").toInt(), 370);
        for (QWidget* child : dialog->findChildren<QWidget*>())
            QCOMPARE(child->property("helpContext").toInt(), 370);
        QVERIFY(dialog->findChild<QWidget*>("win_props")->isHidden());

        auto* list = dialog->findChild<QComboBox*>("instruments");
        QStringList entries;
        for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
        QCOMPARE(entries,
                 (QStringList{"Standard E Tuning", "E Flat Tuning", "D Tuning", "6th String D",
                              "Bass Standard", "Bass 5-string", "7-String Guitar"}));
        auto* notes = dialog->findChild<QScrollBar*>("HScroll1");
        QCOMPARE(notes->minimum(), 1);
        QCOMPARE(notes->maximum(), 52);
        QCOMPARE(notes->pageStep(), 4);
        QCOMPARE(strings_bar()->minimum(), 1);
        QCOMPARE(strings_bar()->maximum(), 10);
        QCOMPARE(dialog->findChild<QLineEdit*>("box_notes_per_meas")->maxLength(), 2);
        QCOMPARE(header_box()->maxLength(), 8);
        QCOMPARE(tuning_box(9)->maxLength(), 2);
        QVERIFY(dialog->findChild<QLabel*>("Label1_9")->font().bold());
    }

    void load_steps_data() {
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("staffs");
        QTest::addColumn<int>("notes");
        QTest::newRow("start-up") << 1 << 2 << 16;
        QTest::newRow("four across, six staffs") << 4 << 6 << 52;
        QTest::newRow("one note") << 3 << 1 << 1;
    }
    void load_steps() {
        QFETCH(int, across);
        QFETCH(int, staffs);
        QFETCH(int, notes);
        model.measures_across = across;
        model.num_lines = staffs;
        model.notes_per_measure = notes;
        model.line_props[1].set_caption(QStringLiteral("Low"));
        dialog = std::make_unique<LayoutDialog>(*host, model);
        QVERIFY(radio("across", across - 1)->isChecked());
        QVERIFY(radio("lines", staffs - 1)->isChecked());
        for (int i = 0; i < 6; ++i) QCOMPARE(!staff_button(i)->isHidden(), i < staffs);
        QCOMPARE(staff_button(0)->text(), QStringLiteral("Guitar  "));
        QCOMPARE(staff_button(1)->text(), QStringLiteral("Low     "));
        QCOMPARE(dialog->findChild<QScrollBar*>("HScroll1")->value(), notes);
        QCOMPARE(notes_box()->text(), QString::number(notes));
        QCOMPARE(dialog->lnum(), 0);
    }

    void staff_count_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < 6; ++i) QTest::newRow(qPrintable(QString::number(i + 1))) << i;
    }
    void staff_count() {
        QFETCH(int, index);
        dialog->show();
        radio("lines", 5)->click();
        radio("lines", index)->click();
        for (int i = 0; i < 6; ++i) QCOMPARE(staff_button(i)->isVisible(), i <= index);
    }

    void notes_bar_writes_the_box() {
        auto* bar = dialog->findChild<QScrollBar*>("HScroll1");
        bar->setValue(30);
        QCOMPARE(notes_box()->text(), QStringLiteral("30"));
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(notes_box()->text(), QStringLiteral("34"));
        notes_box()->setText(QStringLiteral("40"));
        QCOMPARE(bar->value(), 34);
    }

    // Enter in the box refuses only numbers above 52 and presses no button; OK refuses every
    // text that is not a whole number from 1 to 52 and stays open.
    void notes_box_refusals() {
        const LayoutAnswer answer = ask(QStringLiteral("New Page Layout"), [&] {
            radio("across", 2)->click();
            for (const char* text : {"53", "0"}) {
                notes_box()->setText(QString::fromLatin1(text));
                QTest::keyClick(notes_box(), Qt::Key_Return);
            }
            QCOMPARE(host->messages.size(), size_t(1));
            QCOMPARE(notes_box()->text(), QStringLiteral("0"));
            QVERIFY(dialog->isVisible());
            button("btn_ok")->click();
            QCOMPARE(host->messages.size(), size_t(2));
            QCOMPARE(host->messages[1].title, measure_reference_title());
            QVERIFY(dialog->isVisible());
            QCOMPARE(notes_box()->text(), QStringLiteral("16"));
            button("btn_ok")->click();  // the reset value is then taken
            QVERIFY(!dialog->isVisible());
        });
        QVERIFY(answer.accepted);
        QCOMPARE(answer.accepted->measures_across, 3);
        QCOMPARE(answer.accepted->notes_per_measure, 16);
    }

    void properties_panel() {
        dialog->show();
        auto* panel = dialog->findChild<QGroupBox*>("win_props");
        staff_button(1)->click();
        QVERIFY(panel->isVisible());
        QCOMPARE(panel->title(), QStringLiteral("Properties of Line# 2"));
        QCOMPARE(dialog->lnum(), 1);
        QCOMPARE(header_box()->text(), QStringLiteral("Bass    "));
        QCOMPARE(strings_bar()->value(), 4);
        QCOMPARE(dialog->findChild<QLabel*>("cap_numstrings")->text(),
                 QStringLiteral("Number of Strings: 4"));
        QCOMPARE(tuning_box(0)->text(), QStringLiteral("G "));
        QCOMPARE(tuning_box(5)->text(), QStringLiteral("  "));
        // edit_props loads another staff without touching the panel's visibility or lnum.
        dialog->edit_props(0);
        QCOMPARE(header_box()->text(), QStringLiteral("Guitar  "));
        QCOMPARE(strings_bar()->value(), 6);
        QCOMPARE(dialog->lnum(), 1);
        dialog->findChild<QPushButton*>("btn_cancel_props_0")->click();
        QVERIFY(panel->isHidden());
        const LayoutAnswer answer =
            ask(QStringLiteral("Adjust Layout to Image"), [&] { button("btn_cancel_1")->click(); });
        QCOMPARE(answer.staffs[1].caption, QStringLiteral("Bass    "));
    }

    void string_count_data() {
        QTest::addColumn<int>("strings");
        QTest::newRow("1") << 1;
        QTest::newRow("5") << 5;
        QTest::newRow("10") << 10;
    }
    void string_count() {
        QFETCH(int, strings);
        dialog->show();
        staff_button(0)->click();
        strings_bar()->setValue(strings);
        QCOMPARE(dialog->findChild<QLabel*>("cap_numstrings")->text(),
                 QStringLiteral("Number of Strings: %1").arg(strings));
        for (int j = 0; j < 10; ++j) {
            QCOMPARE(tuning_box(j)->isVisible(), j < strings);
            QVERIFY(dialog->findChild<QLabel*>(QStringLiteral("Label1_%1").arg(j))->isVisible());
        }
    }

    void quick_select_data() {
        QTest::addColumn<int>("staff");
        QTest::addColumn<QList<int>>("entries");
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("strings");
        QTest::addColumn<QStringList>("tuning");
        QTest::newRow("6th String D after Bass Standard")
            << 0 << QList<int>{4, 3} << "Bass" << 4
            << QStringList{"e", "B", "G", "D", "A", "D", "", "", "", ""};
        QTest::newRow("7-String Guitar")
            << 1 << QList<int>{6} << "7-String" << 7
            << QStringList{"e", "B", "G", "D", "A", "E", "B", "", "", ""};
        QTest::newRow("Bass 5-string") << 0 << QList<int>{5} << "Bass" << 5
                                       << QStringList{"G", "D", "A", "E", "B", "", "", "", "", ""};
    }
    void quick_select() {
        QFETCH(int, staff);
        QFETCH(QList<int>, entries);
        QFETCH(QString, header);
        QFETCH(int, strings);
        QFETCH(QStringList, tuning);
        const LineProps stored = model.line_props[staff];
        const auto pick = [&] {
            staff_button(staff)->click();
            auto* list = dialog->findChild<QComboBox*>("instruments");
            for (int entry : entries) {
                list->setCurrentIndex(entry);
                emit list->activated(entry);
            }
        };
        // Nothing is stored until Assign.
        const LayoutAnswer unassigned = ask(QStringLiteral("Adjust Layout to Image"), [&] {
            pick();
            QCOMPARE(header_box()->text(), header);
            QCOMPARE(strings_bar()->value(), strings);
            for (int j = 0; j < 10; ++j) {
                QCOMPARE(tuning_box(j)->text(), tuning[j]);
                QCOMPARE(tuning_box(j)->isVisible(), j < strings);
            }
            dialog->findChild<QPushButton*>("btn_cancel_props_0")->click();
            button("btn_cancel_1")->click();
        });
        QCOMPARE(unassigned.staffs[staff].caption, stored.caption);
        QCOMPARE(unassigned.staffs[staff].num_strings, stored.num_strings);
        // Assigned, it is stored even when the dialog is then cancelled.
        const LayoutAnswer answer = ask(QStringLiteral("Adjust Layout to Image"), [&] {
            pick();
            button("btn_ok_props")->click();
            button("btn_cancel_1")->click();
        });
        QVERIFY(!answer.accepted);
        const LineProps& assigned = answer.staffs[staff];
        QCOMPARE(assigned.caption, header.leftJustified(8));
        QCOMPARE(assigned.num_strings, strings);
        for (int j = 0; j < 10; ++j) QCOMPARE(assigned.tuning[j], tuning[j].leftJustified(2));
        QCOMPARE(staff_button(staff)->text(), header.leftJustified(8));
    }

    void cancel_changes_nothing() {
        const LayoutAnswer answer = ask(QStringLiteral("New Page Layout"), [&] {
            radio("lines", 4)->click();
            radio("across", 3)->click();
            notes_box()->setText(QStringLiteral("40"));
            button("btn_cancel_1")->click();
        });
        QVERIFY(!dialog->isVisible());
        QVERIFY(!answer.accepted);
        const LayoutModel after = answer.applied_to(model);
        QCOMPARE(after.num_lines, 2);
        QCOMPARE(after.measures_across, 1);
        QCOMPARE(after.notes_per_measure, 16);
        // Shown again, the controls are as the user left them.
        dialog->show();
        QVERIFY(radio("lines", 4)->isChecked());
        QVERIFY(radio("across", 3)->isChecked());
        QCOMPARE(notes_box()->text(), QStringLiteral("40"));
    }

private:
    QRadioButton* radio(const char* name, int index) {
        return dialog->findChild<QRadioButton*>(QStringLiteral("%1_%2").arg(name).arg(index));
    }
    QPushButton* staff_button(int index) {
        return dialog->findChild<QPushButton*>(QStringLiteral("Command2_%1").arg(index));
    }
    QPushButton* button(const char* name) {
        return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QLineEdit* notes_box() { return dialog->findChild<QLineEdit*>("box_notes_per_meas"); }
    QLineEdit* header_box() { return dialog->findChild<QLineEdit*>("box_header"); }
    QLineEdit* tuning_box(int j) {
        return dialog->findChild<QLineEdit*>(QStringLiteral("box_tuning_%1").arg(j));
    }
    QScrollBar* strings_bar() { return dialog->findChild<QScrollBar*>("scroll_numstrings"); }

    // Shows the dialog as a command asks it, while `user` acts in it; a dialog the user leaves
    // open is cancelled.
    LayoutAnswer ask(const QString& caption, const std::function<void()>& user) {
        QTimer::singleShot(0, dialog.get(), [this, user] {
            user();
            if (dialog->isVisible()) button("btn_cancel_1")->click();
        });
        return dialog->ask(caption, model);
    }

    std::unique_ptr<FakeQuestions> host;
    LayoutModel model;
    std::unique_ptr<LayoutDialog> dialog;
};

QTEST_MAIN(TestLayoutDialog)
#include "test_layout_dialog.moc"
