#include <QtTest>

#include "edit/symbol_stamp.h"
#include "page/glyphs.h"
#include "page/page_font.h"
#include "support/editor_session.h"
#include "support/pixel_diff.h"

using namespace strumix;

namespace {

// A lopsided 32 × 32 symbol on a transparent ground, so a shifted or mirrored stamp shows: a
// frame open on the right, a diagonal, and an opaque white patch that must wipe nothing.
QImage test_symbol() {
    QImage symbol(32, 32, QImage::Format_ARGB32);
    symbol.fill(Qt::transparent);
    for (int i = 0; i < 32; ++i) {
        for (QPoint p : {QPoint(0, i), QPoint(i, 0), QPoint(i, 31), QPoint(i, i)})
            symbol.setPixel(p, qRgb(0, 0, 0));
    }
    for (int y = 20; y < 26; ++y)
        for (int x = 4; x < 12; ++x) symbol.setPixel(x, y, qRgb(255, 255, 255));
    return symbol;
}

}  // namespace

class TestSymbolStamp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    // Centred on the drop point, rounded to whole pixels, ANDed over the page (a black line runs
    // under it), nothing outside its 32 × 32 square touched; number entry comes back.
    void dropOnThePage_data() {
        QTest::addColumn<int>("symbol");  // -1: the lopsided test symbol as vibrato
        QTest::addColumn<QPointF>("drop");
        QTest::addColumn<QPoint>("corner");
        QTest::newRow("100, 50") << -1 << QPointF(100, 50) << QPoint(84, 34);
        QTest::newRow("halves round to even") << -1 << QPointF(100.5, 49.5) << QPoint(84, 34);
        QTest::newRow("over the page's corner") << -1 << QPointF(5, 5) << QPoint(-11, -11);
        for (int i = 0; i < kSymbolCount; ++i)
            QTest::addRow("symbol %d as drawn", i) << i << QPointF(100, 50) << QPoint(84, 34);
    }

    void dropOnThePage() {
        QFETCH(int, symbol);
        QFETCH(QPointF, drop);
        QFETCH(QPoint, corner);
        EditorSession s;
        const int index = symbol < 0 ? 0 : symbol;
        const QImage picture = symbol < 0 ? test_symbol() : Glyphs::get().pic_bend[index];
        QVERIFY(!picture.isNull());
        s.tools.btn_bend_Click(index);
        s.page().draw([&](PageDrawing& d) {
            d.line(QPoint(60, corner.y() + 10), QPoint(140, corner.y() + 10));
        });
        const QImage before = s.page().image();
        // The lopsided symbol is stamped by the drawing itself; the shipped ones by a drop.
        if (symbol < 0) {
            stamp_symbol(s.page(), picture, drop);
        } else {
            s.tools.Picture1_DragDrop(drop);
        }

        const QImage& page = s.page().image();
        const QRect square(corner, QSize(32, 32));
        int inked = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                QRgb expected = before.pixel(x, y);
                if (square.contains(x, y)) {
                    const QRgb ink = picture.pixel(x - corner.x(), y - corner.y());
                    if (qAlpha(ink) == 255) expected = (expected & ink) | 0xFF000000u;
                }
                if (page.pixel(x, y) != expected)
                    QFAIL(qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                inked += expected != before.pixel(x, y);
            }
        }
        QVERIFY(inked > 20);
        if (symbol < 0) return;
        QCOMPARE(s.tools.status_text(), QStringLiteral("Selected Tool: Insert Fret Numbers"));
        QCOMPARE(s.tools.unit(), PageUnit::Characters);
        QCOMPARE(s.tools.carried_symbol(), std::nullopt);
    }

    // The tool committed the page, so Undo right after the drop takes the symbol away and Undo
    // before any drop changes nothing visible. A drop off the page draws nothing.
    void undoAndDropOffThePage_data() {
        QTest::addColumn<QString>("drop");
        QTest::newRow("undo after the drop") << "page";
        QTest::newRow("undo before any drop") << "";
        QTest::newRow("dropped off the page") << "window";
    }

    void undoAndDropOffThePage() {
        QFETCH(QString, drop);
        EditorSession s;
        s.tools.btn_edit_Click();
        s.page().draw([](PageDrawing& d) { d.line(QPoint(60, 40), QPoint(140, 40)); });
        const QImage before = s.page().image();
        s.tools.btn_bend_Click(0);
        if (drop == QLatin1String("page")) s.tools.Picture1_DragDrop(QPointF(100, 50));
        if (drop == QLatin1String("window")) s.tools.Form_DragDrop();
        QCOMPARE(s.undo_copy_differs(), drop == QLatin1String("page"));
        const QImage after = s.page().image();
        QCOMPARE(after == before, drop != QLatin1String("page"));
        s.doc.menu_undo_Click();
        QCOMPARE(s.page().image(), before);
        s.doc.menu_undo_Click();
        QCOMPARE(s.page().image(), after);
    }
};

QTEST_MAIN(TestSymbolStamp)
#include "test_symbol_stamp.moc"
