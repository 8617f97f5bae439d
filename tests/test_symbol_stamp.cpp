#include <QPainter>
#include <QtTest>

#include "edit/editor.h"
#include "fake_host.h"
#include "page/glyphs.h"
#include "page/page_font.h"
#include "pixel_diff.h"

using namespace strumix;

namespace {

// A 32 × 32 symbol on a transparent ground, lopsided so that a shifted or mirrored stamp shows:
// a black frame open on the right, a diagonal, and an opaque white patch (which must leave the
// page as it is).
QImage test_symbol() {
    QImage symbol(32, 32, QImage::Format_ARGB32);
    symbol.fill(Qt::transparent);
    for (int i = 0; i < 32; ++i) {
        symbol.setPixel(0, i, qRgb(0, 0, 0));
        symbol.setPixel(i, 0, qRgb(0, 0, 0));
        symbol.setPixel(i, 31, qRgb(0, 0, 0));
        symbol.setPixel(i, i, qRgb(0, 0, 0));
    }
    for (int y = 20; y < 26; ++y)
        for (int x = 4; x < 12; ++x) symbol.setPixel(x, y, qRgb(255, 255, 255));
    return symbol;
}

bool opaque_black(const QImage& symbol, int x, int y) {
    const QRgb p = symbol.pixel(x, y);
    return qAlpha(p) == 255 && qGray(p) < 128;
}

// The page with a black line through where the symbol lands, so that a stamp that wipes
// instead of laying over shows.
void line_under(Editor& editor, int y) {
    editor.Picture1.set_scale_mode(ScaleMode::Pixels);
    editor.Picture1.set_fore_color(Qt::black);
    editor.Picture1.line(60, y, 140, y);
}

}  // namespace

class TestSymbolStamp : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    // Centred on the drop point, rounded to whole pixels; black over the page, nothing wiped and
    // nothing outside the 32 × 32 square touched.
    void dropOnThePage_data() {
        QTest::addColumn<QPointF>("drop");
        QTest::addColumn<QPoint>("corner");
        QTest::newRow("100, 50") << QPointF(100, 50) << QPoint(84, 34);
        QTest::newRow("halves round to even") << QPointF(100.5, 49.5) << QPoint(84, 34);
        QTest::newRow("fractions") << QPointF(200.3, 80.7) << QPoint(184, 65);
        QTest::newRow("over the top-left corner") << QPointF(5, 5) << QPoint(-11, -11);
    }

    void dropOnThePage() {
        QFETCH(QPointF, drop);
        QFETCH(QPoint, corner);
        FakeHost host;
        Editor editor(host);
        editor.startup();
        editor.pic_bend[4] = test_symbol();
        editor.btn_bend_Click(4);
        line_under(editor, corner.y() + 10);
        const QImage before = editor.Picture1.image();

        editor.Picture1_DragDrop(4, drop.x(), drop.y());

        const QImage& page = editor.Picture1.image();
        const QImage& symbol = editor.pic_bend[4];
        const QRect square(corner, QSize(32, 32));
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QPoint p(x, y);
                const bool stamped =
                    square.contains(p) && opaque_black(symbol, x - corner.x(), y - corner.y());
                if (!(stamped ? pixels::ink(page, x, y) : page.pixel(p) == before.pixel(p)))
                    QFAIL(qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            }
        }
        QCOMPARE(editor.status_text, QStringLiteral("Selected Tool: Insert Fret Numbers"));
        QCOMPARE(editor.model.current_tool, kToolNumbers);
        QCOMPARE(editor.Picture1.scale_mode(), ScaleMode::Characters);
        QVERIFY(editor.location.visible);
        QCOMPARE(editor.carried_symbol, -1);
    }

    // The symbols as drawn: each opaque pixel ANDed onto the page, each transparent one and
    // everything outside the square 84–115 × 34–65 left alone.
    void everySymbolAsDrawn_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < kSymbolCount; ++i) QTest::addRow("symbol %d", i) << i;
    }

    void everySymbolAsDrawn() {
        QFETCH(int, index);
        FakeHost host;
        Editor editor(host);
        editor.startup();
        const QImage symbol = editor.pic_bend[index];
        if (symbol.isNull()) QSKIP("the symbol's artwork is not in this build");
        QCOMPARE(symbol.size(), QSize(32, 32));
        editor.btn_bend_Click(index);
        line_under(editor, 44);
        const QImage before = editor.Picture1.image();
        editor.Picture1_DragDrop(index, 100, 50);
        const QImage& page = editor.Picture1.image();
        const QRect square(QPoint(84, 34), QSize(32, 32));
        int inked = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                QRgb expected = before.pixel(x, y);
                if (square.contains(x, y)) {
                    const QRgb s = symbol.pixel(x - 84, y - 34);
                    QVERIFY(qAlpha(s) == 0 || qAlpha(s) == 255);
                    if (qAlpha(s) == 255) expected = (expected & s) | 0xFF000000u;
                }
                if (!(page.pixel(x, y) == expected))
                    QFAIL(qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
                if (expected != before.pixel(x, y)) ++inked;
            }
        }
        QVERIFY(inked > 20);
    }

    // The symbol's tool committed the page first, so Undo right after the drop takes the
    // symbol away, and Undo before any drop changes nothing visible.
    void undoAroundTheDrop_data() {
        QTest::addColumn<bool>("dropped");
        QTest::newRow("after the drop") << true;
        QTest::newRow("before any drop") << false;
    }

    void undoAroundTheDrop() {
        QFETCH(bool, dropped);
        FakeHost host;
        Editor editor(host);
        editor.startup();
        editor.pic_bend[0] = test_symbol();
        editor.btn_edit_Click();
        line_under(editor, 40);
        const QImage before = editor.Picture1.image();
        editor.btn_bend_Click(0);
        QCOMPARE(*editor.backup[0], before);
        if (dropped) {
            editor.Picture1_DragDrop(0, 100, 50);
            QVERIFY(editor.Picture1.image() != before);
            QCOMPARE(*editor.Picture1.picture(), editor.Picture1.image());
            QVERIFY(editor.page_changed());
        }
        const QImage stamped = editor.Picture1.image();
        editor.menu_undo_Click();
        QCOMPARE(editor.Picture1.image(), before);
        editor.menu_undo_Click();
        QCOMPARE(editor.Picture1.image(), stamped);
    }

    void dropOutsideThePageDrawsNothing() {
        FakeHost host;
        Editor editor(host);
        editor.startup();
        editor.pic_bend[6] = test_symbol();
        editor.btn_bend_Click(6);
        const QImage before = editor.Picture1.image();
        const Picture committed = editor.Picture1.picture();
        editor.Form_DragDrop(6, 300, 10);
        QCOMPARE(editor.Picture1.image(), before);
        QCOMPARE(editor.Picture1.picture(), committed);
        QVERIFY(!editor.page_changed());
        QCOMPARE(editor.model.current_tool, kToolNumbers);
        QCOMPARE(editor.status_text, QStringLiteral("Selected Tool: Insert Fret Numbers"));
        QCOMPARE(editor.carried_symbol, -1);
    }

    // Only the notation symbols are stamped; passing over the page draws nothing.
    void nothingButASymbolIsStamped() {
        FakeHost host;
        Editor editor(host);
        editor.startup();
        editor.btn_bend_Click(2);
        const QImage before = editor.Picture1.image();
        editor.Picture1_DragOver(2, 100, 50, 2);
        editor.Picture1_DragDrop(-1, 100, 50);
        editor.Picture1_DragDrop(kSymbolCount, 100, 50);
        QCOMPARE(editor.Picture1.image(), before);
        QCOMPARE(editor.status_text, QStringLiteral("Selected Tool: Downward Rake/Sweep"));
        QCOMPARE(editor.carried_symbol, 2);
    }
};

QTEST_MAIN(TestSymbolStamp)
#include "test_symbol_stamp.moc"
