#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTimer>

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
    // The farewell of a closing host may still bring news; nobody hears it any more.
    ~NetPlay() override {
        heard_ = nullptr;
        host_.reset();
        guest_.reset();
    }

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
        if (read->ServerOnly() && !account) {
            return prompter_.Message(
                QCoreApplication::translate("TableNews",
                                            "This invitation reaches the host only through an XMPP server. Set up "
                                            "your XMPP account in the Settings window, then join again."),
                Prompter::Icon::Warning);
        }
        // Both ways at once when the host can be reached through the servers too: the first that
        // works is kept.
        if (account && read->ServerOnly()) {
            dial = [account](const Invitation& in, QObject* parent) -> Link* {
                return XmppLink::Dial(*account, in, parent);
            };
        } else if (account) {
            dial = [account](const Invitation& in, QObject* parent) -> Link* {
                return new EitherLink({DirectLink::Dial(in), XmppLink::Dial(*account, in)}, parent);
            };
        }
        guest_ = std::make_unique<GuestTable>(engine_, prompter_, *read, std::move(dial));
        GameGuest& guest = guest_->Guest();
        QObject::connect(&guest, &GameGuest::ChatHeard, guest_.get(),
                         [this](int from, const QString& text) { Tell(ChatLine(from, text)); });
        // This copy's own seat was away only while it was gone itself.
        QObject::connect(&guest, &GameGuest::SeatAway, guest_.get(), [this](int seat) {
            if (seat != guest_->Guest().Seat()) Tell(AwayLine(seat));
        });
        QObject::connect(&guest, &GameGuest::SeatBack, guest_.get(), [this](int seat) {
            if (seat != guest_->Guest().Seat()) Tell(BackLine(seat));
        });
        QObject::connect(&guest, &GameGuest::Dropped, guest_.get(), [this] {
            if (!lost_)
                Tell(QCoreApplication::translate("TableNews",
                                                 "The connection to the host is lost. This copy keeps trying to "
                                                 "reach it"));
            lost_ = true;
        });
        QObject::connect(&guest, &GameGuest::Welcomed, guest_.get(), [this] {
            if (lost_) Tell(QCoreApplication::translate("TableNews", "This copy is back at the host's game"));
            lost_ = false;
        });
        guest_->Start();
    }

    bool AtTable() const override { return host_ || guest_; }

    // The host hears its own line at once; a guest's comes back from the host with everyone's.
    void Say(const QString& text) override {
        if (guest_) return guest_->Guest().Chat(text);
        if (!host_ || text.isEmpty() || !IsPlainText(text, MaxChatChars)) return;
        host_->Host().Chat(text);
        Tell(ChatLine(ChatFromHost, text));
    }

    void OnNews(std::function<void(const QString&)> heard) override { heard_ = std::move(heard); }

private:
    bool Hosting() {
        guest_.reset();
        if (host_) return true;
        XmppAccount* account = Account();
        host_ = HostTable::Open(engine_, prompter_, 0, nullptr, !account || ReadXmppOptions().direct);
        if (!host_) return false;
        if (account) host_->ReachThrough(*account);
        GameHost& host = host_->Host();
        QObject::connect(&host, &GameHost::ChatHeard, host_.get(),
                         [this](int from, const QString& text) { Tell(ChatLine(from, text)); });
        QObject::connect(&host, &GameHost::SeatAway, host_.get(), [this](int seat) { Tell(AwayLine(seat)); });
        QObject::connect(&host, &GameHost::SeatBack, host_.get(), [this](int seat) { Tell(BackLine(seat)); });
        QObject::connect(&host, &GameHost::WatcherCame, host_.get(), [this](int watching) {
            Tell(QCoreApplication::translate("TableNews", "A watcher has joined: %n watching the game", nullptr,
                                             watching));
        });
        QObject::connect(&host, &GameHost::WatcherWent, host_.get(), [this](int watching) {
            Tell(QCoreApplication::translate("TableNews", "A watcher has left: %n watching the game", nullptr,
                                             watching));
        });
        return true;
    }

    void Tell(const QString& line) const {
        if (heard_) heard_(line);
    }

    // A seat by its player's name, or by its colour when the name was left blank.
    QString SeatName(int seat) const {
        static const char* const colours[] = {QT_TRANSLATE_NOOP("TableNews", "Red"),
                                              QT_TRANSLATE_NOOP("TableNews", "Blue"),
                                              QT_TRANSLATE_NOOP("TableNews", "Yellow"),
                                              QT_TRANSLATE_NOOP("TableNews", "Green")};
        const QString name = QString::fromStdString(engine_.State().Names[static_cast<std::size_t>(seat)]).trimmed();
        return name.isEmpty() ? QCoreApplication::translate("TableNews", colours[seat]) : name;
    }

    QString ChatLine(int from, const QString& text) const {
        //: Who wrote a line of chat: the computer that hosts the game.
        QString sender = QCoreApplication::translate("TableNews", "The host");
        //: Who wrote a line of chat: someone who watches the game and plays no seat.
        if (from == ChatFromWatcher) sender = QCoreApplication::translate("TableNews", "A watcher");
        if (from >= 0 && from < SeatCount) sender = SeatName(from);
        //: A line of chat in the game log and as the screen reader says it: %1 is who wrote it, %2 the line.
        return QCoreApplication::translate("TableNews", "%1 says: %2").arg(sender, text);
    }

    QString AwayLine(int seat) const {
        return QCoreApplication::translate("TableNews", "%1 has lost the connection to the game").arg(SeatName(seat));
    }

    QString BackLine(int seat) const {
        return QCoreApplication::translate("TableNews", "%1 is back in the game").arg(SeatName(seat));
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
    std::function<void(const QString&)> heard_;
    // The connection to the host broke and has not been made again yet.
    bool lost_ = false;
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
