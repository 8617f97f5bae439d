// Writes the small pictures the tests make into the folder given, as the fuzzer's first inputs.
#include <QGuiApplication>

#include "support/sample_pictures.h"

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) return 2;
    samples::write_seeds(QString::fromLocal8Bit(argv[1]));
    return 0;
}
