#include <QtTest>

#include "editor_session.h"
#include "page/page_font.h"

using namespace strumix;

namespace {

// Selects a tool the way its button does, by the button's name.
void select(Editor& editor, const QString& name) {
    const int index = name.section(QLatin1Char('_'), -1).toInt();
    if (name == QLatin1String("btn_edit")) editor.btn_edit_Click();
    if (name.startsWith(QLatin1String("btn_mode_"))) editor.btn_mode_Click(index);
    if (name.startsWith(QLatin1String("pic_tool_"))) editor.pic_tool_Click(index);
    if (name.startsWith(QLatin1String("btn_bend_"))) editor.btn_bend_Click(index);
}

enum class Copy { None, DrawnImage, CommittedPage };

}  // namespace

Q_DECLARE_METATYPE(Copy)
Q_DECLARE_METATYPE(ScaleMode)

class TestToolPalette : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void selectTool_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("code");  // -1: left as it was
        QTest::addColumn<ScaleMode>("unit");
        QTest::addColumn<bool>("slidewin");
        QTest::addColumn<Copy>("copy");
        QTest::addColumn<bool>("focus");
        const auto T = ScaleMode::Twips, P = ScaleMode::Pixels;
        QTest::newRow("numbers") << "pic_tool_3"
                                 << "btn_mode_0"
                                 << "Insert Fret Numbers" << 99 << ScaleMode::Characters << false
                                 << Copy::None << true;
        QTest::newRow("erase") << ""
                               << "btn_edit"
                               << "Cut section of image" << 12 << P << false << Copy::DrawnImage
                               << true;
        QTest::newRow("erase after slide keeps the strip")
            << "pic_tool_3"
            << "btn_edit"
            << "Cut section of image" << 12 << P << true << Copy::DrawnImage << true;
        QTest::newRow("hammer and pull-off after slide hides the strip")
            << "pic_tool_3"
            << "pic_tool_2"
            << "Hammer and Pull-Off" << 2 << T << false << Copy::None << false;
        QTest::newRow("slide") << ""
                               << "pic_tool_3"
                               << "Slide" << 3 << T << true << Copy::None << false;
        QTest::newRow("rake with the arrow down")
            << "pic_tool_3"
            << "btn_bend_2"
            << "Downward Rake/Sweep" << -1 << P << false << Copy::CommittedPage << true;
        QTest::newRow("whole bend")
            << "btn_edit"
            << "btn_bend_5"
            << "Whole Bend" << -1 << P << false << Copy::CommittedPage << true;
    }

    void selectTool() {
        QFETCH(QString, before);
        QFETCH(QString, tool);
        QFETCH(QString, status);
        QFETCH(int, code);
        QFETCH(ScaleMode, unit);
        QFETCH(bool, slidewin);
        QFETCH(Copy, copy);
        QFETCH(bool, focus);
        EditorSession s;
        Editor& editor = s.editor;
        select(editor, before);
        // Drawn since the last commit, so every kind of copy is told apart.
        editor.Picture1.set_scale_mode(ScaleMode::Pixels);
        editor.Picture1.line(100, 30, 140, 30);
        editor.location.caption = QStringLiteral("12");
        const int tool_before = editor.model.current_tool;
        const Picture committed = editor.Picture1.picture();
        const Picture undo = editor.backup[0];
        const int focus_before = s.host.focus_requests;

        select(editor, tool);

        QCOMPARE(editor.status_text, QStringLiteral("Selected Tool: ") + status);
        QCOMPARE(editor.model.current_tool, code < 0 ? tool_before : code);
        QCOMPARE(editor.Picture1.scale_mode(), unit);
        QCOMPARE(editor.location.visible, code == kToolNumbers);
        QCOMPARE(editor.location.caption.isEmpty(), code == kToolNumbers);
        QCOMPARE(editor.slidewin_visible, slidewin);
        QCOMPARE(s.host.focus_requests > focus_before, focus);
        QCOMPARE(editor.carried_symbol, code < 0 ? tool.right(1).toInt() : -1);
        QCOMPARE(editor.backup[0] == undo, copy == Copy::None);
        QCOMPARE(editor.Picture1.picture() == committed, copy != Copy::CommittedPage);
        if (copy != Copy::None) QCOMPARE(*editor.backup[0], editor.Picture1.image());
        // A notation tool makes the page count as unchanged for the next New or Open.
        if (copy != Copy::None) QCOMPARE(editor.page_changed(), copy == Copy::DrawnImage);
    }

    // Clicking "&Letter" (or any option) while the hammer-on is in use selects the slide tool.
    void optionSelectsSlide() {
        EditorSession s;
        s.editor.pic_tool_Click(kToolHammer);
        s.editor.opt_Click(2, false);
        QCOMPARE(s.editor.status_text, QStringLiteral("Selected Tool: Slide"));
        QCOMPARE(s.editor.model.current_tool, kToolSlide);
        QVERIFY(s.editor.slidewin_visible);
    }

    // The right button in the middle of any drag, a click on the window and a drop on it all
    // come back to number entry, and nothing is drawn.
    void waysBackToNumberEntry_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("way");
        QTest::addColumn<double>("unit");  // page units a pixel once the tool is chosen
        QTest::newRow("slide, right button") << "pic_tool_3"
                                             << "right" << 15.0;
        QTest::newRow("erase, right button") << "btn_edit"
                                             << "right" << 1.0;
        QTest::newRow("hammer, window click") << "pic_tool_0"
                                              << "click" << 15.0;
        QTest::newRow("symbol, drop on window") << "btn_bend_4"
                                                << "drop" << 1.0;
    }

    void waysBackToNumberEntry() {
        QFETCH(QString, tool);
        QFETCH(QString, way);
        QFETCH(double, unit);
        EditorSession s;
        Editor& editor = s.editor;
        select(editor, tool);
        const QImage page = editor.Picture1.image();
        if (way == QLatin1String("right")) {
            editor.Picture1_MouseDown(kLeftButton, 0, 70 * unit, 130 * unit);
            editor.Picture1_MouseMove(kLeftButton, 0, 130 * unit, 150 * unit);
            QCOMPARE(editor.page_pointer, PagePointer::CrossHair);
            editor.Picture1_MouseDown(kRightButton, 0, 130 * unit, 150 * unit);
            QVERIFY(!editor.line1_visible && !editor.box_visible);
            editor.Picture1_MouseUp(kLeftButton, 0, 130, 150);
        }
        if (way == QLatin1String("click")) editor.Form_Click();
        if (way == QLatin1String("drop")) editor.Form_DragDrop(4, 200, 20);
        QCOMPARE(editor.Picture1.image(), page);
        QCOMPARE(editor.status_text, QStringLiteral("Selected Tool: Insert Fret Numbers"));
        QCOMPARE(editor.model.current_tool, kToolNumbers);
        QCOMPARE(editor.Picture1.scale_mode(), ScaleMode::Characters);
        QVERIFY(editor.location.visible && !editor.slidewin_visible);
        QCOMPARE(editor.page_pointer, PagePointer::Default);
    }
};

QTEST_MAIN(TestToolPalette)
#include "test_tool_palette.moc"
