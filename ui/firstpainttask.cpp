#include "firstpainttask.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace vantry {

namespace {

// Watches the window until it is painted; a zero timer posted from inside that paint runs when
// the pass is over and the frame has gone to the screen.
class FirstPaintWatcher final : public QObject {
public:
    FirstPaintWatcher(QWidget* window, std::function<void()> task) : QObject(window), task_(std::move(task)) {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !posted_) {
            posted_ = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                task_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> task_;
    bool posted_ = false;
};

}  // namespace

void AfterFirstPaint(QWidget* window, std::function<void()> task) { new FirstPaintWatcher(window, std::move(task)); }

}  // namespace vantry
