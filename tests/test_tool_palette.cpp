#include <QtTest>
#include <functional>

#include "edit/editor.h"
#include "fake_host.h"
#include "page/page_font.h"

using namespace strumix;

namespace {

// Selects a tool the way its button does, by the button's name.
void select(Editor& editor, const QString& name) {
    if (name.isEmpty()) return;
    if (name == QLatin1String("btn_edit")) return editor.btn_edit_Click();
    const int index = name.section(QLatin1Char('_'), -1).toInt();
    if (name.startsWith(QLatin1String("btn_mode_"))) return editor.btn_mode_Click(index);
    if (name.startsWith(QLatin1String("pic_tool_"))) return editor.pic_tool_Click(index);
    if (name.startsWith(QLatin1String("btn_bend_"))) return editor.btn_bend_Click(index);
    QFAIL(qPrintable(QStringLiteral("no tool named ") + name));
}

enum class UndoCopy { None, DrawnImage, CommittedPage };

}  // namespace

Q_DECLARE_METATYPE(UndoCopy)
Q_DECLARE_METATYPE(ScaleMode)

class TestToolPalette : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void startsInNumberEntry() {
        FakeHost host;
        Editor editor(host);
        editor.startup();
        QCOMPARE(editor.status_text, QStringLiteral("Selected Tool: Insert Fret Numbers"));
        QCOMPARE(editor.model.current_tool, kToolNumbers);
        QCOMPARE(editor.Picture1.scale_mode(), ScaleMode::Characters);
        QVERIFY(!editor.slidewin_visible);
        QCOMPARE(editor.opt, (std::array<bool, 3>{false, true, true}));
    }

    void selectTool_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("code");  // -1: left as it was
        QTest::addColumn<ScaleMode>("unit");
        QTest::addColumn<bool>("slidewin");
        QTest::addColumn<UndoCopy>("copy");
        QTest::addColumn<bool>("focus");

        const auto T = ScaleMode::Twips;
        const auto P = ScaleMode::Pixels;
        QTest::newRow("numbers") << "pic_tool_3"
                                 << "btn_mode_0"
                                 << "Insert Fret Numbers" << kToolNumbers << ScaleMode::Characters
                                 << false << UndoCopy::None << true;
        QTest::newRow("erase") << ""
                               << "btn_edit"
                               << "Cut section of image" << kToolErase << P << false
                               << UndoCopy::DrawnImage << true;
        QTest::newRow("erase after slide keeps the strip")
            << "pic_tool_3"
            << "btn_edit"
            << "Cut section of image" << kToolErase << P << true << UndoCopy::DrawnImage << true;
        QTest::newRow("hammer") << ""
                                << "pic_tool_0"
                                << "Hammer" << 0 << T << false << UndoCopy::None << false;
        QTest::newRow("pull-off") << ""
                                  << "pic_tool_1"
                                  << "Pull-Off" << 1 << T << false << UndoCopy::None << false;
        QTest::newRow("hammer and pull-off")
            << ""
            << "pic_tool_2"
            << "Hammer and Pull-Off" << 2 << T << false << UndoCopy::None << false;
        QTest::newRow("slide") << ""
                               << "pic_tool_3"
                               << "Slide" << 3 << T << true << UndoCopy::None << false;
        QTest::newRow("hammer after slide hides the strip")
            << "pic_tool_3"
            << "pic_tool_0"
            << "Hammer" << 0 << T << false << UndoCopy::None << false;
        const char* const symbols[8] = {"Vibrato",           "Trill Picking", "Downward Rake/Sweep",
                                        "Upward Rake/Sweep", "Half Bend",     "Whole Bend",
                                        "Ghost Bend",        "Release Bend"};
        for (int i = 0; i < 8; ++i) {
            QTest::addRow("symbol %d", i)
                << "" << QStringLiteral("btn_bend_%1").arg(i) << symbols[i] << -1 << P << false
                << UndoCopy::CommittedPage << true;
        }
        QTest::newRow("symbol after slide hides the strip, keeps the tool code")
            << "pic_tool_3"
            << "btn_bend_2"
            << "Downward Rake/Sweep" << -1 << P << false << UndoCopy::CommittedPage << true;
        QTest::newRow("symbol after erase")
            << "btn_edit"
            << "btn_bend_7"
            << "Release Bend" << -1 << P << false << UndoCopy::CommittedPage << true;
    }

    void selectTool() {
        QFETCH(QString, before);
        QFETCH(QString, tool);
        QFETCH(QString, status);
        QFETCH(int, code);
        QFETCH(ScaleMode, unit);
        QFETCH(bool, slidewin);
        QFETCH(UndoCopy, copy);
        QFETCH(bool, focus);

        FakeHost host;
        Editor editor(host);
        editor.startup();
        select(editor, before);
        // Something drawn since the last commit, so every kind of copy is told apart.
        editor.Picture1.set_scale_mode(ScaleMode::Pixels);
        editor.Picture1.line(100, 30, 140, 30);
        const int tool_before = editor.model.current_tool;
        const Picture committed = editor.Picture1.picture();
        const Picture undo = editor.backup[0];
        const int focus_before = host.focus_requests;

        select(editor, tool);

        QCOMPARE(editor.status_text, QStringLiteral("Selected Tool: ") + status);
        QCOMPARE(editor.model.current_tool, code < 0 ? tool_before : code);
        QCOMPARE(editor.Picture1.scale_mode(), unit);
        QCOMPARE(editor.location.visible, tool == QLatin1String("btn_mode_0"));
        QCOMPARE(editor.slidewin_visible, slidewin);
        QCOMPARE(host.focus_requests > focus_before, focus);
        QCOMPARE(editor.carried_symbol,
                 tool.startsWith(QLatin1String("btn_bend_")) ? tool.right(1).toInt() : -1);
        switch (copy) {
            case UndoCopy::None:
                QCOMPARE(editor.backup[0], undo);
                QCOMPARE(editor.Picture1.picture(), committed);
                break;
            case UndoCopy::DrawnImage:
                QVERIFY(editor.backup[0] != undo);
                QCOMPARE(*editor.backup[0], editor.Picture1.image());
                QCOMPARE(editor.Picture1.picture(), committed);
                QVERIFY(editor.page_changed());
                break;
            case UndoCopy::CommittedPage:
                QCOMPARE(editor.backup[0], editor.Picture1.picture());
                QCOMPARE(*editor.backup[0], editor.Picture1.image());
                QVERIFY(!editor.page_changed());
                break;
        }
    }

    void numberEntryEmptiesTheBox() {
        FakeHost host;
        Editor editor(host);
        editor.startup();
        editor.location.caption = QStringLiteral("12");
        editor.pic_tool_Click(1);
        editor.btn_mode_Click(0);
        QVERIFY(editor.location.visible);
        QCOMPARE(editor.location.caption, QString());
        QCOMPARE(editor.page_pointer, PagePointer::Default);
    }

    void optionSelectsSlide_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("value");
        for (int i = 0; i < 3; ++i)
            for (bool value : {false, true})
                QTest::addRow("opt %d %d", i, int(value)) << i << value;
    }

    void optionSelectsSlide() {
        QFETCH(int, index);
        QFETCH(bool, value);
        FakeHost host;
        Editor editor(host);
        editor.startup();
        editor.pic_tool_Click(0);
        const auto options = editor.opt;
        const QImage page = editor.Picture1.image();
        editor.opt_Click(index, value);
        QCOMPARE(editor.status_text, QStringLiteral("Selected Tool: Slide"));
        QCOMPARE(editor.model.current_tool, kToolSlide);
        QVERIFY(editor.slidewin_visible);
        QCOMPARE(editor.Picture1.scale_mode(), ScaleMode::Twips);
        QCOMPARE(editor.opt, options);
        QCOMPARE(editor.Picture1.image(), page);
    }

    void indicesOutsideTheArraysDoNothing_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<std::function<void(Editor&)>>("click");
        QTest::newRow("btn_mode 1")
            << "" << std::function<void(Editor&)>([](Editor& e) { e.btn_mode_Click(1); });
        QTest::newRow("pic_tool 4")
            << "" << std::function<void(Editor&)>([](Editor& e) { e.pic_tool_Click(4); });
        QTest::newRow("pic_tool -1")
            << "" << std::function<void(Editor&)>([](Editor& e) { e.pic_tool_Click(-1); });
        QTest::newRow("btn_bend 8")
            << "" << std::function<void(Editor&)>([](Editor& e) { e.btn_bend_Click(8); });
        QTest::newRow("btn_bend press") << "" << std::function<void(Editor&)>([](Editor& e) {
            e.btn_bend_MouseDown(4, kLeftButton, 0, 10, 10);
        });
    }

    void indicesOutsideTheArraysDoNothing() {
        QFETCH(std::function<void(Editor&)>, click);
        FakeHost host;
        Editor editor(host);
        editor.startup();
        editor.pic_tool_Click(3);
        const QString status = editor.status_text;
        const Picture undo = editor.backup[0];
        click(editor);
        QCOMPARE(editor.status_text, status);
        QCOMPARE(editor.model.current_tool, kToolSlide);
        QCOMPARE(editor.Picture1.scale_mode(), ScaleMode::Twips);
        QVERIFY(editor.slidewin_visible);
        QCOMPARE(editor.carried_symbol, -1);
        QCOMPARE(editor.backup[0], undo);
    }

    void waysBackToNumberEntry_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("way");
        for (const char* tool : {"btn_edit", "pic_tool_0", "pic_tool_3", "btn_bend_4"}) {
            for (const char* way : {"right button", "window click", "drop on window"})
                QTest::addRow("%s, %s", tool, way) << tool << way;
        }
    }

    void waysBackToNumberEntry() {
        QFETCH(QString, tool);
        QFETCH(QString, way);
        FakeHost host;
        Editor editor(host);
        editor.startup();
        select(editor, tool);
        editor.Picture1_MouseMove(0, 0, 40, 40);
        const QImage page = editor.Picture1.image();
        if (way == QLatin1String("right button")) {
            editor.Picture1_MouseDown(kRightButton, 0, 40, 40);
            editor.Picture1_MouseMove(kRightButton, 0, 80, 60);
            editor.Picture1_MouseUp(kRightButton, 0, 80, 60);
        } else if (way == QLatin1String("window click")) {
            editor.Form_Click();
        } else {
            editor.Form_DragDrop(4, 200, 20);
        }
        QCOMPARE(editor.status_text, QStringLiteral("Selected Tool: Insert Fret Numbers"));
        QCOMPARE(editor.model.current_tool, kToolNumbers);
        QCOMPARE(editor.Picture1.scale_mode(), ScaleMode::Characters);
        QVERIFY(editor.location.visible);
        QVERIFY(!editor.slidewin_visible);
        QVERIFY(!editor.box_visible);
        QVERIFY(!editor.line1_visible);
        QVERIFY(!editor.mouse_is_down);
        // While a symbol is carried only its drop reaches the editor.
        if (way == QLatin1String("drop on window")) QCOMPARE(editor.carried_symbol, -1);
        QCOMPARE(editor.page_pointer, PagePointer::Default);
        QCOMPARE(editor.Picture1.image(), page);
    }

    // A right press in the middle of a drag ends it: the band goes and the release of the left
    // button draws nothing.
    void rightButtonDuringADrag_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<double>("scale");  // page units per pixel once the tool is chosen
        QTest::newRow("slide") << "pic_tool_3" << 15.0;
        QTest::newRow("hammer") << "pic_tool_0" << 15.0;
        QTest::newRow("erase") << "btn_edit" << 1.0;
    }

    void rightButtonDuringADrag() {
        QFETCH(QString, tool);
        QFETCH(double, scale);
        FakeHost host;
        Editor editor(host);
        editor.startup();
        select(editor, tool);
        const QImage page = editor.Picture1.image();
        editor.Picture1_MouseDown(kLeftButton, 0, 70 * scale, 130 * scale);
        editor.Picture1_MouseMove(kLeftButton, 0, 130 * scale, 150 * scale);
        QVERIFY(editor.line1_visible || editor.box_visible);
        editor.Picture1_MouseDown(kRightButton, 0, 130 * scale, 150 * scale);
        QVERIFY(!editor.line1_visible);
        QVERIFY(!editor.box_visible);
        editor.Picture1_MouseUp(kLeftButton, 0, 130, 150);
        QCOMPARE(editor.Picture1.image(), page);
        QCOMPARE(editor.model.current_tool, kToolNumbers);
    }

    void crossHairOverThePage_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<bool>("cross");
        QTest::newRow("numbers") << "btn_mode_0" << false;
        QTest::newRow("erase") << "btn_edit" << true;
        QTest::newRow("hammer") << "pic_tool_0" << true;
        QTest::newRow("slide") << "pic_tool_3" << true;
    }

    void crossHairOverThePage() {
        QFETCH(QString, tool);
        QFETCH(bool, cross);
        FakeHost host;
        Editor editor(host);
        editor.startup();
        select(editor, tool);
        editor.Picture1_MouseMove(0, 0, 10, 10);
        QCOMPARE(editor.page_pointer, cross ? PagePointer::CrossHair : PagePointer::Default);
        editor.btn_mode_Click(0);
        QCOMPARE(editor.page_pointer, PagePointer::Default);
    }

    // Choosing a notation tool commits the page: the next New or Open asks nothing.
    void symbolToolMarksThePageUnchanged() {
        FakeHost host;
        Editor editor(host);
        editor.startup();
        editor.btn_edit_Click();
        QVERIFY(editor.page_changed());
        editor.btn_bend_Click(5);
        QVERIFY(!editor.page_changed());
    }
};

QTEST_MAIN(TestToolPalette)
#include "test_tool_palette.moc"
