#include "newgamesetup.h"

#include <QCoreApplication>

#include <algorithm>

#include "documentwindow.h"
#include "engine.h"
#include "gamecommands.h"
#include "prompter.h"
#include "randomsource.h"
#include "savefile.h"

namespace vantry {

namespace {

// A player name, the same in every language: the board's labels hold it as data.
const QString UnknownName = QStringLiteral("Unknown");

}  // namespace

//: The prompt in a computer seat's name list until a name is chosen from it.
QString SelectPrompt() { return QCoreApplication::translate("NewGameSetup", "Select"); }

NewGameSetup::NewGameSetup(Engine& engine, DocumentWindow& board, GameCommands& commands, Prompter& prompter)
    : engine_(engine), board_(board), commands_(commands), prompter_(prompter) {}

void NewGameSetup::Load() { engine_.PauseTurnCycle(); }

std::optional<SeatRefusal> NewGameSetup::StartGame(const SeatEntries& seats, const HideDialog& hide) {
    for (int i = 0; i < SeatCount; ++i) {
        if (auto refusal = TakeSeat(i, seats[static_cast<std::size_t>(i)])) return refusal;
    }
    commands_.ResetBoard();
    hide();
    board_.ShowWindow();
    // Whatever box is on show names the seat, also for a seat whose kind was never chosen.
    for (int i = 0; i < SeatCount; ++i) {
        const SeatEntry& entry = seats[static_cast<std::size_t>(i)];
        engine_.SetName(i, (entry.typedBoxVisible ? entry.typedText : entry.comboText).toStdString());
    }
    return std::nullopt;
}

std::optional<SeatRefusal> NewGameSetup::TakeSeat(int seat, const SeatEntry& entry) {
    const bool computer = entry.kind == SeatKind::Computer;
    // A seat without a kind is given none, but the box on show still names it on the board.
    const bool typed = entry.kind == SeatKind::None ? entry.typedBoxVisible : !computer;
    const QString& name = typed ? entry.typedText : entry.comboText;
    QString message;
    // The prompt is recognised as the dialog shows it, in the player's language.
    if (computer && (name.isEmpty() || name == SelectPrompt())) {
        message = QCoreApplication::translate("NewGameSetup", "Please Select the Name!");
    } else if (entry.kind == SeatKind::Person && name.isEmpty()) {
        message = QCoreApplication::translate("NewGameSetup", "Please type the Name!");
    } else if (name.startsWith(QLatin1Char('"'))) {
        // A quoted name cannot hold a double quote, and one that starts with a quote is quoted.
        message = QCoreApplication::translate("NewGameSetup", "A name cannot begin with a double quote (\").");
    } else if (NameNeedsQuotes(name) && name.contains(QLatin1Char('"'))) {
        message = QCoreApplication::translate(
            "NewGameSetup", "A name with a comma or a leading blank cannot also hold a double quote (\").");
    }
    if (!message.isEmpty()) {
        prompter_.Message(message);
        return SeatRefusal{seat, typed ? NameBox::Typed : NameBox::Combo, message};
    }
    if (entry.kind != SeatKind::None) engine_.SetSeat(seat, computer, name.toStdString());
    return std::nullopt;
}

void NewGameSetup::OpenSavedGame(const HideDialog& hide) {
    hide();
    board_.ShowWindow();
    commands_.ResetBoard();
    commands_.OpenGame();
}

void NewGameSetup::CloseBox(const HideDialog& hide) {
    hide();
    board_.ShowWindow();
    // A game is on unless the first seat still has the name of no game.
    if (engine_.State().Names[0] != UnknownName.toStdString()) {
        engine_.ResumeTurnCycle();
        return;
    }
    for (int i = 0; i < SeatCount; ++i) engine_.SetName(i, UnknownName.toStdString());
    commands_.ResetBoard();
}

void NewGameSetup::Escape(const HideDialog& hide) {
    hide();
    engine_.ResumeTurnCycle();
}

std::array<int, SeatCount> NewGameSetup::DrawPresetNames(RandomSource& random) {
    std::array<int, SeatCount> picks{};
    random.Reseed();
    for (int& pick : picks) {
        random.Reseed();
        pick = PresetIndex(random.Next());
    }
    return picks;
}

int NewGameSetup::PresetIndex(float draw) {
    // In single precision a draw just below 1 can round up to the list's length.
    const int count = static_cast<int>(PresetNames.size());
    return std::clamp(static_cast<int>(draw * static_cast<float>(count)), 0, count - 1);
}

}  // namespace vantry
