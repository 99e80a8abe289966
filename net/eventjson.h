#pragma once

#include <QJsonObject>

#include <optional>

#include "gamerecord.h"

namespace vantry::net {

// A record event as a JSON object: only the fields that differ from their defaults are
// written, so a throw or a turn stays a few bytes.
QJsonObject EventToJson(const RecordEvent& event);

// The event of an object EventToJson could have written, every value in the range the game
// gives it; no value for anything else.
std::optional<RecordEvent> EventFromJson(const QJsonObject& object);

}  // namespace vantry::net
