#include <gtest/gtest.h>

#include <QLabel>
#include <QPointer>

#include "apprig.h"

namespace vantry::test {
namespace {

using Timers3 = std::array<bool, 3>;  // Timer1, timPlay, timGo
constexpr Timers3 AllStopped{false, false, false};
constexpr Timers3 Playing{true, true, false};

// Ann is played by the computer and on turn; Bart, Cleo and Dee play by hand.
const std::array<SavedSeat, SeatCount> ComputerOnTurn{{
    {true, 3, 20, "Ann"}, {false, 3, 25, "Bart"}, {false, 3, 30, "Cleo"}, {false, 3, 35, "Dee"}}};

TEST_F(AppTest, NewFromTheMenuAndCtrlNPauseTheBoardAndEscapeLetsItGoOn) {
    const struct {
        const char* way;
        std::function<void(frmMain&)> open;
    } ways[] = {
        {"File > New", [](frmMain& board) { board.Menu().mnuFileNew->trigger(); }},
        {"Ctrl+N", [](frmMain& board) { QTest::keyClick(&board, Qt::Key_N, Qt::ControlModifier); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        Make();
        app->Start(WriteGame("game.vty", ComputerOnTurn, 0));
        const auto moves = State().MoveCount;

        // Ann may not play while the dialog is up; after Escape she does, and the game waits
        // for Bart.
        QPointer<QDialog> first;
        {
            ModalDriver driver;
            driver.Expect("frmNew", [&](QDialog& d) {
                first = &d;
                EXPECT_EQ(d.parentWidget(), &Board());
                EXPECT_TRUE(d.isModal());
                EXPECT_EQ(Timers(), AllStopped);
                QTest::qWait(20 * TickMs);
                EXPECT_EQ(State().MoveCount, moves);
                QTest::keyClick(d.findChild<QLineEdit*>("txtNew(0)"), Qt::Key_Escape);
                EXPECT_FALSE(d.isVisible());
            });
            way.open(Board());
        }
        EXPECT_EQ(Timers(), Playing);
        ASSERT_TRUE(WaitFor([&] { return State().CurrentPlayer == 1; }));
        EXPECT_EQ(State().MoveCount[0], moves[0] + 1);
        EXPECT_EQ(Board().windowTitle(), "Vantry - game.vty");
        EXPECT_EQ(Names(), (QStringList{"Ann", "Bart", "Cleo", "Dee"}));

        // The second time the kept dialog shows without its load step, so the pause is New's own.
        ModalDriver driver;
        driver.Expect("frmNew", [&](QDialog& d) {
            EXPECT_EQ(&d, first.data());
            EXPECT_EQ(Timers(), AllStopped);
            QTest::keyClick(d.findChild<QLineEdit*>("txtNew(0)"), Qt::Key_Escape);
        });
        way.open(Board());
        EXPECT_TRUE(driver.Done());
        EXPECT_EQ(Timers(), Playing);
    }
}

TEST_F(AppTest, AboutFromTheMenuAndCtrlAOpensModallyOverTheBoardAndOkClosesIt) {
    const QString path = WriteGame("game.vty", ComputerOnTurn, 1);
    Make();
    app->Start(path);

    const struct {
        const char* way;
        std::function<void()> open;
    } ways[] = {
        {"File > About", [&] { Board().Menu().mnuFileAbout->trigger(); }},
        {"Ctrl+A", [&] { QTest::keyClick(&Board(), Qt::Key_A, Qt::ControlModifier); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        opened.clear();
        ModalDriver driver;
        driver.Expect("frmAbout", [&](QDialog& d) {
            EXPECT_EQ(d.parentWidget(), &Board());
            EXPECT_TRUE(d.isModal());
            EXPECT_EQ(d.windowTitle(), "Vantry - About");
            // The links reach the desktop through the program's own opener.
            if (auto* mail = d.findChild<QLabel*>("lblEmail")) QTest::mouseClick(mail, Qt::LeftButton);
            Click(d, "Command1");
            EXPECT_FALSE(d.isVisible());
        });
        way.open();
        EXPECT_TRUE(driver.Done());
        ASSERT_EQ(opened.size(), 1);
        EXPECT_EQ(opened[0].scheme(), "mailto");
        EXPECT_EQ(Board().findChild<QDialog*>("frmAbout"), nullptr);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

}  // namespace
}  // namespace vantry::test
