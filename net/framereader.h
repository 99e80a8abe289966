#pragma once

#include <QByteArray>

namespace vantry::net {

// Cuts a byte stream into frames: each a four-byte big-endian length, then that many bytes.
// A length past MaxFrameBytes breaks the stream for good, before any of its bytes are kept.
class FrameReader {
public:
    // The bytes of one frame, length first.
    static QByteArray Framed(const QByteArray& payload);

    void Append(const QByteArray& bytes);
    // Takes the next whole frame, when one has arrived and the stream is not broken.
    bool Next(QByteArray& payload);
    bool Broken() const { return broken_; }

private:
    QByteArray buffer_;
    qsizetype start_ = 0;
    bool broken_ = false;
};

}  // namespace vantry::net
