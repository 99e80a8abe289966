#include "dialogs/frmlog.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>
#include <vector>

#include "board/announcer.h"
#include "engine.h"
#include "gamestate.h"
#include "dialogs/logplace.h"
#include "dialogs/onelinetext.h"
#include "dialogs/racechart.h"
#include "dialogs/statisticspane.h"
#include "board/windowplace.h"
#include "tableplay.h"

namespace vantry {

namespace {
constexpr QSize DesignSize{460, 560};
}  // namespace

// The game's record as lines of the log, one an event, in the words the screen reader says for
// it; as on the board, a quiet turn (one passed in a won game) is left out. A line is worded when it
// is shown, so a record of thousands of events opens at once. The table's news (chat, players
// who leave and come back) stands between the events it came after; it is no part of the game,
// so a record read anew keeps it in its place.
class GameLogModel final : public QAbstractListModel, public RecordFollower {
public:
    GameLogModel(const GameState& state, QObject* parent) : QAbstractListModel(parent), state_(state) {
        lines_ = Take(state.Record);
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(lines_.size());
    }

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override {
        if (!index.isValid() || index.row() >= rowCount()) return {};
        const std::size_t event = lines_[static_cast<std::size_t>(index.row())];
        if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::ToolTipRole) return {};
        if (event & NewsMark) return news_[event & ~NewsMark].line;
        if (event >= state_.Record.size()) return {};
        const RecordEvent& e = state_.Record[event];
        return Announcer::Line(e, Announcer::SeatOf(state_, e.seat));
    }

    void Recorded(const GameRecord& record, bool restarted) override {
        if (restarted || record.size() < taken_) {
            beginResetModel();
            taken_ = 0;
            newsTaken_ = 0;
            // A record shorter than where the news stands is another game: the news goes before it.
            if (!news_.empty() && news_.back().after > record.size()) {
                for (News& n : news_) n.after = 0;
            }
            lines_ = Take(record);
            endResetModel();
            return;
        }
        const std::vector<std::size_t> added = Take(record);
        if (added.empty()) return;
        beginInsertRows(QModelIndex(), rowCount(), rowCount() + static_cast<int>(added.size()) - 1);
        lines_.insert(lines_.end(), added.begin(), added.end());
        endInsertRows();
    }

    // A line of the table's news, after the events heard so far.
    void AddNews(const QString& line) {
        news_.push_back({taken_, line});
        beginInsertRows(QModelIndex(), rowCount(), rowCount());
        lines_.push_back(NewsMark | newsTaken_++);
        endInsertRows();
    }

    // Every line of `rows` (all when empty), one a line, as a player copies them.
    QString Text(const QModelIndexList& rows = {}) const {
        QModelIndexList sorted = rows;
        for (int row = 0; rows.isEmpty() && row < rowCount(); ++row) sorted << index(row);
        std::sort(sorted.begin(), sorted.end());
        QStringList lines;
        for (const QModelIndex& i : sorted) {
            if (i.isValid()) lines << data(i).toString();
        }
        return lines.join(QLatin1Char('\n'));
    }

private:
    // A line that is news, not an event: the mark and the news' index.
    static constexpr std::size_t NewsMark = std::size_t{1} << (sizeof(std::size_t) * 8 - 1);
    struct News {
        // How many of the record's events came before it.
        std::size_t after;
        QString line;
    };

    // The record's events from the first not yet taken, as the indices of the lines they make,
    // with the news that came between them.
    std::vector<std::size_t> Take(const GameRecord& record) {
        std::vector<std::size_t> lines;
        const auto takeNews = [&] {
            for (; newsTaken_ < news_.size() && news_[newsTaken_].after <= taken_; ++newsTaken_) {
                lines.push_back(NewsMark | newsTaken_);
            }
        };
        for (; taken_ < record.size(); ++taken_) {
            takeNews();
            if (!record[taken_].quiet) lines.push_back(taken_);
        }
        takeNews();
        return lines;
    }

    const GameState& state_;
    // The record's index of each line the view has been told of; the record may have grown
    // past them.
    std::vector<std::size_t> lines_;
    std::size_t taken_ = 0;
    std::vector<News> news_;
    std::size_t newsTaken_ = 0;
};

frmLog::frmLog(Engine& engine, Prompter& prompter, StoreFailureNotice& notice, QWidget* board)
    // A dialog to the window system, not modal: it stands for the board and stays over it, a
    // full-screen board too; a plain window would go under the board's full-screen layer.
    : QWidget(board, Qt::Dialog | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
      engine_(engine) {
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

    chat_ = new QWidget(this);
    auto* chatLayout = new QHBoxLayout(chat_);
    chatLayout->setContentsMargins(0, 0, 0, 0);
    //: The label in front of the box where a player types a line of chat to everyone at the table.
    auto* chatLabel = new QLabel(tr("S&ay:"), chat_);
    chatLine_ = new QLineEdit(chat_);
    chatLine_->setObjectName("txtChat");
    chatLine_->setMaxLength(TablePlay::MaxChatChars);
    chatLine_->setValidator(new OneLineText(chatLine_));
    //: The screen reader's name for the box where a player types a line of chat.
    chatLine_->setAccessibleName(tr("Chat to everyone at the table"));
    chatLine_->setToolTip(tr("Enter sends the line to every player and watcher of the game."));
    chatLabel->setBuddy(chatLine_);
    chatLayout->addWidget(chatLabel);
    chatLayout->addWidget(chatLine_, 1);
    layout->addWidget(chat_);
    chat_->hide();
    // The box keeps no control characters, so a pasted run of lines is sent as one.
    connect(chatLine_, &QLineEdit::returnPressed, this, [this] {
        const QString text = chatLine_->text().trimmed();
        if (text.isEmpty() || !table_) return;
        table_->Say(text);
        chatLine_->clear();
    });

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

void frmLog::SetTable(TablePlay* table) {
    table_ = table;
    ShowChat();
}

void frmLog::ShowChat() { chat_->setVisible(table_ && table_->AtTable()); }

void frmLog::AddNews(const QString& line) {
    model_->AddNews(line);
    ShowChat();
    if (following_) ShowNewest();
}

// Lays the lines out first where they have not been yet, so the newest is really in view.
void frmLog::ShowNewest() {
    const int rows = model_->rowCount();
    if (rows > 0) view_->scrollTo(model_->index(rows - 1), QAbstractItemView::PositionAtBottom);
}

void frmLog::StatisticsStored() { statistics_->Refresh(); }

// A log minimized out of sight counts as closed: L brings it back rather than closing it unseen.
void frmLog::Toggle() {
    if (isVisible() && !isMinimized()) {
        close();
        return;
    }
    // The log's own frame is not known before it is first shown; the board's stands for it.
    const QWidget* board = parentWidget();
    if (!std::exchange(placed_, true) && board && board->screen()) {
        const QMargins frame = WindowPlace::FrameMargins(*board);
        const QRect keep = keptClear_ ? keptClear_() : QRect();
        const QRect at = LogPlace(board->screen()->availableGeometry(), board->frameGeometry(), keep,
                                  DesignSize.grownBy(frame), minimumSizeHint().grownBy(frame));
        setGeometry(at - frame);
    }
    statistics_->Refresh();
    ShowChat();
    setWindowState(windowState() & ~Qt::WindowMinimized);
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

// L (as on the board) and Escape close the window wherever its focus is; Copy on the log
// copies its selected lines rather than only the line the cursor is on.
bool frmLog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers held =
        key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    // An L typed into the chat box is the line's own.
    const bool typed = watched == chatLine_ && key->key() == Qt::Key_L;
    if ((key->key() == Qt::Key_L || key->key() == Qt::Key_Escape) && held == Qt::NoModifier && !typed) {
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
        QModelIndexList rows = view_->selectionModel()->selectedIndexes();
        if (rows.isEmpty()) rows << view_->currentIndex();
        QApplication::clipboard()->setText(model_->Text(rows));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vantry
