#pragma once

#include <QApplication>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

// Acts on modal windows from inside their own event loops: every modal window that is shown
// gets the next step, run as soon as its loop turns. A window shown with no step left is closed
// and recorded.
class ModalScript : public QObject {
public:
    using Step = std::function<void(QWidget*)>;

    ModalScript() { qApp->installEventFilter(this); }
    ~ModalScript() override { qApp->removeEventFilter(this); }

    ModalScript& then(Step step) {
        steps_.push_back(std::move(step));
        return *this;
    }
    int left() const { return static_cast<int>(steps_.size()); }
    QStringList unexpected;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && !event->spontaneous()) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isWindow() && widget->windowModality() != Qt::NonModal) {
                const QPointer<QWidget> shown(widget);
                QTimer::singleShot(0, this, [this, shown] { act(shown); });
            }
        }
        return false;
    }

private:
    void act(const QPointer<QWidget>& widget) {
        if (!widget || !widget->isVisible()) return;
        if (steps_.empty()) {
            unexpected << widget->windowTitle();
            widget->close();
            return;
        }
        const Step step = std::move(steps_.front());
        steps_.pop_front();
        step(widget);
    }

    std::deque<Step> steps_;
};
