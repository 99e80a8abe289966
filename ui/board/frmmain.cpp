#include "frmmain.h"

#include <QCloseEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <algorithm>

#include "accessibleroles.h"
#include "boardannouncements.h"
#include "boardcommands.h"
#include "boarddescriptions.h"
#include "boardgeometry.h"
#include "boardlayer.h"
#include "boardwidgets.h"
#include "clicklabel.h"
#include "clickpanel.h"
#include "countertravel.h"
#include "dieface.h"
#include "document.h"
#include "documentboardview.h"
#include "droppedfile.h"
#include "filemenu.h"
#include "gamestate.h"
#include "keytable.h"
#include "mediafolder.h"
#include "modulecues.h"
#include "namelabel.h"
#include "numberlayer.h"
#include "playfocus.h"
#include "prompter.h"
#include "recordsflag.h"
#include "svgpicture.h"
#include "twips.h"

// The pictures are compiled into the library; this keeps the linker from dropping them.
static void LoadPictures() { Q_INIT_RESOURCE(pictures); }

namespace vantry {

namespace {
constexpr int TimerInterval = 500;
constexpr int LastNumberedSquare = 100;

template <typename Array>
auto Element(const Array& items, int i) -> typename Array::value_type {
    if (i < 0 || static_cast<std::size_t>(i) >= items.size()) return nullptr;
    return items[static_cast<std::size_t>(i)];
}
}  // namespace

frmMain::frmMain(GameState& state, Prompter& prompter, RandomSource& random, BoardCommands& commands, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      state_(state),
      prompter_(prompter),
      random_(random),
      commands_(commands),
      cues_(std::make_unique<ModuleCues>()) {
    LoadPictures();
    AccessibleRoles::Install();
    setObjectName("frmMain");
    // The window holds the focus until the player tabs to a control, so that Enter is Go and
    // not whichever control the toolkit would pick; it is no stop of its own under Tab.
    setFocusPolicy(Qt::ClickFocus);
    setAcceptDrops(true);
    // The window may grow but never hide the die, Go, FILE or the names beyond its edge.
    const QSize designSize = PixelRect(TwipsRect{0.0f, 0.0f, ClientWidth, ClientHeight}).size();
    setMinimumSize(designSize);
    resize(designSize);
    QPalette dark = palette();
    dark.setColor(QPalette::Window, QColor(29, 59, 37));
    setPalette(dark);
    // The window is made on the display now, while the board is built, not when it is shown.
    create();

    widgets_ = std::make_unique<BoardWidgets>(this, model_);
    travel_ = std::make_unique<CounterTravel>(model_, *this, widgets_->picM, CounterTravel::WantedByPlayer());
    documentBoard_ = std::make_unique<DocumentBoardView>(*this, *travel_);
    mnuFile_ = new FileMenu(this);
    timPlay_.setObjectName("timPlay");
    timGo_.setObjectName("timGo");
    Timer1_.setObjectName("Timer1");
    for (QTimer* t : {&timPlay_, &timGo_, &Timer1_}) t->setInterval(TimerInterval);

    Connect();
    InstallKeyHandler();
    Form_Load();
    descriptions_ = std::make_unique<BoardDescriptions>(state_, model_, *widgets_);
    announcements_ = std::make_unique<BoardAnnouncements>(state_, *descriptions_, *widgets_, this);
    playFocus_ = std::make_unique<PlayFocus>(state_, *widgets_);
    announcedGame_ = state_.GamesStarted;
    setFocus(Qt::OtherFocusReason);
}

frmMain::~frmMain() = default;

void frmMain::Form_Load() {
    ReadRecordsStored(state_.RecordsStored);

    const QSize outer = frameGeometry().size();
    model_.Background() = TwipsRect{0.0f, 0.0f, static_cast<float>(outer.width()) * TwipsPerPixel,
                                    static_cast<float>(outer.height()) * TwipsPerPixel};
    widgets_->imgPic->setGeometry(PixelRect(model_.Background()));

    SetTimerEnabled(GameTimer::Timer1, true);
    SetTimerEnabled(GameTimer::timPlay, true);
    SetTimerEnabled(GameTimer::timGo, false);

    PlaceNumbers();
    for (int i = LastNumberedSquare + 1; i < BoardModel::NumberLabelCount; ++i) model_.Number(i).visible = false;
    widgets_->lblCtr->update();

    widgets_->track->SetLineColour(Qt::white);
}

void frmMain::PlaceNumbers() {
    QPalette numberPalette = widgets_->lblCtr->palette();
    numberPalette.setColor(QPalette::WindowText, Qt::white);
    widgets_->lblCtr->setPalette(numberPalette);
    for (int i = 1; i <= LastNumberedSquare; ++i) model_.PlaceNumber(i);
}

void frmMain::Connect() {
    BoardWidgets& w = *widgets_;
    for (int k = 0; k < BoardWidgets::FaceCount; ++k) {
        connect(w.picToss[static_cast<std::size_t>(k)], &ClickPanel::clicked, this, [this, k] { picToss_Click(k); });
    }
    connect(w.Label1, &ClickLabel::clicked, this, &frmMain::Label1_Click);
    for (int i = 0; i < 4; ++i) {
        connect(w.picM[static_cast<std::size_t>(i)], &ClickPanel::clicked, this, [this, i] { picM_Click(i); });
    }
    connect(w.cmdGo, &QPushButton::clicked, this, &frmMain::cmdGo_Click);
    connect(w.imgFile, &SvgPicture::clicked, this, &frmMain::imgFile_Click);
    connect(&timPlay_, &QTimer::timeout, this, &frmMain::timPlay_Timer);
    connect(&timGo_, &QTimer::timeout, this, &frmMain::timGo_Timer);
    connect(&Timer1_, &QTimer::timeout, this, &frmMain::Timer1_Timer);

    FileMenu& m = *mnuFile_;
    connect(m.mnuFileAbout, &QAction::triggered, this, &frmMain::mnuFileAbout_Click);
    connect(m.mnuFileNew, &QAction::triggered, this, &frmMain::mnuFileNew_Click);
    connect(m.mnuFileOpen, &QAction::triggered, this, &frmMain::mnuFileOpen_Click);
    connect(m.mnuFileSave, &QAction::triggered, this, &frmMain::mnuFileSave_Click);
    connect(m.mnuFileSaveAs, &QAction::triggered, this, &frmMain::mnuFileSaveAs_Click);
    connect(m.mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
}

// Keys go to whichever control has the focus; filtering the window and every control in it
// (the pop-up menu is a window of its own) sends each press to the one key handler, before a
// focused button could take Space or Enter for itself.
void frmMain::InstallKeyHandler() {
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) {
        if (child->window() == this) child->installEventFilter(this);
    }
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) return HandleKey(static_cast<QKeyEvent*>(event));
    return QWidget::eventFilter(watched, event);
}

bool frmMain::HandleKey(QKeyEvent* event) {
    const KeyCommand command = KeyCommandFor(event->key(), event->modifiers());
    if (command == KeyCommand::None) return false;
    if (event->isAutoRepeat()) return true;  // a held key is one press
    switch (command) {
        case KeyCommand::Throw: engine_.Throw(); break;
        case KeyCommand::Go:
            if (PressFocused()) break;
            if (widgets_->cmdGo->isEnabled()) widgets_->cmdGo->click();
            break;
        case KeyCommand::ReadBoard: announcements_->ReadBoard(); break;
        case KeyCommand::New: mnuFileNew_Click(); break;
        case KeyCommand::Open: mnuFileOpen_Click(); break;
        case KeyCommand::Save: mnuFileSave_Click(); break;
        case KeyCommand::About: mnuFileAbout_Click(); break;
        case KeyCommand::Exit: mnuFileExit_Click(); break;
        case KeyCommand::Menu: OpenFileMenuFromKeyboard(); break;
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
        engine_.Throw();
    } else if (const auto counter = std::find(w.picM.begin(), w.picM.end(), focused); counter != w.picM.end()) {
        picM_Click(static_cast<int>(counter - w.picM.begin()));
    } else if (focused == w.imgFile) {
        OpenFileMenuFromKeyboard();
    } else {
        return false;
    }
    return true;
}

// Any face throws; its index does not matter.
void frmMain::picToss_Click(int) { engine_.Throw(); }
void frmMain::Label1_Click() { engine_.Throw(); }

// A move's descriptions catch up when the engine passes the turn on (TurnPassed), or when the
// document replaces the game inside the win's windows (SetCaption).
void frmMain::picM_Click(int index) { engine_.picM_Click(static_cast<std::int16_t>(index)); }
void frmMain::cmdGo_Click() { engine_.cmdGo_Click(); }
void frmMain::timPlay_Timer() { engine_.timPlay_Timer(); }
void frmMain::timGo_Timer() { engine_.timGo_Timer(); }

void frmMain::Timer1_Timer() { engine_.Timer1_Timer(); }

QPoint frmMain::FileMenuCorner() const { return widgets_->imgFile->mapToGlobal(QPoint(0, 0)); }
void frmMain::imgFile_Click() { mnuFile_->popup(FileMenuCorner()); }

// Opened from a key, the menu starts on its first entry so the arrows and Enter work at once.
void frmMain::OpenFileMenuFromKeyboard() {
    imgFile_Click();
    if (!mnuFile_->actions().isEmpty()) mnuFile_->setActiveAction(mnuFile_->actions().constFirst());
}

bool frmMain::TakeDrop(QDropEvent* event) const {
    const Qt::DropAction action = DropActionFor(event->possibleActions());
    if (action == Qt::IgnoreAction || DroppedFile(event->mimeData()).isEmpty()) {
        event->ignore();
        return false;
    }
    event->setDropAction(action);
    event->accept();
    return true;
}

void frmMain::dragEnterEvent(QDragEnterEvent* event) { TakeDrop(event); }
void frmMain::dragMoveEvent(QDragMoveEvent* event) { TakeDrop(event); }

// The file opens once the drop is over, so that a message about a damaged file does not keep
// the program it was dragged from waiting.
void frmMain::dropEvent(QDropEvent* event) {
    if (!TakeDrop(event)) return;
    const QString path = DroppedFile(event->mimeData());
    QMetaObject::invokeMethod(this, [this, path] { commands_.OpenDropped(path); }, Qt::QueuedConnection);
}

void frmMain::mnuFileAbout_Click() { commands_.About(); }

void frmMain::mnuFileNew_Click() {
    SetTimerEnabled(GameTimer::Timer1, false);
    SetTimerEnabled(GameTimer::timGo, false);
    SetTimerEnabled(GameTimer::timPlay, false);
    commands_.New();
}

void frmMain::mnuFileOpen_Click() { commands_.Open(); }
void frmMain::mnuFileSave_Click() { commands_.Save(); }
void frmMain::mnuFileSaveAs_Click() { commands_.SaveAs(); }
void frmMain::mnuFileExit_Click() { close(); }

void frmMain::CloseWithoutAsking() {
    closingWithoutAsking_ = true;
    close();
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (closingWithoutAsking_ || ConfirmClose()) {
        event->accept();
    } else {
        event->ignore();
    }
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

void frmMain::FindMediaFolder() { mediaFolder_ = ::vantry::FindMediaFolder(); }
void frmMain::PlayCue(Cue cue) { cues_->Play(CuePath(mediaFolder_, CueLiteral(cue))); }
void frmMain::SetCuePlayer(std::unique_ptr<CuePlayer> player) {
    if (player) cues_ = std::move(player);
}

float frmMain::MarkerX1(int k) const { return IsMarkerIndex(k) ? MarkerLine(k).x1 : 0.0f; }
float frmMain::MarkerY2(int k) const { return IsMarkerIndex(k) ? MarkerLine(k).y2 : 0.0f; }

float frmMain::CounterLeft(int i) const { return Element(widgets_->picM, i) ? model_.Counter(i).left : 0.0f; }
float frmMain::CounterTop(int i) const { return Element(widgets_->picM, i) ? model_.Counter(i).top : 0.0f; }
float frmMain::CounterWidth(int i) const { return Element(widgets_->picM, i) ? model_.Counter(i).width : 0.0f; }
float frmMain::CounterHeight(int i) const { return Element(widgets_->picM, i) ? model_.Counter(i).height : 0.0f; }

void frmMain::SetCounterLeft(int i, float left) {
    if (!Element(widgets_->picM, i)) return;
    model_.Counter(i).left = left;
    MoveCounterWidget(i);
}

void frmMain::SetCounterTop(int i, float top) {
    if (!Element(widgets_->picM, i)) return;
    model_.Counter(i).top = top;
    MoveCounterWidget(i);
}

void frmMain::MoveCounterWidget(int i) { travel_->Follow(i); }


void frmMain::SetCounterEnabled(int i, bool enabled) {
    ClickPanel* counter = Element(widgets_->picM, i);
    if (!counter) return;
    if (!enabled) playFocus_->Leaving(counter);
    counter->setEnabled(enabled);
}

void frmMain::SetGoEnabled(bool enabled) {
    if (!enabled) playFocus_->Leaving(widgets_->cmdGo);
    widgets_->cmdGo->setEnabled(enabled);
    descriptions_->Refresh();
}

void frmMain::SetFaceVisible(int k, bool visible) {
    DieFace* face = Element(widgets_->picToss, k);
    if (!face) return;
    if (!visible) playFocus_->Leaving(face);
    face->setHidden(!visible);
}

void frmMain::SetFaceEnabled(int k, bool enabled) {
    DieFace* face = Element(widgets_->picToss, k);
    if (!face) return;
    if (!enabled) playFocus_->Leaving(face);
    face->setEnabled(enabled);
}

void frmMain::ShowStartFace() {
    for (int k = 0; k < BoardWidgets::FaceCount - 1; ++k) SetFaceVisible(k, false);
    SetFaceVisible(BoardWidgets::FaceCount - 1, true);
    SetFaceEnabled(BoardWidgets::FaceCount - 1, true);
}

QTimer& frmMain::Timer(GameTimer timer) {
    switch (timer) {
        case GameTimer::timPlay: return timPlay_;
        case GameTimer::timGo: return timGo_;
        case GameTimer::Timer1: return Timer1_;
    }
    return timPlay_;
}

// Enabling a running timer leaves its interval alone; enabling a stopped one starts it afresh.
void frmMain::SetTimerEnabled(GameTimer timer, bool enabled) {
    QTimer& t = Timer(timer);
    if (!enabled) {
        t.stop();
        // A blink stopped in its dark half would leave that player's name off the board.
        if (timer == GameTimer::Timer1) {
            for (int i = 0; i < 4; ++i) SetNameVisible(i, true);
        }
    } else if (!t.isActive()) {
        t.start();
    }
}

bool frmMain::TimerEnabled(GameTimer timer) const {
    switch (timer) {
        case GameTimer::timPlay: return timPlay_.isActive();
        case GameTimer::timGo: return timGo_.isActive();
        case GameTimer::Timer1: return Timer1_.isActive();
    }
    return false;
}

QString frmMain::NameText(int i) const {
    QLabel* label = Element(widgets_->txtName, i);
    return label ? label->text() : QString();
}

bool frmMain::NameVisible(int i) const {
    auto* label = qobject_cast<NameLabel*>(Element(widgets_->txtName, i));
    return label && label->Lit();
}

void frmMain::SetNameVisible(int i, bool visible) {
    if (auto* label = qobject_cast<NameLabel*>(Element(widgets_->txtName, i))) label->SetLit(visible);
}

void frmMain::SetNameCaption(int seat, const QString& name) {
    if (QLabel* label = Element(widgets_->txtName, seat)) BoardWidgets::SetNameText(label, name);
    descriptions_->Refresh();
}

// The win's messages come before the turn passes on; the board already reads as won.
void frmMain::ShowMessage(const std::string& text) {
    descriptions_->Refresh();
    announcements_->Flush();
    prompter_.Message(QString::fromStdString(text));
}
void frmMain::ShowBestPlayers() { commands_.BestPlayers(); }

// Names are put in with the one-pass arg, so a name holding "%1" stays as it was typed.
std::string frmMain::WinsText(const std::string& winner) const {
    return tr("%1 Wins!").arg(QString::fromStdString(winner)).toStdString();
}
std::string frmMain::StandingText(const std::string& name, int square) const {
    return tr("%1: %2").arg(QString::fromStdString(name), QString::number(square)).toStdString();
}

void frmMain::Thrown(int seat, int face) {
    announcements_->Thrown(seat, face);
    playFocus_->Thrown(seat);
}

// The words go first: nothing said waits for a counter's travel.
void frmMain::CounterMoved(const MoveReport& move) {
    announcements_->Moved(move);
    travel_->Moved(move);
}

void frmMain::TurnPassed(int seat) {
    travel_->MoveOver();
    descriptions_->Refresh();
    announcements_->TurnPassed(seat);
    playFocus_->TurnPassed(seat);
}

QString frmMain::Caption() const { return windowTitle(); }
// The document sets the caption last when it has loaded or reset a game.
void frmMain::SetCaption(const QString& caption) {
    setWindowTitle(caption);
    descriptions_->Refresh();
    if (state_.GamesStarted != announcedGame_) {
        announcedGame_ = state_.GamesStarted;
        announcements_->GameReplaced(caption, commands_.Untitled());
        playFocus_->TurnPassed(state_.CurrentPlayer);
    }
}
void frmMain::ShowWindow() { show(); }
// What the document code places stands there at once; only the engine's moves travel.
BoardView& frmMain::Board() { return *documentBoard_; }

}  // namespace vantry
