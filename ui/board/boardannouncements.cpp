#include "board/boardannouncements.h"

#include <QLabel>

#include "accessibleroles.h"

namespace vantry {

BoardAnnouncements::BoardAnnouncements(const GameState& state, QWidget* window) : state_(state) {
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

void BoardAnnouncements::Heard(const RecordEvent& e) {
    if (e.quiet) return;
    // A new game may drop a phrase of the old one that was still waiting.
    if (e.StartsGame()) pending_.clear();
    // A seat whose name was left blank is said by its colour, so no phrase starts with nothing.
    Add([this, e] { return Announcer::Line(e, Announcer::SeatOf(state_, e.seat)); });
    if (!e.StartsGame()) return;
    Add([this] {
        const int winner = state_.Winner();
        const auto seat = Announcer::SeatOf(state_, winner >= 0 ? winner : state_.CurrentPlayer);
        return winner >= 0 ? Announcer::Win(seat, state_.MoveCount[static_cast<std::size_t>(winner)])
                           : Announcer::Turn(seat);
    });
}

void BoardAnnouncements::ReadBoard() {
    Flush();
    Say(Announcer::Board(state_));
}

void BoardAnnouncements::Flush() {
    flush_.stop();
    if (pending_.empty()) return;
    QStringList phrases;
    for (const auto& phrase : pending_) phrases << phrase();
    pending_.clear();
    Say(Announcer::Joined(phrases));
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
