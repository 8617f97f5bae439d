#pragma once

#include <QByteArrayList>
#include <QImage>
#include <QString>

#include "page/page_limits.h"

class QIODevice;

namespace strumix {

// The picture formats a page may be read from: only those Qt's own image plugins provide, so
// a plugin installed later from elsewhere never decodes a user's file.
const QByteArrayList& page_formats();

// Reads a page picture from `device` (`size` bytes long). Refuses anything that is not a
// picture of an allowed format, a BMP whose header claims more pixel data than the file holds,
// and pictures larger than the biggest page `limits` allows, before allocating the pixels.
// The result is an opaque RGB32 image; transparent pixels lie on white paper.
bool read_page_image(QIODevice& device, const PageLimits& limits, QImage* image, QString* error);
bool read_page_file(const QString& path, const PageLimits& limits, QImage* image, QString* error);

// Writes the page as a Windows bitmap whatever the name's extension. The file is replaced only
// once the whole picture is on disk, so a failed write leaves the old file as it was.
bool write_page_file(const QString& path, const QImage& image, QString* error);

}  // namespace strumix
