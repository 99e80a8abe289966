#include "boarddescriptions.h"

#include <QLabel>
#include <QPushButton>

#include <vector>

#include "accessibleroles.h"
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

QString Colour(int seat) { return QLatin1String(SeatColourName[static_cast<std::size_t>(seat)]); }

void Describe(QWidget* widget, const QString& text) {
    if (widget->accessibleDescription() != text) widget->setAccessibleDescription(text);
}

void Name(QWidget* widget, const QString& text) {
    if (widget->accessibleName() != text) widget->setAccessibleName(text);
}

}  // namespace

QString BoardDescriptions::FaceText(int face) {
    if (face < 0 || face >= BoardWidgets::FaceCount - 1) return tr("Die, click to throw");
    return tr("Die, showing %1").arg(face + 1);
}

QString BoardDescriptions::CounterText(int seat, int position, bool atStart) {
    const QString counter = Colour(seat) + QStringLiteral(" counter");
    if (atStart) return counter + QStringLiteral(" at the start");
    return counter + QStringLiteral(" on square %1").arg(position + 1);
}

BoardDescriptions::BoardDescriptions(const GameState& state, const BoardModel& model, BoardWidgets& widgets)
    : state_(state), model_(model), widgets_(widgets) {
    NameControls();
    MakeReachable();
    Refresh();
}

void BoardDescriptions::NameControls() {
    for (int k = 0; k < BoardWidgets::FaceCount; ++k) {
        DieFace* face = widgets_.picToss[static_cast<std::size_t>(k)];
        AccessibleRoles::Set(face, QAccessible::Button);
        face->setAccessibleName(FaceText(k));
    }
    // The start face's caption throws as the face does, and is read as part of it.
    AccessibleRoles::Silence(widgets_.Label1);
    for (int i = 0; i < SeatCount; ++i) {
        ClickPanel* counter = widgets_.picM[static_cast<std::size_t>(i)];
        AccessibleRoles::Set(counter, QAccessible::Button);
        AccessibleRoles::SetWhenDisabled(counter, QAccessible::Graphic);
    }
    widgets_.cmdGo->setAccessibleName(tr("Go"));
    AccessibleRoles::Set(widgets_.imgFile, QAccessible::ButtonMenu);
    // Read as a push button by the screen reader, so the name says it opens a menu.
    widgets_.imgFile->setAccessibleName(tr("File menu"));
}

// Tab goes the way of a turn: the die, the counters, Go, then the File menu. Hidden faces and
// disabled counters are passed over.
void BoardDescriptions::MakeReachable() {
    std::vector<QWidget*> order(widgets_.picToss.rbegin(), widgets_.picToss.rend());
    order.insert(order.end(), widgets_.picM.begin(), widgets_.picM.end());
    order.insert(order.end(), {widgets_.cmdGo, widgets_.imgFile});
    for (QWidget* widget : order) widget->setFocusPolicy(Qt::StrongFocus);
    for (std::size_t k = 1; k < order.size(); ++k) QWidget::setTabOrder(order[k - 1], order[k]);
}

void BoardDescriptions::Refresh() {
    const int winner = Winner();
    for (int i = 0; i < SeatCount; ++i) {
        NameCounter(i);
        DescribeNameLabel(i, winner);
    }
    DescribeGo();
}

// A counter is at the start while it waits beside the board; a loaded game puts a counter of
// position 0 on square 1, and only then is it "on square 1".
bool BoardDescriptions::AtStart(int seat) const {
    return state_.Position[static_cast<std::size_t>(seat)] == 0 && BesideBoard(seat);
}

bool BoardDescriptions::BesideBoard(int seat) const { return model_.Counter(seat).left >= BoardRight; }

void BoardDescriptions::NameCounter(int seat) {
    const int position = state_.Position[static_cast<std::size_t>(seat)];
    Name(widgets_.picM[static_cast<std::size_t>(seat)], CounterText(seat, position, AtStart(seat)));
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
    AccessibleRoles::SetActive(widgets_.txtName[s], winner < 0 && seat == state_.CurrentPlayer);
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
