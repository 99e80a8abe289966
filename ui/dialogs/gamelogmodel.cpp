#include "dialogs/gamelogmodel.h"

#include <algorithm>

#include "board/announcer.h"
#include "gamestate.h"

namespace vantry {

GameLogModel::GameLogModel(const GameState& state, QObject* parent)
    : QAbstractListModel(parent), state_(state) {
    lines_ = Take(state.Record);
}

int GameLogModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant GameLogModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const std::size_t event = lines_[static_cast<std::size_t>(index.row())];
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole) return {};
    if (event & NewsMark) return news_[event & ~NewsMark].line;
    if (event >= state_.Record.size()) return {};
    return LineOf(state_.Record[event]);
}

std::vector<std::size_t> GameLogModel::Take(const GameRecord& record) {
    std::vector<std::size_t> lines;
    const auto takeNews = [&] {
        for (; newsTaken_ < news_.size() && news_[newsTaken_].after <= taken_; ++newsTaken_) lines.push_back(NewsMark | newsTaken_);
    };
    for (; taken_ < record.size(); ++taken_) {
        takeNews();
        if (!record[taken_].quiet) lines.push_back(taken_);
    }
    takeNews();
    return lines;
}

void GameLogModel::AddNews(const QString& line) {
    news_.push_back({taken_, line});
    beginInsertRows(QModelIndex(), rowCount(), rowCount());
    lines_.push_back(NewsMark | newsTaken_++);
    endInsertRows();
}

void GameLogModel::Recorded(const GameRecord& record, bool restarted) {
    if (restarted || record.size() < taken_) {
        beginResetModel();
        taken_ = 0;
        newsTaken_ = 0;
        // A record shorter than where the news stands is another game: the news goes before it.
        if (!news_.empty() && news_.back().after > record.size()) {
            for (News& n : news_) n.after = 0;
        }
        lines_ = Take(record);
        endResetModel();
        return;
    }
    const std::vector<std::size_t> added = Take(record);
    if (added.empty()) return;
    beginInsertRows(QModelIndex(), rowCount(), rowCount() + static_cast<int>(added.size()) - 1);
    lines_.insert(lines_.end(), added.begin(), added.end());
    endInsertRows();
}

QString GameLogModel::LineOf(const RecordEvent& e) const { return Announcer::Line(e, Announcer::SeatOf(state_, e.seat)); }

QString GameLogModel::Text(const QModelIndexList& rows) const {
    QStringList lines;
    if (rows.isEmpty()) {
        for (int row = 0; row < rowCount(); ++row) lines << data(index(row)).toString();
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
