#include "invitation.h"

#include <QRandomGenerator>
#include <QUrl>
#include <QUrlQuery>

#include <array>

#include "message.h"

namespace vantry::net {

namespace {
constexpr int FingerprintBytes = 32;
constexpr auto SecretEncoding = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

constexpr int MaxXmppChars = 200;

// A full address, as an account signed in has it: a name, a domain and a resource.
bool IsXmppAddress(const QString& a) {
    const qsizetype at = a.indexOf(QLatin1Char('@'));
    const qsizetype slash = a.indexOf(QLatin1Char('/'));
    return a.size() <= MaxXmppChars && at > 0 && slash > at + 1 && slash + 1 < a.size() &&
           a.count(QLatin1Char('@')) == 1 && IsPlainText(a, MaxXmppChars) && !a.contains(QLatin1Char(' '));
}

QString SeatText(int seat) { return seat == Invitation::Watch ? QStringLiteral("watch") : QString::number(seat); }
}  // namespace

namespace {
// The server's domain of a full XMPP address.
QString DomainOf(const QString& xmpp) { return xmpp.section(QLatin1Char('@'), 1).section(QLatin1Char('/'), 0, 0); }
}  // namespace

QString Invitation::Format() const {
    QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                       ? QLatin1Char('[') + address.toString() + QLatin1Char(']')
                       : address.toString();
    host += QLatin1Char(':') + QString::number(port);
    // A host reached through the server alone is named by its server's domain, with no port.
    if (ServerOnly()) host = DomainOf(xmpp);
    QString link = QStringLiteral("vantry://%1/join?seat=%2&fp=%3&key=%4")
                       .arg(host, SeatText(seat), QString::fromLatin1(fingerprint.toHex()),
                            QString::fromLatin1(secret.toBase64(SecretEncoding)));
    if (!xmpp.isEmpty()) link += QStringLiteral("&xmpp=") + QString::fromLatin1(QUrl::toPercentEncoding(xmpp));
    return link;
}

std::optional<Invitation> Invitation::Parse(const QString& link) {
    // Far longer than any invitation; nothing past it is read.
    if (link.size() > 512) return std::nullopt;
    const QUrl url(link, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("vantry") || url.path() != QLatin1String("/join") ||
        !url.userInfo().isEmpty() || url.hasFragment()) {
        return std::nullopt;
    }
    Invitation in;
    const int port = url.port();
    // No port: the host is reached through its XMPP server alone, which the last field names.
    if (port != -1 && (!in.address.setAddress(url.host()) || port < 1 || port > 65535)) return std::nullopt;
    in.port = port == -1 ? 0 : static_cast<quint16>(port);

    const auto items = QUrlQuery(url).queryItems(QUrl::FullyEncoded);
    if (items.size() == 4 && items[3].first == QLatin1String("xmpp")) {
        in.xmpp = QUrl::fromPercentEncoding(items[3].second.toLatin1());
        if (!IsXmppAddress(in.xmpp)) return std::nullopt;
    } else if (items.size() != 3 || in.port == 0) {
        return std::nullopt;
    }
    if (items[0].first != QLatin1String("seat") || items[1].first != QLatin1String("fp") ||
        items[2].first != QLatin1String("key")) {
        return std::nullopt;
    }
    const QString& seat = items[0].second;
    if (seat == QLatin1String("watch")) {
        in.seat = Watch;
    } else if (seat.size() == 1 && seat[0] >= QLatin1Char('0') && seat[0] <= QLatin1Char('3')) {
        in.seat = seat[0].unicode() - '0';
    } else {
        return std::nullopt;
    }
    in.fingerprint = QByteArray::fromHex(items[1].second.toLatin1());
    const auto secret = QByteArray::fromBase64Encoding(items[2].second.toLatin1(),
                                                       SecretEncoding | QByteArray::AbortOnBase64DecodingErrors);
    if (in.fingerprint.size() != FingerprintBytes || !secret || secret.decoded.size() != SecretBytes) {
        return std::nullopt;
    }
    in.secret = secret.decoded;
    // The writer's own spelling alone: upper-case hex, a zero-padded port or an address written
    // another way would read as the same invitation, and a changed link must not.
    if (in.Format() != link) return std::nullopt;
    return in;
}

QByteArray NewSecret() {
    std::array<quint32, SecretBytes / 4> words{};
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char*>(words.data()), SecretBytes);
}

bool SameSecret(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size()) return false;
    unsigned char diff = 0;
    for (qsizetype i = 0; i < a.size(); ++i) diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    return diff == 0;
}

}  // namespace vantry::net
