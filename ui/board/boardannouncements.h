#pragma once

#include <QString>
#include <QTimer>

#include <array>
#include <functional>
#include <vector>

#include "board/announcer.h"

class QLabel;
class QWidget;

namespace vantry {


// Says the board's events aloud through a screen reader. The words come from the Announcer;
// they reach the reader through lines kept off the board with the role of a notification,
// which the reader speaks each time a line is shown (a live change of a name or an alert is
// dropped on the way). The reader fetches a line's words some time after it was shown, late
// when it is busy, so the lines take turns: a line keeps its words until several more have
// been said. Phrases of one moment are said as one utterance once the event is handled, so the
// names are read as the board shows them by then. Nothing takes the keyboard focus, and
// nothing of the game waits for it.
class BoardAnnouncements {
public:
    BoardAnnouncements(const GameState& state, QWidget* window);

    // An event of the record, in its words; a new or opened game says whose turn it is too.
    void Heard(const RecordEvent& event);
    // A line that is no event of the game (the chat of a game across computers), in turn with
    // the events' words.
    void Tell(const QString& line) {
        Add([line] { return line; });
    }
    // The whole board, said at once.
    void ReadBoard();
    // Says at once what waits to be said, before a message box takes the reader's attention.
    void Flush();

    // The last utterance, as the reader was given it.
    QString LastSaid() const { return lastSaid_; }

private:
    void Add(std::function<QString()> phrase);
    void Say(const QString& text);

    const GameState& state_;
    std::array<QLabel*, 8> lines_{};
    std::size_t next_ = 0;
    QString lastSaid_;
    QTimer flush_;
    std::vector<std::function<QString()>> pending_;
};

}  // namespace vantry
