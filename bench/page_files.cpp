// Writes the start-up page and the largest page as page files (startup.tab, largest.tab) into
// a folder, for timing the command line's exports against ImageMagick (bench/export.sh).
#include <QApplication>
#include <cstdio>

#include "bench_session.h"
#include "files/page_file.h"
#include "page/page_font.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: page_files FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    strumix::load_resources();
    const QString folder = QString::fromLocal8Bit(argv[1]);
    for (const auto& [page, name] : {std::pair{bench::kStartupPage, "startup.tab"},
                                     std::pair{bench::kLargestPage, "largest.tab"}}) {
        bench::Session s;
        bench::make_page(s, page);
        QString error;
        const QString path = folder + QLatin1Char('/') + QLatin1String(name);
        if (!strumix::write_page_file(path, s.doc.Picture1().image(), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    return 0;
}
