#include <QGuiApplication>
#include <QtTest>

#include "page/page_font.h"
#include "support/editor_session.h"
#include "support/pixel_diff.h"

using namespace strumix;

namespace {

// A solid black block over the guitar staff, so a cut shows both what goes and what comes back.
void ink_block(PagePicture& page) {
    page.draw([](PageDrawing& d) { d.fill(QRect(QPoint(90, 50), QPoint(190, 115)), Qt::black); });
}

// A drag between places given in the page's current unit.
void drag(EditorSession& s, QPointF from, QPointF to, Qt::MouseButton button = Qt::LeftButton) {
    s.press(from.x(), from.y(), button);
    s.move(to.x(), to.y());
    s.release(to.x(), to.y());
}

// Inside `cut` the page is the blank page again, staff lines and all; around it the ink stays.
void check_cut(const QImage& page, const QImage& blank, const QImage& inked, const QRect& cut) {
    for (int y = 40; y < 130; ++y) {
        for (int x = 80; x < 200; ++x) {
            if (page.pixel(x, y) != (cut.contains(x, y) ? blank : inked).pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("at %1,%2").arg(x).arg(y)));
        }
    }
}

}  // namespace

class TestEraseTool : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    // Whichever way the drag goes the same rectangle is cut: left 100, top 60, width 80,
    // height 50 turn white from (99, 59) to (178, 108) and the string lines there come back.
    void cutInEveryDirection_data() {
        QTest::addColumn<QPointF>("from");
        QTest::addColumn<QPointF>("to");
        QTest::addColumn<int>("button");
        QTest::newRow("down right") << QPointF(100, 60) << QPointF(180, 110) << int(Qt::LeftButton);
        QTest::newRow("up left") << QPointF(180, 110) << QPointF(100, 60) << int(Qt::LeftButton);
        QTest::newRow("down left")
            << QPointF(180, 60) << QPointF(100, 110) << int(Qt::MiddleButton);
        QTest::newRow("up right, halves to even")
            << QPointF(99.5, 109.5) << QPointF(180.4, 59.6) << int(Qt::LeftButton);
    }

    void cutInEveryDirection() {
        QFETCH(QPointF, from);
        QFETCH(QPointF, to);
        QFETCH(int, button);
        EditorSession s;
        const QImage blank = s.page().image();
        s.tools.btn_edit_Click();
        ink_block(s.page());
        const QImage inked = s.page().image();
        s.tools.Picture1_MouseDown(Qt::MouseButton(button), from);
        s.tools.Picture1_MouseMove(to);
        QCOMPARE(s.tools.overlay().box, QRect(100, 60, 80, 50));
        QVERIFY(s.tools.overlay().box_visible);
        QCOMPARE(s.page().image(), inked);
        s.tools.Picture1_MouseUp(to);

        const QRect cut(QPoint(99, 59), QPoint(178, 108));
        check_cut(s.page().image(), blank, inked, cut);
        const int line_y = int(s.doc.model().string_line_y(0, 2) * kRowPixels);
        QVERIFY(cut.contains(140, line_y) && pixels::ink(s.page().image(), 140, line_y));
        QVERIFY(!s.tools.overlay().box_visible);
        QCOMPARE(s.tools.unit(), PageUnit::Twips);
        QCOMPARE(s.tools.current_tool(), ToolId::Erase);
        QVERIFY(!QGuiApplication::overrideCursor());
    }

    // The next drag is in twips: the band is shown in pixels, and the cut from one twip above
    // and left of the press lands on the press's own pixel. Undo after both cuts returns the
    // page as it was when the tool was chosen.
    void secondCutInTwips() {
        EditorSession s;
        const QImage blank = s.page().image();
        s.tools.btn_edit_Click();
        ink_block(s.page());
        const QImage inked = s.page().image();
        s.tools.btn_edit_Click();
        drag(s, QPointF(300, 20), QPointF(310, 30));
        s.press(2700, 900);
        s.move(1500, 1650);
        QCOMPARE(s.tools.overlay().box, QRect(100, 60, 80, 50));
        s.release(1500, 1650);

        // (1499, 899) to (2698, 1648) twips: pixels 100 to 180 across, 60 to 110 down.
        check_cut(s.page().image(), blank, inked, QRect(QPoint(100, 60), QPoint(180, 110)));
        s.doc.menu_undo_Click();
        QCOMPARE(s.page().image(), inked);
    }

    // Captions, string names and bar lines under a cut come back as they were drawn.
    void labelsComeBack() {
        EditorSession s;
        const QImage blank = s.page().image();
        s.tools.btn_edit_Click();
        s.page().draw(
            [](PageDrawing& d) { d.fill(QRect(QPoint(0, 30), QPoint(80, 140)), Qt::black); });
        drag(s, QPointF(1, 31), QPointF(82, 142));
        QCOMPARE(s.page().image().copy(0, 30, 81, 111), blank.copy(0, 30, 81, 111));
    }
};

QTEST_MAIN(TestEraseTool)
#include "test_erase_tool.moc"
