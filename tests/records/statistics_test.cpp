#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

#include "isolatedstores.h"
#include "playerstatistics.h"
#include "qstringprinter.h"
#include "userstorewrite.h"

namespace vantry {
namespace {

class StatisticsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(stores_.valid()); }

    static FinishedGame Game(int winner, int moves, int ladders = 0, int snakes = 0) {
        FinishedGame game;
        game.names = {QStringLiteral("Al/Bo"), QStringLiteral("[Cy]\\x"), QStringLiteral("Di"), QString()};
        game.winner = winner;
        game.winnerMoves = moves;
        game.tally[static_cast<std::size_t>(winner)] = {ladders, snakes};
        return game;
    }
    static const PlayerStatistics* Find(const StatisticsTable& table, const QString& name) {
        for (const PlayerStatistics& p : table) {
            if (p.name == name) return &p;
        }
        return nullptr;
    }

    test::IsolatedStores stores_;
};

// Two wins of a player whose name holds a slash, a backslash and brackets: the name comes back
// as it was, every seated player counts the games, a blank seat counts for nobody, and the
// best-players table beside the figures is left alone.
TEST_F(StatisticsTest, TwoWinsAreCountedUnderANameWithASlash) {
    QSettings("Vantry", "Vantry").setValue("Records/Names1", "Kept");
    ASSERT_FALSE(StoreFinishedGame(Game(0, 41, 2, 1)).has_value());
    ASSERT_FALSE(StoreFinishedGame(Game(0, 35, 1, 0)).has_value());

    const StatisticsTable table = ReadStoredStatistics();
    ASSERT_EQ(table.size(), 3u);
    EXPECT_EQ(table[0], (PlayerStatistics{"Al/Bo", 2, 2, 35, 76, 3, 1}));
    EXPECT_DOUBLE_EQ(table[0].AverageMoves(), 38.0);
    ASSERT_NE(Find(table, "[Cy]\\x"), nullptr);
    EXPECT_EQ(*Find(table, "[Cy]\\x"), (PlayerStatistics{"[Cy]\\x", 2, 0, 0, 0, 0, 0}));

    QSettings settings("Vantry", "Vantry");
    EXPECT_EQ(settings.value("Records/Names1").toString(), "Kept");
    settings.beginGroup("Statistics");
    for (const QString& key : settings.allKeys()) EXPECT_FALSE(key.contains("Al") || key.contains("Cy")) << key.toStdString();

    ASSERT_FALSE(ClearStoredStatistics().has_value());
    EXPECT_TRUE(ReadStoredStatistics().empty());
    EXPECT_EQ(QSettings("Vantry", "Vantry").value("Records/Names1").toString(), "Kept");
}

// Another copy of the game stores its games while this one runs: each write adds to the
// figures as they stand then, so neither loses the other's. While the other copy holds the
// figures' lock, a write gives up after its wait and changes nothing.
TEST_F(StatisticsTest, TwoCopiesWritingInTurnKeepEachOthersGames) {
    ASSERT_FALSE(StoreFinishedGame(Game(0, 41)).has_value());

    // The other copy's write, straight to the file as another process makes it.
    QFile file(UserStorePath());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("[Statistics]\nPlayers=2\nName1=Al/Bo\nGames1=3\nWins1=2\nFewestMoves1=30\nWinMoves1=71\n"
               "Ladders1=0\nSnakes1=0\nName2=Zed\nGames2=1\nWins2=1\nFewestMoves2=50\nWinMoves2=50\n");
    file.close();

    ASSERT_FALSE(StoreFinishedGame(Game(2, 44)).has_value());
    const StatisticsTable table = ReadStoredStatistics();
    ASSERT_NE(Find(table, "Al/Bo"), nullptr);
    EXPECT_EQ(*Find(table, "Al/Bo"), (PlayerStatistics{"Al/Bo", 4, 2, 30, 71, 0, 0}));
    ASSERT_NE(Find(table, "Zed"), nullptr);
    EXPECT_EQ(Find(table, "Zed")->wins, 1);
    ASSERT_NE(Find(table, "Di"), nullptr);
    EXPECT_EQ(*Find(table, "Di"), (PlayerStatistics{"Di", 1, 1, 44, 44, 0, 0}));

    QLockFile other(UserStorePath() + ".statistics.lock");
    ASSERT_TRUE(other.tryLock(0));
    const auto failure = StoreFinishedGame(Game(1, 20), 50);
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->reason.contains(".statistics.lock")) << failure->reason.toStdString();
    EXPECT_EQ(ReadStoredStatistics(), table);
}

// The "Players" count says nothing of the rows: whether it is damaged, missing, negative or far
// beyond the rows stored, every stored row is read, the read costs only those rows, and the
// next game's write keeps them all.
TEST_F(StatisticsTest, EveryStoredRowCountsWhateverTheCountSays) {
    const char* counts[] = {"Players=2 rows\n", "", "Players=-5\n", "Players=1\n", "Players=2000000000\n"};
    for (const char* count : counts) {
        SCOPED_TRACE(count);
        test::IsolatedStores stores;  // a file of its own each time, never one the toolkit has cached
        ASSERT_TRUE(stores.valid());
        QFile file(UserStorePath());
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("[Statistics]\n") + count +
                   "Name1=Zed\nGames1=3\nWins1=2\nFewestMoves1=30\nWinMoves1=70\n"
                   "Name2=Yan\nGames2=1\nName7=Xi\nGames7=4\n");
        file.close();

        const StatisticsTable before = ReadStoredStatistics();
        ASSERT_EQ(before.size(), 3u);
        EXPECT_EQ(before[0], (PlayerStatistics{"Zed", 3, 2, 30, 70, 0, 0}));

        ASSERT_FALSE(StoreFinishedGame(Game(2, 44)).has_value());
        const StatisticsTable after = ReadStoredStatistics();
        ASSERT_EQ(after.size(), 6u);
        EXPECT_EQ(*Find(after, "Zed"), before[0]);
        ASSERT_NE(Find(after, "Yan"), nullptr);
        EXPECT_EQ(Find(after, "Yan")->games, 1);
        ASSERT_NE(Find(after, "Xi"), nullptr);
        EXPECT_EQ(Find(after, "Xi")->games, 4);
        EXPECT_EQ(Find(after, "Di")->wins, 1);
        // Rows are written anew as 1..6: the old row 7 is gone, not counted twice.
        EXPECT_EQ(QSettings("Vantry", "Vantry").value("Statistics/Players").toInt(), 6);
        EXPECT_FALSE(QSettings("Vantry", "Vantry").contains("Statistics/Name7"));
    }
}

}  // namespace
}  // namespace vantry
