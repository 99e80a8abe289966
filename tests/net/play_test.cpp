// Whole games and their faults between a host and guests over 127.0.0.1.
#include <gtest/gtest.h>

#include <QPointer>
#include <QTcpSocket>

#include <algorithm>
#include <map>
#include <memory>

#include "directlink.h"
#include "netrig.h"

namespace vantry::net::test {
namespace {

using vantry::test::ScriptedRandom;

// Plays until a seat wins: the host's computer seats by their timers' steps, each remote seat
// by its guest's requests, sent once the guest holds every event so far (as a player would
// act on what their board shows).
void PlayOut(HostRig& rig, std::map<int, GuestRig*> remote) {
    std::map<int, std::size_t> askedAt;
    const bool done = WaitFor([&] {
        if (rig.state.TurnPhase() == Phase::Won) return true;
        if (rig.PlayComputer()) return false;
        const int seat = rig.state.CurrentPlayer;
        GuestRig* g = remote.at(seat);
        const std::size_t held = rig.state.Record.size();
        if (g->guest->Record().size() == held && askedAt[seat] != held) {
            askedAt[seat] = held;
            rig.state.TurnPhase() == Phase::AwaitingThrow ? g->guest->Throw() : g->guest->Move();
        }
        return false;
    }, 120000);
    ASSERT_TRUE(done) << "the game did not reach its end: " << rig.state.Record.size() << " events, seat "
                      << rig.state.CurrentPlayer << " on turn, " << static_cast<int>(rig.state.TurnPhase()) << " "
                      << remote.at(1)->guest->Record().size() << " " << remote.at(3)->guest->Record().size() << " "
                      << remote.at(1)->refusals.size() << remote.at(3)->refusals.size() << " "
                      << remote.at(1)->drops << remote.at(3)->drops;
}

TEST(DirectPlay, AWholeGameWithTwoRemoteSeatsEndsWithTheSameRecordOnEveryCopy) {
    HostRig rig({ScriptedRandom::For(3), ScriptedRandom::For(5), ScriptedRandom::For(6), ScriptedRandom::For(1),
                 ScriptedRandom::For(4), ScriptedRandom::For(2), ScriptedRandom::For(6)});
    ASSERT_TRUE(rig.listening);
    // The game runs at the machine's pace, far faster than players ask.
    rig.server.SetRateLimit(1000000, 1000000);
    rig.engine.SetSeat(0, true, "Host computer");
    rig.engine.SetSeat(2, true, "Other computer");
    GuestRig blue(rig.Invite(1));
    GuestRig green(rig.Invite(3));
    ASSERT_TRUE(WaitFor([&] { return blue.guest->Connected() && green.guest->Connected(); }));
    EXPECT_EQ(blue.guest->Setup().seat, 1);
    EXPECT_EQ(blue.guest->Setup().names[2], QStringLiteral("Other computer"));
    EXPECT_EQ(blue.guest->Setup().kinds,
              (std::array<SeatKind, 4>{SeatKind::Computer, SeatKind::RemotePerson, SeatKind::Computer,
                                       SeatKind::RemotePerson}));

    PlayOut(rig, {{1, &blue}, {3, &green}});
    ASSERT_TRUE(WaitFor([&] { return blue.HoldsAll(rig.state) && green.HoldsAll(rig.state); }));
    const auto win = std::find_if(blue.guest->Record().begin(), blue.guest->Record().end(),
                                  [](const RecordEvent& e) { return e.kind == RecordEvent::Kind::Win; });
    ASSERT_NE(win, blue.guest->Record().end());
    EXPECT_EQ(win->seat, rig.state.Winner());
    EXPECT_TRUE(RecordLeadsTo(blue.guest->Record(), {rig.state.Position, rig.state.MoveCount, rig.state.CurrentPlayer}));
    for (std::size_t n = 0; n < blue.numbers.size(); ++n) ASSERT_EQ(blue.numbers[n], static_cast<int>(n));
    EXPECT_TRUE(blue.refusals.empty());
    EXPECT_TRUE(green.refusals.empty());
}

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
    DirectPlay, Refused,
    ::testing::Values(Misstep{"SecondThrow", 1, true, true, Refusal::AlreadyThrown},
                      Misstep{"MoveBeforeThrow", 1, false, false, Refusal::NotThrown},
                      Misstep{"ThrowOutOfTurn", 3, false, true, Refusal::NotYourTurn},
                      Misstep{"MoveOutOfTurn", 3, true, false, Refusal::NotYourTurn},
                      Misstep{"WatcherThrows", Invitation::Watch, false, true, Refusal::WatchersCannotAct},
                      Misstep{"WatcherMoves", Invitation::Watch, true, false, Refusal::WatchersCannotAct}),
    [](const ::testing::TestParamInfo<Misstep>& info) { return std::string(info.param.name); });

TEST(DirectPlay, ASecretThatOpensNoSeatIsTurnedAwayAndNotTriedAgain) {
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

TEST(DirectPlay, ASecretInUseOpensItsSeatToOneConnectionAtATime) {
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

TEST(DirectPlay, AHostOfAnotherCertificateIsNotJoined) {
    HostRig rig;
    Invitation in = rig.Invite(1);
    in.fingerprint[5] = static_cast<char>(in.fingerprint[5] ^ 0x40);
    GuestRig guest(in);
    ASSERT_TRUE(WaitFor([&] { return guest.ended.has_value(); }));
    EXPECT_EQ(*guest.ended, GuestEnd::CertificateMismatch);
    EXPECT_FALSE(rig.host.Joined(1));
}

TEST(DirectPlay, ACopyOfAnotherVersionIsToldBothVersions) {
    HostRig rig;
    const Invitation in = rig.Invite(1);
    const std::unique_ptr<Link> link(DirectLink::Dial(in));
    std::optional<Message> answer;
    QObject::connect(link.get(), &Link::Opened, [&] {
        Message hello = Message::HelloOf(in.secret, 0, -1);
        hello.version = ProtocolVersion + 1;
        link->Send(hello);
    });
    QObject::connect(link.get(), &Link::Received, [&](const Message& m) { answer = m; });
    ASSERT_TRUE(WaitFor([&] { return answer.has_value(); }));
    EXPECT_EQ(*answer, Message::MismatchOf(ProtocolVersion, ProtocolVersion + 1));
    EXPECT_FALSE(rig.host.Joined(1));
}

TEST(DirectPlay, ARequestBeforeHelloCostsTheConnection) {
    HostRig rig;
    const Invitation in = rig.Invite(1);
    const std::unique_ptr<Link> link(DirectLink::Dial(in));
    std::optional<LinkEnd> end;
    QObject::connect(link.get(), &Link::Opened, [&] { link->Send(Message::Request(Message::Type::Throw)); });
    QObject::connect(link.get(), &Link::Ended, [&](LinkEnd why) { end = why; });
    const GameRecord before = rig.state.Record;
    ASSERT_TRUE(WaitFor([&] { return end.has_value(); }));
    EXPECT_EQ(rig.state.Record, before);
}

TEST(DirectPlay, AGuestCutOffMidTurnComesBackWithNoEventLostOrRepeated) {
    HostRig rig;
    rig.engine.SetSeat(0, true, "Computer");
    std::vector<QPointer<Link>> hostEnds;
    QObject::connect(&rig.server, &LinkServer::Arrived, [&](Link* l) { hostEnds.emplace_back(l); });
    std::optional<int> away;
    QObject::connect(&rig.host, &GameHost::SeatAway, [&](int seat, const QDateTime&) { away = seat; });
    GuestRig blue(rig.Invite(1));
    ASSERT_TRUE(WaitFor([&] { return blue.guest->Connected(); }));

    rig.PlayComputer();  // seat 0 threw; its move is still to come
    ASSERT_TRUE(WaitFor([&] { return blue.HoldsAll(rig.state); }));
    ASSERT_EQ(hostEnds.size(), 1u);
    hostEnds.front()->Abort();
    ASSERT_TRUE(WaitFor([&] { return away.has_value(); }));
    EXPECT_EQ(*away, 1);
    EXPECT_TRUE(rig.host.AwaySince(1).has_value());
    rig.PlayComputer();  // seat 0 moves and the turn passes, while blue is away
    ASSERT_EQ(rig.state.CurrentPlayer, 1);

    ASSERT_TRUE(WaitFor([&] { return blue.guest->Connected() && blue.HoldsAll(rig.state); }));
    EXPECT_GE(blue.drops, 1);
    EXPECT_FALSE(rig.host.AwaySince(1).has_value());
    std::vector<int> expected(rig.state.Record.size());
    for (std::size_t n = 0; n < expected.size(); ++n) expected[n] = static_cast<int>(n);
    EXPECT_EQ(blue.numbers, expected);
    blue.guest->Throw();
    ASSERT_TRUE(WaitFor([&] { return rig.state.TurnPhase() == Phase::AwaitingMove; })) << "the seat is played again";
}

TEST(DirectPlay, TheHostClosingTellsEveryGuestAndNoneTriesAgain) {
    auto rig = std::make_unique<HostRig>();
    GuestRig blue(rig->Invite(1));
    GuestRig watcher(rig->Invite(Invitation::Watch));
    ASSERT_TRUE(WaitFor([&] { return blue.guest->Connected() && watcher.guest->Connected(); }));
    rig->host.Close(ByeReason::HostClosed);
    ASSERT_TRUE(WaitFor([&] { return blue.ended && watcher.ended; }));
    EXPECT_EQ(*blue.ended, GuestEnd::HostClosed);
    EXPECT_EQ(*watcher.ended, GuestEnd::HostClosed);
    Settle(GameGuest::FirstPauseMs * 2);
    EXPECT_EQ(blue.drops, 0);
}

TEST(DirectPlay, ChatGoesToEveryCopyWithItsSenderAndABurstOfLinesIsCut) {
    HostRig rig;
    GuestRig blue(rig.Invite(1));
    GuestRig watcher(rig.Invite(Invitation::Watch));
    ASSERT_TRUE(WaitFor([&] { return blue.guest->Connected() && watcher.guest->Connected(); }));
    rig.host.Chat(QStringLiteral("welcome"));
    watcher.guest->Chat(QStringLiteral("hello"));
    constexpr int Burst = 8;
    for (int n = 0; n < Burst; ++n) blue.guest->Chat(QStringLiteral("line %1").arg(n));
    const auto fromBlue = [&] {
        return std::count_if(watcher.chats.begin(), watcher.chats.end(), [](const QString& c) { return c.startsWith("1 "); });
    };
    ASSERT_TRUE(WaitFor([&] { return fromBlue() + static_cast<long>(blue.refusals.size()) == Burst && watcher.chats.size() >= 2; }));
    EXPECT_NE(std::find(watcher.chats.begin(), watcher.chats.end(), QStringLiteral("-1 welcome")), watcher.chats.end());
    EXPECT_NE(std::find(blue.chats.begin(), blue.chats.end(), QStringLiteral("-2 hello")), blue.chats.end());
    EXPECT_NE(std::find(blue.chats.begin(), blue.chats.end(), QStringLiteral("1 line 0")), blue.chats.end());
    EXPECT_FALSE(blue.refusals.empty()) << "eight lines at once are past the limit";
    EXPECT_EQ(std::count(blue.refusals.begin(), blue.refusals.end(), Refusal::TooFast),
              static_cast<long>(blue.refusals.size()));
    EXPECT_TRUE(blue.guest->Connected());
}

TEST(DirectPlay, ACopyThatFloodsTheHostLosesItsConnectionAndNotTheGame) {
    HostRig rig;
    std::optional<int> away;
    QObject::connect(&rig.host, &GameHost::SeatAway, [&](int seat, const QDateTime&) { away = seat; });
    GuestRig blue(rig.Invite(1));
    ASSERT_TRUE(WaitFor([&] { return blue.guest->Connected(); }));
    const GameRecord before = rig.state.Record;
    for (int n = 0; n < 3 * DirectLink::RateBurst; ++n) blue.guest->Throw();
    ASSERT_TRUE(WaitFor([&] { return away.has_value(); }));
    EXPECT_EQ(*away, 1);
    EXPECT_EQ(rig.state.Record, before) << "seat 0 is on turn: none of seat 1's throws counts";
    EXPECT_EQ(std::count(blue.refusals.begin(), blue.refusals.end(), Refusal::NotYourTurn),
              static_cast<long>(blue.refusals.size()));
}

TEST(DirectPlay, ConnectionsPastTheCapAreShutAndACapFreedIsTakenAgain) {
    HostRig rig;
    std::vector<std::unique_ptr<QTcpSocket>> held;
    const auto open = [&] {
        held.push_back(std::make_unique<QTcpSocket>());
        held.back()->connectToHost(QHostAddress(QHostAddress::LocalHost), rig.server.Port());
        return held.back().get();
    };
    for (int n = 0; n < DirectServer::MaxConnections; ++n) open();
    ASSERT_TRUE(WaitFor([&] { return rig.server.Connections() == DirectServer::MaxConnections; }));
    QTcpSocket* past = open();
    ASSERT_TRUE(WaitFor([&] { return past->state() == QAbstractSocket::UnconnectedState; }));
    EXPECT_EQ(rig.server.Connections(), DirectServer::MaxConnections);
    held.front()->abort();
    ASSERT_TRUE(WaitFor([&] { return rig.server.Connections() == DirectServer::MaxConnections - 1; }));
    QTcpSocket* again = open();
    ASSERT_TRUE(WaitFor([&] { return rig.server.Connections() == DirectServer::MaxConnections; }));
    Settle();
    EXPECT_EQ(again->state(), QAbstractSocket::ConnectedState);
}

TEST(DirectPlay, ANewGameOnTheHostReachesTheGuestsWhole) {
    HostRig rig;
    rig.engine.SetSeat(0, true, "Computer");
    GuestRig blue(rig.Invite(1));
    ASSERT_TRUE(WaitFor([&] { return blue.guest->Connected(); }));
    rig.PlayComputer();
    rig.PlayComputer();
    rig.engine.ResetBoard();
    ASSERT_TRUE(WaitFor([&] { return blue.HoldsAll(rig.state) && blue.guest->Setup().game == 1; }));
    EXPECT_EQ(blue.guest->Record().size(), 1u);
}

}  // namespace
}  // namespace vantry::net::test
