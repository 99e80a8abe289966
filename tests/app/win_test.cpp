#include <gtest/gtest.h>

#include <QLabel>

#include "apprig.h"

namespace vantry::test {
namespace {

using Moves = std::array<std::int16_t, 4>;

QString Row(QDialog& table, const char* column, int row) {
    auto* label = table.findChild<QLabel*>(Indexed(column, row));
    return label ? label->text() : QStringLiteral("<missing>");
}

// With every throw a six, seat 0 reaches square 100 on its 14th move (the ladder from square
// 43 included) while the others, a move behind, stand on square 94.
TEST_F(AppTest, AnAllComputerGameWonOnTheTimersShowsTheResultOnceAndNewGameStartsFromSeatZero) {
    Make();
    ModalDriver driver;
    driver.Expect("frmNew", [&](QDialog& d) {
        FillSeats(d, {{{true, "Ann"}, {true, "Bart"}, {true, "Cleo"}, {true, "Dee"}}});
        Click(d, "cmdStart");
    });
    QStringList messagesBeforeTable;
    driver.Expect("frmRec", [&](QDialog& d) {
        messagesBeforeTable = prompter.messages;
        EXPECT_TRUE(d.isModal());
        EXPECT_EQ(d.parentWidget(), &Board());
        EXPECT_EQ(d.windowTitle(), "Vantry - Best Players");
        EXPECT_EQ(Row(d, "lblName", 1), "Ann");
        EXPECT_EQ(Row(d, "lblMove", 1), "14");
        Click(d, "cmdOK");
    });
    bool restarted = false;
    driver.Expect("frmNew", [&](QDialog& d) {
        // The dialog comes back as it was left; this time only Ann is the computer's.
        auto* computer = d.findChild<QAbstractButton*>("optCom(3)");
        EXPECT_TRUE(computer && computer->isChecked());
        EXPECT_EQ(Timers(), (std::array<bool, 3>{false, false, false}));
        EXPECT_EQ(Record("Names1"), "Ann");
        FillSeats(d, {{{true, "Ann"}, {false, "Bart"}, {false, "Cleo"}, {false, "Dee"}}});
        Click(d, "cmdStart");
        restarted = !d.isVisible();
        EXPECT_EQ(State().CurrentPlayer, 0);
        EXPECT_EQ(State().Position, (std::array<std::int16_t, 4>{}));
        EXPECT_EQ(State().MoveCount, Moves{});
        EXPECT_EQ(Board().windowTitle(), "Vantry - Untitled");
    });

    app->Start(QString());
    ASSERT_TRUE(WaitFor([&] { return driver.Done(); }));
    ASSERT_TRUE(restarted);
    EXPECT_EQ(messagesBeforeTable, (QStringList{"Ann Wins!", "Ann: 100\nBart: 94\nCleo: 94\nDee: 94", "Ann Moves = 14"}));

    // The new game's first move is seat 0's; Bart's turn then waits for him.
    ASSERT_TRUE(WaitFor([&] { return State().CurrentPlayer == 1; }));
    EXPECT_EQ(State().MoveCount, (Moves{1, 0, 0, 0}));
    EXPECT_EQ(prompter.messages.count("Ann Wins!"), 1);

    // The first run starts from the default rows; the winner heads them and the rest move down.
    EXPECT_EQ(Record("Boolean"), "True");
    EXPECT_EQ(RecordKeys().size(), 21);
    EXPECT_EQ(Record("Moves1"), "14");
    for (int row = 2; row <= 10; ++row) {
        SCOPED_TRACE(row);
        EXPECT_EQ(Record(QStringLiteral("Names%1").arg(row)), QStringLiteral("Unknown%1").arg(row - 1));
        EXPECT_EQ(Record(QStringLiteral("Moves%1").arg(row)), "100");
    }
}

// Ann, played by the computer, stands on square 94 with six moves made and is on turn; a six
// wins at the first tick.
const std::array<SavedSeat, SeatCount> NearTheEnd{{
    {true, 6, 93, "Ann"}, {false, 6, 30, "Bart"}, {false, 6, 10, "Cleo"}, {false, 6, 50, "Dee"}}};

TEST_F(AppTest, OpenGameAfterAWinGoesOnFromTheLoadedGamesCurrentPlayer) {
    const QString nearWin = WriteGame("near.vty", NearTheEnd, 0);
    // Robin, played by the computer, is on turn in the other game; Eve after him waits.
    const QString other = WriteGame("other.vty",
                                    {{{false, 2, 8, "Ann"}, {false, 2, 9, "Bart"}, {true, 1, 4, "Robin"}, {false, 1, 3, "Eve"}}}, 2);
    Make();
    ModalDriver driver;
    driver.Expect("frmRec", [&](QDialog& d) {
        prompter.files.push_back(other);
        Click(d, "cmdOpen");
    });
    app->Start(nearWin);
    ASSERT_TRUE(WaitFor([&] { return driver.Done(); }));

    EXPECT_EQ(prompter.messages, (QStringList{"Ann Wins!", "Ann: 100\nDee: 51\nBart: 31\nCleo: 11", "Ann Moves = 7"}));
    EXPECT_EQ(prompter.dialogTitles, (QStringList{"Open File"}));
    EXPECT_EQ(Board().windowTitle(), "Vantry - other.vty");
    EXPECT_EQ(Names(), (QStringList{"Ann", "Bart", "Robin", "Eve"}));
    ASSERT_TRUE(WaitFor([&] { return State().CurrentPlayer == 3; }));
    EXPECT_EQ(State().MoveCount, (Moves{2, 2, 2, 1}));
    EXPECT_EQ(State().Position, (std::array<std::int16_t, 4>{8, 9, 10, 3}));
    // First run: the table shown, with the new row, is what gets stored.
    EXPECT_EQ(Record("Names1"), "Ann");
    EXPECT_EQ(Record("Moves1"), "7");
}

TEST_F(AppTest, ExitAfterAWinEndsTheEventLoopStoringNothingAndAskingNothing) {
    const QString nearWin = WriteGame("near.vty", NearTheEnd, 0);
    Make(frmRec::EndProgram);
    ModalDriver driver;
    driver.Expect("frmRec", [&](QDialog& d) { Click(d, "cmdExit"); });
    app->Start(nearWin);

    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    safety.start(15000);
    EXPECT_EQ(QApplication::exec(), 0);

    EXPECT_TRUE(driver.Done());
    EXPECT_EQ(prompter.messages.size(), 3);
    EXPECT_TRUE(prompter.questions.isEmpty());
    // Not even the first-run marker, which stands only beside its rows.
    EXPECT_EQ(RecordKeys(), QStringList());
    EXPECT_TRUE(Board().isVisible());
}

}  // namespace
}  // namespace vantry::test
