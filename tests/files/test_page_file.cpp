#include <QBuffer>
#include <QTemporaryDir>
#include <QtTest>

#include "files/page_file.h"
#include "page/page_font.h"
#include "page/page_renderer.h"
#include "support/page_cells.h"
#include "support/sample_pictures.h"

using namespace strumix;

// Reading and writing page files: what is written comes back pixel for pixel, and nothing
// that is not a sound picture of a page's size gets in.
class TestPageFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    void round_trip_is_pixel_identical_data();
    void round_trip_is_pixel_identical();
    void refuses_bad_files_data();
    void refuses_bad_files();
    void reads_every_allowed_kind_data();
    void reads_every_allowed_kind();
    void transparent_pixels_are_white_paper();
    void failed_save_keeps_the_old_file();
    void bitmaps_agree_with_qts_own_data();
    void bitmaps_agree_with_qts_own();
    void a_folder_is_not_a_picture();

private:
    QTemporaryDir dir_;
};

void TestPageFile::round_trip_is_pixel_identical_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("bmp") << "song.bmp";
    QTest::newRow("tab") << "song.tab";
    QTest::newRow("upper case") << "SONG.TAB";
    QTest::newRow("other extension") << "song.png";
}

void TestPageFile::round_trip_is_pixel_identical() {
    QFETCH(QString, name);
    const LayoutModel model;
    PagePicture page;
    QString drawing_error;
    QVERIFY(draw_blank_page(page, model, &drawing_error));
    const int row = model.string_row(0, 2);
    const int column = model.note_column(0, 3);
    print_at(page, column, row, QStringLiteral("12"));
    const QImage drawn = page.image();

    const QString path = dir_.filePath(name);
    QString error;
    QVERIFY2(write_page_file(path, drawn, &error), qPrintable(error));
    // A bitmap whatever the name says.
    QVERIFY(samples::read(path).startsWith("BM"));
    QImage read;
    QVERIFY2(read_page_file(path, page.limits(), &read, &error), qPrintable(error));
    QCOMPARE(read.size(), drawn.size());
    QCOMPARE(read.convertToFormat(QImage::Format_RGB32), drawn);
    QCOMPARE(samples::note_cell(read, column, row), samples::note_cell(drawn, column, row));
}

void TestPageFile::refuses_bad_files_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray bmp = samples::encoded(samples::small_picture(64, 64), "BMP");
    QTest::newRow("empty") << QByteArray() << "not a picture";
    QTest::newRow("text") << QByteArray("Guitar\n 1-e --3--5--\n") << "not a picture";
    QTest::newRow("truncated bmp") << bmp.left(bmp.size() - 100) << "shorter than its header";
    QTest::newRow("one byte short") << bmp.left(bmp.size() - 1) << "shorter than its header";
    QTest::newRow("header only") << samples::bmp_header_only(64, 64) << "shorter than its header";
    QTest::newRow("huge claim") << samples::bmp_header_only(60000, 60000)
                                << "shorter than its header";
    // Width and height whose product of bytes does not fit in 64 bits.
    QTest::newRow("overflowing claim")
        << samples::bmp_header_only(2016422048, 2099261488) << "shorter than its header";
    QTest::newRow("negative width") << samples::bmp_header_only(-64, 64) << "impossible";
    QTest::newRow("wider than any page")
        << samples::encoded(samples::small_picture(16385, 2), "PNG") << "is too large";
    QTest::newRow("more pixels than any page")
        << samples::encoded(samples::small_picture(4200, 4200), "PNG") << "is too large";
    QByteArray png = samples::encoded(samples::small_picture(300, 300), "PNG");
    QTest::newRow("truncated png") << png.left(png.size() / 2) << "cannot be read";
}

void TestPageFile::refuses_bad_files() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QString path = dir_.filePath(QStringLiteral("bad.tab"));
    samples::write(path, bytes);
    const PageLimits limits;
    QImage image;
    QString error;
    QVERIFY(!read_page_file(path, limits, &image, &error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QVERIFY(image.isNull());
}

void TestPageFile::reads_every_allowed_kind_data() {
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"seed.bmp", "seed.png", "seed.jpg", "seed.ppm", "seed.pgm", "seed.pbm", "seed.xbm",
          "seed.xpm", "seed.ico", "mono.bmp", "indexed.bmp", "seed.gif"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestPageFile::reads_every_allowed_kind() {
    QFETCH(QString, name);
    const QString folder = dir_.filePath(QStringLiteral("seeds"));
    if (!QFileInfo::exists(folder)) samples::write_seeds(folder);
    const PageLimits limits;
    QImage image;
    QString error;
    QVERIFY2(read_page_file(QDir(folder).filePath(name), limits, &image, &error),
             qPrintable(error));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    if (name != QLatin1String("seed.gif")) {
        QCOMPARE(image.size(), samples::small_picture().size());
        // The staff line across the middle survives every kind.
        QVERIFY(qGray(image.pixel(20, 12)) < 128);
        QVERIFY(qGray(image.pixel(20, 20)) > 128);
    }
}

void TestPageFile::transparent_pixels_are_white_paper() {
    QImage clear(8, 8, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QByteArray bytes = samples::encoded(clear, "PNG");
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const PageLimits limits;
    QImage image;
    QString error;
    QVERIFY(read_page_image(buffer, limits, &image, &error));
    QCOMPARE(image.pixel(3, 3), QColor(Qt::white).rgb());
}

void TestPageFile::failed_save_keeps_the_old_file() {
    // A folder of the same name is in the way: the folder and its content stay as they were.
    const QString path = dir_.filePath(QStringLiteral("taken.tab"));
    QVERIFY(QDir().mkpath(path));
    samples::write(QDir(path).filePath(QStringLiteral("inside.bmp")), "keep");
    QString error;
    QVERIFY(!write_page_file(path, samples::small_picture(), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(samples::read(QDir(path).filePath(QStringLiteral("inside.bmp"))), QByteArray("keep"));
    // No save file is left lying around.
    QCOMPARE(
        QDir(dir_.path()).entryList(QStringList() << QStringLiteral("taken.tab*"), QDir::Files),
        QStringList());
}

// Strumix writes and reads its own plain bitmaps; other programs (here Qt's own bitmap writer
// and reader) must read ours and write ones Strumix reads, whatever the row padding.
void TestPageFile::bitmaps_agree_with_qts_own_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::newRow("rows need no padding") << 40 << 17;
    QTest::newRow("one byte of padding") << 41 << 17;
    QTest::newRow("three bytes of padding") << 43 << 17;
    // Rows narrower than one block of four pixels, and blocks with a pixel or two left over.
    QTest::newRow("one pixel wide") << 1 << 3;
    QTest::newRow("two pixels wide") << 2 << 3;
    QTest::newRow("five pixels wide") << 5 << 3;
    QTest::newRow("seven pixels wide") << 7 << 3;
    // Read in many pieces of rows, the last one short.
    QTest::newRow("many pieces") << 3001 << 97;
    // Large enough to be read in bands side by side and streamed past the cache, with rows
    // that start anywhere in a block of 32 bytes and bands of unequal height.
    QTest::newRow("read in bands") << 2101 << 1003;
}

void TestPageFile::bitmaps_agree_with_qts_own() {
    QFETCH(int, width);
    QFETCH(int, height);
    // Every channel different, so a swapped or shifted byte shows.
    QImage picture(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < width; ++x) {
            row[x] = qRgb(x * 7 % 256, y * 13 % 256, (x + 3 * y) * 29 % 256);
        }
    }
    const QString ours = dir_.filePath(QStringLiteral("ours%1.bmp").arg(width));
    QString error;
    QVERIFY(write_page_file(ours, picture, &error));
    QImage by_qt(ours, "BMP");
    QCOMPARE(by_qt.convertToFormat(QImage::Format_RGB32), picture);

    const QString theirs = dir_.filePath(QStringLiteral("theirs%1.bmp").arg(width));
    QVERIFY(picture.save(theirs, "BMP"));
    const PageLimits limits;
    QImage read;
    QVERIFY2(read_page_file(theirs, limits, &read, &error), qPrintable(error));
    QCOMPARE(read, picture);

    // The same bytes from a device that is not a file are read in order, all in one piece.
    QByteArray bytes = samples::read(theirs);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImage from_memory;
    QVERIFY2(read_page_image(buffer, limits, &from_memory, &error), qPrintable(error));
    QCOMPARE(from_memory, picture);
}

void TestPageFile::a_folder_is_not_a_picture() {
    const QString path = dir_.filePath(QStringLiteral("songs.tab"));
    QVERIFY(QDir().mkpath(path));
    const PageLimits limits;
    QImage image;
    QString error;
    QVERIFY(!read_page_file(path, limits, &image, &error));
    QVERIFY2(error.contains(QStringLiteral("is a folder")), qPrintable(error));
    QVERIFY(image.isNull());
}

QTEST_MAIN(TestPageFile)
#include "test_page_file.moc"
