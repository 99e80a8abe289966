#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>

#include <optional>

namespace vantry::net {

// What a guest needs to join a hosted game: where the host listens, the SHA-256 fingerprint
// of the certificate it made for this game, the seat offered (or watching) and the secret
// that opens it. Given as a link the host sends by any way the players like:
// vantry://203.0.113.7:40123/join?seat=2&fp=<64 hex digits>&key=<22 base64url characters>
// ("seat=watch" for a watcher; an IPv6 address in brackets). A host signed in to an XMPP account
// adds "&xmpp=<its full XMPP address, percent-encoded>": a guest may reach it through the servers.
struct Invitation {
    static constexpr int Watch = -1;

    QHostAddress address;
    quint16 port = 0;
    QByteArray fingerprint;  // 32 bytes
    int seat = Watch;
    QByteArray secret;  // SecretBytes
    QString xmpp;       // name@domain/resource, or empty

    // Reached through the host's XMPP server alone: the link names the server's domain and
    // no port, and no port is open on the host.
    bool ServerOnly() const { return port == 0 && !xmpp.isEmpty(); }
    QString Format() const;
    // Only a link Format() writes, character for character: anything else is no invitation.
    static std::optional<Invitation> Parse(const QString& link);
};

// A new secret from the system's cryptographic generator.
QByteArray NewSecret();
// Compares in a time that does not tell how much of a guess was right.
bool SameSecret(const QByteArray& a, const QByteArray& b);

}  // namespace vantry::net
