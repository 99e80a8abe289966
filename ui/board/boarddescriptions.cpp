#include "boarddescriptions.h"

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

const QString DieName = QStringLiteral("Die");
const QString StartFaceText = QStringLiteral("Die: click to throw");

QString Colour(int seat) { return QLatin1String(SeatColourName[static_cast<std::size_t>(seat)]); }

void Describe(QWidget* widget, const QString& text) {
    if (widget->accessibleDescription() != text) widget->setAccessibleDescription(text);
}

}  // namespace

QString BoardDescriptions::CounterText(int seat, int position, bool atStart) {
    const QString counter = Colour(seat) + QStringLiteral(" counter");
    if (atStart) return counter + QStringLiteral(" at the start");
    return counter + QStringLiteral(" on square %1").arg(position + 1);
}

BoardDescriptions::BoardDescriptions(const GameState& state, const BoardModel& model, BoardWidgets& widgets)
    : state_(state), model_(model), widgets_(widgets) {
    NameControls();
    Refresh();
}

void BoardDescriptions::NameControls() {
    for (int k = 0; k < BoardWidgets::FaceCount; ++k) {
        DieFace* face = widgets_.picToss[static_cast<std::size_t>(k)];
        face->setAccessibleName(DieName);
        face->setAccessibleDescription(k == BoardWidgets::FaceCount - 1 ? StartFaceText
                                                                         : QStringLiteral("Die: %1").arg(k + 1));
    }
    // The start face's caption throws as the face does, and is read as part of it.
    widgets_.Label1->setAccessibleName(DieName);
    widgets_.Label1->setAccessibleDescription(StartFaceText);
    for (int i = 0; i < SeatCount; ++i) {
        widgets_.picM[static_cast<std::size_t>(i)]->setAccessibleName(Colour(i) + QStringLiteral(" counter"));
    }
    widgets_.cmdGo->setAccessibleName(QStringLiteral("Go"));
    widgets_.imgFile->setAccessibleName(QStringLiteral("File menu"));
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
    QString text = widgets_.txtName[s]->text() + QStringLiteral(", ") + Colour(seat).toLower();
    if (state_.IsComputer[s]) text += QStringLiteral(", computer");
    if (winner == seat) {
        text += QStringLiteral(", winner");
    } else if (winner < 0 && seat == state_.CurrentPlayer) {
        text += QStringLiteral(", to play");
    }
    Describe(widgets_.txtName[s], text);
}

void BoardDescriptions::DescribeGo() {
    QPushButton* go = widgets_.cmdGo;
    const int seat = state_.CurrentPlayer;
    const bool known = seat >= 0 && seat < SeatCount;
    Describe(go, go->isEnabled() && known ? QStringLiteral("Move the %1 counter").arg(Colour(seat).toLower()) : QString());
}

int BoardDescriptions::Winner() const {
    for (int i = 0; i < SeatCount; ++i) {
        if (state_.Position[static_cast<std::size_t>(i)] == FinalPosition) return i;
    }
    return -1;
}

}  // namespace vantry
