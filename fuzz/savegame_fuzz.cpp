// Arbitrary bytes as a saved game: read, checked and applied to a game in progress. A file is
// taken whole or not at all, and a game taken in is one the board can play and save again.

#include <QByteArray>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "fakedocumentwindow.h"
#include "gamestate.h"
#include "savefile.h"
#include "saverecord.h"

namespace vantry {
namespace {

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz_savegame: %s\n", what);
    std::abort();
}

// Everything a load may touch: the game state, the name labels, the counters, the die, the
// timers and the caption.
struct Board {
    GameState state;
    std::array<std::string, 4> names;
    std::array<float, 8> counters{};
    std::array<bool, 7> faces{};
    std::array<bool, 3> timers{};
    QString caption;

    static Board Of(const GameState& state, const test::FakeDocumentWindow& window) {
        Board b;
        b.state = state;
        b.names = window.board.names;
        for (int i = 0; i < 4; ++i) {
            b.counters[static_cast<std::size_t>(2 * i)] = window.board.CounterLeft(i);
            b.counters[static_cast<std::size_t>(2 * i + 1)] = window.board.CounterTop(i);
        }
        b.faces = window.board.faceVisible;
        b.timers = window.board.timers;
        b.caption = window.caption;
        return b;
    }
    bool operator==(const Board& o) const {
        const GameState& s = state;
        const GameState& t = o.state;
        return s.CurrentPlayer == t.CurrentPlayer && s.Position == t.Position && s.MoveCount == t.MoveCount &&
               s.IsComputer == t.IsComputer && s.WinnerMoves == t.WinnerMoves && s.WinnerName == t.WinnerName &&
               s.RecordsStored == t.RecordsStored && s.GamesStarted == t.GamesStarted && names == o.names &&
               counters == o.counters && faces == o.faces && timers == o.timers && caption == o.caption;
    }
};

// A game some way in, so that a load that changed only part of it would show.
void GameInProgress(GameState& state, test::FakeDocumentWindow& window) {
    state.IsComputer = {true, false, true, false};
    state.Position = {17, 42, 5, 63};
    state.MoveCount = {9, 8, 8, 8};
    state.CurrentPlayer = 1;
    state.WinnerMoves = 12;
    state.WinnerName = "Earlier";
    state.GamesStarted = 3;
    const char* names[] = {"Ann", "Bart", "Robin", "Eve"};
    for (int i = 0; i < 4; ++i) {
        window.SetNameCaption(i, QString::fromLatin1(names[i]));
        window.board.SetCounterLeft(i, 1000.0f + 300.0f * static_cast<float>(i));
        window.board.SetCounterTop(i, 2000.0f);
    }
}

bool BoolByte(const bool& b) {
    unsigned char byte = 0;
    std::memcpy(&byte, &b, 1);
    return byte <= 1;
}

void RequireInRange(const GameState& state, const test::FakeDocumentWindow& window) {
    Require(state.CurrentPlayer >= 0 && state.CurrentPlayer <= 3, "current player out of range");
    for (int i = 0; i < 4; ++i) {
        const auto s = static_cast<std::size_t>(i);
        Require(state.Position[s] >= 0 && state.Position[s] <= FinalPosition, "square out of range");
        Require(state.MoveCount[s] >= 0, "move count out of range");
        Require(BoolByte(state.IsComputer[s]), "kind is not a bool");
        const float left = window.board.CounterLeft(i);
        const float top = window.board.CounterTop(i);
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

void RequireSavedAgainAlike(const SaveRecord& loaded, const GameState& state, const test::FakeDocumentWindow& window) {
    // The game as a later save writes it reads back as the same record, with the loaded game's
    // numbers and names.
    const SaveRecord saved = FillSaveRecord(state, window);
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
    test::FakeDocumentWindow window;
    GameInProgress(state, window);
    const Board before = Board::Of(state, window);

    const ParsedRecord parsed = ParseSaveRecord(bytes);
    RecordResult result = parsed.result;
    if (result.ok) result = ApplySaveRecord(parsed.record, state, window);
    if (!result.ok) {
        Require(!result.error.isEmpty(), "a refused file gives no reason");
        Require(Board::Of(state, window) == before, "a refused file changed the game");
        return 0;
    }
    RequireInRange(state, window);
    Require(state.GamesStarted == before.state.GamesStarted + 1, "a loaded game is not a new game");
    for (int seat = 0; seat < 4; ++seat) {
        Require(window.NameCaption(seat) == parsed.record.Name(seat), "a name label differs from the file");
    }
    if (NamesCarriable(parsed.record)) RequireSavedAgainAlike(parsed.record, state, window);
    return 0;
}
