#include "xmpplink.h"

#include <QtEndian>

#include "invitation.h"
#include "messagecodec.h"
#include "xmppaccount.h"

namespace vantry::net {

namespace {

constexpr auto Base64 = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

// What the sealed text says, by its first byte.
constexpr char Opening = 'o';
constexpr char Answer = 'a';
constexpr char Messages = 'm';
constexpr char Ping = 'p';
constexpr char Closing = 'c';

std::optional<QByteArray> Decoded(const QByteArray& text, qsizetype size = -1) {
    const auto d = QByteArray::fromBase64Encoding(text, Base64 | QByteArray::AbortOnBase64DecodingErrors);
    // Only the one spelling base64url without padding has: a changed stanza is no other stanza.
    if (!d || (size >= 0 && d.decoded.size() != size) || d.decoded.toBase64(Base64) != text) return std::nullopt;
    return d.decoded;
}

// The same full address, whatever the case of its name and domain.
bool SameAddress(const QString& a, const QString& b) {
    const qsizetype slash = a.indexOf(QLatin1Char('/'));
    return slash == b.indexOf(QLatin1Char('/')) && a.left(slash).compare(b.left(slash), Qt::CaseInsensitive) == 0 &&
           a.mid(slash) == b.mid(slash);
}

QByteArray RandomBytes(int size) {
    QByteArray secret = NewSecret();
    while (secret.size() < size) secret += NewSecret();
    return secret.left(size);
}

}  // namespace

std::optional<XmppLink::Packet> XmppLink::Read(const QByteArray& body) {
    if (body.size() > XmppAccount::MaxStanzaBytes) return std::nullopt;
    const QList<QByteArray> parts = body.split('.');
    if (parts.size() != 3) return std::nullopt;
    const auto keyId = Decoded(parts[0], KeyIdBytes);
    const auto session = Decoded(parts[1], SessionBytes);
    const auto sealed = Decoded(parts[2]);
    if (!keyId || !session || !sealed || sealed->size() <= SealOverhead) return std::nullopt;
    return Packet{*keyId, *session, *sealed};
}

XmppLink* XmppLink::Dial(XmppAccount& account, const Invitation& invitation, QObject* parent) {
    const QByteArray session = RandomBytes(SessionBytes);
    auto* link = new XmppLink(account, invitation.xmpp, KeyIdOf(invitation.secret), session,
                              SessionKeys::Of(invitation.secret, session), false, parent);
    connect(&account, &XmppAccount::Heard, link, [link](const QString& from, const QByteArray& body) {
        if (!SameAddress(from, link->peer_)) return;
        if (const auto packet = Read(body); packet && packet->session == link->session_) link->Take(*packet);
    });
    connect(&account, &XmppAccount::Bounced, link, [link](const QString& from) {
        if (SameAddress(from, link->peer_)) link->End(LinkEnd::Unreachable);
    });
    const auto open = [link] { link->Put(Opening, {}); };
    if (account.IsOnline()) {
        open();
    } else {
        connect(&account, &XmppAccount::Online, link, open, Qt::SingleShotConnection);
    }
    return link;
}

XmppLink::XmppLink(XmppAccount& account, QString peer, QByteArray keyId, QByteArray session, const SessionKeys& keys,
                   bool hostEnd, QObject* parent)
    : Link(parent),
      account_(account),
      peer_(std::move(peer)),
      keyId_(std::move(keyId)),
      session_(std::move(session)),
      out_(hostEnd ? keys.toGuest : keys.toHost),
      in_(hostEnd ? keys.toHost : keys.toGuest),
      hostEnd_(hostEnd) {
    clock_.start();
    flush_.setSingleShot(true);
    connect(&flush_, &QTimer::timeout, this, &XmppLink::Flush);
    ping_.setSingleShot(true);
    connect(&ping_, &QTimer::timeout, this, [this] { Put(Ping, {}); });
    silence_.setSingleShot(true);
    connect(&silence_, &QTimer::timeout, this, [this] { End(LinkEnd::Unreachable); });
    silence_.start(SilentMs);
    // A connection of the account's that broke took the conversation with it.
    connect(&account_, &XmppAccount::Offline, this, [this] { End(LinkEnd::Unreachable); });
    if (!hostEnd_) {
        opening_.setSingleShot(true);
        connect(&opening_, &QTimer::timeout, this, [this] { End(LinkEnd::Unreachable); });
        opening_.start(OpenMs);
    }
}

void XmppLink::Take(const Packet& packet) {
    if (ended_ || packet.keyId != keyId_) return;
    // What does not unseal is no word of the peer's: a server's forgery or a stanza sent again.
    const auto plain = in_.Open(packet.sealed, keyId_ + session_);
    if (plain && !plain->isEmpty()) Heard(*plain);
}

void XmppLink::Heard(const QByteArray& plain) {
    silence_.start(SilentMs);
    const char kind = plain[0];
    const QByteArray payload = plain.mid(1);
    if (kind == Messages && open_) return Unpack(payload);
    if (kind == Ping && payload.isEmpty()) return;
    if (kind == Closing && payload.isEmpty()) return End(LinkEnd::Closed);
    if (kind == Answer && !hostEnd_ && !open_ && payload.isEmpty()) {
        opening_.stop();
        open_ = true;
        emit Opened();
        return;
    }
    End(LinkEnd::Malformed);
}

void XmppLink::Unpack(const QByteArray& packed) {
    // The size qCompress wrote ahead is checked before anything is inflated.
    if (packed.size() < 4 || qFromBigEndian<quint32>(packed.constData()) > static_cast<quint32>(MaxFrameBytes)) {
        return End(LinkEnd::Malformed);
    }
    const QByteArray text = qUncompress(packed);
    if (text.isEmpty()) return End(LinkEnd::Malformed);
    for (const QByteArray& frame : text.split('\n')) {
        const auto message = DecodeMessage(frame);
        if (!message) return End(LinkEnd::Malformed);
        if (hostEnd_ && !rate_.Take(clock_.elapsed())) return End(LinkEnd::Flooded);
        emit Received(*message);
        if (ended_) return;
    }
}

void XmppLink::Send(const Message& message) {
    if (!open_) return;
    // Compact JSON holds no line break: one ends each message.
    pending_.push_back(EncodeMessage(message));
    if (!flush_.isActive()) flush_.start(0);
}

// What was sent in one turn of the event loop goes in as few stanzas as it fits.
void XmppLink::Flush() {
    flush_.stop();
    QByteArray batch;
    const auto put = [this](const QByteArray& text) { Put(Messages, qCompress(text)); };
    for (const QByteArray& frame : pending_) {
        const QByteArray more = batch.isEmpty() ? frame : batch + '\n' + frame;
        // Within what the peer inflates, too: a run of like messages packs far past it.
        if (more.size() <= MaxFrameBytes &&
            (more.size() <= MaxPackedBytes || qCompress(more).size() <= MaxPackedBytes)) {
            batch = more;
            continue;
        }
        if (batch.isEmpty()) return End(LinkEnd::Malformed);
        put(batch);
        batch = frame;
    }
    pending_.clear();
    if (!batch.isEmpty()) {
        if (qCompress(batch).size() > MaxPackedBytes) return End(LinkEnd::Malformed);
        put(batch);
    }
}

void XmppLink::Put(char kind, const QByteArray& payload) {
    if (ended_) return;
    const QByteArray sealed = out_.Seal(kind + payload, keyId_ + session_);
    if (sealed.isEmpty()) return End(LinkEnd::Malformed);
    account_.Send(peer_, keyId_.toBase64(Base64) + '.' + session_.toBase64(Base64) + '.' + sealed.toBase64(Base64));
    ping_.start(PingMs);
}

void XmppLink::Close() {
    if (ended_) return;
    Flush();
    Put(Closing, {});
    End(LinkEnd::Closed);
}

void XmppLink::End(LinkEnd why) {
    if (ended_) return;
    ended_ = true;
    open_ = false;
    pending_.clear();
    flush_.stop();
    opening_.stop();
    ping_.stop();
    silence_.stop();
    disconnect(&account_, nullptr, this, nullptr);
    emit Ended(why);
}

XmppServer::XmppServer(XmppAccount& account, Secrets secrets, QObject* parent)
    : LinkServer(parent), account_(account), secrets_(std::move(secrets)) {
    clock_.start();
    connect(&account_, &XmppAccount::Heard, this, &XmppServer::Heard);
    connect(&account_, &XmppAccount::Bounced, this, [this](const QString& from) {
        std::vector<XmppLink*> gone;
        for (auto& [session, link] : links_) {
            if (link->peer_ == from) gone.push_back(link);
        }
        for (XmppLink* link : gone) link->End(LinkEnd::Unreachable);
    });
}

void XmppServer::Heard(const QString& from, const QByteArray& body) {
    const auto packet = XmppLink::Read(body);
    if (!packet) return;
    if (const auto it = links_.find(packet->session); it != links_.end()) {
        if (it->second->peer_ == from) it->second->Take(*packet);
        return;
    }
    if (used_.count(packet->session) || !opens_.Take(clock_.elapsed())) return;
    const QByteArray secret = secrets_(packet->keyId);
    if (secret.isEmpty()) return;
    const SessionKeys keys = SessionKeys::Of(secret, packet->session);
    Opener opener(keys.toHost);
    const auto plain = opener.Open(packet->sealed, packet->keyId + packet->session);
    if (!plain || *plain != QByteArray(1, Opening)) return;

    used_.insert(packet->session);
    auto* link = new XmppLink(account_, from, packet->keyId, packet->session, keys, true, this);
    link->in_ = opener;
    link->rate_ = TokenBucket(limits_.first, limits_.second);
    link->open_ = true;
    links_[packet->session] = link;
    const QByteArray session = packet->session;
    connect(link, &QObject::destroyed, this, [this, session] { links_.erase(session); });
    link->Put(Answer, {});
    emit Arrived(link);
}

}  // namespace vantry::net
