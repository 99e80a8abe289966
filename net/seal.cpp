#include "seal.h"

#include <openssl/evp.h>
#include <openssl/kdf.h>

#include <memory>

namespace vantry::net {

namespace {

constexpr int KeyBytes = 32;
constexpr int NonceBytes = 12;
constexpr int TagBytes = 16;
constexpr int CounterBytes = 8;

using KdfContext = std::unique_ptr<EVP_PKEY_CTX, decltype(&EVP_PKEY_CTX_free)>;
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, decltype(&EVP_CIPHER_CTX_free)>;

const unsigned char* Bytes(const QByteArray& a) { return reinterpret_cast<const unsigned char*>(a.constData()); }
unsigned char* Bytes(QByteArray& a) { return reinterpret_cast<unsigned char*>(a.data()); }

QByteArray Derive(const QByteArray& secret, const QByteArray& salt, const char* purpose, int size) {
    KdfContext kdf(EVP_PKEY_CTX_new_id(EVP_PKEY_HKDF, nullptr), EVP_PKEY_CTX_free);
    QByteArray out(size, '\0');
    const QByteArray info(purpose);
    auto length = static_cast<std::size_t>(size);
    // An empty salt is HKDF's default, a block of zeros.
    const bool ok = kdf && EVP_PKEY_derive_init(kdf.get()) > 0 &&
                    EVP_PKEY_CTX_set_hkdf_md(kdf.get(), EVP_sha256()) > 0 &&
                    EVP_PKEY_CTX_set1_hkdf_key(kdf.get(), Bytes(secret), static_cast<int>(secret.size())) > 0 &&
                    (salt.isEmpty() ||
                     EVP_PKEY_CTX_set1_hkdf_salt(kdf.get(), Bytes(salt), static_cast<int>(salt.size())) > 0) &&
                    EVP_PKEY_CTX_add1_hkdf_info(kdf.get(), Bytes(info), static_cast<int>(info.size())) > 0 &&
                    EVP_PKEY_derive(kdf.get(), Bytes(out), &length) > 0 && length == static_cast<std::size_t>(size);
    // A key of zeros would still seal: a failure must leave nothing that works.
    return ok ? out : QByteArray();
}

QByteArray CounterBytesOf(std::uint64_t counter) {
    QByteArray bytes(CounterBytes, '\0');
    for (int i = CounterBytes - 1; i >= 0; --i, counter >>= 8) bytes[i] = static_cast<char>(counter & 0xff);
    return bytes;
}

std::uint64_t CounterOf(const QByteArray& sealed) {
    std::uint64_t counter = 0;
    for (int i = 0; i < CounterBytes; ++i) counter = (counter << 8) | static_cast<unsigned char>(sealed[i]);
    return counter;
}

// The nonce is the counter, padded: a key never sees the same one twice.
QByteArray NonceOf(const QByteArray& counter) { return QByteArray(NonceBytes - CounterBytes, '\0') + counter; }

bool Start(EVP_CIPHER_CTX* c, bool seal, const QByteArray& key, const QByteArray& nonce, const QByteArray& bound) {
    int ignored = 0;
    const auto init = seal ? EVP_EncryptInit_ex : EVP_DecryptInit_ex;
    const auto update = seal ? EVP_EncryptUpdate : EVP_DecryptUpdate;
    return key.size() == KeyBytes && init(c, EVP_aes_256_gcm(), nullptr, nullptr, nullptr) > 0 &&
           EVP_CIPHER_CTX_ctrl(c, EVP_CTRL_GCM_SET_IVLEN, NonceBytes, nullptr) > 0 &&
           init(c, nullptr, nullptr, Bytes(key), Bytes(nonce)) > 0 &&
           update(c, nullptr, &ignored, Bytes(bound), static_cast<int>(bound.size())) > 0;
}

}  // namespace

QByteArray KeyIdOf(const QByteArray& secret) { return Derive(secret, {}, "vantry key id", KeyIdBytes); }

SessionKeys SessionKeys::Of(const QByteArray& secret, const QByteArray& session) {
    return {Derive(secret, session, "vantry to host", KeyBytes), Derive(secret, session, "vantry to guest", KeyBytes)};
}

QByteArray Sealer::Seal(const QByteArray& plain, const QByteArray& bound) {
    const QByteArray counter = CounterBytesOf(next_);
    CipherContext c(EVP_CIPHER_CTX_new(), EVP_CIPHER_CTX_free);
    QByteArray out = counter + QByteArray(plain.size() + TagBytes, '\0');
    int written = 0;
    int last = 0;
    if (!c || !Start(c.get(), true, key_, NonceOf(counter), bound) ||
        EVP_EncryptUpdate(c.get(), Bytes(out) + CounterBytes, &written, Bytes(plain), static_cast<int>(plain.size())) <= 0 ||
        EVP_EncryptFinal_ex(c.get(), Bytes(out) + CounterBytes + written, &last) <= 0 ||
        EVP_CIPHER_CTX_ctrl(c.get(), EVP_CTRL_GCM_GET_TAG, TagBytes, Bytes(out) + CounterBytes + plain.size()) <= 0) {
        return {};
    }
    ++next_;
    return out;
}

std::optional<QByteArray> Opener::Open(const QByteArray& sealed, const QByteArray& bound) {
    if (sealed.size() < SealOverhead) return std::nullopt;
    const std::uint64_t counter = CounterOf(sealed);
    // The last counter of all is never taken: the next one would start the count again.
    if (counter < next_ || counter == UINT64_MAX) return std::nullopt;
    const qsizetype textBytes = sealed.size() - SealOverhead;
    QByteArray tag = sealed.right(TagBytes);
    QByteArray plain(textBytes, '\0');
    CipherContext c(EVP_CIPHER_CTX_new(), EVP_CIPHER_CTX_free);
    int written = 0;
    int last = 0;
    if (!c || !Start(c.get(), false, key_, NonceOf(sealed.left(CounterBytes)), bound) ||
        EVP_DecryptUpdate(c.get(), Bytes(plain), &written, Bytes(sealed) + CounterBytes, static_cast<int>(textBytes)) <= 0 ||
        EVP_CIPHER_CTX_ctrl(c.get(), EVP_CTRL_GCM_SET_TAG, TagBytes, Bytes(tag)) <= 0 ||
        EVP_DecryptFinal_ex(c.get(), Bytes(plain) + written, &last) <= 0) {
        return std::nullopt;
    }
    next_ = counter + 1;
    return plain;
}

}  // namespace vantry::net
