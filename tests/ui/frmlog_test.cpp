#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "board/announcer.h"
#include "boardrig.h"
#include "dialogs/frmlog.h"
#include "isolatedstores.h"
#include "dialogs/logplace.h"
#include "playerstatistics.h"
#include "qstringprinter.h"
#include "recordingtable.h"
#include "storefailurenotice.h"

namespace vantry::test {
namespace {

// A name of no blanks, longer than any line of the window.
const std::string LongName(90, 'M');

// The game log window over a board of four persons, with statistics of its own.
struct LogRig : BoardRig {
    QStringList Lines() const {
        QStringList lines;
        const QAbstractItemModel* m = log->LogView()->model();
        for (int r = 0; r < m->rowCount(); ++r) lines << m->index(r, 0).data().toString();
        return lines;
    }
    void Play(int pips) {
        random.Script({ScriptedRandom::For(pips)});
        engine.Throw();
        engine.cmdGo_Click();
    }
    QString Summary() const { return log->findChild<QLabel*>("lblRaceSummary")->text(); }

    IsolatedStores stores;
    StoreFailureNotice notice;
    std::unique_ptr<frmLog> log = std::make_unique<frmLog>(engine, prompter, notice, window.get());
};

// A name longer than any line neither widens the window beside the board when its player
// leads, nor pushes the other players' figures out of view in the statistics.
TEST(GameLog, ALongNameNeitherWidensTheWindowNorHidesTheStatistics) {
    LogRig rig;
    ASSERT_TRUE(rig.stores.valid());
    ASSERT_FALSE(StoreFinishedGame(FinishedGame{{QString::fromStdString(LongName), "Bo", "Cy", "Di"}, 1, 30, {}}));
    rig.state.Names[0] = LongName;
    rig.log->Toggle();
    QCoreApplication::processEvents();
    const int width = rig.log->width();
    rig.Play(5);
    QCoreApplication::processEvents();
    ASSERT_TRUE(rig.Summary().contains(QString::fromStdString(LongName)));
    EXPECT_EQ(rig.log->width(), width);
    EXPECT_LE(rig.log->minimumSizeHint().width(), width);

    QTreeWidget* table = rig.log->findChild<QTreeWidget*>("statisticsTable");
    rig.log->findChild<QTabWidget*>("tabLog")->setCurrentWidget(table->parentWidget());
    rig.log->StatisticsStored();
    QCoreApplication::processEvents();
    ASSERT_EQ(table->topLevelItemCount(), 4);
    // The first figures, the games and wins, beside the longest name.
    const QHeaderView* header = table->header();
    EXPECT_LE(header->sectionViewportPosition(2) + header->sectionSize(2), table->viewport()->width());
}

// A player who scrolls away from the foot of the log reads on while the game goes on; End
// brings the newest line back and the log follows it again, also when the cursor stood on the
// last line all along and only the view had moved.
TEST(GameLog, EndFollowsTheGameAgainAfterAScrollAway) {
    LogRig rig;
    for (int i = 0; i < 30; ++i) rig.Play(1 + i % 5);
    rig.log->Toggle();
    QCoreApplication::processEvents();
    QListView* view = rig.log->LogView();
    QScrollBar* bar = view->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    ASSERT_LT(bar->value(), bar->maximum());
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    bar->triggerAction(QAbstractSlider::SliderPageStepSub);
    const int reading = bar->value();
    rig.Play(2);
    EXPECT_EQ(bar->value(), reading);
    QTest::keyClick(view, Qt::Key_End);
    rig.Play(3);
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->value(), bar->maximum());
}

// A won game's log ends on the win, as the board tells it: the turn the engine passes on after
// it is no line, whether the window followed the win or opened on the won game afterwards.
TEST(GameLog, AWonGameEndsOnTheWin) {
    LogRig rig;
    GameSetup game;
    game.Position = {96, 10, 20, 30};
    rig.engine.ReplaceGame(game, "/saved/near.vty");
    rig.log->Toggle();
    rig.Play(3);
    ASSERT_GE(rig.state.Winner(), 0);
    ASSERT_EQ(rig.state.Record.back().kind, RecordEvent::Kind::Turn);
    const QString win = Announcer::Win(Announcer::SeatOf(rig.state, 0), 1);
    EXPECT_EQ(rig.Lines().back(), win);
    EXPECT_EQ(frmLog(rig.engine, rig.prompter, rig.notice, nullptr).LogView()->model()->rowCount(), 4);
}

// At a table the chat box shows: what is typed there (an L too) is sent as one plain line, and
// the news heard stands between the events it came after, also once the record is read anew as
// a copy that comes back reads it; another game's record puts it before that game.
TEST(GameLog, ChatIsSentPlainAndTheNewsKeepsItsPlace) {
    LogRig rig;
    RecordingTable table;
    rig.log->SetTable(&table);
    rig.log->Toggle();
    auto* box = rig.log->findChild<QLineEdit*>("txtChat");
    ASSERT_TRUE(box);
    EXPECT_TRUE(box->isVisible());
    box->setFocus();
    QTest::keyClicks(box, "Well played");
    box->insert(QStringLiteral("\n\tall\x01"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(rig.log->isVisible());
    EXPECT_EQ(table.said, QStringList{"Well played all"});
    EXPECT_TRUE(box->text().isEmpty());

    rig.Play(2);
    rig.log->AddNews("Bo says: hi");
    rig.Play(3);
    const QStringList before = rig.Lines();
    ASSERT_EQ(before.indexOf("Bo says: hi"), before.size() - 4);
    const GameRecord host = rig.state.Record;
    rig.engine.Follow(host, true);
    EXPECT_EQ(rig.Lines(), before);
    rig.engine.StopFollowing();
    rig.engine.ResetBoard();
    EXPECT_EQ(rig.Lines().front(), "Bo says: hi");
    table.atTable = false;
    rig.log->close();
    rig.log->Toggle();
    EXPECT_FALSE(box->isVisible());
}

// Beside the board where a side has room for the log, else over the board where it hides least,
// never over the controls (kept here as the column they stand in at the board's right).
TEST(GameLog, OpensBesideTheBoardOrWhereItHidesNoControl) {
    const QSize wanted(472, 606);
    const QSize smallest(300, 400);
    const QRect centred(238, 202, 804, 619);
    const QRect controls(centred.left() + 720, centred.top() + 144, 70, 410);
    struct Case {
        const char* what;
        QRect room;
        QRect board;
        QRect expected;  // empty: anywhere but over the controls
    } const cases[] = {
        {"room on either side", {0, 0, 1920, 1080}, {100, 100, 804, 619}, {912, 100, 472, 606}},
        {"narrower on the right", {0, 0, 1280, 1024}, {0, 30, 804, 619}, {812, 30, 468, 606}},
        {"on the left with more room", {0, 0, 1280, 1024}, {400, 30, 804, 619}, {0, 30, 392, 606}},
        {"below", {0, 0, 1280, 1100}, {238, 0, 804, 619}, {238, 627, 472, 473}},
        {"no room beside", {0, 0, 1280, 1024}, centred, {}},
        {"a full-screen board", {0, 0, 1280, 1024}, {0, 0, 1280, 1024}, {}},
    };
    for (const Case& c : cases) {
        const QRect keep = controls.translated(c.board.topLeft() - centred.topLeft());
        const QRect at = LogPlace(c.room, c.board, keep, wanted, smallest);
        EXPECT_TRUE(c.room.contains(at)) << c.what;
        EXPECT_FALSE(at.intersects(keep)) << c.what;
        if (!c.expected.isEmpty()) {
            EXPECT_EQ(at, c.expected) << c.what;
        }
    }
}

// The board as wide as the screen leaves no side for the log.
TEST(GameLog, OverTheBoardLeavesItsControlsInView) {
    LogRig rig;
    rig.log->KeepClear([&] { return rig.window->ControlsOnScreen(); });
    rig.window->move(0, 0);
    rig.window->show();
    QCoreApplication::processEvents();
    rig.log->Toggle();
    QCoreApplication::processEvents();
    ASSERT_TRUE(rig.log->isVisible());
    EXPECT_FALSE(rig.log->frameGeometry().intersects(rig.window->ControlsOnScreen()));
}

// Window systems keep a dialog over the window it stands for, also when that goes full screen,
// where a plain window would go under it; and a log out of sight is brought back by L, not
// closed unseen.
TEST(GameLog, StaysInSightOfAFullScreenBoard) {
    LogRig rig;
    rig.window->show();
    rig.window->setWindowState(Qt::WindowFullScreen);
    rig.log->Toggle();
    QCoreApplication::processEvents();
    EXPECT_EQ(rig.log->windowType(), Qt::Dialog);
    rig.log->showMinimized();
    QCoreApplication::processEvents();
    rig.log->Toggle();
    EXPECT_TRUE(rig.log->isVisible());
    EXPECT_FALSE(rig.log->isMinimized());
}

}  // namespace
}  // namespace vantry::test
