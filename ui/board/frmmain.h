#pragma once

#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

#include "board/boardcues.h"
#include "documentwindow.h"
#include "engine.h"
#include "twips.h"

namespace vantry {

class BoardAnnouncements;
class BoardCommands;
class BoardDescriptions;
class BoardWidgets;
class CounterTravel;
class FileMenu;
class PlayFocus;
class Prompter;
class StoreFailureNotice;
struct PlayerOptions;

// The board window, on which the whole game is played. It follows the record's events: it draws
// the game state after each (faces, Go, names, timers, caption) and hands the event to the
// counters' travel and the screen reader's announcements; it plays the cues and routes clicks,
// keys and timer ticks to the engine. Its File menu, close prompt, a saved game dropped on it and the
// win's best-players window hand over to the BoardCommands; every message box goes through the
// Prompter.
class frmMain : public QWidget, public GameListener, public DocumentWindow {
    Q_OBJECT
public:
    frmMain(Engine& engine, Prompter& prompter, BoardCommands& commands, QWidget* parent = nullptr);
    ~frmMain() override;

    // GameListener: the record's last event is drawn, travelled and said.
    void Recorded(const GameRecord& record, bool restarted) override;
    void CuePlayed(Cue cue) override;
    void Changed() override;
    void Blinked() override;

    // DocumentWindow
    // The first showing puts the window where the last run left it.
    void ShowWindow() override;

    // The player's options take effect at once: the computer's pace (timPlay and timGo; Timer1
    // keeps its blink), the travel, the marks and the cues.
    void ApplyOptions(const PlayerOptions& options);

    // Closes the window without the save question (the best players' Exit ends the game so).
    void CloseWithoutAsking();
    // Where a store that cannot be written is told, once a run; the window's place is kept there.
    void SetStoreNotice(StoreFailureNotice* notice) { storeNotice_ = notice; }
    // The board's place in the window: its scale and offset.
    const TwipsMapping& Mapping() const { return mapping_; }
    // The board's size at its design scale, in logical pixels.
    static QSize DesignSize();

    CounterTravel& Travel() { return *travel_; }
    BoardAnnouncements& Announcements() { return *announcements_; }
    Engine& GameEngine() { return engine_; }
    FileMenu& Menu() { return *mnuFile_; }
    QTimer& Timer(GameTimer timer) { return timers_[static_cast<std::size_t>(timer)]; }
    // The window's sound, whose cue player a test may replace.
    BoardCues& Cues() { return cues_; }
    // Where the File menu pops up: the FILE picture's top-left corner, in screen coordinates.
    QPoint FileMenuCorner() const;
    // Where the controls a player must reach stand on the screen: FILE, the names, the die and Go.
    QRect ControlsOnScreen() const;

public slots:
    // Any face throws, its caption "Click" with it; the face's index does not matter.
    void picToss_Click(int face);
    void picM_Click(int index);
    void cmdGo_Click();
    void timPlay_Timer();
    void timGo_Timer();
    void Timer1_Timer();
    void mnuFileAbout_Click();
    void mnuFileSettings_Click();
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Form_Load();
    bool PlaysHere() const;
    void ThrowHere();
    // Enter presses the focused control of the board, as on any button; Space keeps throwing
    // wherever the focus is.
    bool PressFocused();
    void OpenFileMenuFromKeyboard();
    bool ConfirmClose();
    void ToggleFullScreen();

    // Brings every widget, the timers and the caption up to the state.
    void Draw();
    // The win's two messages and the best-players window, while the move waits.
    void ShowWin(int seat);

    Engine& engine_;
    const GameState& state_;
    Prompter& prompter_;
    BoardCommands& commands_;
    std::unique_ptr<BoardWidgets> widgets_;
    std::unique_ptr<BoardDescriptions> descriptions_;
    std::unique_ptr<CounterTravel> travel_;
    std::unique_ptr<BoardAnnouncements> announcements_;
    std::unique_ptr<PlayFocus> playFocus_;
    FileMenu* mnuFile_ = nullptr;
    // timPlay, timGo and Timer1, indexed by GameTimer.
    std::array<QTimer, 3> timers_;
    BoardCues cues_;
    bool closingWithoutAsking_ = false;
    bool placeRestored_ = false;
    TwipsMapping mapping_;
    StoreFailureNotice* storeNotice_ = nullptr;
};

}  // namespace vantry
