#include "gamelogmodel.h"

#include <algorithm>

#include "announcer.h"
#include "gamestate.h"

namespace vantry {

GameLogModel::GameLogModel(const GameState& state, QObject* parent)
    : QAbstractListModel(parent), state_(state), rows_(static_cast<int>(state.Record.size())) {}

int GameLogModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant GameLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rows_ || index.row() >= static_cast<int>(state_.Record.size())) return {};
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole) return {};
    return LineOf(state_.Record[static_cast<std::size_t>(index.row())]);
}

void GameLogModel::Recorded(const GameRecord& record, bool restarted) {
    const int size = static_cast<int>(record.size());
    if (restarted || size < rows_) {
        beginResetModel();
        rows_ = size;
        endResetModel();
        return;
    }
    if (size == rows_) return;
    beginInsertRows(QModelIndex(), rows_, size - 1);
    rows_ = size;
    endInsertRows();
}

QString GameLogModel::LineOf(const RecordEvent& e) const {
    const auto seat = Announcer::SeatOf(state_, e.seat);
    switch (e.kind) {
        case RecordEvent::Kind::NewGame: return Announcer::NewGame();
        case RecordEvent::Kind::Opened: return Announcer::Opened(QString::fromStdString(e.fileName));
        case RecordEvent::Kind::Throw: return Announcer::Throw(seat, e.face);
        case RecordEvent::Kind::Move: return Announcer::Move(seat, e.Move(), e.fromStart);
        case RecordEvent::Kind::Turn: return Announcer::Turn(seat);
        case RecordEvent::Kind::Win: return Announcer::Win(seat, e.moves);
    }
    return {};
}

QString GameLogModel::Text(const QModelIndexList& rows) const {
    QStringList lines;
    if (rows.isEmpty()) {
        for (int row = 0; row < rows_; ++row) lines << data(index(row)).toString();
    } else {
        QModelIndexList sorted = rows;
        std::sort(sorted.begin(), sorted.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
        for (const QModelIndex& i : sorted) {
            if (i.isValid()) lines << data(i).toString();
        }
    }
    return lines.join(QLatin1Char('\n'));
}

}  // namespace vantry
