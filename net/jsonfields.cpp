#include "jsonfields.h"

#include <cmath>

namespace vantry::net {

bool WholeNumber(const QJsonValue& value, long long low, long long high, long long& out) {
    if (!value.isDouble()) return false;
    const double d = value.toDouble();
    // Checked in doubles first: a huge or broken number must not reach the integer cast.
    if (!std::isfinite(d) || d != std::trunc(d) || d < static_cast<double>(low) || d > static_cast<double>(high)) {
        return false;
    }
    out = static_cast<long long>(d);
    return true;
}

bool JsonFields::Find(const char* key, bool optional, QJsonValue& out) {
    if (!ok_) return false;
    const auto it = object_.constFind(QLatin1String(key));
    if (it == object_.constEnd()) {
        ok_ = optional;
        out = QJsonValue();
        return false;
    }
    ++taken_;
    out = it.value();
    return true;
}

bool JsonFields::Int(const char* key, long long low, long long high, long long& out, bool optional) {
    QJsonValue v;
    if (!Find(key, optional, v)) return ok_;
    ok_ = WholeNumber(v, low, high, out);
    return ok_;
}

bool JsonFields::Bool(const char* key, bool& out, bool optional) {
    QJsonValue v;
    if (!Find(key, optional, v)) return ok_;
    ok_ = v.isBool();
    if (ok_) out = v.toBool();
    return ok_;
}

bool JsonFields::String(const char* key, QString& out, bool optional) {
    QJsonValue v;
    if (!Find(key, optional, v)) return ok_;
    ok_ = v.isString();
    if (ok_) out = v.toString();
    return ok_;
}

bool JsonFields::Array(const char* key, qsizetype size, QJsonArray& out, bool optional) {
    QJsonValue v;
    if (!Find(key, optional, v)) return ok_;
    ok_ = v.isArray() && v.toArray().size() == size;
    if (ok_) out = v.toArray();
    return ok_;
}

bool JsonFields::Object(const char* key, QJsonObject& out) {
    QJsonValue v;
    if (!Find(key, false, v)) return false;
    ok_ = v.isObject();
    if (ok_) out = v.toObject();
    return ok_;
}

}  // namespace vantry::net
