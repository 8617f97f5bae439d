// New page and Adjust Layout to Image: the commands ask the Page Layout dialog (played here by
// a script) and then store, draw and commit the page themselves.
#include <QtTest>

#include <QTemporaryDir>

#include "document/layout_choice.h"
#include "files/page_file.h"
#include "page/page_font.h"
#include "support/document_session.h"

using namespace strumix;

namespace {

bool black(const QImage& image, int x, int y) { return image.pixelColor(x, y) == Qt::black; }

}  // namespace

class TestNewPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

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
        QCOMPARE(notes_above_maximum(text), enter_refuses);
        QCOMPARE(notes_per_measure_from(text).value_or(0), taken);
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
        DocumentSession s;
        s.documents.on_layout = [&](const QString&, const LayoutModel& current) {
            LayoutAnswer answer = FakeFlowsHost::chosen(current, across, staffs, notes);
            for (auto& staff : answer.staffs) staff.num_strings = strings;
            return answer;
        };
        s.commands.menu_new_Click();

        QCOMPARE(s.page().size(), size);
        QCOMPARE(s.doc.caption(), QStringLiteral("Strumix 95 v1.0a [ Untitled.bmp ]"));
        QCOMPARE(s.doc.file_name(), QStringLiteral("Untitled"));
        QVERIFY(s.doc.file_path().isEmpty());
        QVERIFY(!s.undo_copy_differs());
        QVERIFY(!s.doc.unsaved(Document::Moment::Replacing));

        // Bar lines at x = 6.5 + j·(3n + 2) columns, string lines at the middle of their rows.
        const QImage& page = s.page().image();
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

    // Adjusting stores the layout and the staffs assigned in the dialog; the picture, drawn
    // and committed alike, stays as it is, and number entry is the tool again.
    void adjust_keeps_the_picture() {
        DocumentSession s;
        s.tools.btn_edit_Click();
        // Drawn, not committed: stays too.
        s.page().draw([](PageDrawing& d) { d.line(QPoint(10, 1), QPoint(20, 1)); });
        const Picture picture = s.page().picture();
        const QImage pixels = s.page().image();
        const QString caption = s.doc.caption();
        s.documents.on_layout = [](const QString&, const LayoutModel& current) {
            LayoutAnswer answer = FakeFlowsHost::chosen(current, 3, 3, 20);
            answer.staffs[0].num_strings = 7;
            return answer;
        };
        s.commands.menu_page_Click();
        QCOMPARE(s.documents.layout_captions, QStringList{"Adjust Layout to Image"});
        QVERIFY(s.page().picture() == picture);
        QCOMPARE(s.page().image(), pixels);
        QCOMPARE(s.doc.caption(), caption);
        QCOMPARE(s.doc.file_name(), QStringLiteral("Untitled"));
        QCOMPARE(s.doc.model().measures_across, 3);
        QCOMPARE(s.doc.model().num_lines, 3);
        QCOMPARE(s.doc.model().notes_per_measure, 20);
        QCOMPARE(s.doc.model().first_row(1), 12);
        QCOMPARE(s.tools.current_tool(), ToolId::Numbers);
    }

    // Cancel leaves the layout as it was, but staffs stored with "&Assign" stay stored.
    void adjust_cancelled_keeps_assigned_staffs() {
        DocumentSession s;
        s.documents.on_layout = [](const QString&, const LayoutModel& current) {
            LayoutAnswer answer = FakeFlowsHost::cancelled(current);
            answer.staffs[1].set_caption(QStringLiteral("Low"));
            return answer;
        };
        s.commands.menu_page_Click();
        QCOMPARE(s.doc.model().measures_across, 1);
        QCOMPARE(s.doc.model().line_props[1].caption, QStringLiteral("Low     "));
    }

    // A page too large to create: the message says why and the dialog asks again, as "New Page
    // Layout", until a layout fits or the user cancels. Nothing of a layout that was never drawn
    // is committed.
    void page_too_large_data() {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<int>("messages");
        QTest::addColumn<bool>("drawn");
        QTest::newRow("smaller at once") << QStringList{"4 6 52", "1 2 16"} << 1 << true;
        QTest::newRow("too large again, then smaller")
            << QStringList{"4 6 52", "4 5 40", "2 1 8"} << 2 << true;
        QTest::newRow("too large, then cancelled") << QStringList{"4 6 52", ""} << 1 << false;
    }
    void page_too_large() {
        QFETCH(QStringList, answers);
        QFETCH(int, messages);
        QFETCH(bool, drawn);
        DocumentSession s;
        s.page().set_limits({500 * 300, 16384});
        const Picture start = s.doc.undo_copy();
        int shown = 0;
        s.documents.on_layout = [&](const QString& caption, const LayoutModel& current) {
            [&] { QVERIFY(shown < answers.size()); }();
            [&] { QCOMPARE(caption, QString::fromLatin1(kNewPageLayout)); }();
            const QStringList answer = answers.value(shown++).split(QLatin1Char(' '));
            if (answer.size() < 3) return FakeFlowsHost::cancelled(current);
            return FakeFlowsHost::chosen(current, answer[0].toInt(), answer[1].toInt(),
                                         answer[2].toInt());
        };
        s.commands.menu_new_Click();
        QCOMPARE(shown, answers.size());
        QCOMPARE(s.host.messages.size(), size_t(messages));
        QVERIFY(s.host.messages[0].text.startsWith(QStringLiteral("Error has occured:\n")));
        QVERIFY(s.host.messages[0].text.endsWith(
            QStringLiteral("\nplease reduce  your page layout's dimensions so your system can "
                           "create the image.")));
        QCOMPARE(s.box().top(), 3.0);
        if (!drawn) {
            QVERIFY(s.doc.undo_copy() == start);
            return;
        }
        QCOMPARE(s.page().size(), s.doc.model().page_size_pixels());
        QVERIFY(!s.undo_copy_differs());
        QVERIFY(black(s.page().image(), 52, 56));
    }

    // Opened, a page of ours brings its layout: the dialog comes up with it chosen; OK stores
    // it, Cancel leaves the layout as it was.
    void open_proposes_the_layout_found_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("OK") << true;
        QTest::newRow("Cancel") << false;
    }
    void open_proposes_the_layout_found() {
        QFETCH(bool, accept);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("three.tab"));
        LayoutModel drawn;
        drawn.num_lines = 3;
        drawn.measures_across = 2;
        drawn.notes_per_measure = 12;
        drawn.line_props[2].set_caption(QStringLiteral("Bass 5"));
        drawn.line_props[2].num_strings = 5;
        drawn.line_props[2].set_tuning(4, QStringLiteral("B"));
        drawn.recompute_staff_rows();
        {
            DocumentSession writer;
            writer.doc.set_model(drawn);
            QString error;
            QVERIFY(writer.doc.Redraw_pic(&error));
            QVERIFY(write_page_file(path, writer.page().image(), &error));
        }
        DocumentSession s;
        s.documents.on_file = [&](FilePurpose, const QString&) { return std::optional(path); };
        s.documents.on_layout = [accept](const QString&, const LayoutModel& shown) {
            LayoutAnswer answer = FakeFlowsHost::cancelled(shown);
            if (accept)
                answer.accepted =
                    LayoutChoice{shown.measures_across, shown.num_lines, shown.notes_per_measure};
            return answer;
        };
        s.commands.menu_open_Click();
        QVERIFY(s.documents.proposed);
        const LayoutModel& proposed = *s.documents.proposed;
        QCOMPARE(proposed.num_lines, 3);
        QCOMPARE(proposed.measures_across, 2);
        QCOMPARE(proposed.notes_per_measure, 12);
        QCOMPARE(proposed.line_props[2].caption, QStringLiteral("Bass 5  "));
        QCOMPARE(proposed.line_props[2].num_strings, 5);
        QCOMPARE(proposed.line_props[2].tuning[4], QStringLiteral("B "));
        QCOMPARE(s.doc.model().num_lines, accept ? 3 : 2);
        QCOMPARE(s.doc.model().line_props[2].num_strings, accept ? 5 : 6);
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
        DocumentSession s;
        if (changed) s.doc.take_undo_copy();
        s.host.answers.push_back(Answer::No);
        const Picture before = s.page().picture();
        s.place_box(8, 7);
        QStringList shown;
        s.documents.on_layout = [&](const QString& caption, const LayoutModel& current) {
            shown << caption << s.doc.file_name() << s.doc.file_path();
            [&] { QCOMPARE(s.host.questions.size(), size_t(changed ? 1 : 0)); }();
            return accept ? FakeFlowsHost::chosen(current, 2, 2, 12)
                          : FakeFlowsHost::cancelled(current);
        };
        s.commands.menu_new_Click();

        if (changed) {
            QCOMPARE(s.host.questions[0].text,
                     QStringLiteral("Image has been changed. Do you want to save changes?"));
            QCOMPARE(s.host.questions[0].title, QStringLiteral("Strumix 95 v1.0a"));
        }
        QCOMPARE(shown, (QStringList{"New Page Layout", "Untitled.bmp", "Untitled.bmp"}));
        QCOMPARE(s.box().top(), 3.0);
        QCOMPARE(s.doc.file_name(), QString::fromLatin1(accept ? "Untitled" : "Untitled.bmp"));
        QCOMPARE(s.doc.caption(), QString::fromLatin1(accept ? "Strumix 95 v1.0a [ Untitled.bmp ]"
                                                             : "Strumix 95 v1.0a [Untitled]"));
        QCOMPARE(s.page().size(), accept ? QSize(700, 256) : QSize(484, 256));
        QCOMPARE(s.undo_copy_differs(), !accept);
        if (!accept) QVERIFY(s.page().picture() == before);
    }
};

QTEST_MAIN(TestNewPage)
#include "test_new_page.moc"
