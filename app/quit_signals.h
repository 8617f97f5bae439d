#pragma once

#include <QObject>

class QSocketNotifier;

namespace strumix {

// SIGTERM, SIGHUP and SIGINT, which end the program from outside (a logout, a closed terminal,
// Ctrl+C). The handler only writes the signal's number into a pipe; the event loop reads it
// and says so, where anything may be done safely.
class QuitSignals : public QObject {
    Q_OBJECT

public:
    explicit QuitSignals(QObject* parent = nullptr);
    ~QuitSignals() override;

signals:
    void received(int signal);

private:
    void read_pipe();
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace strumix
