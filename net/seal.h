#pragma once

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace vantry::net {

// End-to-end protection of a game's messages where a server in between carries them: keys
// drawn from an invitation's secret by HKDF-SHA-256, each message sealed with AES-256-GCM under
// a counter that only goes up, so that a message changed, sealed under another key or sent
// again is refused. A server that carries the messages learns who talks to whom and how much,
// nothing of what is said, and cannot speak for either side.
constexpr int KeyIdBytes = 12;
constexpr int SessionBytes = 16;
// The counter before the sealed text and the tag after it.
constexpr int SealOverhead = 8 + 16;

// What names the secret's seat to the host without giving the secret away.
QByteArray KeyIdOf(const QByteArray& secret);

// The two keys of one conversation, one each way, drawn from the secret and the conversation's
// random identifier: a secret's conversations never share a key.
struct SessionKeys {
    QByteArray toHost;
    QByteArray toGuest;
    static SessionKeys Of(const QByteArray& secret, const QByteArray& session);
};

// One direction's sending end.
class Sealer {
public:
    explicit Sealer(QByteArray key) : key_(std::move(key)) {}
    // The counter, the sealed text and its tag; `bound` is checked with them but not sent.
    QByteArray Seal(const QByteArray& plain, const QByteArray& bound);

private:
    QByteArray key_;
    std::uint64_t next_ = 0;
};

// One direction's receiving end: takes only what its key sealed with `bound`, each counter once
// and in rising order.
class Opener {
public:
    explicit Opener(QByteArray key) : key_(std::move(key)) {}
    std::optional<QByteArray> Open(const QByteArray& sealed, const QByteArray& bound);

private:
    QByteArray key_;
    std::uint64_t next_ = 0;
};

}  // namespace vantry::net
