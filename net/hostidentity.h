#pragma once

#include <QByteArray>
#include <QSslCertificate>
#include <QSslKey>

#include <optional>

namespace vantry::net {

// The key and self-signed certificate a host makes when it begins hosting. Nobody vouches
// for it: the guests know it by the fingerprint their invitation carries.
struct HostIdentity {
    QSslCertificate certificate;
    QSslKey key;

    // The SHA-256 digest of the certificate, as the invitation carries it.
    QByteArray Fingerprint() const;
    // A new P-256 key and a certificate for it; no value when the cryptography library fails.
    static std::optional<HostIdentity> Make();
};

}  // namespace vantry::net
