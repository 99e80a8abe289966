#pragma once

#include <QByteArray>

#include <optional>

#include "message.h"

namespace vantry::net {

// A message as the compact JSON text one frame carries.
QByteArray EncodeMessage(const Message& message);

// The message of one frame's text, when it is one EncodeMessage could have written with
// every value in range; no value for anything malformed, unknown or out of range. A hello
// of another protocol version is read for its version alone, so that the host can say which
// version it speaks whatever else that hello holds.
std::optional<Message> DecodeMessage(const QByteArray& text);

}  // namespace vantry::net
