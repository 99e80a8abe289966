#include "xmppoptions.h"

#include <QSettings>

#include "settingtext.h"

namespace vantry {

namespace {
const QString AddressKey = QStringLiteral("Xmpp/Address");
const QString ServerKey = QStringLiteral("Xmpp/Server");
}  // namespace

XmppOptions ReadXmppOptions() {
    XmppOptions options;
    const auto store = OpenUserStore();
    if (!store) return options;
    options.address = SettingText(store->value(AddressKey)).trimmed();
    options.server = SettingText(store->value(ServerKey)).trimmed();
    return options;
}

std::optional<StoreFailure> StoreXmppOptions(const XmppOptions& options) {
    return WriteUserStore({{AddressKey, options.address.trimmed()}, {ServerKey, options.server.trimmed()}});
}

}  // namespace vantry
