#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <deque>
#include <memory>
#include <utility>


namespace vantry::net {

// An XMPP account as the player gives it: the address, its password and, for a server that
// cannot be found from the address's domain, where it listens.
struct XmppSettings {
    QString address;  // name@domain
    QString password;
    QString server;  // empty: found from the domain
    quint16 port = 0;
    // Only a server on this computer may be spoken to without TLS; elsewhere TLS is required and
    // its certificate must be one the system trusts.
    bool Loopback() const;
};

// Why an account is not signed in, for the UI to word.
enum class AccountFault : std::uint8_t {
    WrongPassword,   // the server turned the address and password down
    Unreachable,     // no connection to the server, or it broke; tried again by itself
    Insecure,        // the server's certificate is not trusted, or it offers no TLS
    Refused,         // the server refused to make the account
    Taken,           // the name is taken already
    BadAddress,      // no XMPP address
};

class XmppClient;
class XmppDial;

// This copy signed in to its account, on Qt's event loop: gloox reads the connection whenever
// its socket has something. Messages go out at a pace a server's limits allow (a short burst,
// then a few a second); what waits is sent in its order. A connection that breaks is made
// again by itself, waiting longer each time, under the same resource, so that an invitation
// that names it still finds it.
class XmppAccount final : public QObject {
    Q_OBJECT
public:
    // No stanza is sent past this size; a server may refuse bigger ones.
    static constexpr int MaxStanzaBytes = 4096;
    static constexpr int FirstPauseMs = 500;
    static constexpr int LongestPauseMs = 15000;
    static constexpr int BurstBytes = 16384;
    static constexpr int BytesPerSecond = 6000;

    XmppAccount(XmppSettings settings, QString resource, QObject* parent = nullptr);
    ~XmppAccount() override;

    void Start();
    void Stop();
    void SetPassword(const QString& password) { settings_.password = password; }
    bool IsOnline() const { return online_; }
    // The address with this copy's resource, as an invitation names it.
    QString Address() const;
    // A message to a full address; `body` is plain ASCII. Queued while offline.
    void Send(const QString& to, const QByteArray& body);
    // Bytes of the largest stanza this account was given to send (one past MaxStanzaBytes is
    // not sent), for the figures.
    int LargestStanza() const { return largest_; }

    // Makes the account on its server by in-band registration; Registered or Failed follows.
    static XmppAccount* Register(const XmppSettings& settings, QObject* parent = nullptr);

signals:
    void Online();
    void Offline(vantry::net::AccountFault why);
    void Heard(const QString& from, const QByteArray& body);
    // The server could not deliver to `from`.
    void Bounced(const QString& from);
    void Registered();

private:
    friend class XmppClient;
    void Connect();
    void Connected();
    void Dropped(AccountFault why, bool again);
    void Drain();

    XmppSettings settings_;
    QString resource_;
    std::unique_ptr<XmppDial> dial_;
    std::unique_ptr<XmppClient> client_;
    QTimer retry_;
    QTimer drain_;
    QTimer keepAlive_;
    std::deque<std::pair<QString, QByteArray>> queue_;
    // Bytes that may go out now: a burst, then a steady share each second, below the rate a
    // server's usual limits allow a client.
    double budget_ = BurstBytes;
    qint64 budgetAtMs_ = 0;
    QElapsedTimer clock_;
    int pauseMs_ = FirstPauseMs;
    int largest_ = 0;
    bool online_ = false;
    bool stopped_ = true;
    bool registering_ = false;
};

}  // namespace vantry::net
