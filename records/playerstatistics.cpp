#include "playerstatistics.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>

#include <algorithm>
#include <limits>

namespace vantry {

namespace {

const QString Section = QStringLiteral("Statistics");
const QString RowsKey = QStringLiteral("Players");
constexpr std::array<const char*, 6> FigureKeys{"Games", "Wins", "FewestMoves", "WinMoves", "Ladders", "Snakes"};

QString Key(const char* figure, int row) { return QString::fromLatin1(figure) + QString::number(row); }
QString Stored(const QString& key) { return Section + QLatin1Char('/') + key; }

long long CountOf(const QSettings& settings, const QString& key) {
    bool ok = false;
    const long long n = SettingText(settings.value(key)).trimmed().toLongLong(&ok);
    return ok && n > 0 ? n : 0;
}

int Clamped(long long n) { return static_cast<int>(std::min<long long>(n, std::numeric_limits<int>::max())); }

PlayerStatistics& RowOf(StatisticsTable& table, const QString& name) {
    const auto row = std::find_if(table.begin(), table.end(), [&](const PlayerStatistics& p) { return p.name == name; });
    if (row != table.end()) return *row;
    table.push_back(PlayerStatistics{name});
    return table.back();
}

void Merge(PlayerStatistics& into, const PlayerStatistics& from) {
    into.games = Clamped(static_cast<long long>(into.games) + from.games);
    into.wins = Clamped(static_cast<long long>(into.wins) + from.wins);
    if (from.fewestMoves > 0 && (into.fewestMoves == 0 || from.fewestMoves < into.fewestMoves)) {
        into.fewestMoves = from.fewestMoves;
    }
    into.winMoves += from.winMoves;
    into.ladders = Clamped(static_cast<long long>(into.ladders) + from.ladders);
    into.snakes = Clamped(static_cast<long long>(into.snakes) + from.snakes);
}

void Order(StatisticsTable& table) {
    std::stable_sort(table.begin(), table.end(), [](const PlayerStatistics& a, const PlayerStatistics& b) {
        if (a.wins != b.wins) return a.wins > b.wins;
        if (a.games != b.games) return a.games > b.games;
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
}

// A row's keys: its name or one of its figures, then its number ("Name3", "Wins12").
const QRegularExpression& RowKey() {
    static const QRegularExpression pattern(
        QStringLiteral("^(Name|Games|Wins|FewestMoves|WinMoves|Ladders|Snakes)([0-9]+)$"));
    return pattern;
}

// The rows the store holds, by the number in their name keys ("Name7" gives "7"). "Players"
// is written as it always was but trusted for nothing: a count that is damaged, or far larger
// than what is stored, says nothing of the rows, so only the keys really there are walked.
QStringList StoredRows(QSettings& settings) {
    settings.beginGroup(Section);
    const QStringList keys = settings.childKeys();
    settings.endGroup();
    QStringList rows;
    for (const QString& key : keys) {
        const QRegularExpressionMatch match = RowKey().match(key);
        if (match.hasMatch() && match.captured(1) == QLatin1String("Name")) rows.append(match.captured(2));
    }
    return rows;
}

// The table as rows 1..n; every other row key the store holds is removed, so that nothing read
// into the table is stored twice and nothing stored is left out of it.
StoreValues RowsWritten(const StatisticsTable& table) {
    QStringList stale;
    if (const auto store = OpenUserStore()) {
        store->beginGroup(Section);
        stale = store->childKeys();
        store->endGroup();
    }
    StoreValues values;
    values.append({Stored(RowsKey), QString::number(table.size())});
    QSet<QString> written;
    const auto write = [&](const QString& key, const QVariant& value) {
        values.append({Stored(key), value});
        written.insert(key);
    };
    int row = 1;
    for (const PlayerStatistics& p : table) {
        write(Key("Name", row), p.name);
        const std::array<long long, 6> figures{p.games, p.wins, p.fewestMoves, p.winMoves, p.ladders, p.snakes};
        for (std::size_t f = 0; f < FigureKeys.size(); ++f) write(Key(FigureKeys[f], row), QString::number(figures[f]));
        ++row;
    }
    for (const QString& key : stale) {
        if (!written.contains(key) && RowKey().match(key).hasMatch()) values.append({Stored(key), QVariant()});
    }
    return values;
}

// Copies of the game take turns at the figures: each reads them, adds its part and writes them
// back while it holds this lock. It is not the store's own lock, which the write takes in turn.
// The table `changed` gives replaces the stored one.
template <class Change>
std::optional<StoreFailure> StoreUnderLock(int lockWaitMs, Change changed) {
    const QString path = UserStorePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QLockFile lock(path + QStringLiteral(".statistics.lock"));
    if (!lock.tryLock(lockWaitMs) && lock.error() == QLockFile::LockFailedError) {
        return StoreFailure{path, LockKeptReason(lock.fileName(), lockWaitMs)};
    }
    // A lock that cannot be made at all (a read-only folder) stops the write too, which then
    // tells the reason.
    return WriteUserStore(RowsWritten(changed()), lockWaitMs);
}

}  // namespace

bool PlayerStatistics::operator==(const PlayerStatistics& o) const {
    return name == o.name && games == o.games && wins == o.wins && fewestMoves == o.fewestMoves &&
           winMoves == o.winMoves && ladders == o.ladders && snakes == o.snakes;
}

FinishedGame FinishedGameOf(const GameRecord& record, const std::array<QString, 4>& names) {
    FinishedGame game;
    game.names = names;
    game.tally = TallyOf(record);
    if (!record.empty() && record.back().kind == RecordEvent::Kind::Win) {
        game.winner = record.back().seat;
        game.winnerMoves = record.back().moves;
    }
    return game;
}

void AddGame(StatisticsTable& table, const FinishedGame& game) {
    StatisticsTable part;
    for (std::size_t seat = 0; seat < game.names.size(); ++seat) {
        const QString& name = game.names[seat];
        if (name.trimmed().isEmpty()) continue;
        PlayerStatistics& p = RowOf(part, name);
        p.games = 1;
        p.ladders += game.tally[seat].ladders;
        p.snakes += game.tally[seat].snakes;
        if (static_cast<int>(seat) == game.winner) {
            p.wins = 1;
            p.fewestMoves = game.winnerMoves;
            p.winMoves = game.winnerMoves;
        }
    }
    for (const PlayerStatistics& p : part) Merge(RowOf(table, p.name), p);
    Order(table);
}

StatisticsTable ReadStoredStatistics() {
    StatisticsTable table;
    const auto store = OpenUserStore();
    if (!store) return table;
    QSettings& settings = *store;
    for (const QString& row : StoredRows(settings)) {
        const auto figure = [&](const char* name) { return CountOf(settings, Stored(QLatin1String(name) + row)); };
        PlayerStatistics p{SettingText(settings.value(Stored(QStringLiteral("Name") + row)))};
        if (p.name.trimmed().isEmpty()) continue;
        p.games = Clamped(figure("Games"));
        p.wins = std::min(p.games, Clamped(figure("Wins")));
        p.fewestMoves = p.wins > 0 ? Clamped(figure("FewestMoves")) : 0;
        p.winMoves = p.wins > 0 ? figure("WinMoves") : 0;
        p.ladders = Clamped(figure("Ladders"));
        p.snakes = Clamped(figure("Snakes"));
        Merge(RowOf(table, p.name), p);
    }
    Order(table);
    return table;
}

std::optional<StoreFailure> StoreFinishedGame(const FinishedGame& game, int lockWaitMs) {
    return StoreUnderLock(lockWaitMs, [&] {
        StatisticsTable table = ReadStoredStatistics();
        AddGame(table, game);
        return table;
    });
}

std::optional<StoreFailure> ClearStoredStatistics(int lockWaitMs) {
    return StoreUnderLock(lockWaitMs, [] { return StatisticsTable{}; });
}

}  // namespace vantry
