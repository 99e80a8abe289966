#include "xmppsignin.h"

#include <QCoreApplication>

#include <qt6keychain/keychain.h>

#include "prompter.h"

namespace vantry::net {

namespace {
// The keyring's entries of the game, one for each address.
const QString KeyringService = QStringLiteral("Vantry XMPP account");

}  // namespace

std::optional<XmppSettings> SettingsOf(const XmppOptions& options) {
    if (options.address.isEmpty()) return std::nullopt;
    XmppSettings s;
    s.address = options.address;
    s.server = options.server;
    const qsizetype colon = options.server.lastIndexOf(QLatin1Char(':'));
    // An IPv6 address has colons of its own; only one in brackets takes a port.
    if (colon > 0 && (options.server.count(QLatin1Char(':')) == 1 || options.server[colon - 1] == QLatin1Char(']'))) {
        bool ok = false;
        const uint port = options.server.mid(colon + 1).toUInt(&ok);
        if (ok && port > 0 && port < 65536) {
            s.port = static_cast<quint16>(port);
            s.server = options.server.left(colon);
        }
    }
    if (s.server.startsWith(QLatin1Char('[')) && s.server.endsWith(QLatin1Char(']'))) s.server = s.server.mid(1, s.server.size() - 2);
    return s;
}

QString AccountFaultText(AccountFault why, const QString& address) {
    switch (why) {
        case AccountFault::WrongPassword:
            return QCoreApplication::translate("XmppAccount", "The XMPP server turned down the address %1 with its password. Check them in Settings.").arg(address);
        case AccountFault::Unreachable:
            return QCoreApplication::translate("XmppAccount", "The XMPP server of %1 cannot be reached. The game goes on, and this copy keeps trying to sign in.")
                .arg(address);
        case AccountFault::Insecure:
            return QCoreApplication::translate("XmppAccount", "The XMPP server of %1 offers no secure connection this computer trusts, so this copy did not sign in.")
                .arg(address);
        case AccountFault::Refused:
            return QCoreApplication::translate("XmppAccount", "The XMPP server does not let accounts be made from the game. Make one on the server's web site, or "
                      "ask its administrator.");
        case AccountFault::Taken:
            return QCoreApplication::translate("XmppAccount", "The address %1 is taken already. Choose another name.").arg(address);
        case AccountFault::BadAddress:
            return QCoreApplication::translate("XmppAccount", "%1 is not an XMPP address. An address looks like name@example.org.").arg(address);
    }
    return {};
}

void ReadPassword(const QString& address, Prompter& prompter, QObject* context,
                  std::function<void(std::optional<QString>)> done) {
    auto* job = new QKeychain::ReadPasswordJob(KeyringService);
    job->setAutoDelete(true);
    job->setKey(address);
    QObject::connect(job, &QKeychain::Job::finished, context, [job, address, &prompter, done = std::move(done)] {
        if (job->error() == QKeychain::NoError && !job->textData().isEmpty()) return done(job->textData());
        //: The label over the box where the player types the password of an XMPP account; %1 is its address.
        done(prompter.AskSecret(QCoreApplication::translate("XmppAccount", "Password of the XMPP account %1:").arg(address)));
    });
    job->start();
}

void StorePassword(const QString& address, const QString& password, QObject* context, std::function<void(bool)> done) {
    auto* job = new QKeychain::WritePasswordJob(KeyringService);
    job->setAutoDelete(true);
    job->setKey(address);
    job->setTextData(password);
    QObject::connect(job, &QKeychain::Job::finished, context,
                     [job, done = std::move(done)] { done(job->error() == QKeychain::NoError); });
    job->start();
}

}  // namespace vantry::net
