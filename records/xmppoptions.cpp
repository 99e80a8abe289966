#include "xmppoptions.h"

#include <QSettings>

namespace vantry {

namespace {
const QString AddressKey = QStringLiteral("Xmpp/Address");
const QString ServerKey = QStringLiteral("Xmpp/Server");
const QString DirectKey = QStringLiteral("Xmpp/Direct");
}  // namespace

XmppOptions ReadXmppOptions() {
    XmppOptions options;
    const auto store = OpenUserStore();
    if (!store) return options;
    options.address = SettingText(store->value(AddressKey)).trimmed();
    options.server = SettingText(store->value(ServerKey)).trimmed();
    // Only a plain "false" closes the direct way; anything else keeps it open, as before.
    options.direct = SettingText(store->value(DirectKey)).trimmed() != QLatin1String("false");
    return options;
}

std::optional<StoreFailure> StoreXmppOptions(const XmppOptions& options) {
    return WriteUserStore({{AddressKey, options.address.trimmed()},
                           {ServerKey, options.server.trimmed()},
                           {DirectKey, options.direct ? QStringLiteral("true") : QStringLiteral("false")}});
}

}  // namespace vantry
