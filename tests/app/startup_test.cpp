#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QPushButton>

#include "apprig.h"
#include "savefile.h"
#include "saverecord.h"

namespace vantry::test {
namespace {

using Timers3 = std::array<bool, 3>;  // Timer1, timPlay, timGo
constexpr Timers3 AllStopped{false, false, false};
constexpr Timers3 Playing{true, true, false};

TEST_F(AppTest, WithoutAPathTheNewGameDialogOpensOverThePausedBoardAndSetsUpAMixedGame) {
    Make();
    ModalDriver driver;
    driver.Expect("frmNew", [&](QDialog& d) {
        EXPECT_TRUE(d.isModal());
        EXPECT_EQ(d.parentWidget(), &Board());
        EXPECT_TRUE(Board().isVisible());
        EXPECT_EQ(Board().windowTitle(), "Vantry - Untitled");
        EXPECT_EQ(Timers(), AllStopped);
        FillSeats(d, {{{false, "Ann"}, {true, "Daxo"}, {false, "Cleo"}, {true, "Zed"}}});
        Click(d, "cmdStart");
        EXPECT_FALSE(d.isVisible());
    });
    app->Start(QString());
    EXPECT_TRUE(driver.Done());

    EXPECT_EQ(Names(), (QStringList{"Ann", "Daxo", "Cleo", "Zed"}));
    EXPECT_EQ(State().IsComputer, (std::array<bool, 4>{false, true, false, true}));
    EXPECT_EQ(Timers(), Playing);
    EXPECT_EQ(Board().windowTitle(), "Vantry - Untitled");
    EXPECT_TRUE(prompter.messages.isEmpty());

    // Ann throws and moves by hand; Daxo then plays by himself; Cleo's turn waits for her.
    ASSERT_EQ(State().CurrentPlayer, 0);
    QTest::keyClick(&Board(), Qt::Key_Space);
    QTest::mouseClick(Board().findChild<QPushButton*>("cmdGo"), Qt::LeftButton);
    EXPECT_EQ(State().Position[0], 6);
    ASSERT_TRUE(WaitFor([&] { return State().MoveCount[1] == 1; }));
    QTest::qWait(20 * TickMs);
    EXPECT_EQ(State().CurrentPlayer, 2);
    EXPECT_EQ(State().MoveCount, (std::array<std::int16_t, 4>{1, 1, 0, 0}));
}

// Bart, played by the computer, is on turn and shares square 21 with Robin; Ann (on 13), Robin
// and Eve (on 45) play by hand.
const std::array<SavedSeat, SeatCount> SharedSquare{{
    {false, 6, 12, "Ann"}, {true, 5, 20, "Bart"}, {false, 5, 20, "Robin"}, {false, 5, 44, "Eve"}}};

TEST_F(AppTest, AStartWithASavedGamePlaysOnFromItsCurrentPlayerAndSavesBackWithoutAsking) {
    const QString path = WriteGame("game.vty", SharedSquare, 1);
    Make();
    ModalDriver driver;  // expects no window at all
    app->Start(path);

    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(Board().windowTitle(), "Vantry - game.vty");
    EXPECT_EQ(Names(), (QStringList{"Ann", "Bart", "Robin", "Eve"}));
    EXPECT_EQ(State().IsComputer, (std::array<bool, 4>{false, true, false, false}));
    EXPECT_EQ(State().Position, (std::array<std::int16_t, 4>{12, 20, 20, 44}));
    // Bart and Robin stand side by side on their square, a quarter width each way.
    EXPECT_EQ(State().Counters[1].top, State().Counters[2].top);
    EXPECT_FLOAT_EQ(State().Counters[2].left - State().Counters[1].left, State().Counters[1].width / 2.0f);
    EXPECT_NE(Board().findChild<QWidget*>("picM(1)")->geometry(), Board().findChild<QWidget*>("picM(2)")->geometry());
    EXPECT_EQ(Timers(), Playing);
    // The board takes the program's icon once it is on the screen.
    ASSERT_TRUE(WaitFor([&] { return !Board().windowIcon().isNull(); }));
    EXPECT_TRUE(Board().windowIcon().availableSizes().contains(QSize(256, 256)));

    // Bart throws and moves by himself; then Robin's turn waits for him.
    ASSERT_TRUE(WaitFor([&] { return State().CurrentPlayer == 2; }));
    QTest::qWait(20 * TickMs);
    EXPECT_EQ(State().CurrentPlayer, 2);
    EXPECT_EQ(State().MoveCount, (std::array<std::int16_t, 4>{6, 6, 5, 5}));
    EXPECT_EQ(State().Position, (std::array<std::int16_t, 4>{12, 26, 20, 44}));

    QTest::keyClick(&Board(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(prompter.dialogTitles.isEmpty());
    const ParsedRecord saved = ReadSaveRecord(path);
    ASSERT_TRUE(saved.result.ok) << saved.result.error.toStdString();
    for (int seat = 0; seat < SeatCount; ++seat) {
        SCOPED_TRACE(seat);
        EXPECT_EQ(saved.record.Moves(seat), State().MoveCount[static_cast<std::size_t>(seat)]);
        EXPECT_EQ(saved.record.Square(seat), State().Position[static_cast<std::size_t>(seat)]);
        EXPECT_EQ(saved.record.Name(seat), Names()[seat]);
    }
    EXPECT_EQ(saved.record.CurrentPlayer(), 2);
    EXPECT_EQ(Board().windowTitle(), "Vantry - game.vty");
}

TEST_F(AppTest, AStartWithABadFileNamesTheFileAndThenOffersANewGame) {
    QByteArray sixteenLines = SavedGameBytes(SharedSquare, 1);
    sixteenLines.chop(QByteArray("Robin\r\n").size());
    QByteArray squareOffTheBoard = SavedGameBytes(SharedSquare, 1).replace(" 44 ", " 100 ");
    const struct {
        const char* file;
        std::optional<QByteArray> bytes;  // none: the file does not exist
    } cases[] = {{"missing.vty", std::nullopt}, {"short.vty", sixteenLines}, {"offboard.vty", squareOffTheBoard}};

    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = PathOf(c.file);
        if (c.bytes) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(*c.bytes) == c.bytes->size());
        }
        prompter = ScriptedPrompter();
        Make();
        ModalDriver driver;
        driver.Expect("frmNew", [&](QDialog& d) {
            ASSERT_EQ(prompter.messages.size(), 1);
            EXPECT_TRUE(prompter.messages[0].contains(path)) << prompter.messages[0].toStdString();
            EXPECT_EQ(Board().windowTitle(), "Vantry - Untitled");
            EXPECT_EQ(Names(), (QStringList{"Unknown1", "Unknown2", "Unknown3", "Unknown4"}));
            EXPECT_EQ(State().Position, (std::array<std::int16_t, 4>{}));
            EXPECT_EQ(State().IsComputer, (std::array<bool, 4>{}));
            QTest::keyClick(d.findChild<QLineEdit*>("txtNew(0)"), Qt::Key_Escape);
        });
        app->Start(path);
        EXPECT_TRUE(driver.Done());
        EXPECT_EQ(app->GameDocument().GamePath(), QString());
    }
}

}  // namespace
}  // namespace vantry::test
