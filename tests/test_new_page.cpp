// New page, Adjust Layout to Image and the Page Layout dialog's OK, without widgets.
#include <QtTest>

#include "docs/document_commands.h"
#include "edit/editor.h"
#include "fake_host.h"
#include "layout/page_layout.h"
#include "page/page_font.h"

using namespace strumix;

namespace {

const QString kUnchangedQuestion =
    QStringLiteral("Image has been changed. Do you want to save changes?");

bool black(const QImage& image, int x, int y) { return image.pixelColor(x, y) == Qt::black; }

// The windows the document commands drive: the dialog's "user" is a scripted function.
class FakeDocuments : public DocumentHost {
public:
    explicit FakeDocuments(PageLayoutCore& core) : core_(core) {}
    std::function<void()> user;
    QStringList captions;
    QStringList names_at_dialog;

    void run_layout_dialog(const QString& caption) override {
        core_.caption = caption;
        captions << caption;
        names_at_dialog << core_.editor().model.file_name << core_.editor().model.file_path;
        if (user) user();
    }
    void show_file_window(const QString&) override {}
    bool set_clipboard_image(const QImage&, QString*) override { return false; }

private:
    PageLayoutCore& core_;
};

}  // namespace

class TestNewPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void init() {
        host = std::make_unique<FakeHost>();
        editor = std::make_unique<Editor>(*host);
        editor->startup();
        core = std::make_unique<PageLayoutCore>(*editor);
        // The dialog is visible while its OK runs and hides itself first thing.
        host->layout_visible = true;
        core->hide_dialog = [this] { host->layout_visible = false; };
        core->caption = QString::fromLatin1(kNewPageLayout);
    }

    void reference_table_reads_as_written() {
        QCOMPARE(measure_reference_title(),
                 QStringLiteral("Strumix v1.0  Measure Reference  Table"));
        const QStringList lines = measure_reference_text().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 19);
        QCOMPARE(lines[0], QStringLiteral("NOTES PER MEASURE (npm):"));
        QCOMPARE(lines[1],
                 QStringLiteral("Time Signature / Smallest  Notes:           Use (npm):"));
        for (int blank : {2, 12, 15}) QVERIFY2(lines[blank].isEmpty(), qPrintable(lines[blank]));
        QCOMPARE(lines[3], QStringLiteral("     4/4  Quarter Notes                                "
                                          "          4"));
        QCOMPARE(lines[6], QStringLiteral("     4/4  Thirty-secondth Notes                        "
                                          "    32"));
        QCOMPARE(lines[11], QStringLiteral("     7/8  Eighth Notes                                 "
                                           "             7"));
        QCOMPARE(lines[14], QStringLiteral("display up to 13/8 time showing thiry-secondth notes, "
                                           "and you should use 1 measure across only for this."));
        QVERIFY(lines[16].endsWith(QStringLiteral("4 lines down. ")));
        QCOMPARE(lines[18], QStringLiteral("Reduce the 'Measures Across' value for large amounts "
                                           "of 'Notes per Measure'."));
        // Every table row: five blanks, the signature, two blanks.
        for (int row = 3; row <= 11; ++row) {
            QVERIFY(lines[row].startsWith(QStringLiteral("     ")));
            QCOMPARE(lines[row].mid(8, 2), QStringLiteral("  "));
        }
    }

    void ok_refuses_notes_that_are_no_page_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << QString();
        QTest::newRow("letters") << QStringLiteral("ab");
        QTest::newRow("zero") << QStringLiteral("0");
        QTest::newRow("53") << QStringLiteral("53");
        QTest::newRow("99") << QStringLiteral("99");
        QTest::newRow("negative") << QStringLiteral("-1");
    }
    void ok_refuses_notes_that_are_no_page() {
        QFETCH(QString, text);
        const Picture before = editor->Picture1.picture();
        const LayoutModel model = editor->model;
        LayoutChoice choice{4, 3, text};
        QCOMPARE(core->btn_ok_Click(choice), LayoutResult::Refused);
        QCOMPARE(choice.notes_text, QStringLiteral("16"));
        QVERIFY(host->layout_visible);
        QCOMPARE(host->messages.size(), size_t(1));
        QCOMPARE(host->messages[0].title, measure_reference_title());
        QCOMPARE(host->messages[0].text, measure_reference_text());
        QCOMPARE(editor->model.measures_across, model.measures_across);
        QCOMPARE(editor->model.num_lines, model.num_lines);
        QCOMPARE(editor->model.notes_per_measure, 16);
        QCOMPARE(editor->model.file_name, QStringLiteral("Untitled"));
        QVERIFY(editor->Picture1.picture() == before);
    }

    void notes_text_accepted_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("notes");
        QTest::newRow("1") << QStringLiteral("1") << 1;
        QTest::newRow("52") << QStringLiteral("52") << 52;
        QTest::newRow("leading zero") << QStringLiteral("07") << 7;
        QTest::newRow("blank around") << QStringLiteral(" 9") << 9;
    }
    void notes_text_accepted() {
        QFETCH(QString, text);
        QFETCH(int, notes);
        LayoutChoice choice{1, 1, text};
        QCOMPARE(core->btn_ok_Click(choice), LayoutResult::Created);
        QCOMPARE(editor->model.notes_per_measure, notes);
        QVERIFY(host->messages.empty());
    }

    void enter_refuses_only_above_52_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("refused");
        QTest::newRow("53") << QStringLiteral("53") << true;
        QTest::newRow("99") << QStringLiteral("99") << true;
        QTest::newRow("52") << QStringLiteral("52") << false;
        QTest::newRow("0") << QStringLiteral("0") << false;
        QTest::newRow("letters") << QStringLiteral("x") << false;
    }
    void enter_refuses_only_above_52() {
        QFETCH(QString, text);
        QFETCH(bool, refused);
        QString box = text;
        QCOMPARE(core->notes_entered(box), refused);
        QCOMPARE(box, refused ? QStringLiteral("16") : text);
        QCOMPARE(host->messages.size(), size_t(refused ? 1 : 0));
    }

    void new_page_has_the_model_size_data() {
        QTest::addColumn<int>("across");
        QTest::addColumn<int>("staffs");
        QTest::addColumn<int>("strings");
        QTest::addColumn<int>("notes");
        QTest::addColumn<QSize>("size");
        // Width 6.5 + 3·(n + 1)·a + 3 columns of 8 px; height 2 + Σ(strings + 2) rows of 16 px.
        QTest::newRow("largest") << 4 << 6 << 10 << 52 << QSize(5164, 1184);
        QTest::newRow("smallest") << 1 << 1 << 1 << 1 << QSize(124, 80);
        QTest::newRow("two of eight") << 2 << 3 << 6 << 8 << QSize(508, 416);
    }
    void new_page_has_the_model_size() {
        QFETCH(int, across);
        QFETCH(int, staffs);
        QFETCH(int, strings);
        QFETCH(int, notes);
        QFETCH(QSize, size);
        for (int i = 0; i < kMaxStaffs; ++i) editor->model.line_props[i].num_strings = strings;
        editor->model.file_name = QStringLiteral("Untitled.bmp");
        editor->model.file_path = QStringLiteral("Untitled.bmp");
        const int resizes = host->resizes;
        LayoutChoice choice{across, staffs, QString::number(notes)};
        QCOMPARE(core->btn_ok_Click(choice), LayoutResult::Created);

        QVERIFY(!host->layout_visible);
        QCOMPARE(editor->Picture1.size(), size);
        QCOMPARE(editor->model.page_size_pixels(), size);
        QVERIFY(host->resizes > resizes);
        QCOMPARE(editor->caption, QStringLiteral("Strumix 95 v1.0a [ Untitled.bmp ]"));
        QCOMPARE(editor->model.file_name, QStringLiteral("Untitled"));
        QVERIFY(editor->model.file_path.isEmpty());
        QVERIFY(!editor->model.layout_failed);
        QVERIFY(!editor->page_changed());
        QVERIFY(editor->Picture1.picture() == editor->backup[0]);

        // Bar lines at x = 6.5 + j·(3n + 2) columns, string lines at the middle of their rows.
        const QImage& page = editor->Picture1.image();
        const int w = (3 * notes + 2) * 8;
        const int last = staffs - 1;
        const int top_y = 3 * 16 + 8;
        const int bottom_y = (editor->model.last_row(last)) * 16 + 8;
        QCOMPARE(editor->model.last_row(last), 3 + last * (strings + 2) + strings - 1);
        for (int j = 0; j <= across; ++j) {
            QVERIFY(black(page, 52 + j * w, top_y));
            QVERIFY(black(page, 52 + j * w, bottom_y));
        }
        QVERIFY(black(page, 52 + w / 2, top_y));
        QVERIFY(black(page, 52 + across * w - 3, bottom_y));
        QVERIFY(!black(page, 52 + w / 2, top_y - 8));
        QVERIFY(!black(page, 52 + across * w + 4, bottom_y));
        QVERIFY(!black(page, 52 + w / 2, size.height() - 1));
        // The first staff's caption stands in the row above it.
        bool caption = false;
        for (int y = 32; y < 48 && !caption; ++y)
            for (int x = 8; x < 56 && !caption; ++x) caption = black(page, x, y);
        QVERIFY(caption);
    }

    void adjust_keeps_the_picture() {
        core->caption = QString::fromLatin1(kAdjustLayout);
        // Something drawn and not yet committed stays too.
        editor->Picture1.line(10, 1, 20, 1);
        const Picture picture = editor->Picture1.picture();
        const QImage pixels = editor->Picture1.image();
        const QString caption = editor->caption;
        const int resizes = host->resizes;
        StaffProps seven = StaffProps::from(editor->model.line_props[0]);
        seven.quick_select(6);
        seven.store_into(editor->model.line_props[0]);
        LayoutChoice choice{3, 3, QStringLiteral("20")};
        QCOMPARE(core->btn_ok_Click(choice), LayoutResult::Stored);

        QVERIFY(editor->Picture1.picture() == picture);
        QCOMPARE(editor->Picture1.image(), pixels);
        QCOMPARE(editor->caption, caption);
        QCOMPARE(editor->model.file_name, QStringLiteral("Untitled"));
        QCOMPARE(editor->model.measures_across, 3);
        QCOMPARE(editor->model.num_lines, 3);
        QCOMPARE(editor->model.notes_per_measure, 20);
        QCOMPARE(editor->model.last_row(0), 9);
        QCOMPARE(editor->model.first_row(1), 12);
        QCOMPARE(host->resizes, resizes);
    }

    void quick_select_data() {
        QTest::addColumn<QList<int>>("entries");
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("strings");
        QTest::addColumn<QString>("tuning");
        QTest::newRow("6th String D after Bass") << QList<int>{4, 3} << "Bass" << 4 << "eBGDAD";
        QTest::newRow("6th String D keeps caption") << QList<int>{3} << "Guitar  " << 6 << "eBGDAD";
        QTest::newRow("E flat") << QList<int>{1} << "Guitar" << 6 << "ebBbGbDbAbEb";
        QTest::newRow("7-string") << QList<int>{6} << "7-String" << 7 << "eBGDAEB";
        QTest::newRow("5-string bass") << QList<int>{5} << "Bass" << 5 << "GDAEB";
        QTest::newRow("D after 7-string") << QList<int>{6, 2} << "Guitar" << 6 << "dAFCGD";
    }
    void quick_select() {
        QFETCH(QList<int>, entries);
        QFETCH(QString, header);
        QFETCH(int, strings);
        QFETCH(QString, tuning);
        StaffProps props = StaffProps::from(editor->model.line_props[0]);
        for (int entry : entries) props.quick_select(entry);
        QCOMPARE(props.header, header);
        QCOMPARE(props.num_strings, strings);
        QString joined;
        for (const QString& name : props.tuning) joined += name;
        QCOMPARE(joined, tuning);
    }

    void assign_cuts_and_pads() {
        StaffProps props;
        props.header = QStringLiteral("Baritone Guitar");
        props.num_strings = 1;
        props.tuning[0] = QStringLiteral("e");
        props.tuning[9] = QStringLiteral("Abc");
        LineProps& staff = editor->model.line_props[2];
        props.store_into(staff);
        QCOMPARE(staff.caption, QStringLiteral("Baritone"));
        QCOMPARE(staff.num_strings, 1);
        QCOMPARE(staff.tuning[0], QStringLiteral("e "));
        QCOMPARE(staff.tuning[1], QStringLiteral("  "));
        QCOMPARE(staff.tuning[9], QStringLiteral("Ab"));
        QCOMPARE(props_caption(0), QStringLiteral("Properties of Line# 1"));
        QCOMPARE(num_strings_caption(6), QStringLiteral("Number of Strings: 6"));
    }

    // A page too large: the failure shows the dialog (hidden by OK), where a smaller layout is
    // chosen; that page stands and the outer OK commits nothing over it.
    void failed_page_then_smaller_layout() {
        editor->Picture1.set_limits(500 * 300, 16384);
        int shown = 0;
        host->on_show_layout = [&] {
            ++shown;
            QCOMPARE(host->messages.size(), size_t(1));
            QVERIFY(host->messages[0].text.startsWith(QStringLiteral("Error has occured:\n")));
            QVERIFY(host->messages[0].text.endsWith(
                QStringLiteral("\nplease reduce  your page layout's dimensions so your system "
                               "can create the image.")));
            QVERIFY(host->messages[0].title.isEmpty());
            host->layout_visible = true;
            LayoutChoice smaller{1, 2, QStringLiteral("16")};
            QCOMPARE(core->btn_ok_Click(smaller), LayoutResult::Created);
        };
        LayoutChoice big{4, 6, QStringLiteral("52")};
        QCOMPARE(core->btn_ok_Click(big), LayoutResult::Superseded);
        QCOMPARE(shown, 1);
        QCOMPARE(editor->Picture1.size(), QSize(484, 256));
        QCOMPARE(editor->model.measures_across, 1);
        QVERIFY(!editor->model.layout_failed);
        QVERIFY(!editor->page_changed());
        QVERIFY(black(editor->Picture1.image(), 52, 56));
        QVERIFY(black(editor->Picture1.image(), 452, 11 * 16 + 8));
    }

    // The failure's dialog is cancelled: OK shows the dialog once more as "New Page Layout".
    void failed_page_cancelled_reopens() {
        editor->Picture1.set_limits(500 * 300, 16384);
        int shown = 0;
        host->on_show_layout = [&] {
            ++shown;
            if (shown == 1) return;  // cancelled
            QCOMPARE(core->caption, QString::fromLatin1(kNewPageLayout));
            QVERIFY(!editor->model.layout_failed);
            host->layout_visible = true;
            LayoutChoice smaller{2, 1, QStringLiteral("8")};
            QCOMPARE(core->btn_ok_Click(smaller), LayoutResult::Created);
        };
        LayoutChoice big{4, 6, QStringLiteral("52")};
        QCOMPARE(core->btn_ok_Click(big), LayoutResult::Reopened);
        QCOMPARE(shown, 2);
        QCOMPARE(editor->Picture1.size(), editor->model.page_size_pixels());
        QCOMPARE(editor->model.measures_across, 2);
        QVERIFY(!editor->page_changed());
    }

    // Failures inside the failure's own dialog, all cancelled at last: no OK on the way out
    // commits the blank page of a layout that was never drawn.
    void repeated_failures_commit_nothing() {
        editor->Picture1.set_limits(500 * 300, 16384);
        const Picture start = editor->backup[0];
        int shown = 0;
        host->on_show_layout = [&] {
            if (++shown > 1) return;
            host->layout_visible = true;
            LayoutChoice still_big{4, 5, QStringLiteral("40")};
            QCOMPARE(core->btn_ok_Click(still_big), LayoutResult::Reopened);
        };
        LayoutChoice big{4, 6, QStringLiteral("52")};
        QCOMPARE(core->btn_ok_Click(big), LayoutResult::Superseded);
        QCOMPARE(shown, 3);
        QVERIFY(editor->backup[0] == start);
        QVERIFY(!editor->model.layout_failed);
        QCOMPARE(host->messages.size(), size_t(2));
    }

    void new_command_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("yes");
        QTest::addColumn<bool>("accept");
        QTest::newRow("unchanged, accepted") << false << false << true;
        QTest::newRow("changed, no, accepted") << true << false << true;
        QTest::newRow("changed, yes, accepted") << true << true << true;
        QTest::newRow("unchanged, cancelled") << false << false << false;
    }
    void new_command() {
        QFETCH(bool, changed);
        QFETCH(bool, yes);
        QFETCH(bool, accept);
        FakeDocuments documents(*core);
        DocumentCommands commands(*editor, documents);
        if (changed) editor->take_undo_copy();
        if (yes) host->answers.push_back(Answer::Yes);
        const Picture before = editor->Picture1.picture();
        editor->location.top = 7;
        documents.user = [&] {
            QCOMPARE(host->questions.size(), size_t(changed ? 1 : 0));
            if (!accept) return;
            LayoutChoice choice{2, 2, QStringLiteral("12")};
            QCOMPARE(core->btn_ok_Click(choice), LayoutResult::Created);
        };
        commands.menu_new_Click();

        if (changed) {
            QCOMPARE(host->questions[0].text, kUnchangedQuestion);
            QCOMPARE(host->questions[0].title, QStringLiteral("Strumix 95 v1.0a"));
        }
        QCOMPARE(documents.captions, QStringList{QStringLiteral("New Page Layout")});
        QCOMPARE(documents.names_at_dialog,
                 (QStringList{QStringLiteral("Untitled.bmp"), QStringLiteral("Untitled.bmp")}));
        QCOMPARE(editor->location.top, 3.0);
        QCOMPARE(editor->location.left, 8.0);
        if (accept) {
            QCOMPARE(editor->model.file_name, QStringLiteral("Untitled"));
            QCOMPARE(editor->caption, QStringLiteral("Strumix 95 v1.0a [ Untitled.bmp ]"));
            QCOMPARE(editor->Picture1.size(), QSize(700, 256));
            QVERIFY(!editor->page_changed());
        } else {
            QCOMPARE(editor->model.file_name, QStringLiteral("Untitled.bmp"));
            QCOMPARE(editor->model.file_path, QStringLiteral("Untitled.bmp"));
            QCOMPARE(editor->caption, QStringLiteral("Strumix 95 v1.0a [Untitled]"));
            QVERIFY(editor->Picture1.picture() == before);
        }
    }

    void adjust_command() {
        FakeDocuments documents(*core);
        DocumentCommands commands(*editor, documents);
        const Picture before = editor->Picture1.picture();
        documents.user = [&] {
            LayoutChoice choice{1, 1, QStringLiteral("30")};
            QCOMPARE(core->btn_ok_Click(choice), LayoutResult::Stored);
        };
        commands.menu_page_Click();
        QCOMPARE(documents.captions, QStringList{QStringLiteral("Adjust Layout to Image")});
        QCOMPARE(editor->model.notes_per_measure, 30);
        QVERIFY(editor->Picture1.picture() == before);
        QVERIFY(!editor->page_changed());
    }

private:
    std::unique_ptr<FakeHost> host;
    std::unique_ptr<Editor> editor;
    std::unique_ptr<PageLayoutCore> core;
};

QTEST_MAIN(TestNewPage)
#include "test_new_page.moc"
