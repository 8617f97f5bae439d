#pragma once

#include <QByteArray>
#include <QString>

class QIODevice;

namespace strumix {

// The reason given for a bitmap whose data ends before its header says it does.
QString truncated_bmp();

// Whether a bitmap's pixel data can be as long as its header claims: Qt reads a truncated
// bitmap without complaint and leaves the missing rows as whatever memory held. Run-length
// data is checked by picture_complete.
bool bmp_fits_file(const QByteArray& head, qint64 file_size, QString* error);

// Whether the picture in `device` (of `format`) has all its data: Qt's readers take a
// run-length bitmap, a JPEG, a GIF or an XBM that ends early as if it were whole and fill the
// rest with nothing. The device's position is left at its start.
bool picture_complete(const QByteArray& format, QIODevice& device, QString* error);

}  // namespace strumix
