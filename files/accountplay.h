#pragma once

#include <QString>

#include <functional>

namespace vantry {

// The XMPP account's part that needs the network module: its password in the desktop's keyring
// and its making on a server. The Settings window reaches it only when the player asks.
class AccountPlay {
public:
    virtual ~AccountPlay() = default;
    // Keeps the password in the keyring; `done` hears whether it could (false: no keyring).
    virtual void StorePassword(const QString& address, const QString& password, std::function<void(bool)> done) = 0;
    // Makes the account on its server by in-band registration; `done` hears nothing (empty) when
    // it was made, otherwise why not, in words for the player.
    virtual void Register(const QString& address, const QString& server, const QString& password,
                          std::function<void(const QString& fault)> done) = 0;
};

}  // namespace vantry

// The module's entry point for the account; the caller owns what it returns.
#define VANTRY_ACCOUNT_MODULE_ENTRY "vantry_netplay_create_account_v1"
extern "C" using VantryAccountCreate = vantry::AccountPlay* (*)();
