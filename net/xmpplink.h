#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>
#include <QString>
#include <QTimer>

#include <functional>
#include <map>
#include <set>

#include "link.h"
#include "linkserver.h"
#include "seal.h"
#include "tokenbucket.h"

namespace vantry::net {

class XmppAccount;
struct Invitation;

// A link through XMPP servers: the direct protocol's messages, packed a few to a stanza,
// compressed and sealed end to end under keys drawn from the invitation's secret. Each stanza's
// body is "<key id>.<conversation>.<sealed>", all in unpadded base64url: the key id tells the
// host which seat's secret opens it, the conversation tells one connection of that seat from
// the next. The guest opens a conversation and the host answers it; without a message either
// way for a while the other side is taken to be gone. No stanza grows past the account's limit.
// Delete it with deleteLater: it may be the sender of the signal being handled.
class XmppLink final : public Link {
    Q_OBJECT
public:
    // The host's answer is awaited this long.
    static constexpr int OpenMs = 15000;
    // Each side says something at least this often, and takes the other as gone after a silence
    // of SilentMs.
    static constexpr int PingMs = 20000;
    static constexpr int SilentMs = 65000;
    // What one stanza's packed messages may take, compressed, before they are sealed: with the
    // header, the base64 and the stanza's own XML it stays under the account's limit.
    static constexpr int MaxPackedBytes = 2400;

    // A guest's conversation with the host the invitation names, through `account`.
    static XmppLink* Dial(XmppAccount& account, const Invitation& invitation, QObject* parent = nullptr);

    void Send(const Message& message) override;
    void Close() override;
    void Abort() override { End(LinkEnd::Closed); }
    bool IsOpen() const override { return open_; }

    // The body of a stanza, split and decoded: no value for anything else.
    struct Packet {
        QByteArray keyId;
        QByteArray session;
        QByteArray sealed;
    };
    static std::optional<Packet> Read(const QByteArray& body);

private:
    friend class XmppServer;
    XmppLink(XmppAccount& account, QString peer, QByteArray keyId, QByteArray session, const SessionKeys& keys,
             bool hostEnd, QObject* parent);
    void Heard(const QByteArray& plain);
    void Take(const Packet& packet);
    void Put(char kind, const QByteArray& payload);
    void Flush();
    void Unpack(const QByteArray& packed);
    void End(LinkEnd why);

    XmppAccount& account_;
    QString peer_;
    QByteArray keyId_;
    QByteArray session_;
    Sealer out_;
    Opener in_;
    bool hostEnd_;
    QList<QByteArray> pending_;
    QTimer flush_;
    QTimer opening_;
    QTimer ping_;
    QTimer silence_;
    TokenBucket rate_{20, 10};
    QElapsedTimer clock_;
    bool open_ = false;
    bool ended_ = false;
};

// The host's end of play through XMPP: a conversation whose key id names an invitation's secret
// and whose opening that secret unseals becomes a link. Anything else (another key, a changed
// stanza, a conversation opened once already) is dropped unanswered.
class XmppServer final : public LinkServer {
    Q_OBJECT
public:
    // The secret whose key id is given, or empty.
    using Secrets = std::function<QByteArray(const QByteArray& keyId)>;

    XmppServer(XmppAccount& account, Secrets secrets, QObject* parent = nullptr);
    // How fast each peer may send; a peer past it loses its link.
    void SetLimits(int burst, int perSecond) { limits_ = {burst, perSecond}; }
    XmppAccount& Account() const { return account_; }

private:
    void Heard(const QString& from, const QByteArray& body);

    XmppAccount& account_;
    Secrets secrets_;
    std::map<QByteArray, XmppLink*> links_;
    // Conversations opened once: sent again, their keys would seal under counters used before.
    std::set<QByteArray> used_;
    std::pair<int, int> limits_{20, 10};
    // New conversations cost a key's derivation each; a flood of them is let through slowly.
    TokenBucket opens_{16, 4};
    QElapsedTimer clock_;
};

}  // namespace vantry::net
