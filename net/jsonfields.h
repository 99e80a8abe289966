#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QString>

namespace vantry::net {

// Reads the fields of one received JSON object strictly: every value must be of its type and
// in its range, and Done() fails unless each field of the object was read, so a message with
// a field we do not know is refused whole. After the first failure every read fails.
class JsonFields {
public:
    explicit JsonFields(const QJsonObject& object) : object_(object) {}

    // A whole number in [low, high]; "optional" leaves `out` as it was when the key is absent.
    bool Int(const char* key, long long low, long long high, long long& out, bool optional = false);
    template <class T>
    bool Int(const char* key, long long low, long long high, T& out, bool optional = false) {
        long long n = static_cast<long long>(out);
        if (!Int(key, low, high, n, optional)) return false;
        out = static_cast<T>(n);
        return true;
    }
    bool Bool(const char* key, bool& out, bool optional = false);
    bool String(const char* key, QString& out, bool optional = false);
    bool Array(const char* key, qsizetype size, QJsonArray& out, bool optional = false);
    bool Object(const char* key, QJsonObject& out);
    // A field read elsewhere, counted as known.
    void Known(const char* key) { taken_ += object_.contains(QLatin1String(key)) ? 1 : 0; }
    bool Done() const { return ok_ && taken_ == object_.size(); }

private:
    // The value of `key`, or null (with `ok_` cleared unless optional) when it is missing.
    bool Find(const char* key, bool optional, QJsonValue& out);

    const QJsonObject& object_;
    qsizetype taken_ = 0;
    bool ok_ = true;
};

// A whole number in [low, high] read from a JSON value.
bool WholeNumber(const QJsonValue& value, long long low, long long high, long long& out);

}  // namespace vantry::net
