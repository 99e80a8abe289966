#pragma once

#include <QAbstractListModel>

#include <vector>

#include "gamerecord.h"

namespace vantry {

struct GameState;

// The game's record as lines of the log, one an event, in the words the screen reader says for
// it; as on the board, a quiet turn (one passed in a won game) is left out. A line is worded when it
// is shown, so a record of thousands of events opens at once. The table's news (chat, players
// who leave and come back) stands between the events it came after; it is no part of the game,
// so a record read anew keeps it in its place.
class GameLogModel final : public QAbstractListModel, public RecordFollower {
    Q_OBJECT
public:
    explicit GameLogModel(const GameState& state, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void Recorded(const GameRecord& record, bool restarted) override;
    // A line of the table's news, after the events heard so far.
    void AddNews(const QString& line);

    // The words of one event, with the seats as the board names them now.
    QString LineOf(const RecordEvent& event) const;
    // Every line of `rows` (all when empty), one a line, as a player copies them.
    QString Text(const QModelIndexList& rows = {}) const;

private:
    // A line that is news, not an event: the mark and the news' index.
    static constexpr std::size_t NewsMark = std::size_t{1} << (sizeof(std::size_t) * 8 - 1);
    struct News {
        // How many of the record's events came before it.
        std::size_t after;
        QString line;
    };

    // The record's events from the first not yet taken, as the indices of the lines they make,
    // with the news that came between them.
    std::vector<std::size_t> Take(const GameRecord& record);

    const GameState& state_;
    // The record's index of each line the view has been told of; the record may have grown
    // past them.
    std::vector<std::size_t> lines_;
    std::size_t taken_ = 0;
    std::vector<News> news_;
    std::size_t newsTaken_ = 0;
};

}  // namespace vantry
