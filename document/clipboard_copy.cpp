#include "document/clipboard_copy.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMimeData>

namespace strumix {

bool put_on_clipboard(const QImage& image, QString* error) {
    return put_on_clipboard(image, QString(), error);
}

bool put_on_clipboard(const QImage& image, const QString& text, QString* error) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || image.isNull()) {
        *error = QCoreApplication::translate("Clipboard", "The clipboard cannot be used.");
        return false;
    }
    // The page is offered as a picture, and as text only where the caller gives some.
    auto* data = new QMimeData;
    data->setImageData(image);
    if (!text.isEmpty()) data->setText(text);
    clipboard->setMimeData(data, QClipboard::Clipboard);
    // When the clipboard could not be taken over, what it offers is not our page.
    if (clipboard->mimeData(QClipboard::Clipboard) != data) {
        *error = QCoreApplication::translate("Clipboard",
                                             "The page could not be placed on the clipboard.");
        return false;
    }
    return true;
}

}  // namespace strumix
