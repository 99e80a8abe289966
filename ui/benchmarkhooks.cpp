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
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            seen_ = true;
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, this, &FirstFrameWatcher::Write);
        }
        return false;
    }

private:
    void Write() {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const qint64 ns = static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
        QFile file(path_);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            file.write(QByteArray("first_frame_ns ") + QByteArray::number(ns) + '\n');
        }
        deleteLater();
    }

    const QString path_;
    bool seen_ = false;
};

}  // namespace

void ReportFirstFrameIfAsked() {
    const QString path = qEnvironmentVariable("VANTRY_BENCH_REPORT");
    if (path.isEmpty() || QCoreApplication::instance() == nullptr) return;
    QCoreApplication::instance()->installEventFilter(new FirstFrameWatcher(path));
}

bool BenchOpensAbout() { return qEnvironmentVariableIsSet("VANTRY_BENCH_ABOUT"); }

}  // namespace vantry
