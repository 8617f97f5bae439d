#pragma once

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include "document/recovery_store.h"

namespace strumix {

class Document;

// Keeps the recovery data of the document's page while it has unsaved drawing: written a short
// while after an edit, on a thread of its own so typing never waits for the disk, and removed
// once the page is saved, created or opened anew.
class RecoveryKeeper : public QObject {
    Q_OBJECT

public:
    // `delay_ms`: how long after the first unsaved edit the data is written.
    RecoveryKeeper(Document& document, RecoveryStore& store, int delay_ms = 5000,
                   QObject* parent = nullptr);
    ~RecoveryKeeper() override;

    void set_delay(int ms) { timer_.setInterval(ms); }
    // Writes the data now, on this thread, when the page has unsaved drawing (the program is
    // about to end by a signal).
    void write_now();
    // The unsaved drawing is given up (a clean exit): no data is kept.
    void discard();
    // The user's data, recovered into the document: the page shown as it was, counted as
    // changed, with its names and layout.
    static void recover_into(Document& document, const RecoveryData& data);

signals:
    // A background write finished.
    void written(bool ok);
    // The data cannot be kept, and why: said once, and again only after a write has worked in
    // between, so that a full disk is not reported at every edit.
    void cannotKeep(const QString& reason);

private:
    void page_drawn();
    void kept();
    void write_soon();
    RecoveryData snapshot() const;
    void write_done(bool ok, const QString& error);

    Document& doc_;
    RecoveryStore& store_;
    QTimer timer_;
    QThreadPool writer_;
    bool failing_ = false;
};

}  // namespace strumix
