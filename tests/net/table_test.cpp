#include <gtest/gtest.h>

#include <memory>

#include "guesttable.h"
#include "hosttable.h"
#include "netrig.h"
#include "scriptedprompter.h"

namespace vantry::net::test {
namespace {

using vantry::test::ScriptedPrompter;
using vantry::test::ScriptedRandom;

// A host's game as this copy hosts it, invitations on 127.0.0.1.
struct HostedGame {
    // Sixes only: a short game, through the ladder on 43 to the win.
    HostedGame() : random({ScriptedRandom::For(6)}) {
        engine.ResetBoard();
        table = HostTable::Open(engine, prompter);
        if (table) table->SetAddress(QHostAddress(QHostAddress::LocalHost));
    }
    GameState state;
    ScriptedRandom random;
    Engine engine{state, random};
    ScriptedPrompter prompter;
    std::unique_ptr<HostTable> table;
};

// A copy that joins with a pasted invitation.
struct JoiningCopy {
    explicit JoiningCopy(const QString& link) {
        engine.SetListener(&listener);
        if (const auto invitation = GuestTable::Read(link)) {
            table = std::make_unique<GuestTable>(engine, prompter, *invitation);
            table->Start();
        }
    }
    GameState state;
    ScriptedRandom random;
    Engine engine{state, random};
    vantry::test::RecordingListener listener;
    ScriptedPrompter prompter;
    std::unique_ptr<GuestTable> table;
};

bool SameBoard(const GameState& a, const GameState& b) {
    for (std::size_t k = 0; k < SeatCount; ++k) {
        if (a.Counters[k].left != b.Counters[k].left || a.Counters[k].top != b.Counters[k].top) return false;
    }
    return a.Record == b.Record && a.Position == b.Position && a.CurrentPlayer == b.CurrentPlayer &&
           a.ShownFace == b.ShownFace;
}

// The joining copy's player throws and moves on its seat's turns; the board there follows the
// host's to the win, and when the host stops the game stays on it. (The host's refusals of
// requests out of turn are the guard tests'.)
TEST(HostedGame, AJoinedSeatPlaysToTheWinAndKeepsTheGameWhenTheHostGoes) {
    HostedGame host;
    ASSERT_TRUE(host.table);
    host.engine.SetName(1, "Bea");
    JoiningCopy copy(host.table->Invite(1));
    ASSERT_TRUE(copy.table);
    ASSERT_TRUE(WaitFor([&] { return SameBoard(host.state, copy.state); }));
    EXPECT_EQ(copy.state.Names[1], "Bea");
    EXPECT_EQ(copy.state.Remote, (std::array<bool, 4>{true, false, true, true}));
    EXPECT_EQ(host.state.Remote, (std::array<bool, 4>{false, true, false, false}));

    for (int turn = 0; turn < 300 && host.state.Winner() < 0; ++turn) {
        const std::size_t events = host.state.Record.size();
        if (host.state.CurrentPlayer == 1) {
            copy.engine.Throw();
            ASSERT_TRUE(WaitFor([&] { return host.state.TurnPhase() == Phase::AwaitingMove; })) << turn;
            copy.engine.cmdGo_Click();
            ASSERT_TRUE(WaitFor([&] { return host.state.Record.size() > events + 1; })) << turn;
            Settle(100);  // a player's pace, well within what the host takes from one copy
        } else {
            host.engine.Throw();
            host.engine.cmdGo_Click();
        }
        ASSERT_TRUE(WaitFor([&] { return SameBoard(host.state, copy.state); })) << turn;
    }
    ASSERT_GE(host.state.Winner(), 0);
    EXPECT_EQ(copy.listener.Wins(), 1);

    host.table.reset();
    ASSERT_TRUE(WaitFor([&] { return !copy.prompter.messages.isEmpty(); }));
    EXPECT_EQ(copy.prompter.messages.back(), GuestTable::EndText(GuestEnd::HostClosed, ProtocolVersion));
    EXPECT_EQ(copy.state.Position, host.state.Position);
}

// A copied invitation with one character changed gets the player in nowhere, and says why.
// A copy started again while its seat is still held tries again by itself, and says so once.
TEST(HostedGame, ASeatStillHeldIsToldOnceWhileTheCopyTriesAgain) {
    HostedGame host;
    ASSERT_TRUE(host.table);
    const QString link = host.table->Invite(1);
    JoiningCopy first(link);
    ASSERT_TRUE(WaitFor([&] { return first.table->Guest().Connected(); }));
    JoiningCopy again(link);
    int refusals = 0;
    QObject::connect(&again.table->Guest(), &GameGuest::Refused, [&] { ++refusals; });
    ASSERT_TRUE(WaitFor([&] { return refusals >= 2; }));
    EXPECT_EQ(again.prompter.messages.size(), 1);
}

TEST(HostedGame, AnInvitationWithOneCharacterChangedIsRefusedInWords) {
    HostedGame host;
    ASSERT_TRUE(host.table);
    const QString link = host.table->Invite(2);
    struct Case {
        const char* what;
        qsizetype at;
        QString expected;
    } const cases[] = {
        {"the scheme", 0, GuestTable::NotAnInvitation()},
        {"the secret", link.size() - 3, GuestTable::EndText(GuestEnd::BadSecret, ProtocolVersion)},
        {"the fingerprint", link.indexOf(QLatin1String("fp=")) + 5,
         GuestTable::EndText(GuestEnd::CertificateMismatch, ProtocolVersion)},
    };
    for (const Case& c : cases) {
        QString changed = link;
        changed[c.at] = changed[c.at] == QLatin1Char('a') ? QLatin1Char('b') : QLatin1Char('a');
        JoiningCopy copy(changed);
        if (!copy.table) {
            EXPECT_EQ(c.expected, GuestTable::NotAnInvitation()) << c.what;
            continue;
        }
        ASSERT_TRUE(WaitFor([&] { return !copy.prompter.messages.isEmpty(); })) << c.what;
        EXPECT_EQ(copy.prompter.messages.front(), c.expected) << c.what;
        EXPECT_TRUE(copy.state.Record.empty()) << c.what;
    }
    EXPECT_FALSE(host.state.Remote[0]);
    EXPECT_TRUE(host.state.Remote[2]);
}

// A seat whose copy has gone shows as away; the host may hand it to the computer, and the
// player who comes back with the same invitation takes it back.
TEST(HostedGame, AnAwaySeatGoesToTheComputerOnlyUntilItsPlayerIsBack) {
    HostedGame host;
    ASSERT_TRUE(host.table);
    host.table->SetOfferDelay(50);
    host.prompter.answers = {Prompter::Answer::Yes};
    const QString link = host.table->Invite(2);
    auto copy = std::make_unique<JoiningCopy>(link);
    ASSERT_TRUE(WaitFor([&] { return host.table->Host().Joined(2); }));

    copy.reset();
    ASSERT_TRUE(WaitFor([&] { return host.state.IsComputer[2]; }));
    EXPECT_TRUE(host.state.Away[2]);
    EXPECT_EQ(host.prompter.questions.size(), 1);

    copy = std::make_unique<JoiningCopy>(link);
    ASSERT_TRUE(WaitFor([&] { return !host.state.Away[2]; }));
    EXPECT_FALSE(host.state.IsComputer[2]);
    EXPECT_TRUE(host.state.Remote[2]);
}

}  // namespace
}  // namespace vantry::net::test
