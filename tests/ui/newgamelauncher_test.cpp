#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

#include "fakeboardwindow.h"
#include "newgameparts.h"
#include "dialogs/newgamelauncher.h"
#include "qstringprinter.h"
#include "scriptedprompter.h"

namespace vantry::test {
namespace {

// What pausing the running board changes (timGo is off already), and what resuming it does.
const QStringList Pause{"Timer1 off", "timPlay off"};
const QStringList Resume{"Timer1 on", "timPlay on"};

class NewGameLauncherTest : public ::testing::Test, protected NewGameParts {
protected:
    // Runs one modal showing; `drive` acts on the dialog from inside its modal loop and must
    // dismiss it. Should it not, the dialog is hidden so that the test goes on.
    void Open(const std::function<void()>& show, const std::function<void(frmNew&)>& drive) {
        bool driven = false;
        QTimer::singleShot(0, [&] {
            QPointer<frmNew> dialog = launcher.Dialog();
            driven = dialog && dialog->isVisible() && dialog->isModal();
            if (dialog) drive(*dialog);
            if (dialog && dialog->isVisible()) {
                ADD_FAILURE() << "the dialog was left open";
                dialog->hide();
            }
        });
        show();
        EXPECT_TRUE(driven) << "the dialog did not show modally";
    }
    void New(const std::function<void(frmNew&)>& drive) {
        Open([this] { launcher.New(); }, drive);
    }

    NewGameLauncher launcher{engine, board, commands, prompter, random, &owner};
};

QLineEdit* Text0(frmNew& d) { return d.findChild<QLineEdit*>("txtNew(0)"); }
QPushButton* Button(frmNew& d, const char* name) { return d.findChild<QPushButton*>(name); }

TEST_F(NewGameLauncherTest, HiddenDialogComesBackAsLeftAndAClosedOneStartsAfresh) {
    QPointer<frmNew> first;
    New([&](frmNew& d) {
        first = &d;
        QTest::keyClicks(Text0(d), "Ann");
        QTest::mouseClick(Button(d, "optCom(1)"), Qt::LeftButton);
        QTest::keyClick(Text0(d), Qt::Key_Escape);
    });
    // The board is paused once, by the dialog's load.
    EXPECT_EQ(board.log, Pause + Resume);

    board.log.clear();
    New([&](frmNew& d) {
        EXPECT_EQ(&d, first.data());
        EXPECT_EQ(Text0(d)->text(), "Ann");
        EXPECT_TRUE(Button(d, "optCom(1)")->isChecked());
        d.close();
    });
    // Kept, so no load step this time: File > New pauses it; the close box lets the game go on.
    EXPECT_EQ(board.log, (Pause + QStringList{"ShowWindow"} + Resume));
    EXPECT_EQ(launcher.Dialog(), nullptr);

    board.log.clear();
    New([&](frmNew& d) {
        EXPECT_TRUE(Text0(d)->text().isEmpty());
        EXPECT_FALSE(Button(d, "optCom(1)")->isChecked());
        QTest::mouseClick(Button(d, "cmdStart"), Qt::LeftButton);
    });
    EXPECT_EQ(board.log.mid(0, 3), (Pause + QStringList{"ResetBoard"}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    EXPECT_NE(launcher.Dialog(), nullptr);
}

TEST_F(NewGameLauncherTest, StartUpShowsTheDialogOverTheBoardWithItsTimersStopped) {
    board.log.clear();
    Open([this] { launcher.New(); },
         [&](frmNew& d) {
             EXPECT_EQ(d.parentWidget(), &owner);
             EXPECT_EQ(d.windowTitle(), "Vantry - New Game");
             EXPECT_EQ(Timers(), (std::array<bool, 3>{false, false, false}));
             QTest::mouseClick(Button(d, "cmdOpen"), Qt::LeftButton);
         });
    EXPECT_EQ(board.log, (Pause + QStringList{"ShowWindow", "ResetBoard", "replaced"} + Resume + QStringList{"OpenGame"}));
    EXPECT_EQ(commands.opens, 1);
}

// A seat ticked for another computer is a person's, and the game started hears which seats
// went; a computer's seat cannot go, and a dialog left without a start gives none.
TEST_F(NewGameLauncherTest, StartTellsWhichSeatsGoToOtherComputers) {
    std::vector<frmNew::Seats> heard;
    launcher.OnStarted([&](const frmNew::Seats& remote) { heard.push_back(remote); });
    New([&](frmNew& d) {
        auto* blue = d.findChild<QCheckBox*>("chkRemote(1)");
        auto* yellow = d.findChild<QCheckBox*>("chkRemote(2)");
        QTest::mouseClick(Button(d, "optCom(2)"), Qt::LeftButton);
        EXPECT_FALSE(yellow->isEnabled());
        blue->setChecked(true);
        EXPECT_TRUE(Button(d, "optPer(1)")->isChecked());
        QTest::keyClicks(Text0(d), "Ann");
        QTest::keyClicks(d.findChild<QLineEdit*>("txtNew(1)"), "Bo");
        QTest::mouseClick(Button(d, "optPer(3)"), Qt::LeftButton);
        QTest::keyClicks(d.findChild<QLineEdit*>("txtNew(3)"), "Di");
        d.findChild<QComboBox*>("cmbNew(2)")->setCurrentIndex(1);
        QTest::mouseClick(Button(d, "cmdStart"), Qt::LeftButton);
    });
    New([&](frmNew& d) { d.close(); });
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0], (frmNew::Seats{false, true, false, false}));
}

// At the first start the board gets its place from the window manager only after the dialog
// has shown; the dialog stays centred on the board through that move.
TEST_F(NewGameLauncherTest, TheDialogIsCentredOnTheBoardAndFollowsItsFirstPlacing) {
    owner.setGeometry(40, 30, 792, 573);
    owner.show();
    Open([this] { launcher.New(); },
         [&](frmNew& d) {
             // Within the few pixels a platform's window frame may shift it by.
             const auto off = [&] { return (d.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(); };
             EXPECT_LE(off(), 4);
             owner.move(300, 200);
             EXPECT_LE(off(), 4);
             QTest::keyClick(Text0(d), Qt::Key_Escape);
         });
}

}  // namespace
}  // namespace vantry::test
