// Checks the pictures compiled into the program: the notation symbols fit the boxes the page
// stamps them into, the tool buttons and icons are there and drawn, the page tile is opaque.

#include <QColor>
#include <QDirIterator>
#include <QImage>
#include <QRect>
#include <QSet>
#include <QString>
#include <QTest>

#include <algorithm>
#include <cstdlib>

#include "page/glyphs.h"

namespace {

// The smallest rectangle holding every pixel that is not fully transparent.
QRect opaqueBox(const QImage& image) {
    int left = image.width();
    int top = image.height();
    int right = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

bool isVgaColour(QRgb pixel) {
    static const QSet<QRgb> kVga = {
        0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
        0xFF008080, 0xFFC0C0C0, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
        0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF,
    };
    return kVga.contains(pixel);
}

QImage load(const QString& path) { return QImage(path).convertToFormat(QImage::Format_ARGB32); }

}  // namespace

class TestArtwork : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Q_INIT_RESOURCE(resources); }

    void symbolFitsItsBox_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QRect>("box");
        const auto box = [](int left, int top, int right, int bottom) {
            return QRect(QPoint(left, top), QPoint(right, bottom));
        };
        QTest::newRow("vibrato") << ":/symbols/bend0.png" << box(0, 2, 30, 17);
        QTest::newRow("trill") << ":/symbols/bend1.png" << box(0, 2, 30, 17);
        QTest::newRow("rake down") << ":/symbols/bend2.png" << box(11, 0, 17, 31);
        QTest::newRow("rake up") << ":/symbols/bend3.png" << box(11, 0, 17, 31);
        QTest::newRow("half bend") << ":/symbols/bend4.png" << box(5, 2, 24, 30);
        QTest::newRow("full bend") << ":/symbols/bend5.png" << box(5, 2, 23, 30);
        QTest::newRow("ghost bend") << ":/symbols/bend6.png" << box(11, 6, 19, 27);
        QTest::newRow("release") << ":/symbols/bend7.png" << box(1, 6, 27, 26);
    }

    void symbolFitsItsBox() {
        QFETCH(QString, path);
        QFETCH(QRect, box);
        const QImage image = load(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), QSize(32, 32));
        QVERIFY(image.hasAlphaChannel());
        QCOMPARE(opaqueBox(image), box);
    }

    // Symbols are stamped as black ink: every pixel is opaque black or fully transparent.
    void symbolIsBlackInk_data() {
        QTest::addColumn<QString>("path");
        for (int i = 0; i < 8; ++i) {
            const QString path = QStringLiteral(":/symbols/bend%1.png").arg(i);
            QTest::newRow(qPrintable(path)) << path;
        }
    }

    void symbolIsBlackInk() {
        QFETCH(QString, path);
        const QImage image = load(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 0) continue;
                QVERIFY2(pixel == qRgba(0, 0, 0, 255),
                         qPrintable(QStringLiteral("pixel %1,%2 is %3")
                                        .arg(x)
                                        .arg(y)
                                        .arg(pixel, 8, 16, QLatin1Char('0'))));
            }
    }

    void maskIsSolidBlack() {
        const QImage image = load(QStringLiteral(":/symbols/bendmask.png"));
        QCOMPARE(image.size(), QSize(32, 32));
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QCOMPARE(image.pixel(x, y), qRgba(0, 0, 0, 255));
    }

    void toolIconIsDrawn_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("vgaOnly");
        const QSize icon(32, 32);
        QTest::newRow("edit") << ":/tools/btn_edit.png" << icon << true;
        QTest::newRow("mode") << ":/tools/btn_mode0.png" << QSize(18, 18) << false;
        for (int i = 0; i < 4; ++i) {
            const QString path = QStringLiteral(":/tools/pic_tool%1.png").arg(i);
            QTest::newRow(qPrintable(path)) << path << icon << true;
        }
        for (int i = 0; i < 8; ++i) {
            const QString path = QStringLiteral(":/tools/btn_bend%1.png").arg(i);
            QTest::newRow(qPrintable(path)) << path << icon << true;
        }
        QTest::newRow("main icon") << ":/icons/main.png" << icon << true;
        QTest::newRow("layout icon") << ":/icons/layout.png" << icon << true;
        QTest::newRow("title icon") << ":/icons/title.png" << icon << true;
    }

    // Not blank: some pixels are opaque and they are not all of one colour, or, for a one colour
    // drawing, it does not fill the whole square.
    void toolIconIsDrawn() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFETCH(bool, vgaOnly);
        const QImage image = load(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        QCOMPARE(image.size(), size);
        QSet<QRgb> colours;
        int opaque = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 0) continue;
                ++opaque;
                colours.insert(pixel);
                if (vgaOnly)
                    QVERIFY2(isVgaColour(pixel),
                             qPrintable(QStringLiteral("pixel %1,%2 is %3")
                                            .arg(x)
                                            .arg(y)
                                            .arg(pixel, 8, 16, QLatin1Char('0'))));
            }
        QVERIFY(opaque > 0);
        QVERIFY(colours.size() > 1 || opaque < image.width() * image.height());
    }

    void tileIsOpaqueTexture() {
        const QImage image(QStringLiteral(":/tile.png"));
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), QSize(96, 96));
        QVERIFY(!image.hasAlphaChannel());
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y));
        QVERIFY(colours.size() > 16);
    }

    // Tiled across the page, the colour steps from the right edge to the left edge (and bottom to
    // top) are no larger than the steps between neighbours inside the tile.
    void tileIsSeamless() {
        const QImage image(QStringLiteral(":/tile.png"));
        QCOMPARE(image.size(), QSize(96, 96));
        const auto step = [&](int x0, int y0, int x1, int y1) {
            const QRgb a = image.pixel(x0, y0);
            const QRgb b = image.pixel(x1, y1);
            return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b));
        };
        const int last = image.width() - 1;
        double inside = 0;
        double across = 0;
        for (int i = 0; i <= last; ++i) {
            for (int j = 0; j < last; ++j) inside += step(j, i, j + 1, i) + step(i, j, i, j + 1);
            across += step(last, i, 0, i) + step(i, last, i, 0);
        }
        inside /= last;
        QVERIFY2(across <= inside,
                 qPrintable(QStringLiteral("edges %1, inside %2").arg(across).arg(inside)));
    }

    // The program reads its pictures as PNG outright, never asking Qt's image plugins: each
    // one must read that way, and as Qt's own guess reads it.
    void everyPictureReadsAsPng() {
        int pictures = 0;
        QDirIterator it(QStringLiteral(":/"), QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!path.endsWith(QLatin1String(".png")) || path.startsWith(QLatin1String(":/qt-")))
                continue;
            ++pictures;
            const QImage picture = strumix::program_picture(path);
            QVERIFY2(!picture.isNull(), qPrintable(path));
            QCOMPARE(picture, QImage(path));
        }
        QVERIFY(pictures >= 20);
    }

    void mainIconIsRakeButton() {
        const QImage icon = load(QStringLiteral(":/icons/main.png"));
        const QImage button = load(QStringLiteral(":/tools/btn_bend2.png"));
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.size(), button.size());
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x) QCOMPARE(icon.pixel(x, y), button.pixel(x, y));
    }
};

QTEST_GUILESS_MAIN(TestArtwork)
#include "test_artwork.moc"
