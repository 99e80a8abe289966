#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTest>
#include <QTemporaryDir>

#include <cstdlib>
#include <cstring>
#include <vector>

#include "boardrig.h"
#include "media/mediafolder.h"
#include "scopedenv.h"
#include "media/soundcues.h"
#include "version.h"

namespace vantry::test {
namespace {

TEST(MediaFolder, ConfiguredFolderComesFirst) {
    ScopedEnv env("VANTRY_DATA_DIR", "/opt/vantry-data/");
    EXPECT_EQ(FindMediaFolder(), "/opt/vantry-data");
}

TEST(MediaFolder, BuildTreeDataWhenRunFromTheBuildTree) {
    qunsetenv("VANTRY_DATA_DIR");
    // The tests run from the build tree, where the cues were made.
    EXPECT_EQ(FindMediaFolder(), QString(VANTRY_BUILD_DATA_DIR));
    EXPECT_TRUE(QFileInfo::exists(CueFile(FindMediaFolder(), Cue::TossClick)));
}

// The cues made for the build tree: each fades in from silence and out to it, so that neither
// its start nor its end clicks, and the snake's cue is over well before a computer's next tick.
TEST(MediaFolder, EveryCueFadesInAndOutOfSilence) {
    constexpr int HeaderBytes = 44;
    constexpr int SampleRate = 22050;
    for (Cue cue : {Cue::TossClick, Cue::PicMMove, Cue::MOH, Cue::NOH, Cue::Tashwiq}) {
        SCOPED_TRACE(static_cast<int>(cue));
        QFile file(CueFile(QString(VANTRY_BUILD_DATA_DIR), cue));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray data = file.readAll().mid(HeaderBytes);
        std::vector<qint16> samples(static_cast<std::size_t>(data.size() / 2));
        std::memcpy(samples.data(), data.constData(), samples.size() * 2);
        ASSERT_GT(samples.size(), 10u);
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_LE(std::abs(samples[k]), 100) << "sample " << k;
            EXPECT_LE(std::abs(samples[samples.size() - 1 - k]), 100) << "sample -" << k;
        }
        if (cue == Cue::NOH) {
            EXPECT_LT(samples.size(), static_cast<std::size_t>(SampleRate * 4 / 10));
        }
    }
}

// No folder at all leaves the cue at the root, as the game has always named it.
TEST(MediaFolder, NoFolderAtAllLeavesTheCueAtTheRoot) { EXPECT_EQ(CueFile("", Cue::MOH), "/Media/MOH.wav"); }

// A cue whose file was there keeps its folder; one whose file was not has the folder looked for
// again at the next cue.
TEST(MediaFolder, TheFolderIsLookedForAgainAfterACueWasNotThere) {
    BoardRig rig;
    const QString build = QString::fromUtf8(VANTRY_BUILD_DATA_DIR);
    {
        ScopedEnv env("VANTRY_DATA_DIR", "/first");
        rig.window->GameEngine().Throw();
    }
    {
        ScopedEnv env("VANTRY_DATA_DIR", build.toUtf8());
        rig.window->GameEngine().Throw();
    }
    ScopedEnv env("VANTRY_DATA_DIR", "/third");
    rig.window->GameEngine().Throw();
    const QString found = build + "/Media/TossClick.wav";
    EXPECT_EQ(rig.cues->paths, QStringList({"/first/Media/TossClick.wav", found, found}));
    EXPECT_EQ(rig.window->Cues().MediaFolder(), build);
}

TEST(MediaFolder, MissingFolderIsSilent) {
    QTemporaryDir empty;
    ScopedEnv env("VANTRY_DATA_DIR", QDir(empty.path()).filePath("nothing-here").toUtf8());
    GameState state;
    ScriptedPrompter prompter;
    ScriptedRandom random{{ScriptedRandom::For(2)}};
    RecordingCommands commands;
    Engine engine(state, random);
    frmMain window(engine, prompter, commands);  // the window's own cue player
    engine.SetListener(&window);
    window.GameEngine().Throw();
    window.GameEngine().cmdGo_Click();
    EXPECT_EQ(state.Position[0], 17);  // the ladder still carries the counter, with no sound
    EXPECT_EQ(state.CurrentPlayer, 1);
    EXPECT_TRUE(prompter.messages.isEmpty());
    engine.SetListener(nullptr);

    SoundCues cues;
    cues.Play(QDir(empty.path()).filePath("Media/TossClick.wav"));
    cues.Play(QString());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

// A cue file that cannot be read when it loads (its folder removed meanwhile, or the file half
// copied) must not silence that cue for the rest of the run once the file is whole again.
TEST(SoundCuesTest, ACueWhoseFileFailedToLoadSoundsAgainOnceTheFileIsBack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath("TossClick.wav");
    const auto write = [&path](const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    };
    ASSERT_TRUE(write("RIFF, but no sound in it"));
    SoundCues cues(true);  // as on a machine with an audio output
    cues.Play(path);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !cues.Sounding(); }, 3000)) << "a broken file sounds";

    QFile good(CueFile(QString(VANTRY_BUILD_DATA_DIR), Cue::TossClick));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    ASSERT_TRUE(write(good.readAll()));
    EXPECT_TRUE(QTest::qWaitFor([&] {
        cues.Play(path);
        return cues.Sounding();
    }, 3000));

    // Gone again: silence, with nothing left sounding from before.
    ASSERT_TRUE(QFile::remove(path));
    cues.Play(path);
    EXPECT_FALSE(cues.Sounding());
}

// A cue file far larger than any cue (a whole recording put in its place) would be held whole
// for the run: it is not loaded, and that cue is silence. A cue of its own size still sounds.
TEST(SoundCuesTest, ACueFileTooLargeForACueIsNotLoaded) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile good(CueFile(QString(VANTRY_BUILD_DATA_DIR), Cue::Tashwiq));
    ASSERT_TRUE(good.open(QIODevice::ReadOnly));
    const QByteArray cue = good.readAll();
    const QString path = dir.filePath("Tashwiq.wav");
    QFile big(path);
    ASSERT_TRUE(big.open(QIODevice::WriteOnly) && big.write(cue) == cue.size());
    // Sparse: the file reads as silence after the cue's own samples.
    ASSERT_TRUE(big.resize(SoundCues::MaxCueBytes + 1));
    big.close();

    SoundCues cues(true);
    cues.Play(path);
    EXPECT_FALSE(cues.Sounding());
    ASSERT_TRUE(QFile::resize(path, cue.size()));
    // The effect loads on the toolkit's side; on a busy machine it may not play at once.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        cues.Play(path);
        return cues.Sounding();
    }, 3000));
}

}  // namespace
}  // namespace vantry::test
