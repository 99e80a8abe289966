#include "eventjson.h"

#include <QJsonArray>

#include <cmath>
#include <limits>

#include "gamestate.h"
#include "jsonfields.h"
#include "message.h"

namespace vantry::net {

namespace {

constexpr long long MaxCount = std::numeric_limits<std::int16_t>::max();
// Counter places lie on and beside the board; far past it is damage, not a place.
constexpr double PlaceLimit = 1.0e6;

constexpr const char* KindNames[] = {"new", "open", "throw", "move", "turn", "win"};

void Put(QJsonObject& o, const char* key, int value, int unless = 0) {
    if (value != unless) o.insert(QLatin1String(key), value);
}

template <class T>
QJsonArray ArrayOf(const std::array<T, 4>& values) {
    QJsonArray a;
    for (T v : values) a.append(static_cast<int>(v));
    return a;
}

bool AllDefault(const std::array<CounterPlace, 4>& places) {
    for (const CounterPlace& p : places) {
        if (p.left != 0.0f || p.top != 0.0f) return false;
    }
    return true;
}

bool ReadCounts(JsonFields& f, const char* key, long long high, std::array<std::int16_t, 4>& out) {
    QJsonArray a;
    if (!f.Array(key, 4, a, true)) return false;
    if (a.isEmpty()) return true;
    for (qsizetype i = 0; i < 4; ++i) {
        long long n = 0;
        if (!WholeNumber(a[i], 0, high, n)) return false;
        out[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(n);
    }
    return true;
}

bool ReadPlaces(JsonFields& f, std::array<CounterPlace, 4>& out) {
    QJsonArray a;
    if (!f.Array("pc", 8, a, true)) return false;
    if (a.isEmpty()) return true;
    for (qsizetype i = 0; i < 8; ++i) {
        if (!a[i].isDouble()) return false;
        const double d = a[i].toDouble();
        if (!std::isfinite(d) || std::fabs(d) > PlaceLimit) return false;
        CounterPlace& p = out[static_cast<std::size_t>(i / 2)];
        (i % 2 == 0 ? p.left : p.top) = static_cast<float>(d);
    }
    return true;
}

}  // namespace

QJsonObject EventToJson(const RecordEvent& e) {
    QJsonObject o;
    o.insert(QLatin1String("k"), QLatin1String(KindNames[static_cast<int>(e.kind)]));
    Put(o, "s", e.seat);
    Put(o, "f", e.face);
    if (e.fromStart) o.insert(QLatin1String("st"), true);
    Put(o, "fr", e.from);
    Put(o, "re", e.reached);
    Put(o, "to", e.to);
    Put(o, "mv", e.moves);
    if (e.positions != std::array<std::int16_t, 4>{}) o.insert(QLatin1String("ps"), ArrayOf(e.positions));
    if (e.moveCounts != std::array<std::int16_t, 4>{}) o.insert(QLatin1String("mc"), ArrayOf(e.moveCounts));
    Put(o, "cu", e.current);
    if (!e.fileName.empty()) o.insert(QLatin1String("fn"), QString::fromStdString(e.fileName));
    Put(o, "pl", e.placed);
    if (!AllDefault(e.places)) {
        QJsonArray a;
        for (const CounterPlace& p : e.places) {
            a.append(static_cast<double>(p.left));
            a.append(static_cast<double>(p.top));
        }
        o.insert(QLatin1String("pc"), a);
    }
    if (e.quiet) o.insert(QLatin1String("q"), true);
    return o;
}

std::optional<RecordEvent> EventFromJson(const QJsonObject& object) {
    JsonFields f(object);
    RecordEvent e;
    QString kind;
    if (!f.String("k", kind)) return std::nullopt;
    bool known = false;
    for (int k = 0; k < 6 && !known; ++k) {
        known = kind == QLatin1String(KindNames[k]);
        if (known) e.kind = static_cast<RecordEvent::Kind>(k);
    }
    if (!known) return std::nullopt;
    QString fileName;
    const bool read = f.Int("s", 0, SeatCount - 1, e.seat, true) && f.Int("f", 0, 5, e.face, true) &&
                      f.Bool("st", e.fromStart, true) && f.Int("fr", 0, FinalPosition, e.from, true) &&
                      f.Int("re", 0, FinalPosition, e.reached, true) && f.Int("to", 0, FinalPosition, e.to, true) &&
                      f.Int("mv", 0, MaxCount, e.moves, true) && ReadCounts(f, "ps", FinalPosition, e.positions) &&
                      ReadCounts(f, "mc", MaxCount, e.moveCounts) && f.Int("cu", 0, SeatCount - 1, e.current, true) &&
                      f.String("fn", fileName, true) && f.Int("pl", 0, 15, e.placed, true) && ReadPlaces(f, e.places) &&
                      f.Bool("q", e.quiet, true);
    if (!read || !f.Done() || !IsPlainText(fileName, MaxFileNameChars)) return std::nullopt;
    e.fileName = fileName.toStdString();
    return e;
}

}  // namespace vantry::net
