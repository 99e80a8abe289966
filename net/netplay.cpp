#include <QPointer>
#include <QTimer>
#include <QRandomGenerator>

#include <memory>

#include "accountplay.h"
#include "directlink.h"
#include "eitherlink.h"
#include "guesttable.h"
#include "hosttable.h"
#include "prompter.h"
#include "tableplay.h"
#include "xmppsignin.h"

namespace vantry::net {

namespace {

// Hosting and joining are one at a time: either ends the other.
class NetPlay final : public TablePlay {
public:
    NetPlay(Engine& engine, Prompter& prompter) : engine_(engine), prompter_(prompter) {}

    // Names a script can read, the same in every language.
    QStringList HostPersonSeats() override {
        if (!Hosting()) return {};
        static const char* const seats[] = {"Red", "Blue", "Yellow", "Green"};
        QStringList lines;
        for (int seat = 0; seat < SeatCount; ++seat) {
            if (engine_.State().IsComputer[static_cast<std::size_t>(seat)]) continue;
            lines << QLatin1String(seats[seat]) + QLatin1Char(' ') + host_->Invite(seat);
        }
        lines << QStringLiteral("Watch ") + host_->InviteWatcher();
        return lines;
    }

    QString Invite(int seat) override { return Hosting() ? host_->Invite(seat) : QString(); }
    void PlayHere(int seat) override {
        if (host_) host_->PlayHere(seat);
    }
    QString InviteWatcher() override { return Hosting() ? host_->InviteWatcher() : QString(); }

    void Join(const QString& invitation) override {
        const auto read = GuestTable::Read(invitation);
        if (!read) return prompter_.Message(GuestTable::NotAnInvitation(), Prompter::Icon::Warning);
        host_.reset();
        guest_.reset();
        GameGuest::Dialer dial;
        XmppAccount* account = read->xmpp.isEmpty() ? nullptr : Account();
        // Both ways at once when the host can be reached through the servers too: the first that
        // works is kept.
        if (account) {
            dial = [account](const Invitation& in, QObject* parent) -> Link* {
                return new EitherLink({DirectLink::Dial(in), XmppLink::Dial(*account, in)}, parent);
            };
        }
        guest_ = std::make_unique<GuestTable>(engine_, prompter_, *read, std::move(dial));
        guest_->Start();
    }

private:
    bool Hosting() {
        guest_.reset();
        if (host_) return true;
        host_ = HostTable::Open(engine_, prompter_);
        if (host_ && Account()) host_->ReachThrough(*account_);
        return host_ != nullptr;
    }

    // The account of the Settings window, signed in from the first game hosted or joined on; none
    // without an address. Its faults are told once each, after the signal that brought them.
    XmppAccount* Account() {
        if (account_) return account_.get();
        const auto settings = SettingsOf(ReadXmppOptions());
        if (!settings) return nullptr;
        const QString resource = QStringLiteral("vantry-%1").arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
        account_ = std::make_unique<XmppAccount>(*settings, resource);
        XmppAccount* account = account_.get();
        QObject::connect(account, &XmppAccount::Offline, account, [this, address = settings->address](AccountFault why) {
            QTimer::singleShot(0, account_.get(), [this, why, address] {
                prompter_.Message(AccountFaultText(why, address), Prompter::Icon::Warning);
            });
        });
        ReadPassword(settings->address, prompter_, account, [account](std::optional<QString> password) {
            if (!password) return;
            account->SetPassword(*password);
            account->Start();
        });
        return account;
    }

    Engine& engine_;
    Prompter& prompter_;
    // Before the tables, which talk through it to their last message.
    std::unique_ptr<XmppAccount> account_;
    std::unique_ptr<HostTable> host_;
    std::unique_ptr<GuestTable> guest_;
};

// The Settings window's way to the keyring and to a server that makes accounts.
class AccountSetup final : public AccountPlay {
public:
    void StorePassword(const QString& address, const QString& password, std::function<void(bool)> done) override {
        net::StorePassword(address, password, &context_, std::move(done));
    }

    void Register(const QString& address, const QString& server, const QString& password,
                  std::function<void(const QString&)> done) override {
        auto settings = SettingsOf({address, server});
        if (!settings) return done(AccountFaultText(AccountFault::BadAddress, address));
        settings->password = password;
        XmppAccount* account = XmppAccount::Register(*settings, &context_);
        QObject::connect(account, &XmppAccount::Registered, &context_, [account, done] {
            account->deleteLater();
            done({});
        });
        QObject::connect(account, &XmppAccount::Offline, &context_, [account, done, address](AccountFault why) {
            account->deleteLater();
            done(AccountFaultText(why, address));
        });
    }

private:
    QObject context_;
};

}  // namespace

}  // namespace vantry::net

extern "C" Q_DECL_EXPORT vantry::AccountPlay* vantry_netplay_create_account_v1() { return new vantry::net::AccountSetup; }

extern "C" Q_DECL_EXPORT vantry::TablePlay* vantry_netplay_create_table_v1(vantry::Engine& engine,
                                                                           vantry::Prompter& prompter) {
    return new vantry::net::NetPlay(engine, prompter);
}
