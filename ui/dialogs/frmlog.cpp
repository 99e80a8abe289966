#include "frmlog.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "engine.h"
#include "gamelogmodel.h"
#include "racechart.h"
#include "statisticspane.h"

namespace vantry {

namespace {
constexpr int Gap = 8;
constexpr QSize DesignSize{460, 560};
}  // namespace

frmLog::frmLog(Engine& engine, Prompter& prompter, StoreFailureNotice& notice, QWidget* board)
    : QWidget(board, Qt::Window), engine_(engine), board_(board) {
    setObjectName("frmLog");
    setWindowTitle(tr("Vantry - Game Log"));
    resize(DesignSize);
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName("tabLog");
    layout->addWidget(tabs);

    model_ = new GameLogModel(engine.State(), this);
    view_ = new QListView(tabs);
    view_->setObjectName("lstLog");
    //: What a screen reader calls the list of the game's events.
    view_->setAccessibleName(tr("Game log"));
    view_->setModel(model_);
    // Every line is one line high, so thousands of them are laid out without being measured.
    view_->setUniformItemSizes(true);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    //: The tab of the game log window that lists every event of the game.
    tabs->addTab(view_, tr("&Log"));

    auto* race = new QWidget(tabs);
    auto* raceLayout = new QVBoxLayout(race);
    chart_ = new RaceChart(engine.State(), race);
    raceLayout->addWidget(chart_, 1);
    auto* summary = new QLabel(chart_->accessibleDescription(), race);
    summary->setObjectName("lblRaceSummary");
    summary->setTextFormat(Qt::PlainText);
    summary->setWordWrap(true);
    // Wrapped to the room the chart leaves: a name too long for a line is cut at the edge (as the
    // legend cuts it) rather than widening the window; the chart's description keeps it whole.
    summary->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    raceLayout->addWidget(summary);
    connect(chart_, &RaceChart::SummaryChanged, summary, &QLabel::setText);
    //: The tab of the game log window with the chart of the race.
    tabs->addTab(race, tr("&Race"));

    statistics_ = new StatisticsPane(prompter, notice, tabs);
    //: The tab of the game log window with every player's statistics.
    tabs->addTab(statistics_, tr("&Statistics"));

    auto* buttons = new QHBoxLayout;
    //: Button: copies every line of the game log to the clipboard.
    auto* copy = new QPushButton(tr("&Copy All"), this);
    copy->setObjectName("cmdCopy");
    copy->setAutoDefault(false);
    copy->setToolTip(tr("Copies every line of the log as text."));
    //: Button: closes the game log window.
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName("cmdClose");
    close->setAutoDefault(false);
    buttons->addWidget(copy);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(copy, &QPushButton::clicked, this, [this] { QApplication::clipboard()->setText(model_->Text()); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    // A player who moves up the lines, or scrolls up, reads on undisturbed; back on the last
    // line or at the foot, the log follows the game again.
    connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { following_ = !current.isValid() || current.row() == model_->rowCount() - 1; });
    connect(view_->verticalScrollBar(), &QScrollBar::actionTriggered, this, [this] {
        const QScrollBar* bar = view_->verticalScrollBar();
        following_ = bar->sliderPosition() >= bar->maximum();
    });
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);
    engine_.AddRecordFollower(this);
}

frmLog::~frmLog() { engine_.RemoveRecordFollower(this); }

void frmLog::Recorded(const GameRecord& record, bool restarted) {
    model_->Recorded(record, restarted);
    chart_->Recorded(record, restarted);
    if (restarted) following_ = true;
    if (following_) ShowNewest();
}

// Lays the lines out first where they have not been yet, so the newest is really in view.
void frmLog::ShowNewest() {
    const int rows = model_->rowCount();
    if (rows > 0) view_->scrollTo(model_->index(rows - 1), QAbstractItemView::PositionAtBottom);
}

void frmLog::StatisticsStored() { statistics_->Refresh(); }

void frmLog::Toggle() {
    if (isVisible()) {
        close();
        return;
    }
    if (!placed_) PlaceBesideBoard();
    statistics_->Refresh();
    show();
    raise();
    activateWindow();
    if (model_->rowCount() > 0) view_->setCurrentIndex(model_->index(model_->rowCount() - 1));
    view_->setFocus(Qt::OtherFocusReason);
}

void frmLog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (following_) ShowNewest();
}

// On the side of the board with more room, narrower where the room is short so that it hides
// nothing of the board, and never off the screen.
void frmLog::PlaceBesideBoard() {
    placed_ = true;
    if (!board_) return;
    const QRect b = board_->frameGeometry();
    const QScreen* screen = board_->screen();
    const QRect room = screen ? screen->availableGeometry() : QRect(b.topLeft(), b.size() * 2);
    const int frame = frameGeometry().width() - width();
    const int right = room.right() - b.right() - Gap;
    const int left = b.left() - room.left() - Gap;
    const bool onRight = right >= DesignSize.width() + frame || right >= left;
    const int side = onRight ? right : left;
    resize(std::clamp(side - frame, minimumSizeHint().width(), DesignSize.width()), height());
    QPoint at(onRight ? b.right() + Gap : b.left() - Gap - (width() + frame), b.top());
    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - width())));
    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - height())));
    move(at);
}

void frmLog::CopySelected() const {
    const QModelIndexList rows = view_->selectionModel()->selectedIndexes();
    QApplication::clipboard()->setText(model_->Text(rows.isEmpty() ? QModelIndexList{view_->currentIndex()} : rows));
}

// L (as on the board) and Escape close the window wherever its focus is; Copy on the log
// copies its selected lines rather than only the line the cursor is on.
bool frmLog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers held =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if ((key->key() == Qt::Key_L || key->key() == Qt::Key_Escape) && held == Qt::NoModifier) {
        if (!key->isAutoRepeat()) close();
        return true;
    }
    // End follows the game again, also from the last line itself after a scroll away from it,
    // where the view would not move.
    if (watched == view_ && key->key() == Qt::Key_End && held == Qt::NoModifier) {
        following_ = true;
        ShowNewest();
    }
    if (watched == view_ && key->matches(QKeySequence::Copy)) {
        CopySelected();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vantry
