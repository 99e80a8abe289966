#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <chrono>
#include <future>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "blockedstore.h"
#include "dialogs/frmrec.h"
#include "gamecommands.h"
#include "gamestate.h"
#include "isolatedstores.h"
#include "playeroptions.h"
#include "playerstatistics.h"
#include "qstringprinter.h"
#include "recordsstore.h"
#include "scopedenv.h"
#include "scriptedprompter.h"
#include "storefailurenotice.h"

namespace vantry {
namespace {

class NoCommands : public GameCommands {
public:
    void ResetBoard() override {}
    void OpenGame() override {}
};

using test::Blocked;

class StoreFaultTest : public ::testing::TestWithParam<Blocked> {
protected:
    void SetUp() override {
        ASSERT_TRUE(stores_.valid());
        ASSERT_TRUE(dir_.isValid());
        storePath_ = test::BlockUserStore(dir_, GetParam());
        ASSERT_FALSE(storePath_.isEmpty());
    }

    // One opening of the window after a win of `moves`, left by "&New Game".
    void WinAndStartAgain(int moves, bool stored) {
        state_.WinnerName = "Zed";
        state_.WinnerMoves = static_cast<std::int16_t>(moves);
        state_.RecordsStored = stored;
        frmRec window(state_, prompter_, commands_, &owner_, [this] { ++exits_; }, &notice_);
        window.Form_Load();
        window.show();
        rowOne_ = window.findChild<QLabel*>(QStringLiteral("lblName(1)"))->text();
        QTest::mouseClick(window.findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(window.outcome(), frmRec::Outcome::NewGame);
    }

    test::IsolatedStores stores_;
    QTemporaryDir dir_;
    QString storePath_;
    GameState state_;
    test::ScriptedPrompter prompter_;
    NoCommands commands_;
    StoreFailureNotice notice_;
    QWidget owner_;
    QString rowOne_;
    int exits_ = 0;
};

// A store that refuses the table costs the stored table, never the game. The window still
// enters and shows the result and closes as usual; the player is told once in the run, with the
// file and the reason, that the table was not kept.
TEST_P(StoreFaultTest, TheWindowWorksAndClosesAndTellsOnceThatTheTableWasNotStored) {
    const QString told = QStringLiteral("The best players could not be stored in %1: %2.")
                             .arg(storePath_, GetParam() == Blocked::StoreIsAFolder
                                                  ? QStringLiteral("a folder stands where the file should be")
                                                  : QStringLiteral("its folder cannot be made"));
    for (int opening = 1; opening <= 2; ++opening) {
        WinAndStartAgain(20, opening == 2);
        EXPECT_EQ(rowOne_, QStringLiteral("Zed")) << opening;
    }
    EXPECT_EQ(prompter_.messages, (QStringList{"Zed Moves = 20", told, "Zed Moves = 20"}));
    EXPECT_EQ(prompter_.icons[1], Prompter::Icon::Warning);
    EXPECT_EQ(exits_, 0);

    bool stored = false;
    ReadRecordsStored(stored);
    EXPECT_FALSE(stored) << "the marker reads back though it could not be written";
    EXPECT_FALSE(QFileInfo(storePath_).isFile());
}

INSTANTIATE_TEST_SUITE_P(Blocked, StoreFaultTest, ::testing::Values(Blocked::FolderIsAFile, Blocked::StoreIsAFolder),
                         [](const auto& info) { return test::BlockedName(info.param); });

// A named pipe where the store's file should be: the toolkit would wait on it for ever before
// any window. The store reads as empty, and a write is refused with the reason, in no time. A
// read that waits on the pipe is let go by opening its other end, so the test fails, not hangs.
TEST(StoreFaults, ANamedPipeForTheStoreIsReadAsEmptyAndRefusesWrites) {
    test::IsolatedStores stores;
    QTemporaryDir home;
    ASSERT_TRUE(stores.valid() && home.isValid());
    // The store where the desktop's own folders put it, with the toolkit pointed there as well.
    QStandardPaths::setTestModeEnabled(false);
    const test::ScopedEnv config("XDG_CONFIG_HOME", home.filePath("config").toLocal8Bit());
    const test::ScopedEnv machine("XDG_CONFIG_DIRS", home.filePath("machine").toLocal8Bit());
    for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
        QSettings::setPath(format, QSettings::UserScope, home.filePath("config"));
    }
    const QString pipe = home.filePath("config/Vantry/Vantry.conf");
    ASSERT_TRUE(QDir().mkpath(QFileInfo(pipe).path()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);

    auto reads = std::async(std::launch::async, [] {
        bool stored = false;
        ReadRecordsStored(stored);
        return ReadPlayerOptions() == PlayerOptions{} && ReadStoredStatistics().empty() &&
               ReadStoredRecordRows() == DefaultRecordRows() && !stored;
    });
    if (reads.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        const int writer = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
        QStandardPaths::setTestModeEnabled(true);
        FAIL() << "a read of the store waited on the pipe";
    }
    EXPECT_TRUE(reads.get());
    PlayerOptions changed;
    changed.marks = false;
    const auto failure = StorePlayerOptions(changed, PlayerOptions{});
    QStandardPaths::setTestModeEnabled(true);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->path, pipe);
    EXPECT_EQ(failure->reason, "it is not a regular file");
}

}  // namespace
}  // namespace vantry
