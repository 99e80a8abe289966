#include "firstpainttask.h"

#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

namespace vantry {

namespace {

// Watches its parent's events until a window is painted; a zero timer posted from inside that
// paint runs when the pass is over and the frame has gone to the screen.
class FirstPaintWatcher final : public QObject {
public:
    FirstPaintWatcher(QObject* watched, std::function<void()> task) : QObject(watched), task_(std::move(task)) {
        watched->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // A filter removed while it filters is asked no more.
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            parent()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                task_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> task_;
};

}  // namespace

void AfterFirstPaint(QObject* watched, std::function<void()> task) { new FirstPaintWatcher(watched, std::move(task)); }

}  // namespace vantry
