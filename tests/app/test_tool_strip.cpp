#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

#include "app/assembly.h"
#include "app/carry_pointer.h"
#include "app/main_window.h"
#include "app/page_widget.h"
#include "page/glyphs.h"
#include "page/page_font.h"
#include "support/fake_host.h"
#include "support/pixel_diff.h"

using namespace strumix;

namespace {

// The real main window, offscreen, at its start-up state.
struct Window {
    FakeQuestions host;
    Assembly program{&host};
    MainWindow& form1 = program.form1();
    Document& doc = program.document();
    ToolPalette& tools = program.tools();

    Window() {
        program.start();
        form1.resize(1000, 700);
        form1.show();
        form1.form_resize();
    }
    PageWidget* page() { return form1.page(); }
    CarryPointer* carry() { return form1.findChild<CarryPointer*>(); }
    QToolButton* button(const char* name) { return form1.tool_button(QString::fromLatin1(name)); }
    // A point of the window's own surface, not covered by any control: with both scroll bars
    // up, the corner between them.
    QPoint bare_point() {
        form1.resize(300, 220);
        form1.form_resize();
        QWidget* client = form1.centralWidget();
        for (int y = client->height() - 1; y >= 0; y -= 2)
            for (int x = client->width() - 1; x >= 0; x -= 2)
                if (!client->childAt(x, y)) return QPoint(x, y);
        return QPoint(-1, -1);
    }
};

}  // namespace

class TestToolStrip : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    // The press on a notation button picks nothing up; its click does, and the pointer then
    // shows the symbol with its hot spot at the centre.
    void clickPicksTheSymbolUp() {
        Window w;
        QToolButton* half_bend = w.button("btn_bend_4");
        QVERIFY(half_bend);
        QTest::mousePress(half_bend, Qt::LeftButton);
        QVERIFY(!w.carry()->active());
        QVERIFY(!QGuiApplication::overrideCursor());
        QTest::mouseRelease(half_bend, Qt::LeftButton);
        QVERIFY(w.carry()->active());
        QCOMPARE(w.tools.carried_symbol(), std::optional<int>(4));
        const QCursor* pointer = QGuiApplication::overrideCursor();
        QVERIFY(pointer);
        QCOMPARE(pointer->pixmap().size(), QSize(32, 32));
        QCOMPARE(pointer->hotSpot(), QPoint(16, 16));
        QCOMPARE(pointer->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
                 Glyphs::get().pic_bend[4].convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(w.form1.box_activity()->text(), QStringLiteral("Selected Tool: Half Bend"));
        QVERIFY(!w.page()->location()->isVisible());
    }

    // Where the next release lands decides what happens to the symbol.
    void releaseIsRouted_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("page") << "page";
        QTest::newRow("window") << "window";
        QTest::newRow("tool strip") << "tool strip";
        QTest::newRow("status box") << "status box";
    }

    void releaseIsRouted() {
        QFETCH(QString, target);
        Window w;
        QTest::mouseClick(w.button("btn_bend_0"), Qt::LeftButton);
        QVERIFY(w.carry()->active());
        const QImage before = w.doc.Picture1().image();

        QWidget* widget = nullptr;
        QPoint at;
        if (target == QLatin1String("page")) {
            widget = w.page();
            at = QPoint(100, 50);
        } else if (target == QLatin1String("window")) {
            widget = w.form1.centralWidget();
            at = w.bare_point();
            QVERIFY(at.x() >= 0);
        } else if (target == QLatin1String("tool strip")) {
            widget = w.form1.toolbar();
            at = QPoint(2, 2);
        } else {
            widget = w.form1.box_activity();
            at = widget->rect().center();
        }
        // The press is held back; the symbol goes where the button comes up.
        QTest::mousePress(widget, Qt::LeftButton, {}, at);
        QVERIFY(w.carry()->active());
        QCOMPARE(w.doc.Picture1().image(), before);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, at);

        QVERIFY(!w.carry()->active());
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!QWidget::mouseGrabber());
        QCOMPARE(w.tools.carried_symbol(), std::nullopt);
        const QVector<QPoint> changed = pixels::changed(before, w.doc.Picture1().image());
        if (target == QLatin1String("page")) {
            // The vibrato's 32 × 32 square, centred on the release.
            QVERIFY(!changed.isEmpty());
            QVERIFY(QRect(84, 34, 32, 32).contains(pixels::bounds(changed)));
        } else {
            QVERIFY(changed.isEmpty());
        }
        const bool home = target == QLatin1String("page") || target == QLatin1String("window");
        QCOMPARE(w.form1.box_activity()->text(),
                 home ? QStringLiteral("Selected Tool: Insert Fret Numbers")
                      : QStringLiteral("Selected Tool: Vibrato"));
        QCOMPARE(w.tools.unit(), home ? PageUnit::Characters : PageUnit::Pixels);
        QCOMPARE(w.page()->location()->isVisible(), home);
        QCOMPARE(w.tools.current_tool(), ToolId::Numbers);
        // The page's own mouse handling is back.
        w.tools.select(ToolId::Hammer);
        QTest::mouseClick(w.page(), Qt::RightButton, {}, QPoint(60, 60));
        QCOMPARE(w.tools.current_tool(), ToolId::Numbers);
    }

    // A dialog brought up over the window while a symbol is carried (by a shortcut) takes the
    // mouse: the symbol is let go, nothing is drawn, and the dialog's clicks are its own.
    void dialogEndsTheCarry() {
        Window w;
        QTest::mouseClick(w.button("btn_bend_5"), Qt::LeftButton);
        QVERIFY(w.carry()->active());
        const QImage before = w.doc.Picture1().image();
        QDialog dialog(&w.form1);
        dialog.setModal(true);
        dialog.resize(200, 100);
        dialog.show();
        QVERIFY(!w.carry()->active());
        QVERIFY(!QGuiApplication::overrideCursor());
        QCOMPARE(w.tools.carried_symbol(), std::nullopt);
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(20, 20));
        dialog.hide();
        QCOMPARE(w.doc.Picture1().image(), before);
        QCOMPARE(w.form1.box_activity()->text(), QStringLiteral("Selected Tool: Whole Bend"));
    }

    // Every tool but number entry shows the cross-hair over the page; the right button brings
    // number entry and the default pointer back.
    void pointerOverThePage() {
        Window w;
        QVERIFY(!w.form1.opt(0)->isChecked() && w.form1.opt(1)->isChecked());
        QVERIFY(w.form1.opt(2)->isChecked() && !w.form1.slidewin()->isVisible());
        QTest::mouseClick(w.button("btn_edit"), Qt::LeftButton);
        QTest::mouseMove(w.page(), QPoint(50, 50));
        QCOMPARE(w.page()->cursor().shape(), Qt::CrossCursor);
        QTest::mouseClick(w.page(), Qt::RightButton, {}, QPoint(50, 50));
        QCOMPARE(w.page()->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(w.form1.box_activity()->text(),
                 QStringLiteral("Selected Tool: Insert Fret Numbers"));
        QVERIFY(w.page()->location()->isVisible());
    }
};

QTEST_MAIN(TestToolStrip)
#include "test_tool_strip.moc"
