#include <QImageReader>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>

#include "document/page_export.h"

using namespace strumix;

namespace {

QImage page_of(std::initializer_list<QRgb> inks) {
    QImage page(300, 120, QImage::Format_RGB32);
    page.fill(Qt::white);
    int x = 10;
    for (QRgb ink : inks) {
        QPainter(&page).fillRect(QRect(x, 20, 30, 60), QColor(ink));
        x += 40;
    }
    return page;
}

}  // namespace

class TestPngExport : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private slots:
    void each_page_is_written_in_the_smallest_kind_that_keeps_every_pixel() {
        struct Case {
            QImage page;
            int depth;  // as PNG keeps it
        } cases[] = {{page_of({0xff000000}), 1},
                     {page_of({0xff000000, 0xff808080}), 8},
                     {page_of({0xff000000, 0xffff0000}), 32}};
        for (const Case& c : cases) {
            const QString path = dir.filePath(QStringLiteral("page.png"));
            QString error;
            QVERIFY2(export_page(path, c.page, std::nullopt, &error, nullptr, {}),
                     qPrintable(error));
            QImageReader reader(path);
            const QImage back = reader.read();
            QCOMPARE(back.depth() == 1 ? 1 : back.isGrayscale() ? 8 : 32, c.depth);
            QCOMPARE(back.convertToFormat(QImage::Format_RGB32), c.page);
        }
    }
};

QTEST_MAIN(TestPngExport)
#include "test_png_export.moc"
