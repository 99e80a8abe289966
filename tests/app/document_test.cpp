#include <gtest/gtest.h>

#include <QPushButton>

#include "apprig.h"

namespace vantry::test {
namespace {

using Squares = std::array<std::int16_t, 4>;

struct Snapshot {
    std::array<bool, 4> kinds;
    Squares moves;
    Squares positions;
    QStringList names;
    std::int16_t current;
    std::array<float, 4> lefts;
    std::array<float, 4> tops;
    QString caption;
};

class AppDocumentTest : public AppTest {
protected:
    Snapshot Take() {
        Snapshot s{State().IsComputer, State().MoveCount, State().Position, Names(), State().CurrentPlayer, {}, {},
                   Board().windowTitle()};
        for (int i = 0; i < SeatCount; ++i) {
            s.lefts[static_cast<std::size_t>(i)] = State().Counters[static_cast<std::size_t>(i)].left;
            s.tops[static_cast<std::size_t>(i)] = State().Counters[static_cast<std::size_t>(i)].top;
        }
        return s;
    }
    static void ExpectSame(const Snapshot& a, const Snapshot& b) {
        EXPECT_EQ(a.kinds, b.kinds);
        EXPECT_EQ(a.moves, b.moves);
        EXPECT_EQ(a.positions, b.positions);
        EXPECT_EQ(a.names, b.names);
        EXPECT_EQ(a.current, b.current);
        // Counters that moved stand where they stood; an unmoved one is loaded onto square 1,
        // not back beside the board.
        for (std::size_t i = 0; i < 4; ++i) {
            if (b.moves[i] == 0) continue;
            EXPECT_EQ(a.lefts[i], b.lefts[i]) << "seat " << i;
            EXPECT_EQ(a.tops[i], b.tops[i]) << "seat " << i;
        }
        EXPECT_EQ(a.caption, b.caption);
    }
    // Starts an untitled game from the dialog: Ann and Cleo by hand, Daxo and Zed by the computer.
    void StartMixedGame(ModalDriver& driver) {
        driver.Expect("frmNew", [&](QDialog& d) {
            FillSeats(d, {{{false, "Ann"}, {true, "Daxo"}, {false, "Cleo"}, {true, "Zed"}}});
            Click(d, "cmdStart");
        });
        app->Start(QString());
    }
    // Ann throws and moves; Daxo follows by himself; then the game waits for Cleo.
    void PlayARound() {
        QTest::keyClick(&Board(), Qt::Key_Space);
        QTest::mouseClick(Board().findChild<QPushButton*>("cmdGo"), Qt::LeftButton);
        ASSERT_TRUE(WaitFor([&] { return State().CurrentPlayer == 2; }));
    }
};

TEST_F(AppDocumentTest, AGameSavedFromTheWindowOpensAgainFromTheFileMenuAsItWas) {
    random.Script({ScriptedRandom::For(6), ScriptedRandom::For(3)});
    Make();
    ModalDriver driver;
    StartMixedGame(driver);
    PlayARound();

    const QString path = PathOf("round.vty");
    prompter.files.push_back(path);
    QTest::keyClick(&Board(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(prompter.dialogTitles, (QStringList{"Save File"}));
    EXPECT_EQ(Board().windowTitle(), "Vantry - round.vty");
    const Snapshot saved = Take();
    EXPECT_EQ(saved.positions, (Squares{6, 3, 0, 0}));

    // Another game takes the board, then the saved one comes back.
    driver.Expect("frmNew", [&](QDialog& d) {
        FillSeats(d, {{{false, "Uma"}, {false, "Vic"}, {false, "Wes"}, {false, "Xia"}}});
        Click(d, "cmdStart");
    });
    QTest::keyClick(&Board(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(driver.Done());
    ASSERT_EQ(Names(), (QStringList{"Uma", "Vic", "Wes", "Xia"}));
    ASSERT_EQ(State().Position, Squares{});

    prompter.files.push_back(path);
    QTest::keyClick(&Board(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(prompter.dialogTitles, (QStringList{"Save File", "Open File"}));
    ExpectSame(Take(), saved);
    EXPECT_TRUE(prompter.messages.isEmpty()) << prompter.messages.join('|').toStdString();

    // Play goes on with Cleo, by hand.
    QTest::qWait(20 * TickMs);
    EXPECT_EQ(State().CurrentPlayer, 2);
    EXPECT_EQ(State().MoveCount, saved.moves);
}

TEST_F(AppDocumentTest, YesToTheClosePromptKeepsTheBoardWhenTheGameWasNotSaved) {
    Make();
    ModalDriver driver;
    StartMixedGame(driver);
    PlayARound();
    const Snapshot before = Take();

    const struct {
        const char* why;
        std::optional<QString> file;
        int messages;
    } cases[] = {{"save dialog cancelled", std::nullopt, 0},
                 {"write failed", PathOf("no/such/folder/game.vty"), 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        prompter = ScriptedPrompter();
        prompter.answers.push_back(Prompter::Answer::Yes);
        prompter.files.push_back(c.file);
        Board().Menu().mnuFileExit->trigger();
        EXPECT_EQ(prompter.questions, (QStringList{"Do you want to save your game?"}));
        EXPECT_EQ(prompter.messages.size(), c.messages);
        EXPECT_TRUE(Board().isVisible());
        ExpectSame(Take(), before);
        EXPECT_TRUE(app->GameDocument().GamePath().isEmpty());
    }
}

}  // namespace
}  // namespace vantry::test
