#include "benchmarkhooks.h"

#include <QCoreApplication>
#include <QFile>

#include <time.h>

#include "firstpainttask.h"

namespace vantry {

void ReportFirstFrameIfAsked() {
    const QString path = qEnvironmentVariable("VANTRY_BENCH_REPORT");
    if (path.isEmpty() || QCoreApplication::instance() == nullptr) return;
    AfterFirstPaint(QCoreApplication::instance(), [path] {
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            const qint64 ns = static_cast<qint64>(now.tv_sec) * 1000000000 + now.tv_nsec;
            file.write(QByteArray("first_frame_ns ") + QByteArray::number(ns) + '\n');
        }
    });
}

}  // namespace vantry
