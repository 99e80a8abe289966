#include "boardannouncements.h"

#include <QLabel>

#include "accessibleroles.h"
#include "boarddescriptions.h"
#include "boardwidgets.h"
#include "document.h"

namespace vantry {

BoardAnnouncements::BoardAnnouncements(const GameState& state, const BoardDescriptions& descriptions,
                                       const BoardWidgets& widgets, QWidget* window)
    : state_(state), descriptions_(descriptions), widgets_(widgets) {
    for (std::size_t k = 0; k < lines_.size(); ++k) {
        auto* line = new QLabel(window);
        line->setObjectName(QStringLiteral("lblSpoken(%1)").arg(k));
        AccessibleRoles::Set(line, QAccessible::Notification);
        line->setTextFormat(Qt::PlainText);
        // Off the board: the reader hears it, a sighted player sees the board unchanged.
        line->setGeometry(-2000, -2000, 1, 1);
        line->hide();
        lines_[k] = line;
    }
    flush_.setSingleShot(true);
    flush_.setInterval(0);
    QObject::connect(&flush_, &QTimer::timeout, window, [this] { Flush(); });
}

void BoardAnnouncements::Thrown(int seat, int face) {
    Add([this, seat, face] { return Announcer::Throw(SeatOf(seat), face); });
}

void BoardAnnouncements::Moved(const MoveReport& move) {
    const bool fromStart = move.from == 0 && descriptions_.BesideBoard(move.seat);
    Add([this, move, fromStart] { return Announcer::Move(SeatOf(move.seat), move, fromStart); });
    if (move.to == FinalPosition) Add([this, move] { return Announcer::Win(SeatOf(move.seat), move.moves); });
}

// The turn passes on after a win too, but nobody plays a won game.
void BoardAnnouncements::TurnPassed(int seat) {
    if (Winner() >= 0) return;
    Add([this, seat] { return Announcer::Turn(SeatOf(seat)); });
}

// Whether a file was opened is the document's state, not its caption, which reads differently
// in every language; the file's name is the caption's part after the program's name.
void BoardAnnouncements::GameReplaced(const QString& caption, bool untitled) {
    const QString prefix = Document::Title + QStringLiteral(" - ");
    const bool opened = !untitled && caption.startsWith(prefix);
    // A new game may drop a phrase of the old one that was still waiting.
    pending_.clear();
    const QString fileName = caption.mid(prefix.size());
    Add([opened, fileName] { return opened ? Announcer::Opened(fileName) : Announcer::NewGame(); });
    Add([this] {
        const int winner = Winner();
        if (winner >= 0) return Announcer::Win(SeatOf(winner), state_.MoveCount[static_cast<std::size_t>(winner)]);
        return Announcer::Turn(SeatOf(state_.CurrentPlayer));
    });
}

void BoardAnnouncements::ReadBoard() {
    Flush();
    std::array<Announcer::SeatPlace, SeatCount> seats;
    for (int i = 0; i < SeatCount; ++i) {
        seats[static_cast<std::size_t>(i)] = {SeatOf(i), state_.Position[static_cast<std::size_t>(i)],
                                              descriptions_.AtStart(i)};
    }
    Say(Announcer::Board(seats, state_.CurrentPlayer, Winner()));
}

void BoardAnnouncements::Flush() {
    flush_.stop();
    if (pending_.empty()) return;
    QStringList phrases;
    for (const auto& phrase : pending_) phrases << phrase();
    pending_.clear();
    Say(Announcer::Joined(phrases));
}

Announcer::Seat BoardAnnouncements::SeatOf(int seat) const {
    if (seat < 0 || seat >= SeatCount) return {};
    const auto s = static_cast<std::size_t>(seat);
    // A seat whose name was left blank is said by its colour, so no phrase starts with nothing.
    QString name = widgets_.txtName[s]->text();
    if (name.trimmed().isEmpty()) {
        name = Announcer::Colour(seat);
        if (!name.isEmpty()) name[0] = name[0].toUpper();
    }
    return {name, state_.IsComputer[s]};
}

int BoardAnnouncements::Winner() const {
    for (int i = 0; i < SeatCount; ++i) {
        if (state_.Position[static_cast<std::size_t>(i)] == FinalPosition) return i;
    }
    return -1;
}

void BoardAnnouncements::Add(std::function<QString()> phrase) {
    pending_.push_back(std::move(phrase));
    flush_.start();
}

// The reader speaks a line when it is shown, so it is hidden, given its words and shown.
void BoardAnnouncements::Say(const QString& text) {
    QLabel* line = lines_[next_];
    next_ = (next_ + 1) % lines_.size();
    line->hide();
    line->setText(text);
    line->show();
    lastSaid_ = text;
}

}  // namespace vantry
