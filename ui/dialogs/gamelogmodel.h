#pragma once

#include <QAbstractListModel>

#include <vector>

#include "gamerecord.h"

namespace vantry {

struct GameState;

// The game's record as lines of the log, one an event, in the words the screen reader says for
// it; as on the board, a quiet turn (one passed in a won game) is left out. A line is worded when it
// is shown, so a record of thousands of events opens at once.
class GameLogModel final : public QAbstractListModel, public RecordFollower {
    Q_OBJECT
public:
    explicit GameLogModel(const GameState& state, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void Recorded(const GameRecord& record, bool restarted) override;

    // The words of one event, with the seats as the board names them now.
    QString LineOf(const RecordEvent& event) const;
    // Every line of `rows` (all when empty), one a line, as a player copies them.
    QString Text(const QModelIndexList& rows = {}) const;

private:
    // The record's events from the first not yet taken, as the indices of the lines they make.
    std::vector<std::size_t> Take(const GameRecord& record);

    const GameState& state_;
    // The record's index of each line the view has been told of; the record may have grown
    // past them.
    std::vector<std::size_t> lines_;
    std::size_t taken_ = 0;
};

}  // namespace vantry
