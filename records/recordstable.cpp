#include "recordstable.h"

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
        names_[i] = shown[i].name;
        moves_[i] = MovesFromCaption(shown[i].moves);
        if (moves_[i] == UnreadableMoves) unreadable_[i] = shown[i].moves;
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
    for (int row = RecordRowCount; row > slot; --row) {
        names_[Index(row)] = names_[Index(row - 1)];
        moves_[Index(row)] = moves_[Index(row - 1)];
        unreadable_[Index(row)] = unreadable_[Index(row - 1)];
    }
    names_[Index(slot)] = winnerName;
    moves_[Index(slot)] = winnerMoves;
    unreadable_[Index(slot)].clear();
    return slot;
}

RecordRows RecordsTable::Captions() const {
    RecordRows rows;
    for (int row = 1; row <= RecordRowCount; ++row) {
        const bool readable = Moves(row) != UnreadableMoves;
        rows[Index(row)] = {Name(row), readable ? QString::number(Moves(row)) : unreadable_[Index(row)]};
    }
    return rows;
}

}  // namespace vantry
