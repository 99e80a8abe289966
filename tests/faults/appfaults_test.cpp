#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QLabel>

#include <numeric>
#include <vector>

#include "apprig.h"
#include "blockedstore.h"
#include "scopedenv.h"
#include "media/soundcues.h"
#include "version.h"

namespace vantry::test {
namespace {

int MovesMade(const GameState& state) {
    return std::accumulate(state.MoveCount.begin(), state.MoveCount.end(), 0);
}

// The program's own cue player, told there is an audio output so every cue goes as far as its
// file, noting for each cue whether its file was there and whether it sounded.
class WatchedCues : public CuePlayer {
public:
    struct Played {
        QString path;
        bool present = false;
        bool sounding = false;
    };
    bool Play(const QString& path) override {
        const bool present = QFileInfo(path).isFile();
        const bool found = cues_.Play(path);
        played.push_back({path, present, cues_.Sounding()});
        return found;
    }
    std::vector<Played> played;

private:
    SoundCues cues_{true};
};

// A game of four computer seats whose data folder, found through VANTRY_DATA_DIR, holds copies
// of the cues and can be taken away and brought back while the game runs.
class MediaFolderFaultTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        ASSERT_TRUE(data_.isValid());
        ASSERT_TRUE(CopyMedia());
    }

    bool CopyMedia() const {
        const QDir from(QString::fromUtf8(VANTRY_BUILD_DATA_DIR) + "/Media");
        const QStringList cues = from.entryList({"*.wav"}, QDir::Files);
        if (cues.size() != 5 || !QDir().mkpath(Media())) return false;
        for (const QString& cue : cues) {
            if (!QFile::copy(from.filePath(cue), Media() + "/" + cue)) return false;
        }
        return true;
    }
    QString Media() const { return data_.path() + "/Media"; }

    // Lets the computers play `moves` more moves and returns the cues played meanwhile.
    std::vector<WatchedCues::Played> PlayOn(int moves) {
        const std::size_t from = cues_->played.size();
        const int target = MovesMade(State()) + moves;
        EXPECT_TRUE(WaitFor([&] { return MovesMade(State()) >= target; }, 5000))
            << "the game stalled at " << MovesMade(State()) << " moves";
        return {cues_->played.begin() + static_cast<std::ptrdiff_t>(from), cues_->played.end()};
    }

    QTemporaryDir data_;
    ScopedEnv env_{"VANTRY_DATA_DIR", data_.path().toUtf8()};
    WatchedCues* cues_ = nullptr;
};

// The cues are a garnish: a folder that vanishes mid-game costs the sound and nothing else, and
// once it is back the cues are heard again.
TEST_F(MediaFolderFaultTest, AVanishedFolderSilencesTheCuesOnlyAndAReturningOneIsHeardAgain) {
    // One pip a throw: the game crawls on (a snake head sends a counter back) and nobody wins.
    random.Script({ScriptedRandom::For(1)});
    const QString game = WriteGame("four.vty", {{{true, 0, 0, "Ann"}, {true, 0, 0, "Bart"}, {true, 0, 0, "Cleo"},
                                                 {true, 0, 0, "Dee"}}}, 0);
    Make();
    auto watched = std::make_unique<WatchedCues>();
    cues_ = watched.get();
    Board().Cues().SetPlayer(std::move(watched));
    ModalDriver driver;  // no window is expected at all
    app->Start(game);

    const auto heard = PlayOn(8);
    ASSERT_FALSE(heard.empty());
    for (const auto& cue : heard) {
        EXPECT_TRUE(cue.present && cue.sounding) << cue.path.toStdString();
        EXPECT_TRUE(cue.path.startsWith(Media() + "/")) << cue.path.toStdString();
    }

    ASSERT_TRUE(QDir(data_.path()).removeRecursively());
    const int before = MovesMade(State());
    const auto unheard = PlayOn(8);
    EXPECT_GE(MovesMade(State()), before + 8);
    ASSERT_GE(unheard.size(), 16u) << "a throw and a move each sound a cue";
    for (const auto& cue : unheard) {
        EXPECT_FALSE(cue.present || cue.sounding) << cue.path.toStdString();
        EXPECT_TRUE(cue.path.startsWith(Media() + "/")) << cue.path.toStdString();
    }

    ASSERT_TRUE(CopyMedia());
    const auto again = PlayOn(8);
    ASSERT_FALSE(again.empty());
    for (const auto& cue : again) EXPECT_TRUE(cue.present && cue.sounding) << cue.path.toStdString();

    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join(" | ").toStdString();
    EXPECT_TRUE(prompter.questions.isEmpty());
    EXPECT_TRUE(driver.seen.isEmpty());
    EXPECT_EQ(Board().Cues().MediaFolder(), data_.path());
}

// Ann, played by the computer, stands on square 94 on turn; a six wins at the first tick.
const std::array<SavedSeat, SeatCount> NearTheEnd{{
    {true, 6, 93, "Ann"}, {false, 6, 30, "Bart"}, {false, 6, 10, "Cleo"}, {false, 6, 50, "Dee"}}};

class StoreBlockedAppTest : public AppTest, public ::testing::WithParamInterface<Blocked> {
protected:
    void SetUp() override {
        AppTest::SetUp();
        ASSERT_TRUE(blocked_.isValid());
        storePath_ = BlockUserStore(blocked_, GetParam());
        ASSERT_FALSE(storePath_.isEmpty());
    }

    QTemporaryDir blocked_;
    QString storePath_;
};

// A store that refuses every write costs the stored table, never the game. The win, the table,
// the new game and closing the board all go through as usual, and the store's failure is told
// once, as the table closes.
TEST_P(StoreBlockedAppTest, AWinANewGameAndClosingTheBoardGoThroughTellingOfTheStoreOnce) {
    const QString nearWin = WriteGame("near.vty", NearTheEnd, 0);
    Make();
    ModalDriver driver;
    QString rowOne;
    bool restarted = false;
    driver.Expect("frmRec", [&](QDialog& d) {
        auto* label = d.findChild<QLabel*>(Indexed("lblName", 1));
        rowOne = label ? label->text() : QString();
        Click(d, "cmdOK");
    });
    driver.Expect("frmNew", [&](QDialog& d) {
        FillSeats(d, {{{true, "Ann"}, {true, "Bart"}, {true, "Cleo"}, {true, "Dee"}}});
        Click(d, "cmdStart");
        restarted = !d.isVisible();
    });
    app->Start(nearWin);

    // Once the new game has run a round and more, the player closes the board without saving.
    bool closed = false;
    QTimer closer;
    closer.setInterval(5);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (closed || !restarted || MovesMade(State()) < 8) return;
        closed = true;
        prompter.answers.push_back(Prompter::Answer::No);
        Board().close();
    });
    closer.start();
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    safety.start(5000);
    EXPECT_EQ(QApplication::exec(), 0) << "the event loop did not end with the board";

    EXPECT_TRUE(restarted);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(Board().isVisible());
    EXPECT_EQ(driver.seen, (QStringList{"frmRec", "frmNew"}));
    EXPECT_EQ(rowOne, "Ann");
    // The players' statistics, stored the moment the game is won, are the first to find the
    // store blocked; the best players that follow are not told of again.
    ASSERT_EQ(prompter.messages.size(), 4);
    EXPECT_TRUE(prompter.messages[0].startsWith("The players' statistics could not be stored in " + storePath_ + ": "))
        << prompter.messages[0].toStdString();
    EXPECT_EQ(prompter.messages.mid(1, 3), (QStringList{"Ann Wins!", "Ann: 100\nDee: 51\nBart: 31\nCleo: 11", "Ann Moves = 7"}));
    EXPECT_EQ(prompter.questions.size(), 1);
    EXPECT_FALSE(QFileInfo(storePath_).isFile());
}

INSTANTIATE_TEST_SUITE_P(Blocked, StoreBlockedAppTest,
                         ::testing::Values(Blocked::FolderIsAFile, Blocked::StoreIsAFolder),
                         [](const auto& info) { return BlockedName(info.param); });

}  // namespace
}  // namespace vantry::test
