#pragma once

#include <QDialog>

#include <array>
#include <optional>
#include <utility>

#include "gamestate.h"
#include "newgamesetup.h"

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vantry {

class SeatGroupBox;

// The new-game dialog: four seats, each played by a person or the computer under a name, and
// the buttons that start the game, draw computer names or open a saved game instead. A
// person's seat can be given to a player on another computer, which the game started then
// hosts. It hands its result to the game through the engine. Hiding keeps it with the user's
// entries; its close box unloads it (Unloaded() turns true and the dialog deletes itself), so
// whoever holds it builds it anew next time.
class frmNew : public QDialog {
    Q_OBJECT
public:
    explicit frmNew(Engine& engine, DocumentWindow& board, GameCommands& commands, Prompter& prompter,
           RandomSource& random, QWidget* owner);

    bool Unloaded() const { return unloaded_; }
    // Each seat's mark after its group's title, or none.
    void ShowMarks(bool shown);

    using Seats = std::array<bool, SeatCount>;
    // The seats given to players on other computers by the last start, once; no value when the
    // dialog was left another way.
    std::optional<Seats> TakeRemoteSeats() { return std::exchange(remoteStart_, std::nullopt); }

    // Escape from a seat's controls: hides the dialog and lets the game on the board go on.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void BuildSeat(int i);
    void Form_Load();

    void ShowTypedBox(int i, bool typed);
    void cmdRandom_Click();
    void cmdStart_Click();
    void cmdOpen_Click();

    const GameState& state_;
    RandomSource& random_;
    NewGameSetup setup_;
    bool unloaded_ = false;
    std::optional<Seats> remoteStart_;

    std::array<SeatGroupBox*, SeatCount> Frame2{};
    std::array<QPushButton*, SeatCount> optCom{};
    std::array<QPushButton*, SeatCount> optPer{};
    std::array<QLabel*, SeatCount> Label4{};
    std::array<QLineEdit*, SeatCount> txtNew{};
    std::array<QComboBox*, SeatCount> cmbNew{};
    std::array<QCheckBox*, SeatCount> chkRemote{};
    QPushButton* cmdStart = nullptr;
    QPushButton* cmdRandom = nullptr;
    QPushButton* cmdOpen = nullptr;
};

}  // namespace vantry
