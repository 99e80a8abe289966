#pragma once

#include <QString>

#include <optional>

#include "userstorewrite.h"

namespace vantry {

// The player's XMPP account, kept in the per-user store's section "Xmpp": Address
// (name@domain) and Server (where the domain's server listens, "host" or "host:port", empty to
// find it from the domain) and Direct ("false" when a game hosted with the account opens no port
// and is reached through the server alone). The password is never kept here: the desktop's
// keyring holds it.
struct XmppOptions {
    QString address;
    QString server;
    bool direct = true;

    bool operator==(const XmppOptions& other) const {
        return address == other.address && server == other.server && direct == other.direct;
    }
};

XmppOptions ReadXmppOptions();
std::optional<StoreFailure> StoreXmppOptions(const XmppOptions& options);

}  // namespace vantry
