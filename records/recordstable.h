#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace vantry {

constexpr int RecordRowCount = 10;

// One row of the best-players table as the window shows it: both columns are captions.
struct RecordRow {
    QString name;
    QString moves;

    bool operator==(const RecordRow& other) const { return name == other.name && moves == other.moves; }
};

// Index 0 is row 1, the best result.
using RecordRows = std::array<RecordRow, RecordRowCount>;

// The rows shown whenever the table is not read from the store: "Unknown1".."Unknown10", "100".
RecordRows DefaultRecordRows();

// The rank of a moves caption that is no whole decimal number within 16 bits (an empty value,
// letters, an overflow): after every count that is, so that any result beats it.
constexpr int UnreadableMoves = 32768;

// A moves caption as the table ranks it: its count, or UnreadableMoves.
int MovesFromCaption(const QString& caption);

// The ten rows of one opening of the best-players window, with the winner's entry into them.
class RecordsTable {
public:
    explicit RecordsTable(const RecordRows& shown);

    // The first row (1..10) holding strictly more moves than `winnerMoves`, so that a tie goes
    // after the earlier equal results; 0 when the result is not good enough.
    int FindSlot(std::int16_t winnerMoves) const;

    // Puts the winner into its slot, moving the rows below down one; the old row 10 is lost.
    // Returns the row taken (1..10), or 0 when the table is left as it was.
    int Enter(const QString& winnerName, std::int16_t winnerMoves);

    // The captions to redraw after an entry: every count in plain decimal, and a count that
    // could not be read exactly as it was, never as a number it did not say.
    RecordRows Captions() const;

    const QString& Name(int row) const { return rows_[Index(row)].name; }
    int Moves(int row) const { return rows_[Index(row)].moves; }

private:
    struct Row {
        QString name;
        int moves = 0;
        // The caption of a count that could not be read, kept to be stored back as it was.
        QString unreadable;
    };
    static std::size_t Index(int row) { return static_cast<std::size_t>(row - 1); }

    std::array<Row, RecordRowCount> rows_{};
};

}  // namespace vantry
