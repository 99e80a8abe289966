#include "framereader.h"

#include "message.h"

namespace vantry::net {

namespace {
constexpr qsizetype HeaderBytes = 4;
}

QByteArray FrameReader::Framed(const QByteArray& payload) {
    const auto n = static_cast<quint32>(payload.size());
    QByteArray bytes;
    bytes.reserve(HeaderBytes + payload.size());
    for (int shift = 24; shift >= 0; shift -= 8) bytes += static_cast<char>((n >> shift) & 0xff);
    bytes += payload;
    return bytes;
}

void FrameReader::Append(const QByteArray& bytes) {
    if (broken_) return;
    // The frames taken so far are dropped before the buffer grows, so it never holds more than
    // one frame and what has come of the next.
    if (start_ > 0) {
        buffer_.remove(0, start_);
        start_ = 0;
    }
    buffer_ += bytes;
}

bool FrameReader::Next(QByteArray& payload) {
    if (broken_ || buffer_.size() - start_ < HeaderBytes) return false;
    quint32 n = 0;
    for (qsizetype i = 0; i < HeaderBytes; ++i) n = (n << 8) | static_cast<quint8>(buffer_[start_ + i]);
    if (n > static_cast<quint32>(MaxFrameBytes)) {
        broken_ = true;
        buffer_.clear();
        start_ = 0;
        return false;
    }
    if (buffer_.size() - start_ - HeaderBytes < static_cast<qsizetype>(n)) return false;
    payload = buffer_.mid(start_ + HeaderBytes, static_cast<qsizetype>(n));
    start_ += HeaderBytes + static_cast<qsizetype>(n);
    return true;
}

}  // namespace vantry::net
