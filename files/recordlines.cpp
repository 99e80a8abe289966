#include "recordlines.h"

#include <QList>

#include <algorithm>
#include <initializer_list>
#include <limits>
#include <optional>

namespace vantry {

namespace {

constexpr char Header[] = "Vantry record 1";

// The event's letter and its numbers.
QByteArray Numbered(QByteArray line, std::initializer_list<int> numbers) {
    for (int n : numbers) line += ' ' + QByteArray::number(n);
    return line;
}

QByteArray LineOf(const RecordEvent& e) {
    using Kind = RecordEvent::Kind;
    switch (e.kind) {
        case Kind::NewGame: return "N";
        case Kind::Opened: {
            const auto& p = e.positions;
            const auto& m = e.moveCounts;
            QByteArray line = Numbered("O", {p[0], p[1], p[2], p[3], m[0], m[1], m[2], m[3], e.current});
            if (!e.fileName.empty()) line += ' ' + QByteArray::fromStdString(e.fileName).toPercentEncoding();
            return line;
        }
        case Kind::Throw: return Numbered("T", {e.seat, e.face});
        case Kind::Move: return Numbered("M", {e.seat, e.from, e.reached, e.to, e.moves, e.fromStart});
        case Kind::Turn: return Numbered("P", {e.seat});
        case Kind::Win: return Numbered("W", {e.seat, e.moves});
    }
    return {};
}

// A number as the writer writes it: digits without a leading zero, or a minus sign before them.
std::optional<int> ParseNumber(const QByteArray& token, int low, int high) {
    bool ok = false;
    const int n = token.toInt(&ok);
    if (!ok || n < low || n > high || QByteArray::number(n) != token) return std::nullopt;
    return n;
}

// The numbers of one line after its letter, each in its range.
class LineReader {
public:
    explicit LineReader(const QList<QByteArray>& tokens) : tokens_(tokens) {}

    template <class T>
    bool Take(T& value, int low, int high) {
        if (next_ >= tokens_.size()) return false;
        const auto n = ParseNumber(tokens_[next_++], low, high);
        if (n) value = static_cast<T>(*n);
        return n.has_value();
    }
    bool Seat(std::int8_t& seat) { return Take(seat, 0, 3); }
    bool Square(std::int16_t& square) { return Take(square, 0, 99); }
    bool Count(std::int16_t& count) { return Take(count, 0, std::numeric_limits<std::int16_t>::max()); }
    // The file's name, when the line has one.
    bool Name(std::string& text) {
        if (next_ >= tokens_.size()) return true;
        const QByteArray& token = tokens_[next_++];
        const QByteArray decoded = QByteArray::fromPercentEncoding(token);
        // Only the writer's own spelling: a name that reads two ways is damage.
        if (token.isEmpty() || decoded.toPercentEncoding() != token) return false;
        text = decoded.toStdString();
        return true;
    }
    bool AtEnd() const { return next_ == tokens_.size(); }

private:
    const QList<QByteArray>& tokens_;
    qsizetype next_ = 1;
};

std::optional<RecordEvent> EventOf(const QByteArray& line) {
    using Kind = RecordEvent::Kind;
    const QList<QByteArray> tokens = line.split(' ');
    if (tokens.front().size() != 1) return std::nullopt;
    LineReader r(tokens);
    RecordEvent e;
    bool ok = true;
    switch (tokens.front().front()) {
        case 'N': e.kind = Kind::NewGame; break;
        case 'O':
            e.kind = Kind::Opened;
            for (std::int16_t& p : e.positions) ok = ok && r.Square(p);
            for (std::int16_t& m : e.moveCounts) ok = ok && r.Count(m);
            ok = ok && r.Take(e.current, 0, 3) && r.Name(e.fileName);
            break;
        case 'T':
            e.kind = Kind::Throw;
            ok = r.Seat(e.seat) && r.Take(e.face, 0, 5);
            break;
        case 'M':
            e.kind = Kind::Move;
            ok = r.Seat(e.seat) && r.Square(e.from) && r.Square(e.reached) && r.Square(e.to) && r.Count(e.moves) &&
                 r.Take(e.fromStart, 0, 1);
            break;
        case 'P':
            e.kind = Kind::Turn;
            ok = r.Seat(e.seat);
            break;
        case 'W':
            e.kind = Kind::Win;
            ok = r.Seat(e.seat) && r.Count(e.moves);
            break;
        default: return std::nullopt;
    }
    if (!ok || !r.AtEnd()) return std::nullopt;
    return e;
}

// The text's lines, each without its CR LF (or lone LF); no value when a character is not ASCII.
std::optional<QList<QByteArray>> AsciiLines(QStringView text) {
    if (std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x7f; })) return std::nullopt;
    QList<QByteArray> lines = text.toLatin1().split('\n');
    for (QByteArray& line : lines) {
        if (line.endsWith('\r')) line.chop(1);
    }
    // The last line's end leaves an empty piece behind it, and blank lines after the record's
    // last line (an editor's, a mail's) are no damage.
    while (lines.size() > 1 && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

}  // namespace

QByteArray EncodeRecordLines(const GameRecord& record) {
    if (record.empty()) return {};
    QByteArray bytes;
    // Some ten bytes an event.
    bytes.reserve(static_cast<qsizetype>(record.size()) * 12 + 64);
    const auto line = [&bytes](const QByteArray& text) { bytes.append(text).append("\r\n"); };
    line(Header);
    for (const RecordEvent& e : record) line(LineOf(e));
    line("E " + QByteArray::number(static_cast<qulonglong>(record.size())));
    return bytes;
}

GameRecord ParseRecordLines(QStringView text) {
    const auto lines = AsciiLines(text);
    if (!lines || lines->size() < 3 || lines->front() != Header) return {};
    const QByteArray& last = lines->back();
    if (!last.startsWith("E ")) return {};
    const qsizetype count = lines->size() - 2;
    const auto stated = ParseNumber(last.mid(2), 0, std::numeric_limits<int>::max());
    if (!stated || *stated != count) return {};

    GameRecord record;
    record.reserve(static_cast<std::size_t>(count));
    WinWatch won;
    for (qsizetype i = 1; i <= count; ++i) {
        auto e = EventOf((*lines)[i]);
        if (!e) return {};
        won.Mark(*e);
        record.push_back(std::move(*e));
    }
    return record;
}

}  // namespace vantry
