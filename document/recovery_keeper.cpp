#include "document/recovery_keeper.h"

#include <cstdio>
#include <memory>

#include "document/document.h"

namespace strumix {

RecoveryKeeper::RecoveryKeeper(Document& document, RecoveryStore& store, int delay_ms,
                               QObject* parent)
    : QObject(parent), doc_(document), store_(store) {
    writer_.setMaxThreadCount(1);
    timer_.setSingleShot(true);
    timer_.setInterval(delay_ms);
    connect(&timer_, &QTimer::timeout, this, &RecoveryKeeper::write_soon);
    connect(&doc_, &Document::pageChanged, this, &RecoveryKeeper::page_drawn);
    connect(&doc_, &Document::kept, this, &RecoveryKeeper::kept);
    connect(&doc_, &Document::namesChanged, this, [this] {
        store_.set_open_file(doc_.has_chosen_file() ? doc_.file_path() : QString());
    });
}

RecoveryKeeper::~RecoveryKeeper() { writer_.waitForDone(); }

RecoveryData RecoveryKeeper::snapshot() const {
    // The page's pixels are shared with the drawn image, not copied; the next edit gives the
    // page pixels of its own while the writer reads these.
    return RecoveryData{*doc_.Picture1().take_image(), doc_.model(), doc_.file_name(),
                        doc_.file_path(), doc_.file_stamp()};
}

void RecoveryKeeper::page_drawn() {
    // Written a while after the first edit, not after the last: a user who never pauses still
    // has a recent copy.
    if (doc_.unsaved(Document::Moment::Recovering) && !timer_.isActive()) timer_.start();
}

void RecoveryKeeper::kept() {
    timer_.stop();
    writer_.waitForDone();
    store_.discard();
}

void RecoveryKeeper::write_done(bool ok, const QString& error) {
    const bool newly_failing = !ok && !failing_;
    failing_ = !ok;
    if (newly_failing) emit cannotKeep(error);
    emit written(ok);
}

void RecoveryKeeper::write_soon() {
    if (!doc_.unsaved(Document::Moment::Recovering)) return;
    if (!store_.usable()) {
        write_done(false, store_.problem());
        return;
    }
    if (writer_.activeThreadCount() > 0) {
        timer_.start(timer_.interval() / 4 + 1);
        return;
    }
    RecoveryStore* store = &store_;
    writer_.start([this, store, data = snapshot()] {
        QString error;
        const bool ok = store->write(data, &error);
        QMetaObject::invokeMethod(
            this, [this, ok, error] { write_done(ok, error); }, Qt::QueuedConnection);
    });
}

void RecoveryKeeper::write_now() {
    timer_.stop();
    writer_.waitForDone();
    if (!doc_.unsaved(Document::Moment::Recovering)) return;
    QString error;
    // The program is ending: there is no window left to say it in.
    if (!store_.write(snapshot(), &error))
        std::fprintf(stderr, "strumix: the unsaved page could not be kept: %s\n",
                     qPrintable(error));
}

void RecoveryKeeper::discard() {
    timer_.stop();
    writer_.waitForDone();
    store_.discard();
}

void RecoveryKeeper::recover_into(Document& document, const RecoveryData& data) {
    document.recover(std::make_shared<const QImage>(data.page), data.model, data.file_name,
                     data.file_path, data.stamp);
}

}  // namespace strumix
