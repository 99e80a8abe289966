#pragma once

#include <QDialog>

#include <array>

#include "gamestate.h"

class QCheckBox;
class QLineEdit;

namespace vantry {

class Prompter;
class TablePlay;

// The invitations of a hosted game: each seat a person plays can be given to a player on
// another computer, whose invitation then stands beside it to copy and send; the last one
// lets a watcher follow the game. Ticking a seat hosts the game; unticking it plays the seat
// here again and makes its invitation open nothing.
class frmInvite : public QDialog {
    Q_OBJECT
public:
    frmInvite(const GameState& state, TablePlay& table, Prompter& prompter, QWidget* owner);

    QCheckBox* Seat(int seat) const { return seats_[static_cast<std::size_t>(seat)]; }
    QLineEdit* Link(int seat) const { return links_[static_cast<std::size_t>(seat)]; }
    QLineEdit* WatchLink() const { return watch_; }

    static QString FailedText();

private:
    void Toggle(int seat, bool remote);

    TablePlay& table_;
    Prompter& prompter_;
    std::array<QCheckBox*, SeatCount> seats_{};
    std::array<QLineEdit*, SeatCount> links_{};
    QLineEdit* watch_ = nullptr;
};

}  // namespace vantry
