#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

#include "xmppaccount.h"
#include "xmppoptions.h"

namespace vantry {
class Prompter;
}

namespace vantry::net {

// The account of the Settings window as gloox is given it, without its password; none without
// an address. "host:port" in Server names the port too.
std::optional<XmppSettings> SettingsOf(const XmppOptions& options);

// What the player is told of an account's fault.
QString AccountFaultText(AccountFault why, const QString& address);

// The account's password from the desktop's keyring; where there is none, or it holds none for
// the address, the player is asked. `done` hears nothing when the player would not say.
void ReadPassword(const QString& address, Prompter& prompter, QObject* context,
                  std::function<void(std::optional<QString>)> done);
// Keeps the password in the keyring; `done` hears false when there is none.
void StorePassword(const QString& address, const QString& password, QObject* context, std::function<void(bool)> done);

}  // namespace vantry::net
