#pragma once

#include <QSize>
#include <QString>

namespace strumix {

// How large a page the program creates or opens. The default is 16 Mi pixels (64 MiB of image)
// and no side longer than 16384 pixels; the largest layout (four measures of 52 notes, six
// ten-string staffs) is 5164 × 1184 pixels, well inside.
struct PageLimits {
    static constexpr qint64 kDefaultMaxPixels = qint64(1) << 24;
    static constexpr int kDefaultMaxSide = 16384;

    qint64 max_pixels = kDefaultMaxPixels;
    int max_side = kDefaultMaxSide;

    // Whether a page of this size may be created; fills `error` with the reason when not.
    bool allows(QSize pixels, QString* error) const;
};

}  // namespace strumix
