// Arbitrary bytes as a saved game: read, checked and applied to a game in progress. A file is
// taken whole or not at all, and a game taken in is one the board can play and save again. The
// record after the 17 lines is kept only when the rules lead from it to the 17 fields, and is
// otherwise dropped without refusing the file.

#include <QByteArray>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "engine.h"
#include "gamestate.h"
#include "gamestatediff.h"
#include "recordinglistener.h"
#include "recordlines.h"
#include "savefile.h"
#include "saverecord.h"

namespace vantry {
namespace {

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz_savegame: %s\n", what);
    std::abort();
}

// A game some way in, so that a load that changed only part of it would show: counters off
// their squares, a throw waiting for its move, a name dark in its blink, a file of its own.
void GameInProgress(GameState& state) {
    state.IsComputer = {true, false, true, false};
    state.Position = {17, 42, 5, 63};
    state.MoveCount = {9, 8, 8, 8};
    state.CurrentPlayer = 1;
    state.Names = {"Ann", "Bart", "Robin", "Eve"};
    state.WinnerMoves = 12;
    state.WinnerName = "Earlier";
    state.GamesStarted = 3;
    state.TossIndex = 4;
    state.ShownFace = 4;
    state.FaceEnabled = false;
    state.CounterEnabled[1] = true;
    state.GoEnabled = true;
    state.TimerOn = {false, true, true};
    state.NameLit[1] = false;
    state.GamePath = "/games/earlier.vty";
    for (std::size_t i = 0; i < 4; ++i) {
        state.Counters[i].left = 1000.0f + 300.0f * static_cast<float>(i);
        state.Counters[i].top = 2000.0f;
    }
}

bool BoolByte(const bool& b) {
    unsigned char byte = 0;
    std::memcpy(&byte, &b, 1);
    return byte <= 1;
}

void RequireInRange(const GameState& state) {
    Require(state.CurrentPlayer >= 0 && state.CurrentPlayer <= 3, "current player out of range");
    for (int i = 0; i < 4; ++i) {
        const auto s = static_cast<std::size_t>(i);
        Require(state.Position[s] >= 0 && state.Position[s] <= FinalPosition, "square out of range");
        Require(state.MoveCount[s] >= 0, "move count out of range");
        Require(BoolByte(state.IsComputer[s]), "kind is not a bool");
        const float left = state.Counters[s].left;
        const float top = state.Counters[s].top;
        Require(std::isfinite(left) && std::isfinite(top) && left >= 0.0f && left <= 10680.0f && top >= 0.0f,
                "counter placed off the board");
    }
}

bool NamesCarriable(const SaveRecord& record) {
    for (const QString& name : record.Names) {
        if (!NameSurvivesSaving(name)) return false;
    }
    return true;
}

// Kind lines are written as they are, so only a kind the reader takes back unchanged can make
// the trip: no separator in it and no blank or double quote in front.
bool KindsWrittenAsRead(const SaveRecord& record) {
    for (const QString& kind : record.Kinds) {
        if (kind.contains(QLatin1Char(',')) || kind.contains(QLatin1Char('\r')) || kind.contains(QLatin1Char('\n')) ||
            kind.startsWith(QLatin1Char(' ')) || kind.startsWith(QLatin1Char('"')))
            return false;
    }
    return true;
}

// The opened game's record is the file's, when it leads to the file's squares, followed by the
// opening; the file's record reads back from its own lines as it was.
void RequireRecordKeptOrDropped(const SaveRecord& loaded, const GameState& state) {
    const GameRecord& events = loaded.Events;
    const RecordOutcome outcome{state.Position, state.MoveCount, state.CurrentPlayer};
    const bool kept = !events.empty() && RecordLeadsTo(events, outcome);
    Require(!state.Record.empty() && state.Record.back().kind == RecordEvent::Kind::Opened,
            "an opened game's record does not end with its opening");
    Require(state.Record.size() == (kept ? events.size() + 1 : 1), "a record was kept or dropped wrongly");
    Require(!kept || std::equal(events.begin(), events.end(), state.Record.begin()), "a kept record changed");
    Require(RecordLeadsTo(state.Record, outcome), "an opened game's record does not lead to the game");
    const QByteArray lines = EncodeRecordLines(events);
    Require(ParseRecordLines(QString::fromLatin1(lines)) == events, "a record read does not read back from its lines");
}

void RequireSavedAgainAlike(const SaveRecord& loaded, const GameState& state) {
    // The game as a later save writes it reads back as the same record, with the loaded game's
    // numbers and names.
    const SaveRecord saved = FillSaveRecord(state);
    const ParsedRecord again = ParseSaveRecord(EncodeSaveRecord(saved));
    Require(again.result.ok, "a loaded game saved again does not read back");
    Require(again.record == saved, "a loaded game saved again reads back differently");
    Require(CheckSaveRecord(again.record).ok, "a loaded game saved again fails its check");
    Require(saved.Numbers == loaded.Numbers && saved.Names == loaded.Names, "saving changes the loaded game");

    if (!KindsWrittenAsRead(loaded)) return;
    const ParsedRecord record = ParseSaveRecord(EncodeSaveRecord(loaded));
    Require(record.result.ok && record.record == loaded, "the record written again reads back differently");
}

}  // namespace
}  // namespace vantry

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantry;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    GameState state;
    test::ScriptedRandom random;
    Engine engine(state, random);
    test::RecordingListener listener;
    engine.SetListener(&listener);
    GameInProgress(state);
    const GameState before = state;
    const QString path = QStringLiteral("/games/fuzzed.vty");

    const ParsedRecord parsed = ParseSaveRecord(bytes);
    RecordResult result = parsed.result;
    if (result.ok) result = ApplySaveRecord(parsed.record, engine, path);
    if (!result.ok) {
        Require(!result.error.isEmpty(), "a refused file gives no reason");
        Require(test::StateDifferences(state, before).empty(), "a refused file changed the game");
        Require(listener.events.empty() && listener.changes == 0, "a refused file was drawn");
        return 0;
    }
    RequireInRange(state);
    Require(state.GamesStarted == before.GamesStarted + 1, "a loaded game is not a new game");
    Require(listener.events == std::vector<std::string>{"replaced"}, "a loaded game is not drawn as a new game");
    Require(state.GamePath == path.toStdString(), "a loaded game is not tied to its file");
    Require(state.TimerOn == before.TimerOn && state.TossIndex == before.TossIndex &&
                state.ShownFace == before.ShownFace && state.FaceEnabled == before.FaceEnabled,
            "a load touched the timers or the die");
    for (int seat = 0; seat < 4; ++seat) {
        Require(QString::fromStdString(state.Names[static_cast<std::size_t>(seat)]) == parsed.record.Name(seat),
                "a name differs from the file");
    }
    RequireRecordKeptOrDropped(parsed.record, state);
    if (NamesCarriable(parsed.record)) RequireSavedAgainAlike(parsed.record, state);
    return 0;
}
