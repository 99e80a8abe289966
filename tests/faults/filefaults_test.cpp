#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <chrono>
#include <fcntl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "document.h"
#include "documentfixture.h"
#include "examplegame.h"
#include "failingcalls.h"
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
    EXPECT_EQ(window.caption, QStringLiteral("frmMain"));
}

// Opens with a writer on the other end that sends `bytes` and hangs up, as a program piping a
// saved game in would when it stops half way.
class PipeWriter {
public:
    PipeWriter(const QString& path, QByteArray bytes) : path_(path.toLocal8Bit()), bytes_(std::move(bytes)) {
        ok_ = ::mkfifo(path_.constData(), 0600) == 0;
        if (ok_) thread_ = std::thread([this] { Write(); });
    }
    ~PipeWriter() {
        if (thread_.joinable()) thread_.join();
    }
    bool ok() const { return ok_; }

private:
    // Non-blocking, so that a reader that never comes cannot hang the test.
    void Write() {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        int fd = -1;
        while (fd < 0 && std::chrono::steady_clock::now() < giveUp) {
            fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
            if (fd < 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        if (fd < 0) return;
        if (::write(fd, bytes_.constData(), static_cast<size_t>(bytes_.size())) != bytes_.size()) ok_ = false;
        ::close(fd);
    }

    QByteArray path_;
    QByteArray bytes_;
    bool ok_ = false;
    std::thread thread_;
};

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
        EXPECT_EQ(state.IsComputer, before.IsComputer) << path.toStdString();
        EXPECT_EQ(state.CurrentPlayer, before.CurrentPlayer) << path.toStdString();
        EXPECT_EQ(state.GamesStarted, before.GamesStarted) << path.toStdString();
        EXPECT_EQ(window.board.names, board.names) << path.toStdString();
        for (int k = 0; k < 4; ++k) EXPECT_EQ(window.board.at(k).top, board.at(k).top) << path.toStdString();
        EXPECT_EQ(document.GamePath(), File("good.vty")) << path.toStdString();
        EXPECT_EQ(window.caption, QStringLiteral("Vantry - good.vty")) << path.toStdString();
    }

    GameState before;
    test::FakeBoardView board;
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
        board = window.board;
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

// A program piping a saved game in that stops half way and hangs up.
TEST_F(ReadFaultTest, APipeThatHangsUpHalfWayChangesNothing) {
    const QByteArray path = File("pipe").toLocal8Bit();
    ASSERT_EQ(::mkfifo(path.constData(), 0600), 0);
    before = state;
    board = window.board;
    // Non-blocking, so that a reader that never comes cannot hang the test.
    std::thread writer([&path] {
        const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        int fd = -1;
        while (fd < 0 && std::chrono::steady_clock::now() < giveUp) {
            fd = ::open(path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd < 0) std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        if (fd < 0) return;
        const QByteArray half = ExampleBytes.left(60);
        EXPECT_EQ(::write(fd, half.constData(), static_cast<size_t>(half.size())), half.size());
        ::close(fd);
    });
    const bool opened = document.OpenPath(File("pipe"));
    writer.join();
    EXPECT_FALSE(opened);
    ExpectRefused(File("pipe"), "ends after");
}

}  // namespace
}  // namespace vantry
