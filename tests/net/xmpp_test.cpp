// Play through an XMPP server: the sealing of the messages, a whole game through a real prosody
// on 127.0.0.1 that restarts in the middle, and an account's faults.
#include <gtest/gtest.h>

#include <algorithm>

#include "eitherlink.h"
#include "prosodyrig.h"
#include "seal.h"
#include "xmpplink.h"

namespace vantry::net::test {
namespace {

using vantry::test::ScriptedRandom;

TEST(Seal, OnlyAnUntouchedMessageUnderItsOwnKeyAndBindingOpensAndOnlyOnce) {
    const QByteArray secret = NewSecret();
    const QByteArray session(SessionBytes, 's');
    const SessionKeys keys = SessionKeys::Of(secret, session);
    ASSERT_EQ(keys.toHost.size(), 32);
    ASSERT_NE(keys.toHost, keys.toGuest);
    EXPECT_NE(SessionKeys::Of(secret, QByteArray(SessionBytes, 't')).toHost, keys.toHost);
    EXPECT_EQ(KeyIdOf(secret).size(), KeyIdBytes);
    EXPECT_NE(KeyIdOf(secret), KeyIdOf(NewSecret()));

    const QByteArray bound = KeyIdOf(secret) + session;
    Sealer sealer(keys.toHost);
    const QByteArray first = sealer.Seal("first", bound);
    const QByteArray second = sealer.Seal("second", bound);
    ASSERT_EQ(first.size(), 5 + SealOverhead);

    QByteArray flipped = second;
    flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 1);
    QByteArray recounted = second;
    recounted[7] = 5;  // the counter moved on past what was sealed under it
    struct Case {
        const char* what;
        QByteArray key;
        QByteArray sealed;
        QByteArray bound;
    };
    const Case refused[] = {
        {"a changed byte", keys.toHost, flipped, bound},
        {"a changed counter", keys.toHost, recounted, bound},
        {"the other direction's key", keys.toGuest, second, bound},
        {"another conversation's binding", keys.toHost, second, KeyIdOf(secret) + QByteArray(SessionBytes, 't')},
        {"a cut message", keys.toHost, second.left(SealOverhead - 1), bound},
    };
    for (const Case& c : refused) {
        Opener opener(c.key);
        EXPECT_FALSE(opener.Open(c.sealed, c.bound)) << c.what;
    }

    Opener opener(keys.toHost);
    EXPECT_EQ(opener.Open(second, bound), QByteArray("second"));
    EXPECT_FALSE(opener.Open(second, bound)) << "sent again";
    EXPECT_FALSE(opener.Open(first, bound)) << "an older counter after a newer one";
    EXPECT_EQ(opener.Open(sealer.Seal("third", bound), bound), QByteArray("third"));
}

TEST(XmppLink, OnlyTheOneSpellingOfAStanzaIsRead) {
    const QByteArray keyId(KeyIdBytes, 'k');
    const QByteArray session(SessionBytes, 's');
    const QByteArray sealed(SealOverhead + 3, 'x');
    constexpr auto b64 = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;
    const QByteArray good = keyId.toBase64(b64) + '.' + session.toBase64(b64) + '.' + sealed.toBase64(b64);
    ASSERT_TRUE(XmppLink::Read(good));
    EXPECT_EQ(XmppLink::Read(good)->sealed, sealed);
    for (const QByteArray& bad : {good + '=', good + ".x", QByteArray(good).replace('.', ':'),
                                  keyId.left(11).toBase64(b64) + good.mid(16), good.left(41),
                                  QByteArray(good).replace(good.size() - 1, 1, "+")}) {
        EXPECT_FALSE(XmppLink::Read(bad)) << bad.toStdString();
    }
}

// Signed in, or the fault it met.
bool SignIn(XmppAccount& account, std::optional<AccountFault>* fault = nullptr) {
    QObject::connect(&account, &XmppAccount::Offline, [fault](AccountFault why) {
        if (fault) *fault = why;
    });
    account.Start();
    return WaitFor([&] { return account.IsOnline() || (fault && *fault); }, 20000) && account.IsOnline();
}

TEST(XmppPlay, AGameThroughTheServerGoesOnWhereItWasAfterTheServerRestarts) {
    ProsodyRig prosody;
    ASSERT_TRUE(prosody.Register(QStringLiteral("host"), QStringLiteral("host-password")));
    ASSERT_TRUE(prosody.Start());

    // The guest's account is made the way a player makes one, by in-band registration.
    const XmppSettings guestSettings = prosody.Account(QStringLiteral("guest"), QStringLiteral("guest-password"));
    std::unique_ptr<XmppAccount> registering(XmppAccount::Register(guestSettings));
    bool registered = false;
    QObject::connect(registering.get(), &XmppAccount::Registered, [&] { registered = true; });
    ASSERT_TRUE(WaitFor([&] { return registered; }, 20000));

    HostRig rig({ScriptedRandom::For(3), ScriptedRandom::For(5), ScriptedRandom::For(6), ScriptedRandom::For(1),
                 ScriptedRandom::For(4), ScriptedRandom::For(2), ScriptedRandom::For(6)});
    rig.engine.SetSeat(0, true, "Host computer");
    rig.engine.SetSeat(2, true, "Other computer");
    XmppAccount hostAccount(prosody.Account(QStringLiteral("host"), QStringLiteral("host-password")),
                            QStringLiteral("vantry-test"));
    XmppServer xmpp(hostAccount, [&](const QByteArray& keyId) { return rig.host.SecretOf(keyId); });
    // The game runs at the machine's pace, far faster than players ask.
    xmpp.SetLimits(1000000, 1000000);
    rig.server.SetLimits({1000000, 1000000, DirectLink::HandshakeMs});
    rig.host.Listen(xmpp);
    ASSERT_TRUE(SignIn(hostAccount));

    XmppAccount guestAccount(guestSettings, QStringLiteral("vantry-guest"));
    ASSERT_TRUE(SignIn(guestAccount));
    // What hears a message may open a window, as a refusal's message box does: its event loop
    // runs while more arrives, and must not read the server from within the reading of before.
    bool windowShown = false;
    QObject::connect(&guestAccount, &XmppAccount::Heard, [&] {
        if (windowShown) return;
        windowShown = true;
        Settle(500);
    });
    Invitation invitation = rig.Invite(1);
    invitation.xmpp = hostAccount.Address();
    // Only the server's way, as a host that opens no port invites: no direct address at all.
    invitation.port = 0;
    const auto serverOnly = Invitation::Parse(invitation.Format());
    ASSERT_TRUE(serverOnly && serverOnly->ServerOnly());
    GuestRig blue(*serverOnly, [&](const Invitation& in, QObject* parent) -> Link* {
        return XmppLink::Dial(guestAccount, in, parent);
    });
    // Green tries both ways at once and keeps the first that works: one game, two transports.
    Invitation greenInvitation = rig.Invite(3);
    greenInvitation.xmpp = hostAccount.Address();
    GuestRig green(greenInvitation, [&](const Invitation& in, QObject* parent) -> Link* {
        return new EitherLink({DirectLink::Dial(in), XmppLink::Dial(guestAccount, in)}, parent);
    });
    ASSERT_TRUE(WaitFor([&] { return blue.guest->Connected() && green.guest->Connected(); }));
    EXPECT_EQ(blue.guest->Setup().names[2], QStringLiteral("Other computer"));

    bool restarted = false;
    const bool done = PlayOut(rig, {{1, &blue}, {3, &green}}, [&] {
        if (restarted || rig.state.Record.size() < 12) return;
        restarted = true;
        prosody.Stop();
        ASSERT_TRUE(prosody.Start());
    });
    ASSERT_TRUE(done) << rig.state.Record.size() << " events, the guest holds " << blue.guest->Record().size();
    ASSERT_TRUE(WaitFor([&] { return blue.HoldsAll(rig.state) && green.HoldsAll(rig.state); }));
    EXPECT_TRUE(restarted);
    EXPECT_GE(blue.drops, 1);
    // Every event came once, in its order, across the restart.
    for (const GuestRig* g : {&blue, &green}) {
        for (std::size_t n = 0; n < g->numbers.size(); ++n) ASSERT_EQ(g->numbers[n], static_cast<int>(n));
    }
    // A watcher who comes at the end takes the whole record, in stanzas of the allowed size.
    Invitation late = rig.Invite(Invitation::Watch);
    late.xmpp = hostAccount.Address();
    GuestRig watcher(late, [&](const Invitation& in, QObject* parent) -> Link* {
        return XmppLink::Dial(guestAccount, in, parent);
    });
    ASSERT_TRUE(WaitFor([&] { return watcher.HoldsAll(rig.state); }));
    EXPECT_LE(hostAccount.LargestStanza(), XmppAccount::MaxStanzaBytes);
    EXPECT_LE(guestAccount.LargestStanza(), XmppAccount::MaxStanzaBytes);
    EXPECT_GT(hostAccount.LargestStanza(), 0);
}

TEST(XmppAccount, AWrongPasswordATakenNameAndAClosedRegistrationAreToldApart) {
    ProsodyRig open;
    ASSERT_TRUE(open.Register(QStringLiteral("taken"), QStringLiteral("right")));
    ASSERT_TRUE(open.Start());
    ProsodyRig closed(false);
    ASSERT_TRUE(closed.Start());

    std::optional<AccountFault> fault;
    XmppAccount wrong(open.Account(QStringLiteral("taken"), QStringLiteral("wrong")), QStringLiteral("r"));
    EXPECT_FALSE(SignIn(wrong, &fault));
    EXPECT_EQ(fault, AccountFault::WrongPassword);

    const struct {
        ProsodyRig* server;
        const char* name;
        AccountFault expected;
    } cases[] = {{&open, "taken", AccountFault::Taken}, {&closed, "newcomer", AccountFault::Refused}};
    for (const auto& c : cases) {
        std::unique_ptr<XmppAccount> account(XmppAccount::Register(c.server->Account(QString::fromLatin1(c.name), QStringLiteral("pw"))));
        std::optional<AccountFault> why;
        QObject::connect(account.get(), &XmppAccount::Offline, [&](AccountFault f) { why = f; });
        ASSERT_TRUE(WaitFor([&] { return why.has_value(); }, 20000)) << c.name;
        EXPECT_EQ(why, c.expected) << c.name;
    }
}

}  // namespace
}  // namespace vantry::net::test
