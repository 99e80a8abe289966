#include "boarddescriptions.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

#include "boardgeometry.h"
#include "boardlayout.h"
#include "boardmodel.h"
#include "boardwidgets.h"
#include "clicklabel.h"
#include "clickpanel.h"
#include "dieface.h"
#include "gamestate.h"
#include "svgpicture.h"

namespace vantry {

namespace {

// Each phrase names its seat's colour whole, so that every language can agree the colour with
// its counter as its grammar wants.
using SeatPhrases = std::array<const char*, SeatCount>;
constexpr SeatPhrases CounterNames{
    QT_TRANSLATE_NOOP("BoardDescriptions", "Red counter"), QT_TRANSLATE_NOOP("BoardDescriptions", "Blue counter"),
    QT_TRANSLATE_NOOP("BoardDescriptions", "Yellow counter"), QT_TRANSLATE_NOOP("BoardDescriptions", "Green counter")};
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
constexpr SeatPhrases ColourWords{
    QT_TRANSLATE_NOOP("BoardDescriptions", "red"), QT_TRANSLATE_NOOP("BoardDescriptions", "blue"),
    QT_TRANSLATE_NOOP("BoardDescriptions", "yellow"), QT_TRANSLATE_NOOP("BoardDescriptions", "green")};

QString Phrase(const SeatPhrases& phrases, int seat) {
    return QCoreApplication::translate("BoardDescriptions", phrases[static_cast<std::size_t>(seat)]);
}

void Describe(QWidget* widget, const QString& text) {
    if (widget->accessibleDescription() != text) widget->setAccessibleDescription(text);
}

}  // namespace

QString BoardDescriptions::CounterText(int seat, int position, bool atStart) {
    if (atStart) return Phrase(CountersAtStart, seat);
    return Phrase(CountersOnSquare, seat).arg(position + 1);
}

BoardDescriptions::BoardDescriptions(const GameState& state, const BoardModel& model, BoardWidgets& widgets)
    : state_(state), model_(model), widgets_(widgets) {
    NameControls();
    Refresh();
}

void BoardDescriptions::NameControls() {
    const QString dieName = QCoreApplication::translate("BoardDescriptions", "Die");
    const QString startFaceText = QCoreApplication::translate("BoardDescriptions", "Die: click to throw");
    for (int k = 0; k < BoardWidgets::FaceCount; ++k) {
        DieFace* face = widgets_.picToss[static_cast<std::size_t>(k)];
        face->setAccessibleName(dieName);
        face->setAccessibleDescription(k == BoardWidgets::FaceCount - 1
                                           ? startFaceText
                                           : QCoreApplication::translate("BoardDescriptions", "Die: %1").arg(k + 1));
    }
    // The start face's caption throws as the face does, and is read as part of it.
    widgets_.Label1->setAccessibleName(dieName);
    widgets_.Label1->setAccessibleDescription(startFaceText);
    for (int i = 0; i < SeatCount; ++i) {
        widgets_.picM[static_cast<std::size_t>(i)]->setAccessibleName(Phrase(CounterNames, i));
    }
    widgets_.cmdGo->setAccessibleName(QCoreApplication::translate("BoardDescriptions", "Go"));
    widgets_.imgFile->setAccessibleName(QCoreApplication::translate("BoardDescriptions", "File menu"));
}

void BoardDescriptions::Refresh() {
    const int winner = Winner();
    for (int i = 0; i < SeatCount; ++i) {
        DescribeCounter(i);
        DescribeNameLabel(i, winner);
    }
    DescribeGo();
}

// A counter is at the start while it waits beside the board; a loaded game puts a counter of
// position 0 on square 1, and only then is it "on square 1".
void BoardDescriptions::DescribeCounter(int seat) {
    const int position = state_.Position[static_cast<std::size_t>(seat)];
    const bool atStart = position == 0 && model_.Counter(seat).left >= BoardRight;
    Describe(widgets_.picM[static_cast<std::size_t>(seat)], CounterText(seat, position, atStart));
}

void BoardDescriptions::DescribeNameLabel(int seat, int winner) {
    const auto s = static_cast<std::size_t>(seat);
    // The name, then what else is true of the seat, each after a comma.
    QStringList parts{widgets_.txtName[s]->text(), Phrase(ColourWords, seat)};
    if (state_.IsComputer[s]) parts << QCoreApplication::translate("BoardDescriptions", "computer");
    if (winner == seat) {
        parts << QCoreApplication::translate("BoardDescriptions", "winner");
    } else if (winner < 0 && seat == state_.CurrentPlayer) {
        parts << QCoreApplication::translate("BoardDescriptions", "to play");
    }
    const QString text = parts.join(QStringLiteral(", "));
    Describe(widgets_.txtName[s], text);
}

void BoardDescriptions::DescribeGo() {
    QPushButton* go = widgets_.cmdGo;
    const int seat = state_.CurrentPlayer;
    const bool known = seat >= 0 && seat < SeatCount;
    Describe(go, go->isEnabled() && known ? Phrase(CounterMoves, seat) : QString());
}

int BoardDescriptions::Winner() const {
    for (int i = 0; i < SeatCount; ++i) {
        if (state_.Position[static_cast<std::size_t>(i)] == FinalPosition) return i;
    }
    return -1;
}

}  // namespace vantry
