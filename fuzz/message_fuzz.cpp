// Arbitrary bytes as a peer could send them: cut into frames, each frame decoded as a message.
// Nothing may crash, and a message the decoder takes must come back the same through the
// encoder, so that what a copy forwards is what it read.

#include <QByteArray>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "framereader.h"
#include "messagecodec.h"

namespace {

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz_message: %s\n", what);
    std::abort();
}

void Check(const QByteArray& frame) {
    const auto message = vantry::net::DecodeMessage(frame);
    if (!message) return;
    const QByteArray again = vantry::net::EncodeMessage(*message);
    Require(again.size() <= vantry::net::MaxFrameBytes, "a decoded message encodes past the frame limit");
    const auto back = vantry::net::DecodeMessage(again);
    Require(back.has_value(), "a decoded message does not decode once encoded again");
    Require(*back == *message, "a decoded message changes when encoded again");
}

}  // namespace

// The first byte chooses: even, the rest is one frame's text; odd, it is a framed stream fed
// in pieces of the first byte's size.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const QByteArray rest(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    if ((data[0] & 1) == 0) {
        Check(rest);
        return 0;
    }
    vantry::net::FrameReader reader;
    const qsizetype piece = data[0] / 2 + 1;
    for (qsizetype at = 0; at < rest.size() && !reader.Broken(); at += piece) {
        reader.Append(rest.mid(at, piece));
        QByteArray frame;
        while (reader.Next(frame)) {
            Require(frame.size() <= vantry::net::MaxFrameBytes, "a frame past the limit was read");
            Check(frame);
        }
    }
    return 0;
}
