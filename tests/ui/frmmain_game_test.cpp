#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "arrangecounters.h"
#include "boardgeometry.h"
#include "boardrig.h"
#include "board/countertravel.h"
#include "board/namelabel.h"

namespace vantry::test {
namespace {

bool FaceShown(const BoardRig& rig, int k) { return !rig.Find(QString("picToss(%1)").arg(k))->isHidden(); }
bool NameLit(const BoardRig& rig, int i) { return rig.Find<NameLabel>(QString("txtName(%1)").arg(i))->Lit(); }

// The counter of `seat` stands where the board's placement rule puts position p.
void ExpectOnPosition(const BoardRig& rig, int seat, int p) {
    const TwipsRect& counter = rig.state.Counters[static_cast<std::size_t>(seat)];
    EXPECT_FLOAT_EQ(counter.left, (MarkerLine(p).x1 + MarkerLine(p + 1).x1) / 2 - 127);
    EXPECT_FLOAT_EQ(counter.top, MarkerLine(p + 1).y2 - 615 - 30);
}

TEST(PersonTurn, ByMouse) {
    BoardRig rig;
    rig.window->show();
    QWidget* counter = rig.Find("picM(0)");
    // Before the throw the counter is disabled and a click on it does nothing.
    QTest::mouseClick(counter, Qt::LeftButton);
    QTest::mouseClick(rig.Find("txtName(0)"), Qt::LeftButton);
    EXPECT_EQ(rig.state.CurrentPlayer, 0);
    EXPECT_EQ(rig.state.MoveCount[0], 0);

    QTest::mouseClick(rig.Find("picToss(6)"), Qt::LeftButton);
    EXPECT_TRUE(FaceShown(rig, 3));
    EXPECT_FALSE(FaceShown(rig, 6));
    EXPECT_FALSE(rig.Find("picToss(3)")->isEnabled());
    EXPECT_TRUE(counter->isEnabled());
    EXPECT_FALSE(rig.Find("picM(1)")->isEnabled());
    EXPECT_EQ(rig.cues->paths.size(), 1);
    EXPECT_TRUE(rig.cues->paths.back().endsWith("/Media/TossClick.wav"));

    QTest::mouseClick(counter, Qt::LeftButton);
    EXPECT_EQ(rig.state.Position[0], 4);  // a four from the start
    EXPECT_EQ(rig.state.CurrentPlayer, 1);
    EXPECT_FALSE(counter->isEnabled());
    EXPECT_TRUE(rig.Find("picToss(3)")->isEnabled());
    ExpectOnPosition(rig, 0, 4);
    rig.window->Travel().Frame(rig.window->Travel().Now() + 1000);  // the drawn counter has arrived
    EXPECT_EQ(counter->geometry(), QRect(qRound(rig.state.Counters[0].left / 15), qRound(rig.state.Counters[0].top / 15), 17, 41));

    // The face left on show throws for the next seat; so does the start face's caption.
    rig.random.Script({ScriptedRandom::For(2)});
    QTest::mouseClick(rig.Find("picToss(3)"), Qt::LeftButton);
    EXPECT_TRUE(FaceShown(rig, 1));
    EXPECT_TRUE(rig.Find("picM(1)")->isEnabled());
}

TEST(PersonTurn, StartFaceCaptionThrows) {
    BoardRig rig;
    rig.window->show();
    QTest::mouseClick(rig.Find("Label1"), Qt::LeftButton);
    EXPECT_TRUE(FaceShown(rig, 3));
    EXPECT_TRUE(rig.Find("cmdGo")->isEnabled());
}

TEST(PersonTurn, ByKeyboard) {
    BoardRig rig;
    rig.window->show();
    // Return before a throw: Go is disabled, nothing moves.
    QTest::keyClick(rig.window.get(), Qt::Key_Return);
    EXPECT_EQ(rig.state.CurrentPlayer, 0);

    QTest::keyClick(rig.window.get(), Qt::Key_Space);
    rig.random.Script({ScriptedRandom::For(2)});
    QTest::keyClick(rig.window.get(), Qt::Key_Space, Qt::ControlModifier);  // the newer throw counts
    EXPECT_TRUE(FaceShown(rig, 1));
    EXPECT_FALSE(FaceShown(rig, 3));
    QTest::keyClick(rig.window.get(), Qt::Key_Return);
    // Two squares from the start is the ladder's foot at square 3.
    EXPECT_EQ(rig.state.Position[0], 17);
    EXPECT_EQ(rig.state.CurrentPlayer, 1);
    ASSERT_GE(rig.cues->paths.size(), 4);
    EXPECT_TRUE(rig.cues->paths[2].endsWith("/Media/PicMMove.wav"));
    EXPECT_TRUE(rig.cues->paths[3].endsWith("/Media/MOH.wav"));
}

TEST(Turns, NameOfTheSeatToPlayBlinks) {
    BoardRig rig;
    rig.state.CurrentPlayer = 2;
    rig.state.NameLit[1] = false;
    rig.window->Timer1_Timer();
    EXPECT_TRUE(NameLit(rig, 1));
    EXPECT_FALSE(NameLit(rig, 2));
    // Dark, yet still on the board: a screen reader is not told of the blink.
    EXPECT_FALSE(rig.Find("txtName(2)")->isHidden());
    rig.window->Timer1_Timer();
    EXPECT_TRUE(NameLit(rig, 2));
}

TEST(Turns, EveryNameStaysOnTheBoardOnceTheBlinkStops) {
    BoardRig rig;
    rig.window->show();
    rig.state.Position[0] = 93;
    PlaceCounter(rig.state.Counters[0], 93, 615.0f);
    rig.random.Script({ScriptedRandom::For(6)});
    rig.window->Timer1_Timer();  // the winner's name in its dark half
    ASSERT_FALSE(NameLit(rig, 0));
    QTest::keyClick(rig.window.get(), Qt::Key_Space);
    QTest::keyClick(rig.window.get(), Qt::Key_Return);
    ASSERT_EQ(rig.commands.bestPlayers, 1);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(NameLit(rig, i)) << i;

    // The same when File > New pauses the board in the middle of a blink.
    rig.engine.ResumeTurnCycle();
    rig.window->Timer1_Timer();
    ASSERT_FALSE(NameLit(rig, 1));
    rig.engine.PauseTurnCycle();
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(NameLit(rig, i)) << i;
}

TEST(Turns, AllComputerGameRunsToOneWin) {
    BoardRig rig;
    rig.state.IsComputer = {true, true, true, true};
    rig.random.Script({ScriptedRandom::For(6), ScriptedRandom::For(5), ScriptedRandom::For(3), ScriptedRandom::For(1),
                       ScriptedRandom::For(4), ScriptedRandom::For(2), ScriptedRandom::For(6)});
    for (int i = 0; i < 4; ++i) rig.engine.SetName(i, "Seat" + std::to_string(i));
    int ticks = 0;
    while (rig.commands.bestPlayers == 0 && ticks < 2000) {
        rig.window->timPlay_Timer();
        rig.window->timGo_Timer();
        ++ticks;
    }
    ASSERT_EQ(rig.commands.bestPlayers, 1);
    ASSERT_EQ(rig.prompter.messages.size(), 2);
    const QString winner = QString::fromStdString(rig.state.WinnerName);
    EXPECT_EQ(rig.prompter.messages[0], winner + " Wins!");
    EXPECT_TRUE(rig.prompter.messages[1].startsWith(winner + ": 100\n"));
    EXPECT_EQ(rig.prompter.messages[1].count('\n'), 3);
    const int seat = winner.back().digitValue();
    EXPECT_EQ(rig.state.Position[static_cast<std::size_t>(seat)], 99);
    EXPECT_EQ(rig.state.WinnerMoves, rig.state.MoveCount[static_cast<std::size_t>(seat)]);
    EXPECT_FALSE(rig.window->Timer(GameTimer::Timer1).isActive());
    EXPECT_TRUE(rig.window->Timer(GameTimer::timPlay).isActive());
    EXPECT_TRUE(rig.cues->paths.back().endsWith("/Media/Tashwiq.wav"));
}

// Keeps each message open for more than two timer ticks, as a player reading it would.
class SlowPrompter : public ScriptedPrompter {
public:
    void Message(const QString& text, Icon icon) override {
        ScriptedPrompter::Message(text, icon);
        QTest::qWait(1200);
    }
};

TEST(Turns, WinMessagesAppearOnceOnTheRealTimers) {
    GameState state;
    SlowPrompter prompter;
    ScriptedRandom random{{ScriptedRandom::For(6)}};
    RecordingCommands commands;
    Engine engine(state, random);
    frmMain window(engine, prompter, commands);
    engine.SetListener(&window);
    window.Cues().SetPlayer(std::make_unique<RecordingCues>());
    state.IsComputer = {true, true, true, true};
    state.Position = {93, 10, 10, 10};
    for (std::size_t i = 0; i < 4; ++i) PlaceCounter(state.Counters[i], state.Position[i], 615.0f);

    int messagesAtBestPlayers = -1;
    commands.onBestPlayers = [&] {
        messagesAtBestPlayers = static_cast<int>(prompter.messages.size());
        QTest::qWait(1200);  // the best-players window stays open a while too
    };
    window.show();
    // The computer seat throws on its tick, and the player presses Go before the timGo tick
    // does: the win's messages then wait while timGo keeps ticking for that computer seat.
    window.timPlay_Timer();
    ASSERT_TRUE(window.Timer(GameTimer::timGo).isActive());
    QTest::mouseClick(window.findChild<QWidget*>("cmdGo"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return commands.bestPlayers > 0; }, 10000));
    EXPECT_EQ(commands.bestPlayers, 1);
    EXPECT_EQ(messagesAtBestPlayers, 2) << prompter.messages.join(" / ").toStdString();
    EXPECT_EQ(prompter.messages.value(0), "Unknown1 Wins!");
    EXPECT_EQ(prompter.messages.size(), 2);
    EXPECT_EQ(state.MoveCount[0], 1);
    EXPECT_EQ(state.CurrentPlayer, 1);
    engine.PauseTurnCycle();
    engine.SetListener(nullptr);
}

// The window draws what the state holds: names, the caption from the game's file, the die's
// start face after a reset and the timers' flags.
TEST(DrawnState, CaptionsNamesTheStartFaceAndTheTimers) {
    BoardRig rig;
    rig.engine.SetName(2, "Ren\xc3\xa9");
    EXPECT_EQ(rig.Find<QLabel>("txtName(2)")->text(), QString::fromUtf8("Ren\xc3\xa9"));
    rig.engine.SetGamePath("/tmp/games/race.vty");
    EXPECT_EQ(rig.window->windowTitle(), "Vantry - race.vty");

    rig.window->GameEngine().Throw();
    EXPECT_TRUE(FaceShown(rig, 3));
    rig.engine.ResetBoard();
    EXPECT_EQ(rig.window->windowTitle(), "Vantry - Untitled");
    EXPECT_TRUE(FaceShown(rig, 6));
    EXPECT_FALSE(FaceShown(rig, 3));
    EXPECT_FALSE(rig.Find("cmdGo")->isEnabled());
    EXPECT_TRUE(rig.window->Timer(GameTimer::timPlay).isActive());
    EXPECT_FALSE(rig.window->Timer(GameTimer::timGo).isActive());
    rig.engine.PauseTurnCycle();
    for (GameTimer t : {GameTimer::timPlay, GameTimer::timGo, GameTimer::Timer1}) {
        EXPECT_FALSE(rig.window->Timer(t).isActive());
    }
}

}  // namespace
}  // namespace vantry::test
