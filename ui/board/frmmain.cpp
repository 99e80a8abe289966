#include "board/frmmain.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMimeData>
#include <QPushButton>
#include <QUrl>

#include <algorithm>

#include "accessibleroles.h"
#include "board/boardannouncements.h"
#include "board/boardcommands.h"
#include "board/boardlayout.h"
#include "board/boarddescriptions.h"
#include "board/boardwidgets.h"
#include "board/clickpanel.h"
#include "board/countertravel.h"
#include "board/dieface.h"
#include "document.h"
#include "board/filemenu.h"
#include "standings.h"
#include "board/keytable.h"
#include "board/namelabel.h"
#include "playeroptions.h"
#include "board/playfocus.h"
#include "prompter.h"
#include "recordsstore.h"
#include "media/svgpicture.h"
#include "board/windowplace.h"

namespace vantry {

namespace {
// Timer1's blink, and the designed pace of timPlay and timGo until the player's options come.
constexpr int TimerInterval = 500;
constexpr qreal SmallestScale = 0.75;

// Accepts a drop of one saved game and gives its path, or ignores it and gives none. The path is
// that of a single local file that is not a folder: several files are refused rather than one of
// them picked, so that nothing opens by surprise. Reading the file leaves it where it was, so the
// drop is a copy (or else a link), never a move after which the program it came from would
// delete it.
QString TakeDrop(QDropEvent* event) {
    const Qt::DropActions possible = event->possibleActions();
    const Qt::DropAction action = possible & Qt::CopyAction   ? Qt::CopyAction
                                  : possible & Qt::LinkAction ? Qt::LinkAction
                                                              : Qt::IgnoreAction;
    const QList<QUrl> urls = event->mimeData() ? event->mimeData()->urls() : QList<QUrl>();
    const bool oneFile = urls.size() == 1 && urls.constFirst().isLocalFile();
    const QString path = oneFile ? urls.constFirst().toLocalFile() : QString();
    if (action == Qt::IgnoreAction || path.isEmpty() || QFileInfo(path).isDir()) {
        event->ignore();
        return {};
    }
    event->setDropAction(action);
    event->accept();
    return path;
}
}  // namespace

frmMain::frmMain(Engine& engine, Prompter& prompter, BoardCommands& commands, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      engine_(engine),
      state_(engine.State()),
      prompter_(prompter),
      commands_(commands) {
    AccessibleRoles::Install();
    setObjectName("frmMain");
    // The window holds the focus until the player tabs to a control, so that Enter is Go and
    // not whichever control the toolkit would pick; it is no stop of its own under Tab.
    setFocusPolicy(Qt::ClickFocus);
    setAcceptDrops(true);
    // The board scales with the window, down to three quarters of its design size.
    setMinimumSize(DesignSize() * SmallestScale);
    resize(DesignSize());
    QPalette dark = palette();
    dark.setColor(QPalette::Window, QColor(29, 59, 37));
    setPalette(dark);

    widgets_ = std::make_unique<BoardWidgets>(this);
    travel_ = std::make_unique<CounterTravel>(state_, widgets_->picM);
    mnuFile_ = new FileMenu(this);
    timers_[static_cast<std::size_t>(GameTimer::timPlay)].setObjectName("timPlay");
    timers_[static_cast<std::size_t>(GameTimer::timGo)].setObjectName("timGo");
    timers_[static_cast<std::size_t>(GameTimer::Timer1)].setObjectName("Timer1");
    for (QTimer& t : timers_) t.setInterval(TimerInterval);

    BoardWidgets& w = *widgets_;
    for (int k = 0; k < BoardWidgets::FaceCount; ++k) {
        connect(w.picToss[static_cast<std::size_t>(k)], &ClickPanel::clicked, this, [this, k] { picToss_Click(k); });
    }
    for (int i = 0; i < 4; ++i) {
        connect(w.picM[static_cast<std::size_t>(i)], &ClickPanel::clicked, this, [this, i] { picM_Click(i); });
    }
    connect(w.cmdGo, &QPushButton::clicked, this, &frmMain::cmdGo_Click);
    connect(w.imgFile, &SvgPicture::clicked, this, [this] { mnuFile_->popup(FileMenuCorner()); });
    connect(&Timer(GameTimer::timPlay), &QTimer::timeout, this, &frmMain::timPlay_Timer);
    connect(&Timer(GameTimer::timGo), &QTimer::timeout, this, &frmMain::timGo_Timer);
    connect(&Timer(GameTimer::Timer1), &QTimer::timeout, this, &frmMain::Timer1_Timer);

    FileMenu& m = *mnuFile_;
    connect(m.mnuFileAbout, &QAction::triggered, this, &frmMain::mnuFileAbout_Click);
    connect(m.mnuFileSettings, &QAction::triggered, this, &frmMain::mnuFileSettings_Click);
    connect(m.mnuFileNew, &QAction::triggered, this, &frmMain::mnuFileNew_Click);
    connect(m.mnuFileOpen, &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    connect(m.mnuFileSave, &QAction::triggered, this, &frmMain::mnuFileSave_Click);
    connect(m.mnuFileSaveAs, &QAction::triggered, this, &frmMain::mnuFileSaveAs_Click);
    connect(m.mnuFileLog, &QAction::triggered, this, [this] { commands_.GameLog(); });
    connect(m.mnuFileInvite, &QAction::triggered, this, [this] { commands_.Invite(); });
    connect(m.mnuFileJoin, &QAction::triggered, this, [this] { commands_.Join(); });
    connect(m.mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);

    // Keys go to whichever control has the focus; filtering the window and every control in it
    // (the pop-up menu is a window of its own) sends each press to the one key handler, before a
    // focused button could take Space or Enter for itself.
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->window() == this) child->installEventFilter(this);
    }

    descriptions_ = std::make_unique<BoardDescriptions>(state_, *widgets_);
    announcements_ = std::make_unique<BoardAnnouncements>(state_, this);
    playFocus_ = std::make_unique<PlayFocus>(state_, *widgets_);
    ApplyOptions(PlayerOptions{});
    Form_Load();
    setFocus(Qt::OtherFocusReason);
}

frmMain::~frmMain() = default;

// The timers start as the state has them at load: timPlay and Timer1 running, timGo not.
void frmMain::Form_Load() {
    bool stored = state_.RecordsStored;
    ReadRecordsStored(stored);
    if (stored) engine_.SetRecordsStored();
    Draw();
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const KeyCommand command = KeyCommandFor(key->key(), key->modifiers());
    if (command == KeyCommand::None) return false;
    if (key->isAutoRepeat()) return true;  // a held key is one press
    switch (command) {
        case KeyCommand::Throw: ThrowHere(); break;
        case KeyCommand::Go:
            if (PressFocused()) break;
            if (state_.GoEnabled) widgets_->cmdGo->click();
            break;
        case KeyCommand::ReadBoard: announcements_->ReadBoard(); break;
        case KeyCommand::New: commands_.New(); break;
        case KeyCommand::Open: commands_.Open(); break;
        case KeyCommand::Save: commands_.Save(); break;
        case KeyCommand::About: commands_.About(); break;
        case KeyCommand::Settings: commands_.Settings(); break;
        case KeyCommand::Exit: close(); break;
        case KeyCommand::Menu: OpenFileMenuFromKeyboard(); break;
        case KeyCommand::FullScreen: ToggleFullScreen(); break;
        case KeyCommand::Escape:
            if (!isFullScreen()) return false;
            ToggleFullScreen();
            break;
        case KeyCommand::GameLog: commands_.GameLog(); break;
        case KeyCommand::None: break;
    }
    return true;
}

// Go's own Enter is Go's click already.
bool frmMain::PressFocused() {
    const QWidget* focused = focusWidget();
    if (focused == nullptr || !focused->isEnabled()) return false;
    const BoardWidgets& w = *widgets_;
    if (std::find(w.picToss.begin(), w.picToss.end(), focused) != w.picToss.end()) {
        ThrowHere();
    } else if (const auto counter = std::find(w.picM.begin(), w.picM.end(), focused); counter != w.picM.end()) {
        picM_Click(static_cast<int>(counter - w.picM.begin()));
    } else if (focused == w.imgFile) {
        OpenFileMenuFromKeyboard();
    } else {
        return false;
    }
    return true;
}

void frmMain::picM_Click(int index) {
    if (PlaysHere()) engine_.picM_Click(static_cast<std::int16_t>(index));
}
void frmMain::cmdGo_Click() {
    if (PlaysHere()) engine_.cmdGo_Click();
}

// A seat played from another computer takes no throw or move from this one.
bool frmMain::PlaysHere() const { return !state_.Remote[static_cast<std::size_t>(state_.CurrentPlayer)]; }
void frmMain::ThrowHere() {
    if (PlaysHere()) engine_.Throw();
}
void frmMain::picToss_Click(int) { ThrowHere(); }
void frmMain::timPlay_Timer() { engine_.timPlay_Timer(); }
void frmMain::timGo_Timer() { engine_.timGo_Timer(); }

void frmMain::Timer1_Timer() { engine_.Timer1_Timer(); }

QPoint frmMain::FileMenuCorner() const { return widgets_->imgFile->mapToGlobal(QPoint(0, 0)); }

QRect frmMain::ControlsOnScreen() const {
    const BoardWidgets& w = *widgets_;
    QRect controls = w.imgFile->geometry() | w.cmdGo->geometry();
    for (const QWidget* face : w.picToss) controls |= face->geometry();
    for (const QWidget* name : w.txtName) controls |= name->geometry();
    return QRect(mapToGlobal(controls.topLeft()), controls.size());
}

// Opened from a key, the menu starts on its first entry so the arrows and Enter work at once.
void frmMain::OpenFileMenuFromKeyboard() {
    mnuFile_->popup(FileMenuCorner());
    if (!mnuFile_->actions().isEmpty()) mnuFile_->setActiveAction(mnuFile_->actions().constFirst());
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) { TakeDrop(event); }
void frmMain::dragMoveEvent(QDragMoveEvent* event) { TakeDrop(event); }

// The file opens once the drop is over, so that a message about a damaged file does not keep
// the program it was dragged from waiting.
void frmMain::dropEvent(QDropEvent* event) {
    const QString path = TakeDrop(event);
    if (path.isEmpty()) return;
    QMetaObject::invokeMethod(this, [this, path] { commands_.OpenDropped(path); }, Qt::QueuedConnection);
}

void frmMain::mnuFileAbout_Click() { commands_.About(); }
void frmMain::mnuFileSettings_Click() { commands_.Settings(); }
void frmMain::mnuFileNew_Click() { commands_.New(); }
void frmMain::mnuFileOpen_Click() { commands_.Open(); }
void frmMain::mnuFileSave_Click() { commands_.Save(); }
void frmMain::mnuFileSaveAs_Click() { commands_.SaveAs(); }
void frmMain::mnuFileExit_Click() { close(); }

void frmMain::CloseWithoutAsking() {
    closingWithoutAsking_ = true;
    close();
}

void frmMain::ShowWindow() {
    if (!placeRestored_) WindowPlace::Restore(*this);
    placeRestored_ = true;
    show();
}

QSize frmMain::DesignSize() { return PixelRect(BoardRect).size(); }

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The smallest scale is the window's smallest size, lowered on a screen too small for it.
    const QSize design = DesignSize();
    const qreal smallest = std::min(qreal(minimumWidth()) / design.width(), qreal(minimumHeight()) / design.height());
    mapping_ = TwipsMapping::Fitting(design, size(), std::min(SmallestScale, smallest));
    widgets_->Place(mapping_);
    travel_->SetMapping(mapping_);
}

void frmMain::ToggleFullScreen() { setWindowState(windowState() ^ Qt::WindowFullScreen); }

void frmMain::closeEvent(QCloseEvent* event) {
    const bool closes = closingWithoutAsking_ || ConfirmClose();
    if (closes && storeNotice_ != nullptr && placeRestored_) WindowPlace::Store(*this, prompter_, *storeNotice_);
    event->setAccepted(closes);
}

// A Yes whose save was cancelled or failed keeps the board, so the game is not lost.
bool frmMain::ConfirmClose() {
    switch (prompter_.AskYesNoCancel(Document::CloseQuestion(commands_.Untitled()))) {
        case Prompter::Answer::Yes: return commands_.Save();
        case Prompter::Answer::No: return true;
        case Prompter::Answer::Cancel: return false;
    }
    return false;
}

void frmMain::CuePlayed(Cue cue) { cues_.Play(cue); }

// A timer given a new interval while it runs starts it afresh; the turn waits one new tick.
void frmMain::ApplyOptions(const PlayerOptions& options) {
    for (GameTimer t : {GameTimer::timPlay, GameTimer::timGo}) Timer(t).setInterval(options.pace);
    travel_->Apply(options);
    widgets_->ShowMarks(options.marks);
    cues_.Apply(options.sound, options.volume);
}

// The words go first: nothing said waits for a counter's travel. The die tumbles as it comes
// to rest on the face thrown; the throw itself is done already.
void frmMain::Recorded(const GameRecord& record, bool restarted) {
    const RecordEvent& e = record.back();
    // A game taken whole in its middle, as a copy that joins one finds it: the board is read.
    const bool joined = restarted && !e.StartsGame();
    travel_->Follow(e, restarted);
    if (joined) {
        Draw();
        announcements_->ReadBoard();
        playFocus_->TurnPassed(state_.CurrentPlayer);
        return;
    }
    announcements_->Heard(e);
    if (e.kind == RecordEvent::Kind::Move) return;
    Draw();
    switch (e.kind) {
        case RecordEvent::Kind::Throw:
            if (travel_->Enabled()) widgets_->picToss[static_cast<std::size_t>(e.face)]->Roll();
            playFocus_->Thrown(e.seat);
            break;
        case RecordEvent::Kind::Win: ShowWin(e.seat); break;
        default: playFocus_->TurnPassed(state_.CurrentPlayer); break;
    }
}

// The board already reads as won; the turn passes on once these are closed. Names are put in
// with the one-pass arg, so a name holding "%1" stays as it was typed.
void frmMain::ShowWin(int seat) {
    const auto nameOf = [this](int s) { return QString::fromStdString(state_.Names[static_cast<std::size_t>(s)]); };
    //: A line of the standings after a win: %1 a player's name, %2 the square its counter stands on.
    const auto standing = [&](int s, int square) { return tr("%1: %2").arg(nameOf(s), QString::number(square)); };
    QString ranks;
    for (int r : Standings(seat, state_.Position)) ranks += '\n' + standing(r, state_.Position[static_cast<std::size_t>(r)] + 1);
    announcements_->Flush();
    prompter_.Message(tr("%1 Wins!").arg(nameOf(seat)));
    prompter_.Message(standing(seat, FinalPosition + 1) + ranks);
    commands_.BestPlayers();
}

void frmMain::Changed() { Draw(); }
// Twice a second: only the names are drawn again, not the whole board's state.
void frmMain::Blinked() { widgets_->DrawNames(state_); }

void frmMain::Draw() {
    widgets_->Draw(state_, PlaysHere(), *playFocus_);
    setWindowTitle(Document::CaptionFor(QString::fromStdString(state_.GamePath)));
    descriptions_->Refresh();
    // A timer that runs on keeps its rhythm; one started afresh begins a whole interval.
    for (std::size_t t = 0; t < timers_.size(); ++t) {
        if (!state_.TimerOn[t]) {
            timers_[t].stop();
        } else if (!timers_[t].isActive()) {
            timers_[t].start();
        }
    }
}

}  // namespace vantry
