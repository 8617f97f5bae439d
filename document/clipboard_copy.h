#pragma once

#include <QImage>
#include <QString>

namespace strumix {

// Puts the page on the system clipboard as an image, and nothing else; false with the reason
// when the clipboard cannot be used or would not take it.
bool put_on_clipboard(const QImage& image, QString* error);
// The same with `text` offered beside the image, for programs that take text.
bool put_on_clipboard(const QImage& image, const QString& text, QString* error);

}  // namespace strumix
