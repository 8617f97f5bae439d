#include <QtTest>

#include "editor_session.h"
#include "page/page_font.h"
#include "pixel_diff.h"

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
        Editor& editor = s.editor;
        const int index = symbol < 0 ? 0 : symbol;
        if (symbol < 0) editor.pic_bend[0] = test_symbol();
        const QImage picture = editor.pic_bend[index];
        if (picture.isNull()) QSKIP("the symbol's artwork is not in this build");
        editor.btn_bend_Click(index);
        editor.Picture1.line(60, corner.y() + 10, 140, corner.y() + 10);
        const QImage before = editor.Picture1.image();
        editor.Picture1_DragDrop(index, drop.x(), drop.y());

        const QImage& page = editor.Picture1.image();
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
        QCOMPARE(editor.status_text, QStringLiteral("Selected Tool: Insert Fret Numbers"));
        QCOMPARE(editor.Picture1.scale_mode(), ScaleMode::Characters);
        QCOMPARE(editor.carried_symbol, -1);
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
        Editor& editor = s.editor;
        editor.pic_bend[0] = test_symbol();
        editor.btn_edit_Click();
        editor.Picture1.line(60, 40, 140, 40);
        const QImage before = editor.Picture1.image();
        editor.btn_bend_Click(0);
        if (drop == QLatin1String("page")) editor.Picture1_DragDrop(0, 100, 50);
        if (drop == QLatin1String("window")) editor.Form_DragDrop(0, 300, 10);
        QCOMPARE(editor.page_changed(), drop == QLatin1String("page"));
        const QImage after = editor.Picture1.image();
        QCOMPARE(after == before, drop != QLatin1String("page"));
        editor.menu_undo_Click();
        QCOMPARE(editor.Picture1.image(), before);
        editor.menu_undo_Click();
        QCOMPARE(editor.Picture1.image(), after);
    }
};

QTEST_MAIN(TestSymbolStamp)
#include "test_symbol_stamp.moc"
