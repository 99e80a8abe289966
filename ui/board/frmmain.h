#pragma once

#include <QTimer>
#include <QWidget>

#include <memory>

#include "boardmodel.h"
#include "engine.h"
#include "viewbridges.h"

namespace vantry {

class BoardAnnouncements;
class BoardCommands;
class BoardDescriptions;
class BoardWidgets;
class CounterTravel;
class CuePlayer;
class DocumentBoardView;
class FileMenu;
class PlayFocus;
class Prompter;
class RandomSource;
struct GameState;

// The board window, on which the whole game is played. It owns the engine, the three game
// timers and the cue player; it shows the engine's moves (BoardView) and the document state
// the file commands keep (DocumentWindow). Its File menu, close prompt and a saved game dropped
// on it hand over to the BoardCommands; every message box goes through the Prompter.
class frmMain : public QWidget, public BoardViewBridge, public DocumentWindowBridge {
    Q_OBJECT
public:
    frmMain(GameState& state, Prompter& prompter, RandomSource& random, BoardCommands& commands,
            QWidget* parent = nullptr);
    ~frmMain() override;

    // BoardView
    void FindMediaFolder() override;
    void PlayCue(Cue cue) override;
    float MarkerX1(int k) const override;
    float MarkerY2(int k) const override;
    float CounterLeft(int i) const override;
    float CounterTop(int i) const override;
    float CounterWidth(int i) const override;
    float CounterHeight(int i) const override;
    void SetCounterLeft(int i, float left) override;
    void SetCounterTop(int i, float top) override;
    void SetCounterEnabled(int i, bool enabled) override;
    void SetGoEnabled(bool enabled) override;
    void SetFaceVisible(int k, bool visible) override;
    void SetFaceEnabled(int k, bool enabled) override;
    bool NameVisible(int i) const override;
    void SetNameVisible(int i, bool visible) override;
    void ShowMessage(const std::string& text) override;
    void ShowBestPlayers() override;
    void Thrown(int seat, int face) override;
    void CounterMoved(const MoveReport& move) override;
    void TurnPassed(int seat) override;

    // BoardView and DocumentWindow alike
    void SetTimerEnabled(GameTimer timer, bool enabled) override;
    // The caption of name label txtName(i), for both interfaces.
    QString NameText(int i) const override;

    // DocumentWindow
    QString Caption() const override;
    void SetCaption(const QString& caption) override;
    void SetNameCaption(int seat, const QString& name) override;
    void ShowStartFace() override;
    bool TimerEnabled(GameTimer timer) const override;
    void ShowWindow() override;
    BoardView& Board() override;

    // Closes the window without the save question (the best players' Exit ends the game so).
    void CloseWithoutAsking();

    const BoardModel& Model() const { return model_; }
    CounterTravel& Travel() { return *travel_; }
    const BoardAnnouncements& Announcements() const { return *announcements_; }
    Engine& GameEngine() { return engine_; }
    FileMenu& Menu() { return *mnuFile_; }
    QTimer& Timer(GameTimer timer);
    // Replaces the cue player; the window's own plays through QSoundEffect.
    void SetCuePlayer(std::unique_ptr<CuePlayer> player);
    QString MediaFolder() const { return mediaFolder_; }
    // Where the File menu pops up: the FILE picture's top-left corner, in screen coordinates.
    QPoint FileMenuCorner() const;

public slots:
    void picToss_Click(int face);
    void Label1_Click();
    void picM_Click(int index);
    void cmdGo_Click();
    void timPlay_Timer();
    void timGo_Timer();
    void Timer1_Timer();
    void imgFile_Click();
    void mnuFileAbout_Click();
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileExit_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void Form_Load();
    void PlaceNumbers();
    void Connect();
    void InstallKeyHandler();
    bool HandleKey(QKeyEvent* event);
    // Enter presses the focused control of the board, as on any button; Space keeps throwing
    // wherever the focus is.
    bool PressFocused();
    void OpenFileMenuFromKeyboard();
    // Accepts a drop of one saved game as a copy, or ignores it.
    bool TakeDrop(QDropEvent* event) const;
    bool ConfirmClose();
    void MoveCounterWidget(int i);

    GameState& state_;
    Prompter& prompter_;
    RandomSource& random_;
    BoardCommands& commands_;
    BoardModel model_;
    std::unique_ptr<BoardWidgets> widgets_;
    std::unique_ptr<BoardDescriptions> descriptions_;
    std::unique_ptr<CounterTravel> travel_;
    std::unique_ptr<DocumentBoardView> documentBoard_;
    std::unique_ptr<BoardAnnouncements> announcements_;
    std::unique_ptr<PlayFocus> playFocus_;
    std::uint32_t announcedGame_ = 0;
    FileMenu* mnuFile_ = nullptr;
    QTimer timPlay_;
    QTimer timGo_;
    QTimer Timer1_;
    std::unique_ptr<CuePlayer> cues_;
    QString mediaFolder_;
    bool closingWithoutAsking_ = false;
    Engine engine_{state_, *this, random_};
};

}  // namespace vantry
