// Pages that cannot be opened whole are refused: a picture whose data ends early, in every
// format that is read, and anything that is not a regular file, before it can block the window.
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

#include "files/page_file.h"
#include "page/page_font.h"
#include "page/page_picture.h"
#include "support/sample_pictures.h"

using namespace strumix;

namespace {

const QByteArray kGif = QByteArray::fromHex(
    "47494638396101000100800000ffffff00000021f90401000000002c00000000010001000002024401003b");

bool read_bytes(const QByteArray& bytes, QString* error) {
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    const PageLimits limits;
    QImage image;
    return read_page_image(buffer, limits, &image, error);
}

}  // namespace

class TestDamagedFiles : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { load_resources(); }

    // Whole, each reads; cut short, each is refused as damaged.
    void cut_short_is_damaged_data() {
        QTest::addColumn<QByteArray>("whole");
        QTest::addColumn<double>("kept");  // the share of the file left
        const QImage picture = samples::small_picture(120, 80);
        QTest::newRow("run-length bitmap, half") << samples::rle8_bmp(120, 80) << 0.5;
        QTest::newRow("run-length bitmap, last row gone") << samples::rle8_bmp(120, 80) << -6.0;
        QTest::newRow("jpeg") << samples::encoded(picture, "JPEG") << 0.6;
        QTest::newRow("gif, trailer gone") << kGif << -1.0;
        QTest::newRow("gif, half") << kGif << 0.5;
        QTest::newRow("xbm") << samples::encoded(picture.convertToFormat(QImage::Format_Mono),
                                                 "XBM")
                             << 0.5;
        QTest::newRow("png") << samples::encoded(picture, "PNG") << 0.7;
    }
    void cut_short_is_damaged() {
        QFETCH(QByteArray, whole);
        QFETCH(double, kept);
        QString error;
        QVERIFY2(read_bytes(whole, &error), qPrintable(error));
        const qsizetype length =
            kept < 0 ? whole.size() + qsizetype(kept) : qsizetype(whole.size() * kept);
        QVERIFY(!read_bytes(whole.left(length), &error));
        QVERIFY2(error.contains(QStringLiteral("damaged")) ||
                     error.contains(QStringLiteral("cannot be read")),
                 qPrintable(error));
    }

    // The run-length picture that is whole comes out as drawn.
    void run_length_bitmap_reads_as_drawn() {
        QString error;
        QByteArray bytes = samples::rle8_bmp(30, 8);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const PageLimits limits;
        QImage image;
        QVERIFY2(read_page_image(buffer, limits, &image, &error), qPrintable(error));
        QCOMPARE(image.size(), QSize(30, 8));
        // Rows are stored bottom first: file rows 0 and 4 are the page's rows 7 and 3.
        QCOMPARE(image.pixel(5, 7), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(5, 3), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(5, 6), qRgb(255, 255, 255));
    }

    // A pipe with no writer, a device, a socket: refused at once, nothing read or waited for.
    void only_regular_files_open_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("pipe") << "fifo"
                              << "is a pipe";
        QTest::newRow("endless device") << "/dev/zero"
                                        << "is a device";
        QTest::newRow("socket") << "socket"
                                << "is a socket";
    }
    void only_regular_files_open() {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        QString path = kind;
        int socket_fd = -1;
        if (kind == QLatin1String("fifo")) {
            path = dir.filePath(QStringLiteral("x.tab"));
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("socket")) {
            path = dir.filePath(QStringLiteral("s.tab"));
            socket_fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
            sockaddr_un address = {};
            address.sun_family = AF_UNIX;
            const QByteArray name = QFile::encodeName(path);
            std::memcpy(address.sun_path, name.constData(),
                        std::min<size_t>(size_t(name.size()), sizeof(address.sun_path) - 1));
            QCOMPARE(::bind(socket_fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
        }
        const PageLimits limits;
        QImage image;
        QString error;
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!read_page_file(path, limits, &image, &error));
        QVERIFY(clock.elapsed() < 2000);
        QVERIFY2(error.contains(reason), qPrintable(error));
        QVERIFY(image.isNull());
        if (socket_fd >= 0) ::close(socket_fd);
    }
};

QTEST_MAIN(TestDamagedFiles)
#include "test_damaged_files.moc"
