#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include "arrangecounters.h"
#include "commandline.h"
#include "document.h"
#include "engine.h"
#include "examplegame.h"
#include "fakedocumentwindow.h"
#include "gamestatediff.h"
#include "recordinglistener.h"
#include "scriptedprompter.h"
#include "main.h"
#include "startupwindows.h"

namespace vantry {
namespace {

struct RecordingStartupWindows : StartupWindows {
    void ShowNewGameDialog() override {
        ++dialogs;
        if (onDialog) onDialog();
    }
    int dialogs = 0;
    std::function<void()> onDialog;
};

class StartupTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        engine.SetListener(&listener);
    }

    QTemporaryDir dir;
    GameState state;
    test::ScriptedRandom random;
    Engine engine{state, random};
    test::RecordingListener listener;
    test::FakeDocumentWindow window;
    test::ScriptedPrompter prompter;
    Document document{engine, prompter};
    RecordingStartupWindows windows;
};

TEST_F(StartupTest, WithoutAPathTheNewGameDialogOpensOverTheUntitledBoard) {
    windows.onDialog = [this] {
        EXPECT_EQ(window.shown, 1);
        EXPECT_EQ(Document::CaptionFor(document.GamePath()), QStringLiteral("Vantry - Untitled"));
    };
    Main(QString(), window, document, windows);
    EXPECT_EQ(windows.dialogs, 1);
}

TEST_F(StartupTest, WithASavedGamePlayGoesOnWithCountersSideBySide) {
    QByteArray bytes = test::ExampleBytes;
    bytes.replace(" 12 \r\n", " 20 \r\n");  // Ann on Bart's square; Bart is to play
    const QString path = dir.filePath(QStringLiteral("shared game.vty"));
    test::WriteBytes(path, bytes);
    const auto timers = state.TimerOn;
    Main(path, window, document, windows);

    EXPECT_EQ(windows.dialogs, 0);
    EXPECT_EQ(window.shown, 1);
    EXPECT_TRUE(prompter.messages.isEmpty());
    EXPECT_EQ(document.GamePath(), path);
    EXPECT_EQ(Document::CaptionFor(document.GamePath()), QStringLiteral("Vantry - shared game.vty"));
    EXPECT_EQ(state.Names, (std::array<std::string, 4>{"Ann", "Bart", "Robin", "Eve"}));
    TwipsRect square = CounterDesignRect(0);
    PlaceCounter(square, 20, 615.0f);
    const float x = square.left;
    EXPECT_EQ(state.Counters[0].left, x - 63.75f);
    EXPECT_EQ(state.Counters[1].left, x + 63.75f);
    EXPECT_EQ(state.Counters[0].top, state.Counters[1].top);
    // The counters are spread as part of the opening, so the board stands them in place at once.
    EXPECT_EQ(listener.events, std::vector<std::string>{"replaced"});
    // The load handler's timers are left running.
    EXPECT_EQ(state.TimerOn, timers);
    EXPECT_TRUE(state.Timer(GameTimer::timPlay));

    state.Position[1] = 30;
    EXPECT_TRUE(document.Save());
    EXPECT_TRUE(prompter.dialogTitles.isEmpty());
    EXPECT_TRUE(test::ReadBytes(path).contains(" 30 \r\n"));
}

TEST_F(StartupTest, ABadPathIsReportedThenTheNewGameDialogOpens) {
    const QString path = dir.filePath(QStringLiteral("short.vty"));
    test::WriteBytes(path, test::ExampleBytes.left(40));
    const GameState before = state;
    windows.onDialog = [this] { EXPECT_EQ(prompter.messages.size(), 1); };
    Main(path, window, document, windows);

    EXPECT_EQ(windows.dialogs, 1);
    ASSERT_EQ(prompter.messages.size(), 1);
    EXPECT_TRUE(prompter.messages.first().contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(document.GamePath().isEmpty());
    EXPECT_EQ(Document::CaptionFor(document.GamePath()), QStringLiteral("Vantry - Untitled"));
    EXPECT_EQ(test::StateDifferences(state, before), "");
    EXPECT_TRUE(listener.events.empty());
}

TEST(CommandLine, ArgumentsMapToOnePath) {
    struct Case {
        QStringList args;
        CommandLine::Action action;
        const char* path;
        bool host = false;
        const char* invitation = "";
    };
    using A = CommandLine::Action;
    const Case cases[] = {
        {{}, A::Play, ""},
        {{"game.vty"}, A::Play, "game.vty"},
        {{"/home/ann/My", "Games/a.vty"}, A::Play, "/home/ann/My Games/a.vty"},
        {{"\"/home/ann/My Games/a.vty\""}, A::Play, "/home/ann/My Games/a.vty"},
        {{"--help"}, A::Help, ""},
        {{"game.vty", "-h"}, A::Help, ""},
        {{"--version"}, A::Version, ""},
        {{"--frobnicate"}, A::Error, ""},
        {{"--", "--help"}, A::Play, "--help"},
        {{"-", "x"}, A::Play, "- x"},
        {{"--host", "game.vty"}, A::Play, "game.vty", true},
        {{"--host"}, A::Error, "", true},
        {{"vantry://[::1]:4000/join?seat=1"}, A::Play, "", false, "vantry://[::1]:4000/join?seat=1"},
        {{"--", "--host"}, A::Play, "--host"},
        {{"file:///home/ann/My%20Games/a.vty"}, A::Play, "/home/ann/My Games/a.vty"},
    };
    for (const Case& c : cases) {
        const CommandLine line = CommandLine::Parse(QStringList{QStringLiteral("vantry")} + c.args);
        EXPECT_EQ(line.action, c.action) << c.args.join(' ').toStdString();
        EXPECT_EQ(line.path, QString::fromUtf8(c.path)) << c.args.join(' ').toStdString();
        EXPECT_EQ(line.host, c.host) << c.args.join(' ').toStdString();
        EXPECT_EQ(line.invitation, QString::fromUtf8(c.invitation)) << c.args.join(' ').toStdString();
    }
    // Before the toolkit has taken out its own options.
    const char* const early[][4] = {
        {"vantry", "-platform", "offscreen", "--help"}, {"vantry", "--platform", "offscreen", "--version"},
        {"vantry", "--platform", "offscreen", "game"},  {"vantry", "--", "--help", "x"}};
    const A earlyAction[] = {A::Help, A::Version, A::Play, A::Play};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(CommandLine::ParseEarly(4, early[i]).action, earlyAction[i]) << i;

    const CommandLine unknown = CommandLine::Parse({QStringLiteral("vantry"), QStringLiteral("--frobnicate")});
    EXPECT_TRUE(unknown.error.contains(QLatin1String("--frobnicate")));
    EXPECT_EQ(CommandLine::ExitCode(A::Error), 2);
    EXPECT_EQ(CommandLine::ExitCode(A::Help), 0);
    EXPECT_EQ(CommandLine::Version(), QStringLiteral("vantry 3.0.0"));
    EXPECT_TRUE(CommandLine::Usage().contains(QLatin1String("--version")));
}

// The help has to fit an 80 by 24 terminal without scrolling or wrapping, the prompt after it
// on the last row (the split's last piece is what follows the final line break).
TEST(CommandLine, UsageFitsOneScreenAndTellsHowToOpenASavedGame) {
    const QStringList lines = CommandLine::Usage().split(QLatin1Char('\n'));
    EXPECT_LE(lines.size(), 24);
    for (const QString& line : lines) EXPECT_LT(line.size(), 80) << line.toStdString();
    EXPECT_TRUE(CommandLine::Usage().contains(QLatin1String("saved game")));
    EXPECT_TRUE(CommandLine::Usage().contains(QLatin1String(".vty")));
}

}  // namespace
}  // namespace vantry
