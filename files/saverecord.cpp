#include "saverecord.h"

#include <QCoreApplication>

#include <optional>

#include "engine.h"
#include "numerals.h"

namespace vantry {

namespace {

constexpr std::array<const char*, 4> SeatColour{QT_TRANSLATE_NOOP("SaveRecord", "Red"),
                                                QT_TRANSLATE_NOOP("SaveRecord", "Blue"),
                                                QT_TRANSLATE_NOOP("SaveRecord", "Yellow"),
                                                QT_TRANSLATE_NOOP("SaveRecord", "Green")};

QString Colour(int seat) { return QCoreApplication::translate("SaveRecord", SeatColour[static_cast<std::size_t>(seat)]); }

constexpr int FirstNumberField = 4;

QString FieldText(int field) {
    const auto colour = [](int slot) { return Colour(SaveRecord::SeatOrder[static_cast<std::size_t>(slot)]); };
    if (field < FirstNumberField) {
        return QCoreApplication::translate("SaveRecord", "the kind of the %1 seat").arg(colour(field));
    }
    if (field >= FirstNumberField + 9) {
        return QCoreApplication::translate("SaveRecord", "the name of %1").arg(colour(field - FirstNumberField - 9));
    }
    const int n = field - FirstNumberField;
    if (n == SaveRecord::CurrentPlayerIndex) return QCoreApplication::translate("SaveRecord", "the player on turn");
    for (int seat = 0; seat < SeatCount; ++seat) {
        if (n == SaveRecord::MovesIndex(seat)) {
            return QCoreApplication::translate("SaveRecord", "the move count of %1").arg(Colour(seat));
        }
        if (n == SaveRecord::SquareIndex(seat)) {
            return QCoreApplication::translate("SaveRecord", "the square of %1").arg(Colour(seat));
        }
    }
    return {};
}

// "True"/"False" in any case, or a numeral that is false only when zero. Blanks around the
// word are tolerated, since the reader keeps whatever stood before the line end.
std::optional<bool> ConvertKind(const QString& text) {
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    if (!IsNumeral(word, true)) return std::nullopt;
    for (QChar c : word) {
        if (c >= QLatin1Char('1') && c <= QLatin1Char('9')) return true;
    }
    return false;
}

RecordResult CheckRange(std::int16_t value, int low, int high, int field) {
    if (value >= low && value <= high) return RecordResult::Success();
    return RecordResult::Failure(QCoreApplication::translate("SaveRecord", "%1 is %2, but it must be from %3 to %4.")
                                     .arg(SaveRecord::FieldName(field, true))
                                     .arg(value)
                                     .arg(low)
                                     .arg(high));
}

// Told as the user counts squares, 1 to 100.
RecordResult CheckSquare(std::int16_t position, int field) {
    if (position >= 0 && position <= FinalPosition) return RecordResult::Success();
    return RecordResult::Failure(QCoreApplication::translate("SaveRecord", "%1 is %2, but the board has squares 1 to 100.")
                                     .arg(SaveRecord::FieldName(field, true))
                                     .arg(position + 1));
}

}  // namespace

int SaveRecord::SlotOf(int seat) {
    for (int slot = 0; slot < 4; ++slot) {
        if (SeatOrder[static_cast<std::size_t>(slot)] == seat) return slot;
    }
    return 0;
}

int SaveRecord::MovesIndex(int seat) {
    const int slot = SlotOf(seat);
    // Seat 2's pair comes after the current player.
    return slot < 3 ? 2 * slot : 7;
}

int SaveRecord::SquareIndex(int seat) { return MovesIndex(seat) + 1; }

QString SaveRecord::FieldName(int field, bool sentenceStart) {
    QString name = FieldText(field);
    if (sentenceStart && !name.isEmpty()) name[0] = name[0].toUpper();
    return name;
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
            return RecordResult::Failure(
                QCoreApplication::translate("SaveRecord", "%1 is \"%2\", but it must be True, False or a number.")
                    .arg(SaveRecord::FieldName(SaveRecord::SlotOf(seat), true), record.Kind(seat)));
        }
        kinds[static_cast<std::size_t>(seat)] = *kind;
    }
    for (int seat : SaveRecord::SeatOrder) {
        RecordResult r = CheckRange(record.Moves(seat), 0, 32767, FirstNumberField + SaveRecord::MovesIndex(seat));
        if (r.ok) r = CheckSquare(record.Square(seat), FirstNumberField + SaveRecord::SquareIndex(seat));
        if (!r.ok) return r;
    }
    RecordResult r = CheckRange(record.CurrentPlayer(), 0, SeatCount - 1, FirstNumberField + SaveRecord::CurrentPlayerIndex);
    if (!r.ok) return r;
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
