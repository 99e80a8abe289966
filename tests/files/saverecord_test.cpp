#include <gtest/gtest.h>

#include <functional>

#include "arrangecounters.h"
#include "engine.h"
#include "examplegame.h"
#include "gamestatediff.h"
#include "recordinglistener.h"
#include "savefile.h"
#include "saverecord.h"

namespace vantry {
namespace {

SaveRecord ExampleRecord() { return ParseSaveRecord(test::ExampleBytes).record; }

TEST(SaveRecord, KindsConvertInAnyCaseOrAsNumerals) {
    struct Case {
        const char* text;
        std::optional<bool> kind;
    };
    const Case cases[] = {
        {"True", true},  {"true", true},   {"FALSE", false}, {"fAlSe", false}, {"1", true},
        {"-1", true},    {"0", false},     {"00", false},    {"2.5", true},    {"0.0", false},
        {" True ", true}, {"yes", std::nullopt}, {"", std::nullopt}, {"Truex", std::nullopt}, {"1e3", std::nullopt},
    };
    for (const Case& c : cases) {
        SaveRecord record = ExampleRecord();
        record.Kind(2) = QString::fromUtf8(c.text);
        std::array<bool, 4> kinds{};
        const RecordResult result = CheckSaveRecord(record, &kinds);
        EXPECT_EQ(result.ok, c.kind.has_value()) << c.text;
        if (c.kind) {
            EXPECT_EQ(kinds[2], *c.kind) << c.text;
        } else {
            EXPECT_TRUE(result.error.contains(QLatin1String("Yellow"))) << result.error.toStdString();
        }
    }
}

// A game on an engine whose events are recorded.
struct Table {
    Table() { engine.SetListener(&listener); }
    GameState state;
    test::ScriptedRandom random;
    Engine engine{state, random};
    test::RecordingListener listener;
};

TEST(SaveRecord, ApplyPutsTheGameOnTheBoard) {
    Table table;
    GameState& state = table.state;
    state.GamesStarted = 7;
    // Names and the file are UTF-8 in the game.
    SaveRecord record = ExampleRecord();
    record.Name(2) = QStringLiteral("Zoë 日本");
    const QString path = QStringLiteral("/home/zoë/Spiele/game.vty");
    ASSERT_TRUE(ApplySaveRecord(record, table.engine, path).ok);

    GameState expected;
    test::SetUpExample(expected);
    EXPECT_EQ(state.IsComputer, expected.IsComputer);
    EXPECT_EQ(state.Position, expected.Position);
    EXPECT_EQ(state.MoveCount, expected.MoveCount);
    EXPECT_EQ(state.CurrentPlayer, 1);
    EXPECT_EQ(state.Names, (std::array<std::string, 4>{"Ann", "Bart", "Zo\xC3\xAB \xE6\x97\xA5\xE6\x9C\xAC", "Eve"}));
    EXPECT_EQ(state.GamePath, "/home/zo\xC3\xAB/Spiele/game.vty");
    EXPECT_EQ(state.GamesStarted, 8u);  // a move in progress must see the game was replaced
    EXPECT_EQ(table.listener.events, std::vector<std::string>{"replaced"});
    // What a later save writes is the record that was loaded, its events begun by the opening.
    SaveRecord saved = FillSaveRecord(state);
    ASSERT_EQ(saved.Events.size(), 1u);
    EXPECT_EQ(saved.Events.front().kind, RecordEvent::Kind::Opened);
    saved.Events.clear();
    EXPECT_EQ(saved, record);

    for (std::size_t k = 0; k < 4; ++k) {
        TwipsRect placed = CounterDesignRect(static_cast<int>(k));
        PlaceCounter(placed, expected.Position[k], 615.0f);
        EXPECT_EQ(state.Counters[k].left, placed.left) << k;
        EXPECT_EQ(state.Counters[k].top, placed.top) << k;
    }
}

TEST(SaveRecord, CountersSharingASquareAreLeftOverEachOther) {
    SaveRecord record = ExampleRecord();
    record.Square(0) = 44;
    record.Square(3) = 44;
    Table table;
    ASSERT_TRUE(ApplySaveRecord(record, table.engine, QStringLiteral("shared.vty")).ok);
    EXPECT_EQ(table.state.Counters[0].left, table.state.Counters[3].left);
    EXPECT_EQ(table.state.Counters[0].top, table.state.Counters[3].top);
}

TEST(SaveRecord, AnyValueOutOfRangeChangesNothing) {
    struct Case {
        const char* what;
        std::function<void(SaveRecord&)> spoil;
    };
    const Case cases[] = {
        {"square of Red is 101", [](SaveRecord& r) { r.Square(0) = 100; }},
        {"square of Yellow is 0", [](SaveRecord& r) { r.Square(2) = -1; }},
        {"move count of Green", [](SaveRecord& r) { r.Moves(3) = -1; }},
        {"player on turn", [](SaveRecord& r) { r.CurrentPlayer() = 4; }},
        {"player on turn", [](SaveRecord& r) { r.CurrentPlayer() = -1; }},
        // Kinds before the bad one must not be set either.
        {"Yellow", [](SaveRecord& r) { r.Kind(2) = QStringLiteral("Maybe"); }},
    };
    for (const Case& c : cases) {
        SaveRecord record = ExampleRecord();
        c.spoil(record);
        Table table;
        GameState& state = table.state;
        state.IsComputer = {true, false, false, true};
        state.Position = {1, 2, 3, 4};
        state.GamePath = "kept.vty";
        const GameState before = state;
        const RecordResult result = ApplySaveRecord(record, table.engine, QStringLiteral("refused.vty"));
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_TRUE(result.error.contains(QLatin1String(c.what))) << result.error.toStdString();
        EXPECT_EQ(test::StateDifferences(state, before), "") << c.what;
        EXPECT_TRUE(table.listener.events.empty()) << c.what;
        EXPECT_EQ(table.listener.changes, 0) << c.what;
    }
}

TEST(SaveRecord, TheWholeRangeOfMovesIsAccepted) {
    SaveRecord record = ExampleRecord();
    record.Moves(1) = 32767;
    record.Moves(2) = 0;
    record.Square(3) = 99;
    EXPECT_TRUE(CheckSaveRecord(record).ok);
}

}  // namespace
}  // namespace vantry
