#include "page/page_limits.h"

#include <QCoreApplication>

namespace strumix {

bool PageLimits::allows(QSize pixels, QString* error) const {
    if (pixels.width() <= 0 || pixels.height() <= 0) {
        if (error)
            *error = QCoreApplication::translate("PageLimits",
                                                 "A page of %1 × %2 pixels is not a valid picture "
                                                 "size.")
                         .arg(pixels.width())
                         .arg(pixels.height());
        return false;
    }
    if (pixels.width() > max_side || pixels.height() > max_side ||
        qint64(pixels.width()) * pixels.height() > max_pixels) {
        if (error)
            *error = QCoreApplication::translate("PageLimits",
                                                 "A page of %1 × %2 pixels is too large: Strumix "
                                                 "creates pages of at most %3 pixels, and at most "
                                                 "%4 pixels a side.")
                         .arg(pixels.width())
                         .arg(pixels.height())
                         .arg(max_pixels)
                         .arg(max_side);
        return false;
    }
    return true;
}

}  // namespace strumix
