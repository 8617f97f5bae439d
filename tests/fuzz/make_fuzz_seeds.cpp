// Writes the small pictures the tests make into the folder given, as the fuzzer's first inputs,
// and the recovery data the program keeps beside an unsaved page.
#include <QDir>
#include <QGuiApplication>

#include "files/recovery_format.h"
#include "support/sample_pictures.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) return 2;
    const QString folder = QString::fromLocal8Bit(argv[1]);
    samples::write_seeds(folder);
    strumix::RecoveryData data;
    data.file_name = QStringLiteral("riff.tab");
    data.file_path = QStringLiteral("/home/me/riff.tab");
    data.stamp = strumix::FileStamp{true, 2049, 123456, 371766, 1765300000123456789};
    samples::write(QDir(folder).filePath(QStringLiteral("page.ini")),
                   strumix::recovery_info_text(data));
    return 0;
}
