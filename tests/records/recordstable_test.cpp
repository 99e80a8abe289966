#include <gtest/gtest.h>

#include <vector>

#include "recordstable.h"

namespace vantry {
namespace {

// Rows named "Row1".."Row10" with the given counts.
RecordRows RowsWith(const std::vector<QString>& moves) {
    RecordRows rows;
    for (std::size_t i = 0; i < rows.size(); ++i) rows[i] = {QStringLiteral("Row%1").arg(i + 1), moves[i]};
    return rows;
}

std::vector<QString> Counts(std::initializer_list<int> counts) {
    std::vector<QString> out;
    for (int c : counts) out.push_back(QString::number(c));
    return out;
}

TEST(MovesFromCaption, CountsOnlyWholeSixteenBitNumbers) {
    struct Case {
        const char* caption;
        int expected;
    };
    const Case cases[] = {
        {"23", 23},   {"100", 100},   {" 7 ", 7},     {"-5", -5},    {"32767", 32767},
        {"", UnreadableMoves},      {"abc", UnreadableMoves},     {"12abc", UnreadableMoves},
        {"2.5", UnreadableMoves},   {"32768", UnreadableMoves},   {"-32769", UnreadableMoves},
        {"99999", UnreadableMoves}, {"99999999999", UnreadableMoves},
    };
    for (const Case& c : cases) EXPECT_EQ(MovesFromCaption(c.caption), c.expected) << '"' << c.caption << '"';
}

TEST(RecordsTable, DefaultRowsAreUnknownWithAHundredMoves) {
    const RecordRows rows = DefaultRecordRows();
    EXPECT_EQ(rows.front(), (RecordRow{"Unknown1", "100"}));
    EXPECT_EQ(rows.back(), (RecordRow{"Unknown10", "100"}));
    for (const RecordRow& row : rows) EXPECT_EQ(row.moves, "100");
}

struct EntryCase {
    const char* what;
    RecordRows before;
    int winnerMoves;
    int slot;
    // Names of rows 1..10 after the entry ("Win" is the winner).
    std::vector<QString> namesAfter;
    std::vector<QString> movesAfter;
};

class RecordsEntry : public ::testing::TestWithParam<EntryCase> {};

TEST_P(RecordsEntry, PutsTheWinnerInItsSlotAndShiftsTheRest) {
    const EntryCase& c = GetParam();
    SCOPED_TRACE(c.what);
    RecordsTable table(c.before);
    EXPECT_EQ(table.FindSlot(static_cast<std::int16_t>(c.winnerMoves)), c.slot);
    EXPECT_EQ(table.Enter("Win", static_cast<std::int16_t>(c.winnerMoves)), c.slot);
    const RecordRows after = table.Captions();
    for (std::size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].name, c.namesAfter[i]) << "row " << i + 1;
        EXPECT_EQ(after[i].moves, c.movesAfter[i]) << "row " << i + 1;
    }
}

const std::vector<QString> kDefaultNames{"Unknown1", "Unknown2", "Unknown3", "Unknown4", "Unknown5",
                                         "Unknown6", "Unknown7", "Unknown8", "Unknown9", "Unknown10"};
const std::vector<QString> kRowNames{"Row1", "Row2", "Row3", "Row4", "Row5",
                                     "Row6", "Row7", "Row8", "Row9", "Row10"};

INSTANTIATE_TEST_SUITE_P(
    Cases, RecordsEntry,
    ::testing::Values(
        EntryCase{"default table, 99 moves enters first", DefaultRecordRows(), 99, 1,
                  {"Win", "Unknown1", "Unknown2", "Unknown3", "Unknown4", "Unknown5", "Unknown6", "Unknown7",
                   "Unknown8", "Unknown9"},
                  Counts({99, 100, 100, 100, 100, 100, 100, 100, 100, 100})},
        EntryCase{"default table, 100 moves changes nothing", DefaultRecordRows(), 100, 0, kDefaultNames,
                  Counts({100, 100, 100, 100, 100, 100, 100, 100, 100, 100})},
        EntryCase{"a tie goes after the equal results", RowsWith(Counts({10, 20, 30, 30, 40, 50, 60, 70, 80, 90})),
                  30, 5, {"Row1", "Row2", "Row3", "Row4", "Win", "Row5", "Row6", "Row7", "Row8", "Row9"},
                  Counts({10, 20, 30, 30, 30, 40, 50, 60, 70, 80})},
        EntryCase{"better than row 10 only replaces it",
                  RowsWith(Counts({10, 20, 30, 40, 50, 60, 70, 80, 90, 95})), 90, 10,
                  {"Row1", "Row2", "Row3", "Row4", "Row5", "Row6", "Row7", "Row8", "Row9", "Win"},
                  Counts({10, 20, 30, 40, 50, 60, 70, 80, 90, 90})},
        // A count that cannot be read is beaten by any result and is redrawn as it was read.
        EntryCase{"an unreadable count ranks after every count",
                  RowsWith({"10", "20", "abc", "40", "50", "60", "70", "80", "90", "95"}), 30, 3,
                  {"Row1", "Row2", "Win", "Row3", "Row4", "Row5", "Row6", "Row7", "Row8", "Row9"},
                  {"10", "20", "30", "abc", "40", "50", "60", "70", "80", "90"}},
        EntryCase{"the largest count still beats an overflow",
                  RowsWith({"10", "20", "30", "40", "50", "60", "70", "80", "99999", ""}), 32767, 9,
                  {"Row1", "Row2", "Row3", "Row4", "Row5", "Row6", "Row7", "Row8", "Win", "Row9"},
                  {"10", "20", "30", "40", "50", "60", "70", "80", "32767", "99999"}}),
    [](const ::testing::TestParamInfo<EntryCase>& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace vantry
