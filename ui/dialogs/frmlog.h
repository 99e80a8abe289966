#pragma once

#include <QWidget>

#include <functional>

#include "gamerecord.h"

class QLineEdit;
class QListView;

namespace vantry {

class Engine;
class GameLogModel;
class Prompter;
class RaceChart;
class StatisticsPane;
class StoreFailureNotice;
class TablePlay;

// The game log window, beside the board and not modal: the record's events as lines in the
// screen reader's words (newest at the foot, kept in view while the game runs), the race as a
// chart, and the players' statistics. It follows the engine's record from the moment it is
// made, shown or not. L or Escape closes it, as L on the board opened it. At a game across
// computers it also carries the table's chat: the lines heard stand in the log, and a box under
// it sends one.
class frmLog final : public QWidget, public RecordFollower {
    Q_OBJECT
public:
    frmLog(Engine& engine, Prompter& prompter, StoreFailureNotice& notice, QWidget* board);
    ~frmLog() override;

    // Shows the window beside the board (the first time) and gives it the keyboard, or closes it.
    void Toggle();
    // Where the board's controls stand on the screen, which the log never covers.
    void KeepClear(std::function<QRect()> controls) { keptClear_ = std::move(controls); }
    // The store's figures changed.
    void StatisticsStored();

    void Recorded(const GameRecord& record, bool restarted) override;

    // The table whose chat the window sends; its box shows while this copy is at the table.
    void SetTable(TablePlay* table);
    // A line of the table's news, after the events heard so far.
    void AddNews(const QString& line);

    QListView* LogView() const { return view_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void ShowNewest();
    void ShowChat();

    Engine& engine_;
    GameLogModel* model_ = nullptr;
    QListView* view_ = nullptr;
    RaceChart* chart_ = nullptr;
    StatisticsPane* statistics_ = nullptr;
    QWidget* chat_ = nullptr;
    QLineEdit* chatLine_ = nullptr;
    TablePlay* table_ = nullptr;
    std::function<QRect()> keptClear_;
    bool placed_ = false;
    // True while the log keeps its newest line in view.
    bool following_ = true;
};

}  // namespace vantry
