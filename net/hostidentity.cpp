#include "hostidentity.h"

#include <QCryptographicHash>

#include <openssl/bio.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rand.h>
#include <openssl/x509.h>

#include <memory>

namespace vantry::net {

namespace {

// A guest joins while the game is on; a month covers the longest session without asking any
// clock to agree closely with the host's (a day's slack before it too).
constexpr long ValidSeconds = 31L * 24 * 3600;
constexpr long SlackSeconds = 24L * 3600;

struct KeyFree {
    void operator()(EVP_PKEY* k) const { EVP_PKEY_free(k); }
};
struct CertFree {
    void operator()(X509* x) const { X509_free(x); }
};
struct BioFree {
    void operator()(BIO* b) const { BIO_free(b); }
};
using Bio = std::unique_ptr<BIO, BioFree>;

QByteArray Contents(BIO* bio) {
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio, &data);
    return size > 0 ? QByteArray(data, static_cast<qsizetype>(size)) : QByteArray();
}

bool Fill(X509* cert, EVP_PKEY* key) {
    // A random serial, so that two hostings never present the same issuer and serial.
    unsigned char serial[16] = {};
    if (RAND_bytes(serial, sizeof serial) != 1) return false;
    serial[0] &= 0x7f;
    std::unique_ptr<BIGNUM, decltype(&BN_free)> number(BN_bin2bn(serial, sizeof serial, nullptr), &BN_free);
    if (!number || !BN_to_ASN1_INTEGER(number.get(), X509_get_serialNumber(cert))) return false;
    X509_NAME* name = X509_get_subject_name(cert);
    const unsigned char cn[] = "Vantry host";
    return X509_set_version(cert, 2) == 1 && X509_gmtime_adj(X509_getm_notBefore(cert), -SlackSeconds) &&
           X509_gmtime_adj(X509_getm_notAfter(cert), ValidSeconds) && X509_set_pubkey(cert, key) == 1 &&
           X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_ASC, cn, -1, -1, 0) == 1 &&
           X509_set_issuer_name(cert, name) == 1 && X509_sign(cert, key, EVP_sha256()) > 0;
}

}  // namespace

QByteArray HostIdentity::Fingerprint() const { return certificate.digest(QCryptographicHash::Sha256); }

std::optional<HostIdentity> HostIdentity::Make() {
    const std::unique_ptr<EVP_PKEY, KeyFree> key(EVP_EC_gen("P-256"));
    const std::unique_ptr<X509, CertFree> cert(X509_new());
    if (!key || !cert || !Fill(cert.get(), key.get())) return std::nullopt;

    const Bio certPem(BIO_new(BIO_s_mem()));
    const Bio keyPem(BIO_new(BIO_s_mem()));
    if (!certPem || !keyPem || PEM_write_bio_X509(certPem.get(), cert.get()) != 1 ||
        PEM_write_bio_PrivateKey(keyPem.get(), key.get(), nullptr, nullptr, 0, nullptr, nullptr) != 1) {
        return std::nullopt;
    }
    HostIdentity identity{QSslCertificate(Contents(certPem.get()), QSsl::Pem),
                          QSslKey(Contents(keyPem.get()), QSsl::Ec, QSsl::Pem, QSsl::PrivateKey)};
    if (identity.certificate.isNull() || identity.key.isNull()) return std::nullopt;
    return identity;
}

}  // namespace vantry::net
