#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <fcntl.h>
#include <mutex>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "document.h"
#include "documentfixture.h"
#include "examplegame.h"
#include "failingcalls.h"
#include "gamestatediff.h"
#include "qstringprinter.h"
#include "savefile.h"
#include "scriptedprompter.h"

namespace vantry {
namespace {

using test::ExampleBytes;
using test::FailingCalls;

class FileFaultTest : public test::DocumentFixture {
protected:
    QStringList Entries() const { return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }
    QString LastMessage() { return prompter.messages.isEmpty() ? QString() : prompter.messages.takeLast(); }
};

// The new file is complete when it is to take the old one's place, and that last step fails:
// the old file stays byte for byte, no part-written file is left beside it, and once the fault
// is gone the next save goes through.
TEST_F(FileFaultTest, ASaveWhoseCommitFailsKeepsTheOldFileAndLeavesNothingBehind) {
    prompter.files.push_back(File("game.vty"));
    ASSERT_TRUE(document.SaveAs());
    const QByteArray old = test::ReadBytes(File("game.vty"));
    ASSERT_EQ(old, ExampleBytes);
    state.Position[0] = 50;

    bool saved = true;
    int failures = 0;
    {
        const FailingCalls fault = FailingCalls::Commit();
        saved = document.Save();
        failures = fault.Failures();
    }
    ASSERT_GT(failures, 0) << "the save never reached its commit";
    EXPECT_FALSE(saved);
    EXPECT_TRUE(LastMessage().contains(QLatin1String("could not be saved")));
    EXPECT_EQ(test::ReadBytes(File("game.vty")), old);
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("game.vty")});
    EXPECT_EQ(document.GamePath(), File("game.vty"));

    ASSERT_TRUE(document.Save());
    EXPECT_EQ(ReadSaveRecord(File("game.vty")).record.Square(0), 50);
}

TEST_F(FileFaultTest, ASaveAsWhoseCommitFailsCreatesNoFileAndStaysUntitled) {
    prompter.files.push_back(File("new.vty"));
    bool saved = true;
    int failures = 0;
    {
        const FailingCalls fault = FailingCalls::Commit();
        saved = document.SaveAs();
        failures = fault.Failures();
    }
    ASSERT_GT(failures, 0);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(LastMessage().contains(QLatin1String("could not be saved")));
    EXPECT_EQ(Entries(), QStringList());
    EXPECT_TRUE(document.GamePath().isEmpty());
    EXPECT_TRUE(state.GamePath.empty());
}

// A file that breaks off while it is read: the user is told which file and why, and the game,
// the names, the counters and the document are as they were.
class ReadFaultTest : public FileFaultTest {
protected:
    void SetUp() override {
        FileFaultTest::SetUp();
        prompter.files.push_back(File("good.vty"));
        ASSERT_TRUE(document.SaveAs());
        state.Position = {30, 31, 32, 33};
        test::WriteBytes(File("other.vty"), ExampleBytes);
    }

    void ExpectRefused(const QString& path, const char* reason) {
        const QString message = LastMessage();
        EXPECT_TRUE(message.contains(QLatin1String("could not be opened"))) << message.toStdString();
        EXPECT_TRUE(message.contains(QLatin1String(reason), Qt::CaseInsensitive)) << message.toStdString();
        EXPECT_EQ(state.Position, before.Position) << path.toStdString();
        EXPECT_EQ(state.MoveCount, before.MoveCount) << path.toStdString();
        EXPECT_EQ(test::StateDifferences(state, before), "") << path.toStdString();
        EXPECT_EQ(document.GamePath(), File("good.vty")) << path.toStdString();
    }

    GameState before;
};

TEST_F(ReadFaultTest, ADiskErrorPartWayOrAFileThatCannotBeReadChangesNothing) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    struct Case {
        QString path;
        long readBytes;  // the bytes read before reads fail; negative: no fault of ours
        const char* reason;
    };
    const Case cases[] = {
        {File("other.vty"), 40, "Input/output error"},
        {File("other.vty"), 0, "Input/output error"},
        // Within the last name: the text before the fault reads as a whole game, "Rob" for "Robin".
        {File("other.vty"), static_cast<long>(ExampleBytes.size()) - 4, "Input/output error"},
        {File("folder"), -1, "directory"},
        // The process's own memory from address 0, which is never mapped: the kernel refuses it.
        {QStringLiteral("/proc/self/mem"), -1, "Input/output error"},
    };
    for (const Case& c : cases) {
        before = state;
        bool opened = true;
        int failures = 0;
        {
            const FailingCalls fault = FailingCalls::ReadAfter(c.readBytes);
            opened = document.OpenPath(c.path);
            failures = fault.Failures();
        }
        if (c.readBytes >= 0) {
            EXPECT_GT(failures, 0) << c.path.toStdString();
        }
        EXPECT_FALSE(opened) << c.path.toStdString();
        ExpectRefused(c.path, c.reason);
    }
    // Only the fault failed the reads: the same file opens once it is gone.
    EXPECT_TRUE(document.OpenPath(File("other.vty")));
    EXPECT_EQ(state.Position, (std::array<std::int16_t, 4>{{12, 20, 3, 44}}));
}

// Opens and closes the far end of a pipe once a call has waited on it for three seconds, so
// that a program that waits there fails this test instead of hanging it.
class PipeWatchdog {
public:
    explicit PipeWatchdog(const QString& path) : path_(path.toLocal8Bit()), thread_([this] { Watch(); }) {}
    ~PipeWatchdog() {
        {
            const std::lock_guard<std::mutex> lock(mutex_);
            done_ = true;
        }
        wake_.notify_one();
        thread_.join();
    }
    bool Fired() const { return fired_; }

private:
    void Watch() {
        std::unique_lock<std::mutex> lock(mutex_);
        if (wake_.wait_for(lock, std::chrono::seconds(3), [this] { return done_; })) return;
        fired_ = true;
        const int fd = ::open(path_.constData(), O_RDWR | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    }

    QByteArray path_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool done_ = false;
    std::atomic<bool> fired_{false};
    std::thread thread_;
};

// A pipe nobody writes to, named as a saved game: opening and saving are refused at once, with
// the file and the reason, and nothing waits on the pipe.
TEST_F(ReadFaultTest, APipeIsRefusedWithoutWaitingOnIt) {
    const QString pipe = File("pipe.vty");
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    // A broken pipe reports as an error here rather than ending the tests.
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    before = state;
    bool opened = true;
    bool openWaited = true;
    {
        const PipeWatchdog watchdog(pipe);
        opened = document.OpenPath(pipe);
        openWaited = watchdog.Fired();
    }
    EXPECT_FALSE(openWaited);
    EXPECT_FALSE(opened);
    ExpectRefused(pipe, "not a regular file");

    prompter.files.push_back(pipe);
    bool saved = true;
    bool saveWaited = true;
    {
        const PipeWatchdog watchdog(pipe);
        saved = document.SaveAs();
        saveWaited = watchdog.Fired();
    }
    std::signal(SIGPIPE, previous);
    EXPECT_FALSE(saveWaited);
    EXPECT_FALSE(saved);
    const QString message = LastMessage();
    EXPECT_TRUE(message.contains(QLatin1String("could not be saved"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String("not a regular file"))) << message.toStdString();
    EXPECT_EQ(document.GamePath(), File("good.vty"));
}

// A saved game the player may write, in a folder that takes no new files from them: the save
// cannot make its new file beside the old one, so it writes the old one in place.
TEST_F(FileFaultTest, AFolderThatTakesNoNewFilesGetsTheSaveWrittenInPlace) {
    prompter.files.push_back(File("game.vty"));
    ASSERT_TRUE(document.SaveAs());
    state.Position[0] = 50;
    bool saved = false;
    int failures = 0;
    {
        const FailingCalls fault = FailingCalls::NewFiles();
        saved = document.Save();
        failures = fault.Failures();
    }
    ASSERT_GT(failures, 0) << "the save never tried to make a new file";
    EXPECT_TRUE(saved) << LastMessage().toStdString();
    EXPECT_EQ(ReadSaveRecord(File("game.vty")).record.Square(0), 50);
    EXPECT_EQ(Entries(), QStringList{QStringLiteral("game.vty")});
}

}  // namespace
}  // namespace vantry
