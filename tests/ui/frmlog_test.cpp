#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "announcer.h"
#include "boardrig.h"
#include "frmlog.h"
#include "isolatedstores.h"
#include "playerstatistics.h"
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

}  // namespace
}  // namespace vantry::test
