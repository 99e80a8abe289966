#include "benchmarkhooks.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <time.h>

namespace vantry {

namespace {

// Watches every event until the first paint of a window; the frame is flushed to the screen
// when that paint's pass is over, which is when a zero timer posted from inside it runs.
class FirstFrameWatcher final : public QObject {
public:
    explicit FirstFrameWatcher(QString path) : QObject(QCoreApplication::instance()), path_(std::move(path)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                QFile file(path_);
                if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
                    const qint64 ns = static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
                    file.write(QByteArray("first_frame_ns ") + QByteArray::number(ns) + '\n');
                }
                deleteLater();
            });
        }
        return false;
    }

private:
    const QString path_;
};

}  // namespace

void ReportFirstFrameIfAsked() {
    const QString path = qEnvironmentVariable("VANTRY_BENCH_REPORT");
    if (path.isEmpty() || QCoreApplication::instance() == nullptr) return;
    QCoreApplication::instance()->installEventFilter(new FirstFrameWatcher(path));
}

}  // namespace vantry
