#include <QtTest>

#include "page/page_font.h"
#include "support/editor_session.h"

using namespace strumix;

namespace {

// Selects a tool the way its button does, by the button's name.
void select(ToolPalette& tools, const QString& name) {
    const int index = name.section(QLatin1Char('_'), -1).toInt();
    if (name == QLatin1String("btn_edit")) tools.btn_edit_Click();
    if (name.startsWith(QLatin1String("btn_mode_"))) tools.btn_mode_Click(index);
    if (name.startsWith(QLatin1String("pic_tool_"))) tools.pic_tool_Click(index);
    if (name.startsWith(QLatin1String("btn_bend_"))) tools.btn_bend_Click(index);
}

enum class Copy { None, DrawnImage, CommittedPage };

}  // namespace

Q_DECLARE_METATYPE(Copy)
Q_DECLARE_METATYPE(PageUnit)

class TestToolPalette : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void selectTool_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("status");
        QTest::addColumn<int>("code");  // -1: left as it was
        QTest::addColumn<PageUnit>("unit");
        QTest::addColumn<bool>("slidewin");
        QTest::addColumn<Copy>("copy");
        QTest::addColumn<bool>("focus");
        const auto T = PageUnit::Twips, P = PageUnit::Pixels;
        QTest::newRow("numbers") << "pic_tool_3"
                                 << "btn_mode_0"
                                 << "Insert Fret Numbers" << 99 << PageUnit::Characters << false
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
        QFETCH(PageUnit, unit);
        QFETCH(bool, slidewin);
        QFETCH(Copy, copy);
        QFETCH(bool, focus);
        EditorSession s;
        select(s.tools, before);
        // Drawn since the last commit, so every kind of copy is told apart.
        s.page().draw([](PageDrawing& d) { d.line(QPoint(100, 30), QPoint(140, 30)); });
        s.box().set_caption(QStringLiteral("12"));
        const int tool_before = current_tool_code(s.tools.current_tool());
        const Picture committed = s.page().picture();
        const Picture undo = s.doc.undo_copy();
        const int focus_before = s.host.focus_requests;

        select(s.tools, tool);

        QCOMPARE(s.tools.status_text(), QStringLiteral("Selected Tool: ") + status);
        QCOMPARE(current_tool_code(s.tools.current_tool()), code < 0 ? tool_before : code);
        QCOMPARE(s.tools.unit(), unit);
        QCOMPARE(s.box().visible(), code == 99);
        QCOMPARE(s.box().caption().isEmpty(), code == 99);
        QCOMPARE(s.tools.slidewin_visible(), slidewin);
        QCOMPARE(s.host.focus_requests > focus_before, focus);
        QCOMPARE(s.tools.carried_symbol(),
                 code < 0 ? std::optional<int>(tool.right(1).toInt()) : std::nullopt);
        QCOMPARE(s.doc.undo_copy() == undo, copy == Copy::None);
        QCOMPARE(s.page().picture() == committed, copy != Copy::CommittedPage);
        if (copy != Copy::None) QCOMPARE(*s.doc.undo_copy(), s.page().image());
        // A notation tool makes the page count as unchanged for the next New or Open.
        if (copy != Copy::None) QCOMPARE(s.undo_copy_differs(), copy == Copy::DrawnImage);
    }

    // Clicking "&Letter" (or any option) while the hammer-on is in use selects the slide tool.
    void optionSelectsSlide() {
        EditorSession s;
        s.tools.select(ToolId::Hammer);
        s.tools.opt_Click(2, false);
        QCOMPARE(s.tools.status_text(), QStringLiteral("Selected Tool: Slide"));
        QCOMPARE(s.tools.current_tool(), ToolId::Slide);
        QVERIFY(s.tools.slidewin_visible());
    }

    // The right button in the middle of any drag, a click on the window and a drop on it all
    // come back to number entry, and nothing is drawn.
    void waysBackToNumberEntry_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("way");
        QTest::newRow("slide, right button") << "pic_tool_3"
                                             << "right";
        QTest::newRow("erase, right button") << "btn_edit"
                                             << "right";
        QTest::newRow("hammer, window click") << "pic_tool_0"
                                              << "click";
        QTest::newRow("symbol, drop on window") << "btn_bend_4"
                                                << "drop";
    }

    void waysBackToNumberEntry() {
        QFETCH(QString, tool);
        QFETCH(QString, way);
        EditorSession s;
        select(s.tools, tool);
        const QImage page = s.page().image();
        if (way == QLatin1String("right")) {
            s.tools.Picture1_MouseDown(Qt::LeftButton, QPointF(70, 130));
            s.tools.Picture1_MouseMove(QPointF(130, 150));
            QCOMPARE(s.tools.page_pointer(), PagePointer::CrossHair);
            s.tools.Picture1_MouseDown(Qt::RightButton, QPointF(130, 150));
            QVERIFY(!s.tools.overlay().line1_visible && !s.tools.overlay().box_visible);
            s.tools.Picture1_MouseUp(QPointF(130, 150));
        }
        if (way == QLatin1String("click")) s.tools.Form_Click();
        if (way == QLatin1String("drop")) s.tools.Form_DragDrop();
        QCOMPARE(s.page().image(), page);
        QCOMPARE(s.tools.status_text(), QStringLiteral("Selected Tool: Insert Fret Numbers"));
        QCOMPARE(s.tools.current_tool(), ToolId::Numbers);
        QCOMPARE(s.tools.unit(), PageUnit::Characters);
        QVERIFY(s.box().visible() && !s.tools.slidewin_visible());
        QCOMPARE(s.tools.page_pointer(), PagePointer::Default);
    }
};

QTEST_MAIN(TestToolPalette)
#include "test_tool_palette.moc"
