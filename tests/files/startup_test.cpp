#include <gtest/gtest.h>

#include <QStringList>

#include "commandline.h"

namespace vantry {
namespace {

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
