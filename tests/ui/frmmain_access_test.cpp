#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "boardrig.h"
#include "board/boardannouncements.h"
#include "document.h"
#include "qstringprinter.h"

namespace vantry::test {
namespace {

QString Description(const BoardRig& rig, const QString& name) {
    QWidget* widget = rig.Find(name);
    return widget ? widget->accessibleDescription() : QString("<no %1>").arg(name);
}

QString Counter(int i) { return QString("picM(%1)").arg(i); }
QString CounterName(const BoardRig& rig, int i) { return rig.Find(Counter(i))->accessibleName(); }
QString NameLabel(int i) { return QString("txtName(%1)").arg(i); }

struct Reading {
    QAccessible::Role role;
    QString name;
    bool enabled;
};

Reading Read(const BoardRig& rig, const QString& name) {
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(rig.Find(name));
    if (read == nullptr) return {QAccessible::NoRole, "<no " + name + ">", false};
    return {read->role(), read->text(QAccessible::Name), !read->state().disabled};
}

void ExpectReading(const BoardRig& rig, const QString& name, const Reading& expected) {
    const Reading got = Read(rig, name);
    EXPECT_EQ(got.role, expected.role) << name.toStdString();
    EXPECT_EQ(got.name, expected.name) << name.toStdString();
    EXPECT_EQ(got.enabled, expected.enabled) << name.toStdString();
}

// The die on show and the counter that may move are buttons; the other counters are pictures.
TEST(BoardAccess, TheDieAndTheCountersReadAsTheyArePlayed) {
    BoardRig rig;
    rig.window->show();
    ExpectReading(rig, "picToss(6)", {QAccessible::Button, "Die, click to throw", true});
    ExpectReading(rig, Counter(0), {QAccessible::Graphic, "Red counter at the start", false});
    ExpectReading(rig, "imgFile", {QAccessible::ButtonMenu, "File menu", true});
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(rig.Find("imgFile"))->state().hasPopup);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(rig.Find(NameLabel(0)))->state().active);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(rig.Find(NameLabel(1)))->state().active);

    QTest::mouseClick(rig.Find("picToss(6)"), Qt::LeftButton);
    ExpectReading(rig, "picToss(3)", {QAccessible::Button, "Die, showing 4", false});
    ExpectReading(rig, Counter(0), {QAccessible::Button, "Red counter at the start", true});
    ExpectReading(rig, Counter(1), {QAccessible::Graphic, "Blue counter at the start", false});

    // A screen reader presses the counter as a mouse would click it.
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(rig.Find(Counter(0)))->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(rig.state.Position[0], 4);
    ExpectReading(rig, Counter(0), {QAccessible::Graphic, "Red counter on square 5", false});
    ExpectReading(rig, "picToss(3)", {QAccessible::Button, "Die, showing 4", true});
}

// A person's turn from the keyboard alone: Tab to the die, Enter throws, the focus waits on the
// counter, Enter moves it, and the next person finds the focus on the die.
TEST(BoardAccess, APersonsTurnIsPlayedFromTheKeyboardAndSaid) {
    BoardRig rig;
    rig.window->show();
    rig.window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(rig.window.get()));
    rig.Find("picToss(6)")->setFocus(Qt::TabFocusReason);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(rig.Find("picM(0)")->hasFocus());
    QCoreApplication::processEvents();
    EXPECT_EQ(rig.window->Announcements().LastSaid(), "Unknown1 throws 4");

    rig.engine.SetName(1, "  ");  // a name left blank is said by its colour
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(rig.state.Position[0], 4);
    EXPECT_TRUE(rig.Find("picToss(3)")->hasFocus());
    QCoreApplication::processEvents();
    EXPECT_EQ(rig.window->Announcements().LastSaid(), "Unknown1 moves from the start to 5. Blue's turn");
    // The label of the blank name is described by its colour too, never as ", blue".
    EXPECT_EQ(rig.Find("txtName(1)")->accessibleDescription(), "Blue, to play");

    // The key table works wherever the focus is, and focus the player put elsewhere stays there.
    rig.Find("imgFile")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space, Qt::ShiftModifier);
    EXPECT_TRUE(rig.Find("picM(1)")->isEnabled());
    EXPECT_TRUE(rig.Find("imgFile")->hasFocus());
}

TEST(BoardAccess, DescriptionsFollowAThrowAMoveAndTheTurn) {
    BoardRig rig;
    rig.window->show();
    QTest::mouseClick(rig.Find("picToss(6)"), Qt::LeftButton);
    ASSERT_FALSE(rig.Find("picToss(3)")->isHidden());
    EXPECT_EQ(Description(rig, "cmdGo"), "Move the red counter");

    QTest::mouseClick(rig.Find("cmdGo"), Qt::LeftButton);
    ASSERT_EQ(rig.state.Position[0], 4);
    EXPECT_EQ(CounterName(rig, 0), "Red counter on square 5");
    EXPECT_EQ(CounterName(rig, 1), "Blue counter at the start");
    EXPECT_EQ(Description(rig, NameLabel(0)), "Unknown1, red");
    EXPECT_EQ(Description(rig, NameLabel(1)), "Unknown2, blue, to play");
    EXPECT_EQ(Description(rig, "cmdGo"), "");

    // The second player climbs the ladder at square 3 with a throw of 2.
    rig.random.Script({ScriptedRandom::For(2)});
    QTest::keyClick(rig.window.get(), Qt::Key_Space);
    EXPECT_EQ(Description(rig, "cmdGo"), "Move the blue counter");
    QTest::mouseClick(rig.Find(Counter(1)), Qt::LeftButton);
    EXPECT_EQ(CounterName(rig, 1), "Blue counter on square 18");
    EXPECT_EQ(Description(rig, NameLabel(2)), "Unknown3, yellow, to play");

    rig.engine.SetName(2, "Robin");
    EXPECT_EQ(rig.Find(NameLabel(2))->accessibleName(), "Robin");
    EXPECT_EQ(Description(rig, NameLabel(2)), "Robin, yellow, to play");
}

TEST(BoardAccess, AWinReadsAsWonFromItsFirstMessage) {
    BoardRig rig;
    rig.window->show();
    rig.state.Position[0] = 95;
    QString counterAtWin;
    QString labelAtWin;
    rig.commands.onBestPlayers = [&] {
        counterAtWin = CounterName(rig, 0);
        labelAtWin = Description(rig, NameLabel(0));
    };
    rig.window->GameEngine().Throw();
    QTest::mouseClick(rig.Find("cmdGo"), Qt::LeftButton);
    ASSERT_EQ(rig.commands.bestPlayers, 1);
    EXPECT_EQ(counterAtWin, "Red counter on square 100");
    EXPECT_EQ(labelAtWin, "Unknown1, red, winner");
    // The turn has passed on, but nobody is to play a won game.
    EXPECT_EQ(Description(rig, NameLabel(0)), "Unknown1, red, winner");
    for (int i = 1; i < 4; ++i) EXPECT_FALSE(Description(rig, NameLabel(i)).contains("to play")) << i;
}

TEST(BoardAccess, ANewGameDescribesTheCountersAtTheStartAgain) {
    BoardRig rig;
    Document document(rig.engine, rig.prompter);
    rig.window->show();
    rig.window->GameEngine().Throw();
    QTest::mouseClick(rig.Find("cmdGo"), Qt::LeftButton);
    ASSERT_EQ(CounterName(rig, 0), "Red counter on square 5");

    document.ResetBoard();
    EXPECT_EQ(CounterName(rig, 0), "Red counter at the start");
    EXPECT_EQ(Description(rig, NameLabel(0)), "Unknown1, red, to play");
    EXPECT_EQ(Description(rig, NameLabel(1)), "Unknown2, blue");
}

}  // namespace
}  // namespace vantry::test
