#include "xmppaccount.h"

#include "xmppdial.h"

#include <QHostAddress>
#include <QSocketNotifier>

#include <unistd.h>


#include <gloox/client.h>
#include <gloox/connectionlistener.h>
#include <gloox/connectiontcpbase.h>
#include <gloox/connectiontcpclient.h>
#include <gloox/message.h>
#include <gloox/messagehandler.h>
#include <gloox/registration.h>
#include <gloox/registrationhandler.h>

#include <algorithm>

namespace vantry::net {

namespace {

// Where the system keeps the authorities it trusts.
const char* const SystemAuthorities = "/etc/ssl/certs/ca-certificates.crt";
// A whitespace keeps a quiet connection from being taken for a dead one on the way.
constexpr int KeepAliveMs = 60000;

std::string Std(const QString& text) { return text.toStdString(); }

// gloox's own connection with a socket this side connected already: gloox's would resolve
// and connect while the whole program waits, for minutes where a server's packets are lost.
class HandedConnection final : public gloox::ConnectionTCPClient {
public:
    HandedConnection(gloox::ConnectionDataHandler* handler, const gloox::LogSink& log, int socket)
        : ConnectionTCPClient(handler, log, std::string(), -1), handed_(socket) {}

    gloox::ConnectionError connect() override {
        if (!m_handler || handed_ < 0) return gloox::ConnNotConnected;
        setSocket(handed_);
        handed_ = -1;
        m_handler->handleConnect(this);
        return gloox::ConnNoError;
    }
    gloox::ConnectionBase* newInstance() const override { return nullptr; }

private:
    int handed_;
};

}  // namespace

bool XmppSettings::Loopback() const {
    const QHostAddress host(server);
    return server == QLatin1String("localhost") || (!host.isNull() && host.isLoopback());
}

// One connection of gloox's client, read when its socket is readable. It is made anew for each
// attempt: gloox keeps state of a connection that broke.
class XmppClient final : public gloox::ConnectionListener,
                         public gloox::MessageHandler,
                         public gloox::RegistrationHandler {
public:
    XmppClient(XmppAccount& account, const XmppSettings& s, const QString& resource, bool registering, int socket)
        : account_(account), registering_(registering) {
        const gloox::JID jid(Std(s.address));
        if (registering) {
            client_ = std::make_unique<gloox::Client>(jid.server());
            registration_ = std::make_unique<gloox::Registration>(client_.get());
            registration_->registerRegistrationHandler(this);
        } else {
            gloox::JID full = jid;
            full.setResource(Std(resource));
            client_ = std::make_unique<gloox::Client>(full, Std(s.password));
            client_->disableRoster();
            // A low priority: the player's chat program keeps the messages sent to the bare address.
            client_->setPresence(gloox::Presence::Available, -1);
            client_->registerMessageHandler(this);
        }
        // The certificate is checked against the domain, wherever its server was found.
        client_->setConnectionImpl(new HandedConnection(client_.get(), client_->logInstance(), socket));
        loopback_ = s.Loopback();
        // On this computer nothing is on the way to read; a failed handshake there (a server with
        // no certificate that still offers TLS) would only trip gloox's GnuTLS clean-up.
        client_->setTls(loopback_ ? gloox::TLSDisabled : gloox::TLSRequired);
        client_->setCACerts({SystemAuthorities});
        client_->registerConnectionListener(this);
    }

    ~XmppClient() override {
        notifier_.reset();
        if (client_) {
            client_->removeConnectionListener(this);
            client_->disconnect();
        }
    }

    // False when no connection could even be begun.
    bool Connect() {
        if (!client_->connect(false)) return false;
        const auto* tcp = dynamic_cast<gloox::ConnectionTCPBase*>(client_->connectionImpl());
        if (!tcp || tcp->socket() < 0) return false;
        notifier_ = std::make_unique<QSocketNotifier>(tcp->socket(), QSocketNotifier::Read);
        QObject::connect(notifier_.get(), &QSocketNotifier::activated, &account_, [this] { client_->recv(0); });
        return true;
    }

    bool Send(const QString& to, const QByteArray& body) {
        gloox::Message m(gloox::Message::Headline, gloox::JID(Std(to)), body.toStdString());
        return SendTag(m.tag());
    }

    void KeepAlive() { client_->whitespacePing(); }
    QString Address() const { return QString::fromStdString(client_->jid().full()); }

private:
    bool SendTag(gloox::Tag* tag) {
        const std::string xml = tag->xml();
        const int bytes = static_cast<int>(xml.size());
        // Counted even when refused, so that the figures show a stanza that grew too big.
        account_.largest_ = std::max(account_.largest_, bytes);
        if (bytes > XmppAccount::MaxStanzaBytes) {
            delete tag;
            return false;
        }
        client_->send(tag);
        return true;
    }

    void onConnect() override {
        if (!registering_) {
            QMetaObject::invokeMethod(&account_, [a = &account_] { a->Connected(); }, Qt::QueuedConnection);
            return;
        }
        gloox::RegistrationFields fields;
        // The name is all before the "@"; the domain was the server's.
        fields.username = gloox::JID(Std(account_.settings_.address)).username();
        fields.password = Std(account_.settings_.password);
        registration_->createAccount(gloox::Registration::FieldUsername | gloox::Registration::FieldPassword, fields);
    }

    void onDisconnect(gloox::ConnectionError e) override {
        // Called from within the notifier's own signal: it goes once that has returned.
        if (notifier_) {
            notifier_->setEnabled(false);
            notifier_.release()->deleteLater();
        }
        if (e == gloox::ConnUserDisconnected) return;
        if (e == gloox::ConnAuthenticationFailed) return Later(AccountFault::WrongPassword, false);
        if (e == gloox::ConnTlsFailed || e == gloox::ConnTlsNotAvailable) return Later(AccountFault::Insecure, false);
        Later(AccountFault::Unreachable, !registering_);
    }

    // A server's certificate is taken only when the system's authorities vouch for it for this
    // server; one on this computer needs none.
    bool onTLSConnect(const gloox::CertInfo& info) override { return loopback_ || info.status == gloox::CertOk; }

    // Heard from the event loop, never from within gloox's own reading: what hears a message may
    // open a window, whose event loop would read the socket again and re-enter gloox's parser.
    void handleMessage(const gloox::Message& m, gloox::MessageSession*) override {
        const QString from = QString::fromStdString(m.from().full());
        if (m.subtype() == gloox::Message::Error) {
            QMetaObject::invokeMethod(&account_, [a = &account_, from] { emit a->Bounced(from); }, Qt::QueuedConnection);
        } else if (m.subtype() == gloox::Message::Headline) {
            QMetaObject::invokeMethod(&account_, [a = &account_, from, body = QByteArray::fromStdString(m.body())] {
                emit a->Heard(from, body);
            }, Qt::QueuedConnection);
        }
    }

    void handleRegistrationResult(const gloox::JID&, gloox::RegistrationResult result) override {
        if (result == gloox::RegistrationSuccess) {
            QMetaObject::invokeMethod(&account_, [a = &account_] {
                a->Stop();
                emit a->Registered();
            }, Qt::QueuedConnection);
            return;
        }
        Later(result == gloox::RegistrationConflict ? AccountFault::Taken : AccountFault::Refused, false);
    }
    void handleRegistrationFields(const gloox::JID&, int, std::string) override {}
    void handleAlreadyRegistered(const gloox::JID&) override {}
    void handleDataForm(const gloox::JID&, const gloox::DataForm&) override {}
    void handleOOB(const gloox::JID&, const gloox::OOB&) override {}

    // gloox is inside its own call here: the client is let go once it has returned.
    void Later(AccountFault why, bool again) {
        QMetaObject::invokeMethod(&account_, [a = &account_, why, again] { a->Dropped(why, again); },
                                  Qt::QueuedConnection);
    }

    XmppAccount& account_;
    std::unique_ptr<gloox::Client> client_;
    std::unique_ptr<gloox::Registration> registration_;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool registering_;
    bool loopback_ = false;
};

XmppAccount::XmppAccount(XmppSettings settings, QString resource, QObject* parent)
    : QObject(parent), settings_(std::move(settings)), resource_(std::move(resource)) {
    clock_.start();
    retry_.setSingleShot(true);
    connect(&retry_, &QTimer::timeout, this, &XmppAccount::Connect);
    drain_.setSingleShot(true);
    connect(&drain_, &QTimer::timeout, this, &XmppAccount::Drain);
    keepAlive_.setInterval(KeepAliveMs);
    connect(&keepAlive_, &QTimer::timeout, this, [this] {
        if (client_ && online_) client_->KeepAlive();
    });
}

XmppAccount::~XmppAccount() {
    // A farewell still waiting goes out whatever the pace.
    budget_ = 1e12;
    Drain();
    stopped_ = true;
    dial_.reset();
    client_.reset();
}

XmppAccount* XmppAccount::Register(const XmppSettings& settings, QObject* parent) {
    auto* account = new XmppAccount(settings, QString(), parent);
    account->registering_ = true;
    account->Start();
    return account;
}

void XmppAccount::Start() {
    stopped_ = false;
    if (!client_) Connect();
}

void XmppAccount::Stop() {
    stopped_ = true;
    retry_.stop();
    dial_.reset();
    keepAlive_.stop();
    online_ = false;
    client_.reset();
}

// Signed in, the address the server bound, which a server that chooses resources itself may
// have changed; before, the one asked for, with the name and the domain in lower case as
// servers give them.
QString XmppAccount::Address() const {
    if (online_ && client_ && !resource_.isEmpty()) return client_->Address();
    const QString bare = settings_.address.toLower();
    return resource_.isEmpty() ? bare : bare + QLatin1Char('/') + resource_;
}

void XmppAccount::Connect() {
    if (stopped_ || dial_) return;
    const bool named = settings_.address.count(QLatin1Char('@')) == 1 && !settings_.address.startsWith(QLatin1Char('@')) &&
                       !settings_.address.endsWith(QLatin1Char('@')) && !settings_.address.contains(QLatin1Char('/'));
    if (!named) return Dropped(AccountFault::BadAddress, false);
    dial_ = std::make_unique<XmppDial>(settings_, [this](int socket) {
        // Let go once its own call has returned.
        dial_.release()->deleteLater();
        if (stopped_) {
            if (socket >= 0) ::close(socket);
            return;
        }
        if (socket < 0) return Dropped(AccountFault::Unreachable, !registering_);
        client_ = std::make_unique<XmppClient>(*this, settings_, resource_, registering_, socket);
        if (!client_->Connect()) Dropped(AccountFault::Unreachable, !registering_);
    });
}

void XmppAccount::Connected() {
    online_ = true;
    pauseMs_ = FirstPauseMs;
    keepAlive_.start();
    emit Online();
    Drain();
}

void XmppAccount::Dropped(AccountFault why, bool again) {
    const bool was = online_;
    online_ = false;
    keepAlive_.stop();
    client_.reset();
    // What waited belongs to conversations that end with the connection.
    queue_.clear();
    if (stopped_) return;
    if (again) {
        retry_.start(pauseMs_);
        pauseMs_ = std::min(pauseMs_ * 2, LongestPauseMs);
    } else {
        stopped_ = true;
    }
    // A connection that could not be made again is told once, not at every try.
    if (was || !again || pauseMs_ == FirstPauseMs * 2) emit Offline(why);
}

void XmppAccount::Send(const QString& to, const QByteArray& body) {
    queue_.emplace_back(to, body);
    if (online_ && !drain_.isActive()) Drain();
}

void XmppAccount::Drain() {
    const qint64 now = clock_.elapsed();
    budget_ = std::max<double>(budget_, std::min<double>(BurstBytes, budget_ + (now - budgetAtMs_) * BytesPerSecond / 1000.0));
    budgetAtMs_ = now;
    while (online_ && client_ && !queue_.empty()) {
        const auto& [to, body] = queue_.front();
        const qsizetype bytes = body.size() + to.size();
        if (bytes > budget_) {
            drain_.start(static_cast<int>((bytes - budget_) * 1000 / BytesPerSecond) + 1);
            return;
        }
        budget_ -= static_cast<double>(bytes);
        client_->Send(to, body);
        queue_.pop_front();
    }
}

}  // namespace vantry::net
