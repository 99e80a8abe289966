#pragma once

#include <QDialog>

#include <array>
#include <functional>

#include "recordstable.h"
#include "storefailurenotice.h"

class QLabel;
class QPaintEvent;

namespace vantry {

struct GameState;
class GameCommands;
class Prompter;

// The best-players window, opened after a win: announces the result, enters it into the
// stored table of ten and offers the ways on. Another copy of the game may store the table
// while the window is open, so closing enters the result again into the table as it stands
// then. It talks to the records store, the prompter for its messages and the document
// commands for "&Open Game".
class frmRec : public QDialog {
    Q_OBJECT
public:
    // How the window was left; after NewGame the application opens the new-game dialog.
    enum class Outcome { NewGame, OpenGame, Exit, Closed };
    using ExitAction = std::function<void()>;

    // `exitProgram` ends the program at once without storing or asking anything. `notice` is
    // the run's one notice of a store that cannot be written; without one, the window tells
    // of its own failure alone.
    frmRec(GameState& state, Prompter& prompter, GameCommands& commands, QWidget* owner,
           ExitAction exitProgram = EndProgram, StoreFailureNotice* notice = nullptr);

    // Loads the window (its message first) and shows it modally until a button or the close
    // box leaves it.
    Outcome Run();

    void Form_Load();
    Outcome outcome() const { return outcome_; }

    // Closing stores the table with this window's result entered, unless the window is left
    // by "Exit" or "&Open Game" drops the result.
    void done(int result) override;

    // Leaves every running event loop, this window's and the board's, so the program ends
    // where it stands: no closing handler runs and no save question is asked.
    static void EndProgram();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowRows(const RecordRows& rows);

    void cmdOK_Click();
    void cmdOpen_Click();
    void cmdExit_Click();

    GameState& state_;
    Prompter& prompter_;
    GameCommands& commands_;
    ExitAction exitProgram_;
    StoreFailureNotice ownNotice_;
    StoreFailureNotice& notice_;
    Outcome outcome_ = Outcome::Closed;
    bool keepResult_ = true;
    QString winner_;
    std::int16_t winnerMoves_ = 0;

    // Index 0 holds the headings, 1..10 the rows.
    std::array<QLabel*, RecordRowCount + 1> lblP_{};
    std::array<QLabel*, RecordRowCount + 1> lblName_{};
    std::array<QLabel*, RecordRowCount + 1> lblMove_{};
};

}  // namespace vantry
