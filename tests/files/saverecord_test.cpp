#include <gtest/gtest.h>

#include <functional>

#include "arrangecounters.h"
#include "examplegame.h"
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

TEST(SaveRecord, ApplyPutsTheGameOnTheBoard) {
    GameState state;
    state.GamesStarted = 7;
    test::FakeDocumentWindow window;
    ASSERT_TRUE(ApplySaveRecord(ExampleRecord(), state, window).ok);

    GameState expected;
    test::FakeDocumentWindow expectedWindow;
    test::SetUpExample(expected, expectedWindow);
    EXPECT_EQ(state.IsComputer, expected.IsComputer);
    EXPECT_EQ(state.Position, expected.Position);
    EXPECT_EQ(state.MoveCount, expected.MoveCount);
    EXPECT_EQ(state.CurrentPlayer, 1);
    EXPECT_EQ(window.board.names, expectedWindow.board.names);
    EXPECT_EQ(state.GamesStarted, 8u);  // a move in progress must see the game was replaced

    test::FakeBoardView placed;
    for (int k = 0; k < 4; ++k) {
        PlaceCounter(placed, k, expected.Position[static_cast<std::size_t>(k)], 615.0f);
        EXPECT_EQ(window.board.at(k).left, placed.at(k).left) << k;
        EXPECT_EQ(window.board.at(k).top, placed.at(k).top) << k;
    }
}

TEST(SaveRecord, CountersSharingASquareAreLeftOverEachOther) {
    SaveRecord record = ExampleRecord();
    record.Square(0) = 44;
    record.Square(3) = 44;
    GameState state;
    test::FakeDocumentWindow window;
    ASSERT_TRUE(ApplySaveRecord(record, state, window).ok);
    EXPECT_EQ(window.board.at(0).left, window.board.at(3).left);
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
        GameState state;
        state.IsComputer = {true, false, false, true};
        state.Position = {1, 2, 3, 4};
        test::FakeDocumentWindow window;
        const test::FakeBoardView before = window.board;
        const RecordResult result = ApplySaveRecord(record, state, window);
        EXPECT_FALSE(result.ok) << c.what;
        EXPECT_TRUE(result.error.contains(QLatin1String(c.what))) << result.error.toStdString();
        EXPECT_EQ(state.IsComputer, (std::array<bool, 4>{true, false, false, true})) << c.what;
        EXPECT_EQ(state.Position, (std::array<std::int16_t, 4>{1, 2, 3, 4})) << c.what;
        EXPECT_EQ(state.GamesStarted, 0u) << c.what;
        EXPECT_EQ(window.board.names, before.names) << c.what;
        for (int k = 0; k < 4; ++k) EXPECT_EQ(window.board.at(k).left, before.at(k).left) << c.what;
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
