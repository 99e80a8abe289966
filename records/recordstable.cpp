#include "recordstable.h"

#include <algorithm>

namespace vantry {

RecordRows DefaultRecordRows() {
    RecordRows rows;
    for (int row = 1; row <= RecordRowCount; ++row) {
        rows[static_cast<std::size_t>(row - 1)] = {QStringLiteral("Unknown%1").arg(row), QStringLiteral("100")};
    }
    return rows;
}

int MovesFromCaption(const QString& caption) {
    bool ok = false;
    const short value = caption.trimmed().toShort(&ok, 10);
    return ok ? value : UnreadableMoves;
}

RecordsTable::RecordsTable(const RecordRows& shown) {
    for (std::size_t i = 0; i < shown.size(); ++i) {
        rows_[i] = {shown[i].name, MovesFromCaption(shown[i].moves), {}};
        if (rows_[i].moves == UnreadableMoves) rows_[i].unreadable = shown[i].moves;
    }
}

int RecordsTable::FindSlot(std::int16_t winnerMoves) const {
    for (int row = 1; row <= RecordRowCount; ++row) {
        if (winnerMoves < Moves(row)) return row;
    }
    return 0;
}

int RecordsTable::Enter(const QString& winnerName, std::int16_t winnerMoves) {
    const int slot = FindSlot(winnerMoves);
    if (slot == 0) return 0;
    std::move_backward(rows_.begin() + Index(slot), rows_.end() - 1, rows_.end());
    rows_[Index(slot)] = {winnerName, winnerMoves, {}};
    return slot;
}

RecordRows RecordsTable::Captions() const {
    RecordRows rows;
    for (int row = 1; row <= RecordRowCount; ++row) {
        const bool readable = Moves(row) != UnreadableMoves;
        rows[Index(row)] = {Name(row), readable ? QString::number(Moves(row)) : rows_[Index(row)].unreadable};
    }
    return rows;
}

}  // namespace vantry
