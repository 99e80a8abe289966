#pragma once

#include <QString>

#include <array>
#include <functional>
#include <optional>

#include "gamestate.h"

namespace vantry {

class DocumentWindow;
class Engine;
class GameCommands;
class Prompter;
class RandomSource;

enum class SeatKind { None, Computer, Person };

// Which of a seat's two name boxes a refusal sends the focus to.
enum class NameBox { Typed, Combo };

// The eleven names every computer seat can pick from, in list order.
inline constexpr std::array<const char*, 11> PresetNames{{
    "Daxo", "Bart", "Elayne", "Ethel", "Gax", "Harly", "Jaspar", "Marvin", "Maurice", "Robin", "Roswell",
}};

// A computer seat's combo box reads this prompt, in the player's language, until a name is
// chosen.
QString SelectPrompt();

// One seat of the new-game dialog as it stands when a command reads it.
struct SeatEntry {
    SeatKind kind = SeatKind::None;
    QString comboText;
    QString typedText;
    bool typedBoxVisible = false;
};

using SeatEntries = std::array<SeatEntry, SeatCount>;

struct SeatRefusal {
    int seat = 0;
    NameBox box = NameBox::Typed;
    QString message;
};

// The rules behind the new-game dialog, kept apart from its widgets: what each of its commands
// does to the game (seats, names, the turn cycle) and the document. The dialog
// reads its boxes into SeatEntries, calls in here and puts the focus where a refusal says.
class NewGameSetup {
public:
    using HideDialog = std::function<void()>;

    NewGameSetup(Engine& engine, DocumentWindow& board, GameCommands& commands, Prompter& prompter);

    // The dialog has just been built: the board stands still while it is open.
    void Load();

    // "&Start Game". No value when the game was started; otherwise the refusal that was shown.
    // Seats before a refused one keep the kind and name they were given.
    std::optional<SeatRefusal> StartGame(const SeatEntries& seats, const HideDialog& hide);
    void OpenSavedGame(const HideDialog& hide);
    // The window's close box; the dialog unloads afterwards.
    void CloseBox(const HideDialog& hide);
    // Escape leaves the game as it was and lets it go on.
    void Escape(const HideDialog& hide);

    // "&Randomize": one preset index per seat, the generator reseeded before every draw.
    static std::array<int, SeatCount> DrawPresetNames(RandomSource& random);
    static int PresetIndex(float draw);

private:
    std::optional<SeatRefusal> TakeSeat(int seat, const SeatEntry& entry);

    Engine& engine_;
    DocumentWindow& board_;
    GameCommands& commands_;
    Prompter& prompter_;
};

}  // namespace vantry
