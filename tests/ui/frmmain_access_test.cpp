#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "boardrig.h"
#include "document.h"

namespace vantry::test {
namespace {

QString Description(const BoardRig& rig, const QString& name) {
    QWidget* widget = rig.Find(name);
    return widget ? widget->accessibleDescription() : QString("<no %1>").arg(name);
}

QString Counter(int i) { return QString("picM(%1)").arg(i); }
QString NameLabel(int i) { return QString("txtName(%1)").arg(i); }

TEST(BoardAccess, EveryControlIsNamedAndTheNewBoardDescribed) {
    BoardRig rig;
    for (int k = 0; k < 6; ++k) {
        const QString face = QString("picToss(%1)").arg(k);
        EXPECT_EQ(rig.Find(face)->accessibleName(), "Die");
        EXPECT_EQ(Description(rig, face), QString("Die: %1").arg(k + 1));
    }
    EXPECT_EQ(rig.Find("picToss(6)")->accessibleName(), "Die");
    EXPECT_EQ(Description(rig, "picToss(6)"), "Die: click to throw");
    EXPECT_EQ(rig.Find("Label1")->accessibleName(), "Die");

    const QStringList colours{"Red", "Blue", "Yellow", "Green"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rig.Find(Counter(i))->accessibleName(), colours[i] + " counter");
        EXPECT_EQ(Description(rig, Counter(i)), colours[i] + " counter at the start");
        EXPECT_EQ(rig.Find(NameLabel(i))->accessibleName(), QString("Unknown%1").arg(i + 1));
    }
    EXPECT_EQ(Description(rig, NameLabel(0)), "Unknown1, red, to play");
    EXPECT_EQ(Description(rig, NameLabel(3)), "Unknown4, green");
    EXPECT_EQ(rig.Find("cmdGo")->accessibleName(), "Go");
    EXPECT_EQ(Description(rig, "cmdGo"), "");
    EXPECT_EQ(rig.Find("imgFile")->accessibleName(), "File menu");
}

TEST(BoardAccess, DescriptionsFollowAThrowAMoveAndTheTurn) {
    BoardRig rig;
    rig.window->show();
    QTest::mouseClick(rig.Find("picToss(6)"), Qt::LeftButton);
    ASSERT_FALSE(rig.Find("picToss(3)")->isHidden());
    EXPECT_EQ(Description(rig, "picToss(3)"), "Die: 4");
    EXPECT_EQ(Description(rig, "cmdGo"), "Move the red counter");

    QTest::mouseClick(rig.Find("cmdGo"), Qt::LeftButton);
    ASSERT_EQ(rig.state.Position[0], 4);
    EXPECT_EQ(Description(rig, Counter(0)), "Red counter on square 5");
    EXPECT_EQ(Description(rig, Counter(1)), "Blue counter at the start");
    EXPECT_EQ(Description(rig, NameLabel(0)), "Unknown1, red");
    EXPECT_EQ(Description(rig, NameLabel(1)), "Unknown2, blue, to play");
    EXPECT_EQ(Description(rig, "cmdGo"), "");

    // The second player climbs the ladder at square 3 with a throw of 2.
    rig.random.Script({ScriptedRandom::For(2)});
    QTest::keyClick(rig.window.get(), Qt::Key_Space);
    EXPECT_EQ(Description(rig, "cmdGo"), "Move the blue counter");
    QTest::mouseClick(rig.Find(Counter(1)), Qt::LeftButton);
    EXPECT_EQ(Description(rig, Counter(1)), "Blue counter on square 18");
    EXPECT_EQ(Description(rig, NameLabel(2)), "Unknown3, yellow, to play");

    static_cast<DocumentWindow&>(*rig.window).SetNameCaption(2, "Robin");
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
        counterAtWin = Description(rig, Counter(0));
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
    Document document(rig.state, *rig.window, rig.prompter);
    rig.window->show();
    rig.window->GameEngine().Throw();
    QTest::mouseClick(rig.Find("cmdGo"), Qt::LeftButton);
    ASSERT_EQ(Description(rig, Counter(0)), "Red counter on square 5");

    document.ResetBoard();
    EXPECT_EQ(Description(rig, Counter(0)), "Red counter at the start");
    EXPECT_EQ(Description(rig, NameLabel(0)), "Unknown1, red, to play");
    EXPECT_EQ(Description(rig, NameLabel(1)), "Unknown2, blue");
}

}  // namespace
}  // namespace vantry::test
