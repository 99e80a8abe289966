#include "board/boarddescriptions.h"

#include <QPushButton>

#include <vector>

#include "accessibleroles.h"
#include "board/announcer.h"
#include "board/boardwidgets.h"
#include "board/clickpanel.h"
#include "board/dieface.h"
#include "gamestate.h"
#include "board/namelabel.h"
#include "media/svgpicture.h"
#include "seat/seatlook.h"

namespace vantry {

namespace {

// Each phrase names its seat's colour whole, so that every language can agree the colour with
// its counter as its grammar wants.
using SeatPhrases = std::array<const char*, SeatCount>;
constexpr SeatPhrases CountersAtStart{QT_TRANSLATE_NOOP("BoardDescriptions", "Red counter at the start"),
                                      QT_TRANSLATE_NOOP("BoardDescriptions", "Blue counter at the start"),
                                      QT_TRANSLATE_NOOP("BoardDescriptions", "Yellow counter at the start"),
                                      QT_TRANSLATE_NOOP("BoardDescriptions", "Green counter at the start")};
constexpr SeatPhrases CountersOnSquare{QT_TRANSLATE_NOOP("BoardDescriptions", "Red counter on square %1"),
                                       QT_TRANSLATE_NOOP("BoardDescriptions", "Blue counter on square %1"),
                                       QT_TRANSLATE_NOOP("BoardDescriptions", "Yellow counter on square %1"),
                                       QT_TRANSLATE_NOOP("BoardDescriptions", "Green counter on square %1")};
constexpr SeatPhrases CounterMoves{QT_TRANSLATE_NOOP("BoardDescriptions", "Move the red counter"),
                                   QT_TRANSLATE_NOOP("BoardDescriptions", "Move the blue counter"),
                                   QT_TRANSLATE_NOOP("BoardDescriptions", "Move the yellow counter"),
                                   QT_TRANSLATE_NOOP("BoardDescriptions", "Move the green counter")};

QString Phrase(const SeatPhrases& phrases, int seat) {
    return QCoreApplication::translate("BoardDescriptions", phrases[static_cast<std::size_t>(seat)]);
}

void Describe(QWidget* widget, const QString& text) {
    if (widget->accessibleDescription() != text) widget->setAccessibleDescription(text);
}

}  // namespace

BoardDescriptions::BoardDescriptions(const GameState& state, BoardWidgets& widgets)
    : state_(state), widgets_(widgets) {
    for (int k = 0; k < BoardWidgets::FaceCount; ++k) {
        DieFace* face = widgets_.picToss[static_cast<std::size_t>(k)];
        AccessibleRoles::Set(face, QAccessible::Button);
        // "Die, showing 4", or for the start face "Die, click to throw".
        face->setAccessibleName(k == StartFace ? tr("Die, click to throw") : tr("Die, showing %1").arg(k + 1));
    }
    for (int i = 0; i < SeatCount; ++i) {
        ClickPanel* counter = widgets_.picM[static_cast<std::size_t>(i)];
        AccessibleRoles::Set(counter, QAccessible::Button);
        AccessibleRoles::SetWhenDisabled(counter, QAccessible::Graphic);
    }
    //: The name a screen reader gives the button that moves the counter thrown for; its caption on the board.
    widgets_.cmdGo->setAccessibleName(tr("Go"));
    AccessibleRoles::Set(widgets_.imgFile, QAccessible::ButtonMenu);
    // Read as a push button by the screen reader, so the name says it opens a menu.
    widgets_.imgFile->setAccessibleName(tr("File menu"));

    // Tab goes the way of a turn: the die, the counters, Go, then the File menu. Hidden faces and
    // disabled counters are passed over.
    std::vector<QWidget*> order(widgets_.picToss.rbegin(), widgets_.picToss.rend());
    order.insert(order.end(), widgets_.picM.begin(), widgets_.picM.end());
    order.insert(order.end(), {widgets_.cmdGo, widgets_.imgFile});
    for (QWidget* widget : order) widget->setFocusPolicy(Qt::StrongFocus);
    for (std::size_t k = 1; k < order.size(); ++k) QWidget::setTabOrder(order[k - 1], order[k]);
    Refresh();
}

void BoardDescriptions::Refresh() {
    const int winner = state_.Winner();
    for (int i = 0; i < SeatCount; ++i) {
        const auto s = static_cast<std::size_t>(i);
        const QString counter = state_.AtStart(i) ? Phrase(CountersAtStart, i)
                                                  : Phrase(CountersOnSquare, i).arg(state_.Position[s] + 1);
        if (widgets_.picM[s]->accessibleName() != counter) widgets_.picM[s]->setAccessibleName(counter);
        // The name, its colour, then what else is true of the seat, each after a comma; a name left
        // blank is said by its colour alone.
        QStringList parts{Announcer::SeatOf(state_, i).name};
        if (!QString::fromStdString(state_.Names[s]).trimmed().isEmpty()) parts << SeatLook::ColourWord(i);
        //: Said of a name on the board after the name and colour: the computer plays this seat.
        if (state_.IsComputer[s]) parts << tr("computer");
        //: Said of a name on the board after the name and colour: a player on another computer plays it.
        if (state_.Remote[s]) parts << tr("on another computer");
        //: Said of a name on the board: the other computer that plays this seat has lost its connection.
        if (state_.Away[s]) parts << tr("away");
        const bool toPlay = winner < 0 && i == state_.CurrentPlayer;
        if (winner == i) {
            //: Said of a name on the board after the name and colour: this seat has won.
            parts << tr("winner");
        } else if (toPlay) {
            //: Said of a name on the board after the name and colour: this seat is on turn.
            parts << tr("to play");
        }
        Describe(widgets_.txtName[s], parts.join(QStringLiteral(", ")));
        AccessibleRoles::SetActive(widgets_.txtName[s], toPlay);
    }
    const int seat = state_.CurrentPlayer;
    const bool known = seat >= 0 && seat < SeatCount;
    Describe(widgets_.cmdGo, state_.GoEnabled && known ? Phrase(CounterMoves, seat) : QString());
}

}  // namespace vantry
