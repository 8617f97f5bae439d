#pragma once

#include <QObject>
#include <QStringList>

namespace strumix {

// The pages last opened or saved, newest first, at most eight, each once.
class RecentPages : public QObject {
    Q_OBJECT

public:
    static constexpr int kMost = 8;

    explicit RecentPages(QObject* parent = nullptr) : QObject(parent) {}
    const QStringList& paths() const { return paths_; }
    void set_paths(const QStringList& paths);
    // A page just opened or saved goes to the top.
    void add(const QString& path);
    void remove(const QString& path);

signals:
    void changed();

private:
    QStringList paths_;
};

}  // namespace strumix
