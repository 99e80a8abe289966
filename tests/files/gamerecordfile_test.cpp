#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <functional>

#include "../engine/enginetable.h"
#include "examplegame.h"
#include "savefile.h"
#include "saverecord.h"

namespace vantry {
namespace {

// A new game of four seats, a dozen moves in, with a ladder and a snake on the way.
void PlayAWhile(test::EngineTable& t) {
    t.state.Names = {"Ann", "Bart", "Robin", "Eve"};
    t.engine.ResetBoard();
    for (int pips : {2, 1, 6, 3, 4, 4, 6, 2, 5, 1, 3, 6}) {
        t.Throw(pips);
        t.engine.cmdGo_Click();
    }
}

// The bytes as they stand after the 17th line.
QByteArray AfterLine17(const QByteArray& bytes) {
    qsizetype at = 0;
    for (int line = 0; line < SaveRecord::FieldCount; ++line) at = bytes.indexOf("\r\n", at) + 2;
    return bytes.mid(at);
}

TEST(GameRecordFile, TheRecordFollowsTheSeventeenLinesAndComesBackWithTheGame) {
    test::EngineTable played;
    PlayAWhile(played);
    const SaveRecord saved = FillSaveRecord(played.state);
    const QByteArray bytes = EncodeSaveRecord(saved);

    // The 17 lines are the ones a game without a record has, byte for byte; a second save of
    // the unchanged game writes the same bytes.
    SaveRecord fieldsOnly = saved;
    fieldsOnly.Events.clear();
    EXPECT_TRUE(bytes.startsWith(EncodeSaveRecord(fieldsOnly)));
    EXPECT_TRUE(AfterLine17(bytes).startsWith("Vantry record 1\r\nN\r\nT 0 1\r\nM 0 0 2 17 1 1\r\nP 1\r\n"));
    EXPECT_EQ(EncodeSaveRecord(FillSaveRecord(played.state)), bytes);
    // Blank lines after the record's end, as an editor or a mail may leave them, are no damage.
    for (const char* tail : {"\r\n", "\n\n\r\n", "\r\n\r\n\r\n"}) {
        EXPECT_EQ(ParseSaveRecord(bytes + tail).record.Events, saved.Events) << tail;
    }

    QTemporaryDir dir;
    const QString path = dir.filePath("game.vty");
    ASSERT_TRUE(WriteSaveRecord(saved, path).ok);
    const ParsedRecord read = ReadSaveRecord(path);
    ASSERT_TRUE(read.result.ok);
    EXPECT_EQ(read.record, saved);

    test::EngineTable opened;
    ASSERT_TRUE(ApplySaveRecord(read.record, opened.engine, path).ok);
    const GameRecord& r = opened.state.Record;
    ASSERT_EQ(r.size(), played.state.Record.size() + 1);
    EXPECT_TRUE(std::equal(played.state.Record.begin(), played.state.Record.end(), r.begin()));
    EXPECT_EQ(r.back(), RecordEvent::StartOf(played.state, RecordEvent::Kind::Opened, "game.vty"));

    // Played on and saved again, the game keeps the record of both sittings.
    opened.Throw(3);
    opened.engine.cmdGo_Click();
    const SaveRecord again = ParseSaveRecord(EncodeSaveRecord(FillSaveRecord(opened.state))).record;
    EXPECT_EQ(again.Events, opened.state.Record);
}

// Whatever is wrong with the lines after the 17th, the game opens from its 17 fields with a
// record of its opening alone.
TEST(GameRecordFile, AMissingDamagedOrDisagreeingRecordIsDroppedAndTheGameStillOpens) {
    test::EngineTable played;
    PlayAWhile(played);
    const QByteArray good = EncodeSaveRecord(FillSaveRecord(played.state));
    const QByteArray record = AfterLine17(good);
    const QByteArray lines = good.left(good.size() - record.size());
    const auto replaced = [&](const char* from, const char* to) { return QByteArray(good).replace(from, to); };
    // Another seat on turn in line 11 than the one the record's turns pass to.
    QList<QByteArray> fields = lines.split('\n');
    fields[10] = played.state.CurrentPlayer == 2 ? " 3 \r" : " 2 \r";
    const QByteArray otherTurn = fields.join('\n') + record;

    const struct {
        const char* what;
        QByteArray bytes;
    } cases[] = {
        {"no record", lines},
        {"cut short", good.left(good.size() - 12)},
        {"its end line gone", good.left(good.lastIndexOf("E "))},
        {"a line that is no event", lines + QByteArray(record).insert(record.indexOf("P 1"), "X 1\r\n")},
        {"a move that does not follow its throw", replaced("M 0 0 2 17 1 1", "M 0 0 3 3 1 1")},
        {"a number written another way", replaced("T 0 1\r\n", "T 0 01\r\n")},
        {"a letter beyond ASCII", replaced("\r\nN\r\n", "\r\n\xc3\x91\r\n")},
        {"a seat on turn the record does not lead to", otherTurn},
        {"an unknown form", replaced("Vantry record 1", "Vantry record 2")},
    };
    for (const auto& c : cases) {
        const ParsedRecord parsed = ParseSaveRecord(c.bytes);
        ASSERT_TRUE(parsed.result.ok) << c.what;
        test::EngineTable opened;
        ASSERT_TRUE(ApplySaveRecord(parsed.record, opened.engine, "/games/game.vty").ok) << c.what;
        ASSERT_EQ(opened.state.Record.size(), 1u) << c.what;
        EXPECT_EQ(opened.state.Record.front().kind, RecordEvent::Kind::Opened) << c.what;
        EXPECT_EQ(FillSaveRecord(opened.state).Numbers, parsed.record.Numbers) << c.what;
    }
}

}  // namespace
}  // namespace vantry
