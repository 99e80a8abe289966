// What the host refuses over 127.0.0.1: requests the rules or the seat do not allow, secrets
// that open nothing, other versions, and connections that misbehave (a host of another
// certificate is the hosted-game tests').
#include <gtest/gtest.h>

#include <QSslSocket>
#include <QTcpSocket>

#include <algorithm>
#include <memory>

#include "directlink.h"
#include "netrig.h"

namespace vantry::net::test {
namespace {

// Each case: what a guest asks and when; the host must refuse it and leave the game alone.
struct Misstep {
    const char* name;
    int asker;          // the seat whose guest asks, or Invitation::Watch
    bool throwFirst;    // seat 1 (on turn) has thrown already
    bool askThrow;      // the request: a throw, or a move
    Refusal expected;
};

class Refused : public ::testing::TestWithParam<Misstep> {};

TEST_P(Refused, ARequestTheRulesOrTheSeatDoNotAllowChangesNothing) {
    const Misstep& c = GetParam();
    HostRig rig;
    rig.engine.SetSeat(0, true, "Computer");
    GuestRig onTurn(rig.Invite(1));
    GuestRig other(rig.Invite(c.asker == 1 ? 2 : c.asker));
    ASSERT_TRUE(WaitFor([&] { return onTurn.guest->Connected() && other.guest->Connected(); }));
    rig.PlayComputer();
    rig.PlayComputer();  // seat 0 threw and moved: seat 1 is on turn
    ASSERT_EQ(rig.state.CurrentPlayer, 1);
    if (c.throwFirst) {
        onTurn.guest->Throw();
        ASSERT_TRUE(WaitFor([&] { return rig.state.TurnPhase() == Phase::AwaitingMove; }));
    }
    const GameRecord before = rig.state.Record;
    GuestRig& asker = c.asker == 1 ? onTurn : other;
    c.askThrow ? asker.guest->Throw() : asker.guest->Move();
    ASSERT_TRUE(WaitFor([&] { return !asker.refusals.empty(); }));
    EXPECT_EQ(asker.refusals, std::vector<Refusal>{c.expected});
    EXPECT_EQ(rig.state.Record, before);
    EXPECT_TRUE(asker.guest->Connected()) << "a refused request costs no connection";
}

INSTANTIATE_TEST_SUITE_P(
    HostGuard, Refused,
    ::testing::Values(Misstep{"SecondThrow", 1, true, true, Refusal::AlreadyThrown},
                      Misstep{"MoveBeforeThrow", 1, false, false, Refusal::NotThrown},
                      Misstep{"ThrowOutOfTurn", 3, false, true, Refusal::NotYourTurn},
                      Misstep{"MoveOutOfTurn", 3, true, false, Refusal::NotYourTurn},
                      Misstep{"WatcherThrows", Invitation::Watch, false, true, Refusal::WatchersCannotAct},
                      Misstep{"WatcherMoves", Invitation::Watch, true, false, Refusal::WatchersCannotAct}),
    [](const ::testing::TestParamInfo<Misstep>& info) { return std::string(info.param.name); });

TEST(HostGuard, ASecretThatOpensNoSeatIsTurnedAwayAndNotTriedAgain) {
    HostRig rig;
    Invitation wrong = rig.Invite(1);
    wrong.secret[0] = static_cast<char>(wrong.secret[0] ^ 1);
    Invitation takenBack = rig.Invite(2);
    rig.host.TakeSeatBack(2);
    GuestRig a(wrong);
    GuestRig b(takenBack);
    ASSERT_TRUE(WaitFor([&] { return a.ended && b.ended; }));
    EXPECT_EQ(*a.ended, GuestEnd::BadSecret);
    EXPECT_EQ(*b.ended, GuestEnd::BadSecret);
    EXPECT_FALSE(rig.host.Joined(1));
    EXPECT_FALSE(rig.host.Joined(2));
    EXPECT_TRUE(a.guest->Record().empty());
    Settle(GameGuest::FirstPauseMs * 2);
    EXPECT_EQ(a.drops, 0) << "a guest turned away does not keep knocking";
}

TEST(HostGuard, ASecretInUseOpensItsSeatToOneConnectionAtATime) {
    HostRig rig;
    const Invitation in = rig.Invite(1);
    GuestRig first(in);
    ASSERT_TRUE(WaitFor([&] { return first.guest->Connected(); }));
    GuestRig second(in);
    ASSERT_TRUE(WaitFor([&] { return !second.refusals.empty(); }));
    EXPECT_EQ(second.refusals.front(), Refusal::SecretInUse);
    second.guest->Leave();
    Settle();
    EXPECT_TRUE(first.guest->Connected());
    EXPECT_TRUE(rig.host.Joined(1));
}

// A first message that is no hello of this version lets nobody in and leaves the game as it was:
// a copy of another version is told both versions, a request before hello costs the connection.
TEST(HostGuard, AFirstMessageThatIsNoHelloOfThisVersionLetsNobodyIn) {
    HostRig rig;
    const Invitation in = rig.Invite(1);
    Message otherVersion = Message::HelloOf(in.secret, 0, -1);
    otherVersion.version = ProtocolVersion + 1;
    const struct {
        Message first;
        std::optional<Message> answer;
    } cases[] = {
        {otherVersion, Message::MismatchOf(ProtocolVersion, ProtocolVersion + 1)},
        {Message::Request(Message::Type::Throw), std::nullopt},
    };
    for (const auto& c : cases) {
        const std::unique_ptr<Link> link(DirectLink::Dial(in));
        std::optional<Message> answer;
        bool ended = false;
        QObject::connect(link.get(), &Link::Opened, [&] { link->Send(c.first); });
        QObject::connect(link.get(), &Link::Received, [&](const Message& m) { answer = m; });
        QObject::connect(link.get(), &Link::Ended, [&] { ended = true; });
        const GameRecord before = rig.state.Record;
        ASSERT_TRUE(WaitFor([&] { return ended; }));
        if (c.answer) {
            ASSERT_TRUE(answer.has_value());
            EXPECT_EQ(*answer, *c.answer);
        }
        EXPECT_EQ(rig.state.Record, before);
        EXPECT_FALSE(rig.host.Joined(1));
    }
}

TEST(HostGuard, ACopyThatFloodsTheHostLosesItsConnectionAndNotTheGame) {
    HostRig rig;
    std::optional<int> away;
    QObject::connect(&rig.host, &GameHost::SeatAway, [&](int seat, const QDateTime&) { away = seat; });
    GuestRig blue(rig.Invite(1));
    ASSERT_TRUE(WaitFor([&] { return blue.guest->Connected(); }));
    const GameRecord before = rig.state.Record;
    for (int n = 0; n < 3 * DirectLink::Limits{}.burst; ++n) blue.guest->Throw();
    ASSERT_TRUE(WaitFor([&] { return away.has_value(); }));
    EXPECT_EQ(*away, 1);
    EXPECT_EQ(rig.state.Record, before) << "seat 0 is on turn: none of seat 1's throws counts";
    EXPECT_EQ(std::count(blue.refusals.begin(), blue.refusals.end(), Refusal::NotYourTurn),
              static_cast<long>(blue.refusals.size()));
}

// Connections that never shake hands cannot keep a player out: past the cap the oldest of
// them makes room, and a guest joins a host full of them. Only connections all through their
// handshake shut the newcomer.
TEST(HostGuard, PastTheCapTheLongestHandshakeMakesRoomAndOnlyHandshakenConnectionsShutANewcomer) {
    HostRig rig;
    std::vector<std::unique_ptr<QTcpSocket>> held;
    const auto open = [&] {
        held.push_back(std::make_unique<QTcpSocket>());
        held.back()->connectToHost(QHostAddress(QHostAddress::LocalHost), rig.server.Port());
        return held.back().get();
    };
    for (int n = 0; n < DirectServer::MaxConnections; ++n) open();
    ASSERT_TRUE(WaitFor([&] { return rig.server.Connections() == DirectServer::MaxConnections; }));
    QTcpSocket* oldest = held.front().get();
    QTcpSocket* past = open();
    ASSERT_TRUE(WaitFor([&] { return oldest->state() == QAbstractSocket::UnconnectedState; }));
    GuestRig blue(rig.Invite(1));
    ASSERT_TRUE(WaitFor([&] { return blue.guest->Connected(); })) << "a guest gets into a host full of silent connections";
    EXPECT_EQ(past->state(), QAbstractSocket::ConnectedState);
    EXPECT_EQ(rig.server.Connections(), DirectServer::MaxConnections);

    // Connections through their handshake that say nothing yet fill the host again.
    std::vector<std::unique_ptr<QSslSocket>> shaken;
    for (int n = 1; n < DirectServer::MaxConnections; ++n) {
        shaken.push_back(std::make_unique<QSslSocket>());
        shaken.back()->setPeerVerifyMode(QSslSocket::VerifyNone);
        shaken.back()->connectToHostEncrypted(QStringLiteral("127.0.0.1"), rig.server.Port());
    }
    ASSERT_TRUE(WaitFor([&] {
        return std::all_of(shaken.begin(), shaken.end(), [](const auto& s) { return s->isEncrypted(); });
    }));
    EXPECT_TRUE(WaitFor([&] {
        return std::all_of(held.begin(), held.end(), [](const auto& s) { return s->state() == QAbstractSocket::UnconnectedState; });
    }));
    QTcpSocket* refused = open();
    ASSERT_TRUE(WaitFor([&] { return refused->state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_TRUE(blue.guest->Connected());
}

TEST(HostGuard, AConnectionThatNeverShakesHandsIsShutAtItsDeadline) {
    HostRig rig;
    // A short deadline, so that the test need not wait out the real one.
    rig.server.SetLimits({20, 10, 200});
    std::optional<LinkEnd> end;
    QObject::connect(&rig.server, &LinkServer::Arrived, [&](Link* link) {
        QObject::connect(link, &Link::Ended, [&](LinkEnd why) { end = why; });
    });
    QTcpSocket silent;
    silent.connectToHost(QHostAddress(QHostAddress::LocalHost), rig.server.Port());
    ASSERT_TRUE(WaitFor([&] { return rig.server.Connections() == 1; }));
    ASSERT_TRUE(WaitFor([&] { return silent.state() == QAbstractSocket::UnconnectedState; }));
    ASSERT_TRUE(WaitFor([&] { return rig.server.Connections() == 0; }));
    EXPECT_EQ(end, LinkEnd::HandshakeTimedOut) << "shut by the handshake's deadline, not the hello's";
}

}  // namespace
}  // namespace vantry::net::test
