#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "document.h"
#include "documentfixture.h"
#include "examplegame.h"
#include "savefile.h"
#include "scriptedprompter.h"

namespace vantry {
namespace {

using test::ExampleBytes;

class DocumentTest : public test::DocumentFixture {
protected:
    // The document tied to a file holding the example, as after Save As.
    QString Titled(const char* name) {
        prompter.files.push_back(File(name));
        EXPECT_TRUE(document.SaveAs());
        return File(name);
    }
};

TEST_F(DocumentTest, SaveOnAnUntitledGameAsksOnceThenWritesToTheSameFile) {
    prompter.files.push_back(File("game.vty"));
    EXPECT_TRUE(document.Save());
    EXPECT_EQ(prompter.dialogTitles, QStringList{QStringLiteral("Save File")});
    EXPECT_EQ(prompter.dialogFilters, QStringList{QStringLiteral("Vantry Game Files (*.vty)|*.vty")});
    EXPECT_EQ(window.caption, QStringLiteral("Vantry - game.vty"));
    EXPECT_EQ(document.GamePath(), File("game.vty"));
    EXPECT_EQ(test::ReadBytes(File("game.vty")), ExampleBytes);

    state.Position[0] = 30;
    EXPECT_TRUE(document.Save());
    EXPECT_EQ(prompter.dialogTitles.size(), 1);
    EXPECT_TRUE(test::ReadBytes(File("game.vty")).contains(" 30 \r\n"));
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(DocumentTest, SavingTwiceWritesTheSameBytes) {
    Titled("game.vty");
    const QByteArray first = test::ReadBytes(File("game.vty"));
    EXPECT_TRUE(document.Save());
    EXPECT_EQ(test::ReadBytes(File("game.vty")), first);
}

TEST_F(DocumentTest, SaveAsAlwaysAsksAndReplacesTheChosenFile) {
    Titled("game.vty");
    test::WriteBytes(File("other.vty"), "something else entirely");
    prompter.files.push_back(File("other.vty"));
    EXPECT_TRUE(document.SaveAs());
    EXPECT_EQ(prompter.dialogTitles.size(), 2);
    EXPECT_EQ(test::ReadBytes(File("other.vty")), ExampleBytes);
    EXPECT_EQ(window.caption, QStringLiteral("Vantry - other.vty"));
}

TEST_F(DocumentTest, CancellingTheSaveDialogChangesNothing) {
    window.SetCaption(Document::UntitledCaption);
    EXPECT_FALSE(document.Save());
    EXPECT_EQ(window.caption, Document::UntitledCaption);
    EXPECT_TRUE(document.GamePath().isEmpty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(DocumentTest, ResetBoardMakesANewUntitledGame) {
    Titled("game.vty");
    window.board.faceVisible[6] = false;
    window.board.timerLog.clear();
    // Thrown, not yet moved: the counter on turn and Go wait for the move.
    window.board.at(2).enabled = true;
    window.board.goEnabled = true;
    const auto started = state.GamesStarted;
    document.ResetBoard();
    for (int i = 0; i < 4; ++i) EXPECT_FALSE(window.board.at(i).enabled) << i;
    EXPECT_FALSE(window.board.goEnabled);
    EXPECT_EQ(state.CurrentPlayer, 0);
    EXPECT_EQ(state.Position, (std::array<std::int16_t, 4>{}));
    EXPECT_EQ(state.MoveCount, (std::array<std::int16_t, 4>{}));
    EXPECT_EQ(state.IsComputer, (std::array<bool, 4>{false, true, true, false}));
    EXPECT_EQ(window.board.names[0], "Ann");
    EXPECT_GT(state.GamesStarted, started);
    EXPECT_TRUE(window.board.faceVisible[6]);
    EXPECT_TRUE(window.board.TimerOn(GameTimer::Timer1));
    EXPECT_TRUE(window.board.TimerOn(GameTimer::timPlay));
    EXPECT_FALSE(window.board.TimerOn(GameTimer::timGo));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(window.board.at(i).left, 11046.0f + 120.0f * static_cast<float>(i));
        EXPECT_EQ(window.board.at(i).top, 7680.0f);
    }
    EXPECT_EQ(window.caption, QStringLiteral("Vantry - Untitled"));
    EXPECT_TRUE(document.GamePath().isEmpty());

    prompter.files.push_back(File("new.vty"));
    EXPECT_TRUE(document.Save());
    EXPECT_EQ(prompter.dialogTitles.size(), 2);
}

TEST_F(DocumentTest, OpenGameLoadsWithoutSpreadingCountersOrTouchingTimers) {
    QByteArray bytes = ExampleBytes;
    bytes.replace(" 12 \r\n", " 44 \r\n");  // Ann on Eve's square
    test::WriteBytes(File("shared.vty"), bytes);
    GameState fresh;
    state = fresh;
    window.board.timerLog.clear();
    prompter.files.push_back(File("shared.vty"));
    document.OpenGame();
    EXPECT_EQ(prompter.dialogTitles, QStringList{QStringLiteral("Open File")});
    EXPECT_EQ(prompter.dialogFilters, QStringList{Document::FileFilter});
    EXPECT_EQ(state.Position, (std::array<std::int16_t, 4>{44, 20, 3, 44}));
    EXPECT_EQ(window.board.at(0).left, window.board.at(3).left);
    EXPECT_TRUE(window.board.timerLog.empty());
    EXPECT_EQ(window.caption, QStringLiteral("Vantry - shared.vty"));
    EXPECT_EQ(document.GamePath(), File("shared.vty"));
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(DocumentTest, CancellingTheOpenDialogIsSilent) {
    window.SetCaption(Document::UntitledCaption);
    document.OpenGame();
    EXPECT_EQ(prompter.dialogTitles.size(), 1);
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(window.caption, Document::UntitledCaption);
}

// A file that does not load leaves the game, the names, the counters and the document alone
// and says which file and why.
TEST_F(DocumentTest, AFileThatDoesNotLoadChangesNothingAndSaysWhy) {
    const QString good = Titled("good.vty");
    struct Case {
        const char* file;
        QByteArray bytes;  // no file at all when null
        const char* reason;
    };
    QByteArray badKind = ExampleBytes;
    badKind.replace("True\r\nFalse\r\nFalse\r\nTrue", "True\r\nFalse\r\nFalse\r\nMaybe");
    QByteArray badSquare = ExampleBytes;
    badSquare.replace(" 44 ", " 100 ");
    QByteArray badPlayer = ExampleBytes;
    badPlayer.replace(" 1 \r\n", " 4 \r\n");
    QByteArray badMoves = ExampleBytes;
    badMoves.replace(" 6 \r\n", " -3 \r\n");
    QByteArray notNumber = ExampleBytes;
    notNumber.replace(" 6 \r\n", " 40000 \r\n");
    const Case cases[] = {
        {"short.vty", ExampleBytes.left(ExampleBytes.indexOf("Robin")), "16 of the 17"},
        {"kind.vty", badKind, "Maybe"},
        {"square.vty", badSquare, "square of Green"},
        {"player.vty", badPlayer, "player on turn"},
        {"moves.vty", badMoves, "move count of Red"},
        {"number.vty", notNumber, "40000"},
        {"missing.vty", QByteArray(), "No such file"},
        {"big.vty", QByteArray(MaxSaveFileSize + 1, 'x'), "1 MiB"},
    };
    const GameState stateBefore = state;
    for (const Case& c : cases) {
        if (!c.bytes.isNull()) test::WriteBytes(File(c.file), c.bytes);
        prompter.files.push_back(File(c.file));
        const test::FakeBoardView boardBefore = window.board;
        document.OpenGame();
        ASSERT_FALSE(prompter.messages.isEmpty()) << c.file;
        const QString message = prompter.messages.takeLast();
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(File(c.file)))) << message.toStdString();
        EXPECT_TRUE(message.contains(QLatin1String(c.reason))) << message.toStdString();
        EXPECT_EQ(prompter.icons.back(), Prompter::Icon::Warning);
        EXPECT_EQ(state.IsComputer, stateBefore.IsComputer) << c.file;
        EXPECT_EQ(state.Position, stateBefore.Position) << c.file;
        EXPECT_EQ(state.MoveCount, stateBefore.MoveCount) << c.file;
        EXPECT_EQ(state.CurrentPlayer, stateBefore.CurrentPlayer) << c.file;
        EXPECT_EQ(state.GamesStarted, stateBefore.GamesStarted) << c.file;
        EXPECT_EQ(window.board.names, boardBefore.names) << c.file;
        for (int k = 0; k < 4; ++k) EXPECT_EQ(window.board.at(k).left, boardBefore.at(k).left) << c.file;
        EXPECT_EQ(document.GamePath(), good) << c.file;
        EXPECT_EQ(window.caption, QStringLiteral("Vantry - good.vty")) << c.file;
    }
}

TEST_F(DocumentTest, ClosePromptQuestionFollowsTheCaption) {
    EXPECT_EQ(Document::CloseQuestion(QStringLiteral("Vantry - Untitled")), QStringLiteral("Do you want to save your game?"));
    EXPECT_EQ(Document::CloseQuestion(QStringLiteral("Vantry - game.vty")),
              QStringLiteral("Do you want to save changes on your game?"));
}

// --- Saves that fail -------------------------------------------------------------------

struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit lowered = old;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &old); }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    rlimit old{};
};

// After a failed save the message names the file and the system's reason, and the document,
// the caption and the file that was there before are as they were.
void ExpectSaveFailed(test::ScriptedPrompter& prompter, const QString& path, const char* reason) {
    ASSERT_EQ(prompter.messages.size(), 1) << path.toStdString();
    const QString message = prompter.messages.takeFirst();
    EXPECT_TRUE(message.contains(QLatin1String("could not be saved"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QDir::toNativeSeparators(path))) << message.toStdString();
    EXPECT_TRUE(message.contains(QLatin1String(reason), Qt::CaseInsensitive)) << message.toStdString();
}

TEST_F(DocumentTest, SaveAsThatCannotWriteKeepsTheDocument) {
    const QString good = Titled("good.vty");
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QString full = QStringLiteral("/dev/full");
    // A device node of our own, so that no fault here could ever replace the system's.
    if (::mknod(File("full").toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 7)) == 0) full = File("full");
    struct Case {
        QString path;
        const char* reason;
    };
    const Case cases[] = {
        {File("missing/game.vty"), "No such file"},
        {File("folder"), "directory"},
        {QStringLiteral("/proc/vantry-test.vty"), ""},
        {full, "not a regular file"},
    };
    for (const Case& c : cases) {
        prompter.files.push_back(c.path);
        EXPECT_FALSE(document.SaveAs()) << c.path.toStdString();
        ExpectSaveFailed(prompter, c.path, c.reason);
        EXPECT_EQ(document.GamePath(), good);
        EXPECT_EQ(window.caption, QStringLiteral("Vantry - good.vty"));
    }
    EXPECT_FALSE(QFileInfo(File("missing")).exists());
    EXPECT_FALSE(QFileInfo(full).isFile()) << "the device was replaced by a file";
}

TEST_F(DocumentTest, AWriteThatFailsPartWayKeepsTheOldFileByteForByte) {
    const QString path = Titled("game.vty");
    const QByteArray old = QByteArray("an older game, kept whole\r\n").repeated(4);
    test::WriteBytes(path, old);
    state.Position[0] = 50;
    bool saved = true;
    {
        const FileSizeLimit limit(16);
        saved = document.Save();
    }
    EXPECT_FALSE(saved);
    ExpectSaveFailed(prompter, path, "");
    EXPECT_EQ(test::ReadBytes(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("game.vty")});
}

TEST_F(DocumentTest, SaveToAFolderThatWentAwayLeavesTheDocumentTied) {
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("gone")));
    const QString path = Titled("gone/game.vty");
    ASSERT_TRUE(QDir(File("gone")).removeRecursively());
    EXPECT_FALSE(document.Save());
    ExpectSaveFailed(prompter, path, "No such file");
    EXPECT_EQ(document.GamePath(), path);
    EXPECT_EQ(window.caption, QStringLiteral("Vantry - game.vty"));
}

}  // namespace
}  // namespace vantry
