#include "sessionbuswarmup.h"

#include <QDBusConnection>
#include <QGuiApplication>

namespace vantry {

namespace {

// Platforms that show nothing on a desktop have no accessibility service to reach.
bool ReachesDesktop() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

}  // namespace

SessionBusWarmUp::SessionBusWarmUp() {
    if (ReachesDesktop()) connector_ = std::thread([] { QDBusConnection::sessionBus(); });
}

SessionBusWarmUp::~SessionBusWarmUp() {
    if (connector_.joinable()) connector_.join();
}

}  // namespace vantry
