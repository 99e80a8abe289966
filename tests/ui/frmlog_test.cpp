#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "announcer.h"
#include "boardrig.h"
#include "frmlog.h"
#include "isolatedstores.h"
#include "playerstatistics.h"
#include "qstringprinter.h"
#include "racechart.h"
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

// The lines selected, in the log's order whichever way they were chosen, and not the line the
// cursor moved on to without selecting it.
TEST(GameLog, CtrlCCopiesTheSelectedLinesInOrder) {
    LogRig rig;
    for (int i = 0; i < 3; ++i) rig.Play(2);
    rig.log->Toggle();
    const QStringList lines = rig.Lines();
    QListView* view = rig.log->LogView();
    struct Case {
        std::vector<Qt::Key> keys;
        Qt::KeyboardModifiers held;
        QStringList copied;
    };
    const Case cases[] = {
        {{Qt::Key_Up, Qt::Key_Up}, Qt::ShiftModifier, lines.mid(lines.size() - 3)},
        {{Qt::Key_Home}, Qt::NoModifier, lines.mid(0, 1)},
        {{Qt::Key_Down, Qt::Key_Down}, Qt::ControlModifier, lines.mid(0, 1)},
    };
    for (const Case& c : cases) {
        for (Qt::Key key : c.keys) QTest::keyClick(view, key, c.held);
        QApplication::clipboard()->clear();
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), c.copied.join(QLatin1Char('\n')));
    }
}

// A game begun anew while the window is open leaves nothing of the old one in the log or the race.
TEST(GameLog, ANewGameWhileOpenClearsTheLogAndTheRace) {
    LogRig rig;
    rig.log->Toggle();
    for (int i = 0; i < 5; ++i) rig.Play(3);
    ASSERT_NE(rig.Summary(), RaceChart::tr("No counter has moved yet."));
    rig.engine.ResetBoard();
    EXPECT_EQ(rig.Lines(), QStringList{Announcer::NewGame()});
    EXPECT_EQ(rig.Summary(), RaceChart::tr("No counter has moved yet."));
    rig.Play(4);
    EXPECT_EQ(rig.Lines().size(), 4);
    EXPECT_EQ(rig.Summary(), RaceChart::Summary(rig.state));
}

// A leader whose name is longer than a line is told under the chart without the window growing
// past the room it was given beside the board.
TEST(GameLog, ALongNameInTheLeadKeepsTheWindowsWidth) {
    LogRig rig;
    rig.state.Names[0] = LongName;
    rig.log->Toggle();
    QCoreApplication::processEvents();
    const int width = rig.log->width();
    rig.Play(5);
    QCoreApplication::processEvents();
    ASSERT_TRUE(rig.Summary().contains(QString::fromStdString(LongName)));
    EXPECT_EQ(rig.log->width(), width);
    EXPECT_LE(rig.log->minimumSizeHint().width(), width);
}

// Every player's figures stand in view beside the names, however long one of them is.
TEST(GameLog, TheStatisticsFiguresStayInViewBesideALongName) {
    LogRig rig;
    ASSERT_TRUE(rig.stores.valid());
    ASSERT_FALSE(StoreFinishedGame(FinishedGame{{QString::fromStdString(LongName), "Bo", "Cy", "Di"}, 1, 30, {}}));
    rig.log->Toggle();
    rig.log->resize(460, 560);
    QTreeWidget* table = rig.log->findChild<QTreeWidget*>("statisticsTable");
    rig.log->findChild<QTabWidget*>("tabLog")->setCurrentWidget(table->parentWidget());
    rig.log->StatisticsStored();
    QCoreApplication::processEvents();
    ASSERT_EQ(table->topLevelItemCount(), 4);
    const QHeaderView* header = table->header();
    // The first figures, the games and wins, beside the longest name.
    EXPECT_LE(header->sectionViewportPosition(2) + header->sectionSize(2), table->viewport()->width());
}

// A player who leaves the foot of the log, by the wheel or the keys, reads on while the game
// goes on; End brings the newest line back and the log follows it again, also from the last
// line itself when only the view had moved away.
TEST(GameLog, EndFollowsTheGameAgainHoweverThePlayerLeftTheFoot) {
    for (const bool byWheel : {true, false}) {
        LogRig rig;
        for (int i = 0; i < 30; ++i) rig.Play(1 + i % 5);
        rig.log->Toggle();
        QCoreApplication::processEvents();
        QListView* view = rig.log->LogView();
        QScrollBar* bar = view->verticalScrollBar();
        ASSERT_GT(bar->maximum(), 0);
        const auto leave = [&] {
            if (byWheel) bar->triggerAction(QAbstractSlider::SliderPageStepSub);
            for (int i = 0; !byWheel && i < 2; ++i) QTest::keyClick(view, Qt::Key_PageUp);
            ASSERT_LT(bar->value(), bar->maximum());
        };
        leave();
        QTest::keyClick(view, Qt::Key_End);
        EXPECT_EQ(bar->value(), bar->maximum()) << byWheel;
        leave();
        const int reading = bar->value();
        rig.Play(2);
        EXPECT_EQ(bar->value(), reading) << byWheel;
        QTest::keyClick(view, Qt::Key_End);
        rig.Play(3);
        QCoreApplication::processEvents();
        EXPECT_EQ(bar->value(), bar->maximum()) << byWheel;
    }
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

}  // namespace
}  // namespace vantry::test
