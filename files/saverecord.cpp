#include "saverecord.h"

#include <QCoreApplication>

#include <algorithm>
#include <optional>

#include "engine.h"
#include "savefile.h"

namespace vantry {

namespace {

// Each way a field can be wrong is told in a whole sentence of its own for each seat (Red,
// Blue, Yellow, Green), so that every language can agree the colour and the value with the
// rest of the sentence as its grammar wants.
struct SeatSentences {
    const char* kind;          // %1 the text read
    const char* movesRange;    // %1 the count, %2 and %3 the least and the most
    const char* square;        // %1 the square read, as the board counts them
    const char* movesNumber;   // %1 the text read
    const char* squareNumber;  // %1 the text read
};

constexpr std::array<SeatSentences, SeatCount> Sentences{{
    {QT_TRANSLATE_NOOP("SaveRecord", "The kind of the Red seat is \"%1\", but it must be True, False or a number."),
     QT_TRANSLATE_NOOP("SaveRecord", "The move count of Red is %1, but it must be from %2 to %3."),
     QT_TRANSLATE_NOOP("SaveRecord", "The square of Red is %1, but the board has squares 1 to 100."),
     QT_TRANSLATE_NOOP("SaveRecord", "The move count of Red reads \"%1\", which is not a whole number from -32768 to 32767."),
     QT_TRANSLATE_NOOP("SaveRecord", "The square of Red reads \"%1\", which is not a whole number from -32768 to 32767.")},
    {QT_TRANSLATE_NOOP("SaveRecord", "The kind of the Blue seat is \"%1\", but it must be True, False or a number."),
     QT_TRANSLATE_NOOP("SaveRecord", "The move count of Blue is %1, but it must be from %2 to %3."),
     QT_TRANSLATE_NOOP("SaveRecord", "The square of Blue is %1, but the board has squares 1 to 100."),
     QT_TRANSLATE_NOOP("SaveRecord", "The move count of Blue reads \"%1\", which is not a whole number from -32768 to 32767."),
     QT_TRANSLATE_NOOP("SaveRecord", "The square of Blue reads \"%1\", which is not a whole number from -32768 to 32767.")},
    {QT_TRANSLATE_NOOP("SaveRecord", "The kind of the Yellow seat is \"%1\", but it must be True, False or a number."),
     QT_TRANSLATE_NOOP("SaveRecord", "The move count of Yellow is %1, but it must be from %2 to %3."),
     QT_TRANSLATE_NOOP("SaveRecord", "The square of Yellow is %1, but the board has squares 1 to 100."),
     QT_TRANSLATE_NOOP("SaveRecord", "The move count of Yellow reads \"%1\", which is not a whole number from -32768 to 32767."),
     QT_TRANSLATE_NOOP("SaveRecord", "The square of Yellow reads \"%1\", which is not a whole number from -32768 to 32767.")},
    {QT_TRANSLATE_NOOP("SaveRecord", "The kind of the Green seat is \"%1\", but it must be True, False or a number."),
     QT_TRANSLATE_NOOP("SaveRecord", "The move count of Green is %1, but it must be from %2 to %3."),
     QT_TRANSLATE_NOOP("SaveRecord", "The square of Green is %1, but the board has squares 1 to 100."),
     QT_TRANSLATE_NOOP("SaveRecord", "The move count of Green reads \"%1\", which is not a whole number from -32768 to 32767."),
     QT_TRANSLATE_NOOP("SaveRecord", "The square of Green reads \"%1\", which is not a whole number from -32768 to 32767.")},
}};

QString Tr(const char* text) { return QCoreApplication::translate("SaveRecord", text); }

constexpr int FirstNumberField = 4;

// "True"/"False" in any case, or a numeral that is false only when zero. Blanks around the
// word are tolerated, since the reader keeps whatever stood before the line end.
std::optional<bool> ConvertKind(const QString& text) {
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    if (!IsNumeral(word, true)) return std::nullopt;
    return std::any_of(word.begin(), word.end(), [](QChar c) { return c.isDigit() && c != QLatin1Char('0'); });
}

}  // namespace

int SaveRecord::SlotOf(int seat) {
    const auto slot = std::find(SeatOrder.begin(), SeatOrder.end(), seat);
    return slot == SeatOrder.end() ? 0 : static_cast<int>(slot - SeatOrder.begin());
}

int SaveRecord::MovesIndex(int seat) {
    const int slot = SlotOf(seat);
    // Seat 2's pair comes after the current player.
    return slot < 3 ? 2 * slot : 7;
}

QString SaveRecord::NotANumber(int field, const QString& text) {
    const int n = field - FirstNumberField;
    if (n == CurrentPlayerIndex) {
        return Tr(QT_TRANSLATE_NOOP("SaveRecord",
                                    "The player on turn reads \"%1\", which is not a whole number from -32768 to 32767."))
            .arg(text);
    }
    for (int seat = 0; seat < SeatCount; ++seat) {
        const SeatSentences& s = Sentences[static_cast<std::size_t>(seat)];
        if (n == MovesIndex(seat)) return Tr(s.movesNumber).arg(text);
        if (n == SquareIndex(seat)) return Tr(s.squareNumber).arg(text);
    }
    return {};
}

SaveRecord FillSaveRecord(const GameState& state) {
    SaveRecord record;
    for (int seat = 0; seat < SeatCount; ++seat) {
        const auto i = static_cast<std::size_t>(seat);
        record.Kind(seat) = state.IsComputer[i] ? QStringLiteral("True") : QStringLiteral("False");
        record.Moves(seat) = state.MoveCount[i];
        record.Square(seat) = state.Position[i];
        record.Name(seat) = QString::fromStdString(state.Names[i]);
    }
    record.CurrentPlayer() = state.CurrentPlayer;
    record.Events = state.Record;
    return record;
}

RecordResult CheckSaveRecord(const SaveRecord& record, std::array<bool, 4>* isComputer) {
    std::array<bool, 4> kinds{};
    for (int seat : SaveRecord::SeatOrder) {
        const auto kind = ConvertKind(record.Kind(seat));
        if (!kind) {
            return RecordResult::Failure(Tr(Sentences[static_cast<std::size_t>(seat)].kind).arg(record.Kind(seat)));
        }
        kinds[static_cast<std::size_t>(seat)] = *kind;
    }
    for (int seat : SaveRecord::SeatOrder) {
        const SeatSentences& s = Sentences[static_cast<std::size_t>(seat)];
        const std::int16_t moves = record.Moves(seat);
        if (moves < 0) return RecordResult::Failure(Tr(s.movesRange).arg(moves).arg(0).arg(32767));
        // Told as the user counts squares, 1 to 100.
        const std::int16_t position = record.Square(seat);
        if (position < 0 || position > FinalPosition) return RecordResult::Failure(Tr(s.square).arg(position + 1));
    }
    const std::int16_t current = record.CurrentPlayer();
    if (current < 0 || current >= SeatCount) {
        return RecordResult::Failure(
            Tr(QT_TRANSLATE_NOOP("SaveRecord", "The player on turn is %1, but it must be from %2 to %3."))
                .arg(current)
                .arg(0)
                .arg(SeatCount - 1));
    }
    if (isComputer) *isComputer = kinds;
    return RecordResult::Success();
}

RecordResult ApplySaveRecord(const SaveRecord& record, Engine& engine, const QString& path, bool spread) {
    GameSetup game;
    RecordResult checked = CheckSaveRecord(record, &game.IsComputer);
    if (!checked.ok) return checked;

    for (int seat = 0; seat < SeatCount; ++seat) {
        const auto i = static_cast<std::size_t>(seat);
        game.MoveCount[i] = record.Moves(seat);
        game.Position[i] = record.Square(seat);
        game.Names[i] = record.Name(seat).toStdString();
    }
    game.CurrentPlayer = record.CurrentPlayer();
    // A record the game cannot have come from is dropped; the 17 fields alone make the game.
    if (!record.Events.empty() && RecordLeadsTo(record.Events, {game.Position, game.MoveCount, game.CurrentPlayer})) {
        game.Record = record.Events;
    }
    engine.ReplaceGame(game, path.toStdString(), spread);
    return RecordResult::Success();
}

}  // namespace vantry
