// New page, Adjust Layout to Image and the Page Layout dialog's OK, without widgets.
#include <QtTest>

#include "docs/document_commands.h"
#include "edit/editor.h"
#include "fake_host.h"
#include "layout/page_layout.h"
#include "page/page_font.h"

using namespace strumix;

namespace {

bool black(const QImage& image, int x, int y) { return image.pixelColor(x, y) == Qt::black; }

// The dialog as the document commands see it; its "user" is a scripted function.
class FakeDocuments : public DocumentHost {
public:
    explicit FakeDocuments(PageLayoutCore& core) : core_(core) {}
    std::function<void()> user;
    QStringList shown;  // caption, file_name, file_path at each showing

    void run_layout_dialog(const QString& caption) override {
        core_.caption = caption;
        shown << caption << core_.editor().model.file_name << core_.editor().model.file_path;
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

    // OK takes only a whole number from 1 to 52; Enter in the box refuses only numbers above 52.
    void notes_per_measure_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("taken");  // 0: OK refuses
        QTest::addColumn<bool>("enter_refuses");
        QTest::newRow("empty") << QString() << 0 << false;
        QTest::newRow("letters") << QStringLiteral("ab") << 0 << false;
        QTest::newRow("zero") << QStringLiteral("0") << 0 << false;
        QTest::newRow("negative") << QStringLiteral("-1") << 0 << false;
        QTest::newRow("53") << QStringLiteral("53") << 0 << true;
        QTest::newRow("99") << QStringLiteral("99") << 0 << true;
        QTest::newRow("1") << QStringLiteral("1") << 1 << false;
        QTest::newRow("52") << QStringLiteral("52") << 52 << false;
        QTest::newRow("leading zero") << QStringLiteral("07") << 7 << false;
    }
    void notes_per_measure() {
        QFETCH(QString, text);
        QFETCH(int, taken);
        QFETCH(bool, enter_refuses);
        QString box = text;
        QCOMPARE(core->notes_entered(box), enter_refuses);
        QCOMPARE(box, enter_refuses ? QStringLiteral("16") : text);
        host->messages.clear();

        const Picture before = editor->Picture1.picture();
        LayoutChoice choice{4, 1, text};
        const LayoutResult result = core->btn_ok_Click(choice);
        if (taken) {
            QCOMPARE(result, LayoutResult::Created);
            QCOMPARE(editor->model.notes_per_measure, taken);
            QVERIFY(host->messages.empty());
            return;
        }
        QCOMPARE(result, LayoutResult::Refused);
        QCOMPARE(choice.notes_text, QStringLiteral("16"));
        QVERIFY(host->layout_visible);
        QCOMPARE(host->messages.size(), size_t(1));
        QCOMPARE(host->messages[0].title, QStringLiteral("Strumix v1.0  Measure Reference  Table"));
        QCOMPARE(host->messages[0].text, measure_reference_text());
        QCOMPARE(editor->model.measures_across, 1);
        QCOMPARE(editor->model.notes_per_measure, 16);
        QVERIFY(editor->Picture1.picture() == before);
    }

    void new_page_is_sized_and_drawn_data() {
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
    void new_page_is_sized_and_drawn() {
        QFETCH(int, across);
        QFETCH(int, staffs);
        QFETCH(int, strings);
        QFETCH(int, notes);
        QFETCH(QSize, size);
        for (int i = 0; i < kMaxStaffs; ++i) editor->model.line_props[i].num_strings = strings;
        editor->model.file_name = QStringLiteral("Untitled.bmp");
        editor->model.file_path = QStringLiteral("Untitled.bmp");
        LayoutChoice choice{across, staffs, QString::number(notes)};
        QCOMPARE(core->btn_ok_Click(choice), LayoutResult::Created);

        QVERIFY(!host->layout_visible);
        QCOMPARE(editor->Picture1.size(), size);
        QVERIFY(host->resizes > 0);
        QCOMPARE(editor->caption, QStringLiteral("Strumix 95 v1.0a [ Untitled.bmp ]"));
        QCOMPARE(editor->model.file_name, QStringLiteral("Untitled"));
        QVERIFY(editor->model.file_path.isEmpty());
        QVERIFY(!editor->page_changed());

        // Bar lines at x = 6.5 + j·(3n + 2) columns, string lines at the middle of their rows.
        const QImage& page = editor->Picture1.image();
        const int w = (3 * notes + 2) * 8;
        const int top_y = 3 * 16 + 8;
        const int bottom_y = (3 + (staffs - 1) * (strings + 2) + strings - 1) * 16 + 8;
        for (int j = 0; j <= across; ++j) {
            QVERIFY(black(page, 52 + j * w, top_y));
            QVERIFY(black(page, 52 + j * w, bottom_y));
        }
        QVERIFY(black(page, 52 + w / 2, top_y));
        QVERIFY(!black(page, 52 + w / 2, top_y - 8));
        QVERIFY(!black(page, 52 + across * w + 4, bottom_y));
        QVERIFY(!black(page, 52 + w / 2, size.height() - 1));
        bool caption = false;  // the first staff's caption, in the row above it
        for (int y = 32; y < 48 && !caption; ++y)
            for (int x = 8; x < 56 && !caption; ++x) caption = black(page, x, y);
        QVERIFY(caption);
    }

    void adjust_keeps_the_picture() {
        core->caption = QString::fromLatin1(kAdjustLayout);
        editor->Picture1.line(10, 1, 20, 1);  // drawn, not committed: stays too
        const Picture picture = editor->Picture1.picture();
        const QImage pixels = editor->Picture1.image();
        const QString caption = editor->caption;
        editor->model.line_props[0].num_strings = 7;
        LayoutChoice choice{3, 3, QStringLiteral("20")};
        QCOMPARE(core->btn_ok_Click(choice), LayoutResult::Stored);
        QVERIFY(editor->Picture1.picture() == picture);
        QCOMPARE(editor->Picture1.image(), pixels);
        QCOMPARE(editor->caption, caption);
        QCOMPARE(editor->model.file_name, QStringLiteral("Untitled"));
        QCOMPARE(editor->model.measures_across, 3);
        QCOMPARE(editor->model.num_lines, 3);
        QCOMPARE(editor->model.notes_per_measure, 20);
        QCOMPARE(editor->model.first_row(1), 12);
    }

    // A page too large shows the dialog (hidden by OK) again; at each showing the user picks a
    // layout or cancels (an empty text). Whatever happens inside, no OK on the way out commits a
    // page over the one drawn, nor the blank page of a layout that was never drawn.
    void page_too_large_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<LayoutResult>("result");
        QTest::addColumn<int>("messages");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("smaller at once")
            << QStringList{"1 2 16"} << LayoutResult::Superseded << 1 << true;
        QTest::newRow("cancelled, then smaller")
            << QStringList{"", "2 1 8"} << LayoutResult::Reopened << 1 << true;
        QTest::newRow("too large again, then cancelled twice")
            << QStringList{"4 5 40", "", ""} << LayoutResult::Superseded << 2 << false;
    }
    void page_too_large() {
        QFETCH(QStringList, answers);
        QFETCH(LayoutResult, result);
        QFETCH(int, messages);
        QFETCH(bool, drawn);
        editor->Picture1.set_limits(500 * 300, 16384);
        const Picture start = editor->backup[0];
        int shown = 0;
        host->on_show_layout = [&] {
            QVERIFY(shown < answers.size());
            const QStringList answer = answers[shown++].split(QLatin1Char(' '));
            QCOMPARE(core->caption, QString::fromLatin1(kNewPageLayout));
            if (answer.size() < 3) return;
            host->layout_visible = true;
            LayoutChoice choice{answer[0].toInt(), answer[1].toInt(), answer[2]};
            core->btn_ok_Click(choice);
        };
        LayoutChoice big{4, 6, QStringLiteral("52")};
        QCOMPARE(core->btn_ok_Click(big), result);
        QCOMPARE(shown, answers.size());
        QCOMPARE(host->messages.size(), size_t(messages));
        QVERIFY(host->messages[0].text.startsWith(QStringLiteral("Error has occured:\n")));
        QVERIFY(host->messages[0].text.endsWith(
            QStringLiteral("\nplease reduce  your page layout's dimensions so your system can "
                           "create the image.")));
        QVERIFY(!editor->model.layout_failed);
        if (!drawn) {
            QVERIFY(editor->backup[0] == start);
            return;
        }
        QCOMPARE(editor->Picture1.size(), editor->model.page_size_pixels());
        QVERIFY(!editor->page_changed());
        QVERIFY(black(editor->Picture1.image(), 52, 56));
    }

    void new_command_data() {
        QTest::addColumn<bool>("changed");
        QTest::addColumn<bool>("accept");
        QTest::newRow("unchanged, accepted") << false << true;
        QTest::newRow("changed, accepted") << true << true;
        QTest::newRow("changed, cancelled") << true << false;
    }
    void new_command() {
        QFETCH(bool, changed);
        QFETCH(bool, accept);
        FakeDocuments documents(*core);
        DocumentCommands commands(*editor, documents);
        if (changed) editor->take_undo_copy();
        host->answers.push_back(Answer::Yes);  // the save arrives with the file commands
        const Picture before = editor->Picture1.picture();
        editor->location.top = 7;
        documents.user = [&] {
            QCOMPARE(host->questions.size(), size_t(changed ? 1 : 0));
            LayoutChoice choice{2, 2, QStringLiteral("12")};
            if (accept) QCOMPARE(core->btn_ok_Click(choice), LayoutResult::Created);
        };
        commands.menu_new_Click();

        if (changed) {
            QCOMPARE(host->questions[0].text,
                     QStringLiteral("Image has been changed. Do you want to save changes?"));
            QCOMPARE(host->questions[0].title, QStringLiteral("Strumix 95 v1.0a"));
        }
        QCOMPARE(documents.shown, (QStringList{"New Page Layout", "Untitled.bmp", "Untitled.bmp"}));
        QCOMPARE(editor->location.top, 3.0);
        QCOMPARE(editor->model.file_name,
                 QString::fromLatin1(accept ? "Untitled" : "Untitled.bmp"));
        QCOMPARE(editor->caption, QString::fromLatin1(accept ? "Strumix 95 v1.0a [ Untitled.bmp ]"
                                                             : "Strumix 95 v1.0a [Untitled]"));
        QCOMPARE(editor->Picture1.size(), accept ? QSize(700, 256) : QSize(484, 256));
        QCOMPARE(editor->page_changed(), !accept);
        if (!accept) QVERIFY(editor->Picture1.picture() == before);
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
        QCOMPARE(documents.shown.value(0), QStringLiteral("Adjust Layout to Image"));
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
