#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "arrangecounters.h"
#include "document.h"
#include "documentfixture.h"
#include "examplegame.h"
#include "gamestatediff.h"
#include "savefile.h"
#include "scriptedprompter.h"

namespace vantry {
namespace {

using test::ExampleBytes;

// The caption the board window draws for the document's file.
QString Caption(const Document& document) { return Document::CaptionFor(document.GamePath()); }

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
    EXPECT_EQ(prompter.dialogFilters, QStringList{QStringLiteral("Vantry Game Files (*.vty)")});
    EXPECT_EQ(state.GamePath, File("game.vty").toStdString());
    EXPECT_EQ(Caption(document), QStringLiteral("Vantry - game.vty"));
    // The board draws its caption afresh only when it hears of the change.
    EXPECT_GT(listener.changes, 0);
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
    EXPECT_EQ(document.GamePath(), File("other.vty"));
    EXPECT_EQ(Caption(document), QStringLiteral("Vantry - other.vty"));
}

TEST_F(DocumentTest, CancellingTheSaveDialogChangesNothing) {
    const GameState before = state;
    EXPECT_FALSE(document.Save());
    EXPECT_EQ(test::StateDifferences(state, before), "");
    EXPECT_EQ(Caption(document), QStringLiteral("Vantry - Untitled"));
    EXPECT_EQ(listener.changes, 0);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(DocumentTest, ResetBoardMakesANewUntitledGame) {
    Titled("game.vty");
    // A won game, or one thrown but not yet moved: the die shows the throw and cannot be
    // clicked, the counter on turn and Go wait for the move, a computer's move is timed.
    state.ShownFace = 3;
    state.FaceEnabled = false;
    state.CounterEnabled[2] = true;
    state.GoEnabled = true;
    state.TimerOn = {false, true, false};
    for (std::size_t i = 0; i < 4; ++i) PlaceCounter(state.Counters[i], state.Position[i], 615.0f);
    listener.events.clear();
    const auto started = state.GamesStarted;
    document.ResetBoard();
    EXPECT_EQ(state.CounterEnabled, (std::array<bool, 4>{}));
    EXPECT_FALSE(state.GoEnabled);
    EXPECT_EQ(state.CurrentPlayer, 0);
    EXPECT_EQ(state.Position, (std::array<std::int16_t, 4>{}));
    EXPECT_EQ(state.MoveCount, (std::array<std::int16_t, 4>{}));
    EXPECT_EQ(state.IsComputer, (std::array<bool, 4>{false, true, true, false}));
    EXPECT_EQ(state.Names, (std::array<std::string, 4>{"Ann", "Bart", "Robin", "Eve"}));
    EXPECT_GT(state.GamesStarted, started);
    EXPECT_EQ(state.ShownFace, StartFace);
    EXPECT_TRUE(state.FaceEnabled);
    EXPECT_TRUE(state.Timer(GameTimer::Timer1));
    EXPECT_TRUE(state.Timer(GameTimer::timPlay));
    EXPECT_FALSE(state.Timer(GameTimer::timGo));
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(state.Counters[static_cast<std::size_t>(i)].left, 11046.0f + 120.0f * static_cast<float>(i));
        EXPECT_EQ(state.Counters[static_cast<std::size_t>(i)].top, 7680.0f);
        EXPECT_TRUE(state.AtStart(i)) << i;
    }
    EXPECT_EQ(listener.events, std::vector<std::string>{"replaced"});
    EXPECT_TRUE(document.GamePath().isEmpty());
    EXPECT_EQ(Caption(document), QStringLiteral("Vantry - Untitled"));

    prompter.files.push_back(File("new.vty"));
    EXPECT_TRUE(document.Save());
    EXPECT_EQ(prompter.dialogTitles.size(), 2);
}

TEST_F(DocumentTest, OpenGameLoadsWithoutSpreadingCountersOrTouchingTimersOrTheDie) {
    QByteArray bytes = ExampleBytes;
    bytes.replace(" 12 \r\n", " 44 \r\n");  // Ann on Eve's square
    test::WriteBytes(File("shared.vty"), bytes);
    state = GameState{};
    // A computer's move under way: timGo running, the thrown face on show.
    state.TimerOn = {false, true, true};
    state.ShownFace = 4;
    state.FaceEnabled = false;
    const GameState before = state;
    prompter.files.push_back(File("shared.vty"));
    document.OpenGame();
    EXPECT_EQ(prompter.dialogTitles, QStringList{QStringLiteral("Open File")});
    EXPECT_EQ(prompter.dialogFilters, QStringList{Document::FileFilter()});
    EXPECT_EQ(state.Position, (std::array<std::int16_t, 4>{44, 20, 3, 44}));
    EXPECT_EQ(state.Names, (std::array<std::string, 4>{"Ann", "Bart", "Robin", "Eve"}));
    EXPECT_EQ(state.CurrentPlayer, 1);
    EXPECT_EQ(state.Counters[0].left, state.Counters[3].left);
    EXPECT_EQ(state.Counters[0].top, state.Counters[3].top);
    EXPECT_EQ(state.TimerOn, before.TimerOn);
    EXPECT_EQ(state.ShownFace, before.ShownFace);
    EXPECT_EQ(state.FaceEnabled, before.FaceEnabled);
    EXPECT_EQ(state.GamesStarted, before.GamesStarted + 1);
    EXPECT_EQ(listener.events, std::vector<std::string>{"replaced"});
    EXPECT_EQ(document.GamePath(), File("shared.vty"));
    EXPECT_EQ(Caption(document), QStringLiteral("Vantry - shared.vty"));
    EXPECT_TRUE(prompter.messages.isEmpty());
}

TEST_F(DocumentTest, CancellingTheOpenDialogIsSilent) {
    const GameState before = state;
    document.OpenGame();
    EXPECT_EQ(prompter.dialogTitles.size(), 1);
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(test::StateDifferences(state, before), "");
    EXPECT_TRUE(listener.events.empty());
    EXPECT_EQ(Caption(document), QStringLiteral("Vantry - Untitled"));
}

// A file that does not load leaves the game, the names, the counters and the document alone,
// gives the board nothing to redraw, and says which file and why.
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
    const GameState before = state;
    listener.events.clear();
    const int changes = listener.changes;
    for (const Case& c : cases) {
        if (!c.bytes.isNull()) test::WriteBytes(File(c.file), c.bytes);
        prompter.files.push_back(File(c.file));
        document.OpenGame();
        ASSERT_FALSE(prompter.messages.isEmpty()) << c.file;
        const QString message = prompter.messages.takeLast();
        EXPECT_TRUE(message.contains(QDir::toNativeSeparators(File(c.file)))) << message.toStdString();
        EXPECT_TRUE(message.contains(QLatin1String(c.reason))) << message.toStdString();
        EXPECT_EQ(prompter.icons.back(), Prompter::Icon::Warning);
        EXPECT_EQ(test::StateDifferences(state, before), "") << c.file;
        EXPECT_TRUE(listener.events.empty()) << c.file;
        EXPECT_EQ(listener.changes, changes) << c.file;
        EXPECT_EQ(document.GamePath(), good) << c.file;
    }
}

TEST_F(DocumentTest, ClosePromptQuestionFollowsTheUntitledState) {
    EXPECT_EQ(Document::CloseQuestion(true), QStringLiteral("Do you want to save your game?"));
    EXPECT_EQ(Document::CloseQuestion(false), QStringLiteral("Do you want to save changes on your game?"));
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
    const int changes = listener.changes;
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
        EXPECT_EQ(listener.changes, changes) << c.path.toStdString();
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
    EXPECT_EQ(Caption(document), QStringLiteral("Vantry - game.vty"));
}

}  // namespace
}  // namespace vantry
