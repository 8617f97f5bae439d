// The Page Layout dialog in the program: New and Adjust Layout through the menus, the message
// boxes and the dialog, played from inside their own modal loops.
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QtTest>

#include "app/assembly.h"
#include "app/main_window.h"
#include "app/message_boxes.h"
#include "layout/layout_dialog.h"
#include "page/page_font.h"
#include "support/fake_host.h"
#include "support/modal_script.h"

using namespace strumix;

namespace {

bool black(const QImage& image, int x, int y) { return image.pixelColor(x, y) == Qt::black; }

}  // namespace

class TestLayoutCommands : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        load_resources();
    }

    // Three staffs: a 7-string guitar, a 5-string bass and a 6-string guitar, two measures of
    // 12, chosen in the dialog that "&New..." shows.
    void new_page_from_the_dialog() {
        FakeQuestions questions;
        Assembly program(&questions);
        program.start();
        ModalScript script;
        script.then([](QWidget* window) {
            auto* layout = qobject_cast<LayoutDialog*>(window);
            QVERIFY(layout);
            layout->findChild<QRadioButton*>("lines_2")->click();
            layout->findChild<QRadioButton*>("across_1")->click();
            layout->findChild<QScrollBar*>("HScroll1")->setValue(12);
            const int entries[3] = {6, 5, 0};
            for (int i = 0; i < 3; ++i) {
                layout->findChild<QPushButton*>(QStringLiteral("Command2_%1").arg(i))->click();
                layout->instruments_Click(entries[i]);
                layout->findChild<QPushButton*>("btn_ok_props")->click();
            }
            layout->findChild<QPushButton*>("btn_ok")->click();
        });
        program.form1().action("menu_new")->trigger();
        QCOMPARE(script.left(), 0);
        const Document& doc = program.document();
        QCOMPARE(doc.model().num_lines, 3);
        QCOMPARE(doc.model().measures_across, 2);
        QCOMPARE(doc.model().notes_per_measure, 12);
        // 6.5 + 3·13·2 + 3 columns; 2 + 9 + 7 + 8 rows.
        QCOMPARE(doc.Picture1().size(), QSize(700, 416));
        QVERIFY(!(doc.Picture1().picture() != doc.undo_copy()));
        QCOMPARE(doc.caption(), QStringLiteral("Strumix 95 v1.0a [ Untitled.bmp ]"));
        const QImage& page = doc.Picture1().image();
        QVERIFY(black(page, 52, 3 * 16 + 8));             // guitar string 1 at the first bar
        QVERIFY(black(page, 100, 9 * 16 + 8));            // its seventh string
        QVERIFY(black(page, 100, 16 * 16 + 8));           // the bass's fifth string
        QVERIFY(!black(page, 100, 17 * 16 + 8));          // no sixth bass string
        QVERIFY(black(page, 52 + 2 * 304, 24 * 16 + 8));  // last bar, last guitar string
    }

    void reference_table_box() {
        MessageBoxes boxes;
        LayoutDialog table_dialog(boxes, LayoutModel());
        table_dialog.show();
        QString title;
        QString text;
        int buttons = 0;
        QMessageBox::Icon icon = QMessageBox::Warning;
        ModalScript script;
        script.then([&](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            buttons = static_cast<int>(box->buttons().size());
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
        table_dialog.findChild<QPushButton*>("Command1")->click();
        QCOMPARE(script.left(), 0);
        QCOMPARE(title, QStringLiteral("Strumix v1.0  Measure Reference  Table"));
        const QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines[0], QStringLiteral("NOTES PER MEASURE (npm):"));
        QCOMPARE(lines[1],
                 QStringLiteral("Time Signature / Smallest  Notes:           Use (npm):"));
        for (int blank : {2, 12, 15}) QVERIFY(lines[blank].isEmpty());
        QCOMPARE(lines[3], QStringLiteral("     4/4  Quarter Notes") + QString(42, ' ') + "4");
        QCOMPARE(lines[11], QStringLiteral("     7/8  Eighth Notes") + QString(46, ' ') + "7");
        QCOMPARE(lines[14], QStringLiteral("display up to 13/8 time showing thiry-secondth notes, "
                                           "and you should use 1 measure across only for this."));
        QVERIFY(lines[16].endsWith(QStringLiteral("4 lines down. ")));
        QCOMPARE(lines[18], QStringLiteral("Reduce the 'Measures Across' value for large amounts "
                                           "of 'Notes per Measure'."));
        QCOMPARE(buttons, 1);
        QCOMPARE(icon, QMessageBox::NoIcon);
    }

    // New and Adjust Layout through the menus, the program's message boxes and the dialog. The
    // page is too large at first: the failure is reported and the dialog asks again, where the
    // user picks a smaller layout or cancels.
    void program_windows_data() {
        QTest::addColumn<bool>("cancel");
        QTest::newRow("then smaller") << false;
        QTest::newRow("then cancelled") << true;
    }
    void program_windows() {
        QFETCH(bool, cancel);
        Assembly program;
        program.start();
        Document& doc = program.document();
        MainWindow& form1 = program.form1();
        doc.Picture1().set_limits({500 * 300, 16384});
        doc.take_undo_copy();  // the page counts as changed

        ModalScript script;
        script.then([](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            QVERIFY(box);
            QCOMPARE(box->text(),
                     QStringLiteral("Image has been changed. Do you want to save changes?"));
            QCOMPARE(box->windowTitle(), QStringLiteral("Strumix 95 v1.0a"));
            QCOMPARE(box->icon(), QMessageBox::Question);
            box->button(QMessageBox::No)->click();
        });
        script.then([](QWidget* window) {
            auto* layout = qobject_cast<LayoutDialog*>(window);
            QVERIFY(layout);
            QCOMPARE(layout->windowTitle(), QStringLiteral("New Page Layout"));
            layout->findChild<QRadioButton*>("across_3")->click();
            layout->findChild<QScrollBar*>("HScroll1")->setValue(52);
            layout->findChild<QPushButton*>("btn_ok")->click();
        });
        script.then([](QWidget* window) {
            auto* box = qobject_cast<QMessageBox*>(window);
            QVERIFY(box);
            QVERIFY(box->text().startsWith(QStringLiteral("Error has occured:\n")));
            box->button(QMessageBox::Ok)->click();
        });
        script.then([cancel](QWidget* window) {
            auto* layout = qobject_cast<LayoutDialog*>(window);
            QVERIFY(layout);
            QCOMPARE(layout->windowTitle(), QStringLiteral("New Page Layout"));
            // The controls still show the layout that failed.
            QVERIFY(layout->findChild<QRadioButton*>("across_3")->isChecked());
            if (cancel) return layout->findChild<QPushButton*>("btn_cancel_1")->click();
            layout->findChild<QRadioButton*>("across_0")->click();
            layout->findChild<QScrollBar*>("HScroll1")->setValue(16);
            layout->findChild<QPushButton*>("btn_ok")->click();
        });
        form1.action("menu_new")->trigger();
        QCOMPARE(script.left(), 0);
        QVERIFY2(script.unexpected.isEmpty(), qPrintable(script.unexpected.join(", ")));
        QCOMPARE(doc.file_name(), QStringLiteral("Untitled"));
        QCOMPARE(doc.Picture1().size(), QSize(484, 256));
        QCOMPARE(program.tools().location().top(), 3.0);
        if (cancel) {
            // The page the failed layout left: white, at its old size, not committed.
            QCOMPARE(form1.windowTitle(), QStringLiteral("Strumix 95 v1.0a [ Untitled.bmp ]"));
            QVERIFY(!black(doc.Picture1().image(), 452, 14 * 16 + 8));
            return;
        }
        // The failed try already renamed the page, so the second try shows that name.
        QCOMPARE(form1.windowTitle(), QStringLiteral("Strumix 95 v1.0a [ Untitled ]"));
        QVERIFY(!(doc.Picture1().picture() != doc.undo_copy()));
        QVERIFY(black(doc.Picture1().image(), 452, 14 * 16 + 8));

        const Picture before = doc.Picture1().picture();
        script.then([](QWidget* window) {
            auto* layout = qobject_cast<LayoutDialog*>(window);
            QVERIFY(layout);
            QCOMPARE(layout->windowTitle(), QStringLiteral("Adjust Layout to Image"));
            layout->findChild<QRadioButton*>("lines_0")->click();
            layout->findChild<QPushButton*>("btn_ok")->click();
        });
        form1.action("menu_page")->trigger();
        QCOMPARE(script.left(), 0);
        QCOMPARE(doc.model().num_lines, 1);
        QVERIFY(doc.Picture1().picture() == before);
        QVERIFY(!program.layout_dialog().isVisible());
    }
};

QTEST_MAIN(TestLayoutCommands)
#include "test_layout_commands.moc"
