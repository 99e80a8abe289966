#include "messagecodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <climits>

#include "eventjson.h"
#include "jsonfields.h"

namespace vantry::net {

namespace {

using Type = Message::Type;

constexpr const char* TypeNames[] = {"hello", "welcome", "event", "throw", "move", "chat",
                                     "refused", "away", "back", "bye", "version"};
constexpr int TypeCount = 11;
constexpr int MaxVersion = 1000000;

constexpr auto SecretEncoding = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

QJsonObject Body(const Message& m) {
    QJsonObject o;
    switch (m.type) {
        case Type::Hello:
            o.insert("v", m.version);
            o.insert("k", QString::fromLatin1(m.secret.toBase64(SecretEncoding)));
            o.insert("g", m.game);
            o.insert("n", m.number);
            break;
        case Type::Welcome: {
            QJsonArray names;
            QJsonArray kinds;
            for (std::size_t s = 0; s < 4; ++s) {
                names.append(m.names[s]);
                kinds.append(static_cast<int>(m.kinds[s]));
            }
            o.insert("s", m.seat);
            o.insert("g", m.game);
            o.insert("na", names);
            o.insert("ki", kinds);
            break;
        }
        case Type::Event:
            o.insert("n", m.number);
            o.insert("e", EventToJson(m.event));
            break;
        case Type::Chat:
            o.insert("s", m.seat);
            o.insert("x", m.text);
            break;
        case Type::Refused: o.insert("r", static_cast<int>(m.refusal)); break;
        case Type::SeatAway:
        case Type::SeatBack: o.insert("s", m.seat); break;
        case Type::Bye: o.insert("r", static_cast<int>(m.bye)); break;
        case Type::VersionMismatch:
            o.insert("v", m.version);
            o.insert("w", m.theirVersion);
            break;
        case Type::Throw:
        case Type::Move: break;
    }
    return o;
}

// The secret exactly as the writer spells it: base64url without padding, of its length.
bool ReadSecret(const QString& text, QByteArray& out) {
    const QByteArray ascii = text.toLatin1();
    const auto decoded = QByteArray::fromBase64Encoding(ascii, SecretEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || decoded.decoded.size() != SecretBytes || decoded.decoded.toBase64(SecretEncoding) != ascii) {
        return false;
    }
    out = decoded.decoded;
    return true;
}

bool ReadWelcome(JsonFields& f, Message& m) {
    QJsonArray names;
    QJsonArray kinds;
    if (!(f.Int("s", WatcherSeat, 3, m.seat) && f.Int("g", 0, INT_MAX, m.game) && f.Array("na", 4, names) &&
          f.Array("ki", 4, kinds))) {
        return false;
    }
    for (qsizetype s = 0; s < 4; ++s) {
        long long kind = 0;
        if (!names[s].isString() || !IsPlainText(names[s].toString(), MaxNameChars) ||
            !WholeNumber(kinds[s], 0, 2, kind)) {
            return false;
        }
        m.names[static_cast<std::size_t>(s)] = names[s].toString();
        m.kinds[static_cast<std::size_t>(s)] = static_cast<SeatKind>(kind);
    }
    return true;
}

bool ReadBody(const QJsonObject& o, Message& m) {
    JsonFields f(o);
    f.Known("t");  // the type, read already
    switch (m.type) {
        case Type::Hello: {
            QString secret;
            return f.Int("v", ProtocolVersion, ProtocolVersion, m.version) && f.String("k", secret) &&
                   ReadSecret(secret, m.secret) && f.Int("g", 0, INT_MAX, m.game) &&
                   f.Int("n", -1, INT_MAX, m.number) && f.Done();
        }
        case Type::Welcome: return ReadWelcome(f, m) && f.Done();
        case Type::Event: {
            QJsonObject event;
            if (!(f.Int("n", 0, INT_MAX, m.number) && f.Object("e", event) && f.Done())) return false;
            const auto e = EventFromJson(event);
            if (e) m.event = *e;
            return e.has_value();
        }
        case Type::Chat:
            return f.Int("s", ChatFromWatcher, 3, m.seat) && f.String("x", m.text) && f.Done() && !m.text.isEmpty() &&
                   IsPlainText(m.text, MaxChatChars);
        case Type::Refused: return f.Int("r", 0, RefusalCount - 1, m.refusal) && f.Done();
        case Type::SeatAway:
        case Type::SeatBack: return f.Int("s", 0, 3, m.seat) && f.Done();
        case Type::Bye: return f.Int("r", 0, ByeReasonCount - 1, m.bye) && f.Done();
        case Type::VersionMismatch:
            return f.Int("v", 1, MaxVersion, m.version) && f.Int("w", 1, MaxVersion, m.theirVersion) && f.Done();
        case Type::Throw:
        case Type::Move: return f.Done();
    }
    return false;
}

}  // namespace

QByteArray EncodeMessage(const Message& message) {
    QJsonObject o = Body(message);
    o.insert("t", QLatin1String(TypeNames[static_cast<int>(message.type)]));
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

std::optional<Message> DecodeMessage(const QByteArray& text) {
    if (text.size() > MaxFrameBytes) return std::nullopt;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(text, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject()) return std::nullopt;
    const QJsonObject o = doc.object();
    const QString type = o.value(QLatin1String("t")).toString();
    Message m;
    bool known = false;
    for (int t = 0; t < TypeCount && !known; ++t) {
        known = type == QLatin1String(TypeNames[t]);
        if (known) m.type = static_cast<Type>(t);
    }
    if (!known) return std::nullopt;
    if (m.type == Type::Hello) {
        long long version = 0;
        if (!WholeNumber(o.value(QLatin1String("v")), 1, MaxVersion, version)) return std::nullopt;
        if (version != ProtocolVersion) {
            Message other;
            other.version = static_cast<int>(version);
            return other;
        }
    }
    if (!ReadBody(o, m)) return std::nullopt;
    return m;
}

}  // namespace vantry::net
