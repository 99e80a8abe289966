#include <gtest/gtest.h>

#include <set>

#include "invitation.h"
#include "message.h"
#include "tokenbucket.h"

namespace vantry::net {
namespace {

Invitation Example(const char* address, int seat) {
    Invitation in;
    in.address = QHostAddress(QString::fromLatin1(address));
    in.port = 40123;
    in.fingerprint = QByteArray::fromHex("00ff10ee20dd30cc40bb50aa6099708880779066a055b044c033d022e011f0ab");
    in.seat = seat;
    in.secret = QByteArray::fromHex("0123456789abcdeffedcba9876543210");
    return in;
}

TEST(Invitation, ALinkReadsBackAsTheInvitationItWasWrittenFrom) {
    for (const Invitation& in : {Example("203.0.113.7", 2), Example("2001:db8::1", 0), Example("127.0.0.1", Invitation::Watch)}) {
        const QString link = in.Format();
        const auto back = Invitation::Parse(link);
        ASSERT_TRUE(back.has_value()) << link.toStdString();
        EXPECT_EQ(back->address, in.address);
        EXPECT_EQ(back->port, in.port);
        EXPECT_EQ(back->fingerprint, in.fingerprint);
        EXPECT_EQ(back->seat, in.seat);
        EXPECT_EQ(back->secret, in.secret);
    }
    EXPECT_TRUE(Example("2001:db8::1", 0).Format().startsWith(QStringLiteral("vantry://[2001:db8::1]:40123/join?seat=0&")));
}

TEST(Invitation, AnythingButTheWritersOwnSpellingIsNoInvitation) {
    const QString good = Example("203.0.113.7", 2).Format();
    ASSERT_TRUE(Invitation::Parse(good).has_value());
    const QString fp = QStringLiteral("00ff10ee20dd30cc40bb50aa6099708880779066a055b044c033d022e011f0ab");
    const QString key = QString::fromLatin1(QByteArray::fromHex("0123456789abcdeffedcba9876543210")
                                                .toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
    const QString tail = QStringLiteral("fp=") + fp + QStringLiteral("&key=") + key;
    const QString cases[] = {
        QString(),
        good.left(good.size() - 1),
        good + QLatin1Char('A'),
        good + QStringLiteral("&seat=1"),
        good + QStringLiteral("#x"),
        QString(good).replace(QStringLiteral("vantry://"), QStringLiteral("https://")),
        QString(good).replace(QStringLiteral("/join"), QStringLiteral("/Join")),
        QString(good).replace(fp, fp.toUpper()),
        QString(good).replace(fp, fp.left(62)),
        QStringLiteral("vantry://203.0.113.7:40123/join?seat=4&") + tail,
        QStringLiteral("vantry://203.0.113.7:40123/join?seat=-1&") + tail,
        QStringLiteral("vantry://203.0.113.7:40123/join?seat=02&") + tail,
        QStringLiteral("vantry://203.0.113.7:040123/join?seat=2&") + tail,
        QStringLiteral("vantry://203.0.113.7:0/join?seat=2&") + tail,
        QStringLiteral("vantry://203.0.113.7:65536/join?seat=2&") + tail,
        QStringLiteral("vantry://203.0.113.7/join?seat=2&") + tail,
        QStringLiteral("vantry://example.org:40123/join?seat=2&") + tail,
        QStringLiteral("vantry://user@203.0.113.7:40123/join?seat=2&") + tail,
        QStringLiteral("vantry://[2001:DB8::1]:40123/join?seat=2&") + tail,
        QStringLiteral("vantry://203.0.113.7:40123/join?fp=") + fp + QStringLiteral("&seat=2&key=") + key,
        QStringLiteral("vantry://203.0.113.7:40123/join?seat=2&fp=") + fp + QStringLiteral("&key=") + key + "AA",
        QStringLiteral("vantry://203.0.113.7:40123/join?seat=2&fp=") + fp + QStringLiteral("&key=") + key.left(21) + "+",
        QStringLiteral("vantry://203.0.113.7:40123/join?seat=2&fp=") + fp + QStringLiteral("&key=") + key + "==",
    };
    for (const QString& link : cases) EXPECT_FALSE(Invitation::Parse(link).has_value()) << link.toStdString();
}

TEST(Invitation, AnXmppAddressReadsBackAndOnlyInTheWritersSpelling) {
    Invitation in = Example("203.0.113.7", 1);
    in.xmpp = QStringLiteral("anna.host@example.org/vantry-0a1b2c3d");
    const QString link = in.Format();
    ASSERT_TRUE(link.endsWith(QStringLiteral("&xmpp=anna.host%40example.org%2Fvantry-0a1b2c3d"))) << link.toStdString();
    const auto back = Invitation::Parse(link);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->xmpp, in.xmpp);
    EXPECT_EQ(back->secret, in.secret);
    EXPECT_TRUE(Invitation::Parse(Example("203.0.113.7", 1).Format())->xmpp.isEmpty());
    const QString cases[] = {
        QString(link).replace(QStringLiteral("%40"), QStringLiteral("@")),
        QString(link).replace(QStringLiteral("%2F"), QStringLiteral("%2f")),
        QString(link).replace(QStringLiteral("&xmpp="), QStringLiteral("&jid=")),
        link + QStringLiteral("&xmpp=a%40b%2Fc"),
        // A bare address (no resource), no name, two "@", a control character, a blank.
        QString(link).replace(QStringLiteral("%2Fvantry-0a1b2c3d"), QString()),
        QString(link).replace(QStringLiteral("anna.host%40"), QStringLiteral("%40")),
        QString(link).replace(QStringLiteral("anna.host"), QStringLiteral("anna%40host")),
        QString(link).replace(QStringLiteral("anna.host"), QStringLiteral("anna%07host")),
        QString(link).replace(QStringLiteral("anna.host"), QStringLiteral("anna%20host")),
    };
    for (const QString& bad : cases) EXPECT_FALSE(Invitation::Parse(bad).has_value()) << bad.toStdString();

    // A host reached through its server alone: the server's domain and no port stand for it.
    in.port = 0;
    const QString only = in.Format();
    ASSERT_TRUE(only.startsWith(QStringLiteral("vantry://example.org/join?seat=1&"))) << only.toStdString();
    const auto alone = Invitation::Parse(only);
    ASSERT_TRUE(alone.has_value());
    EXPECT_TRUE(alone->ServerOnly());
    EXPECT_EQ(alone->xmpp, in.xmpp);
    EXPECT_FALSE(back->ServerOnly());
    for (const QString& bad : {QString(only).replace(QStringLiteral("//example.org/"), QStringLiteral("//example.net/")),
                               only.left(only.indexOf(QStringLiteral("&xmpp=")))}) {
        EXPECT_FALSE(Invitation::Parse(bad).has_value()) << bad.toStdString();
    }
}

TEST(Invitation, SecretsAreLongAndNeverRepeat) {
    std::set<QByteArray> seen;
    for (int n = 0; n < 200; ++n) {
        const QByteArray s = NewSecret();
        EXPECT_EQ(s.size(), SecretBytes);
        EXPECT_TRUE(seen.insert(s).second);
    }
    const QByteArray a = NewSecret();
    QByteArray b = a;
    EXPECT_TRUE(SameSecret(a, b));
    b[SecretBytes - 1] = static_cast<char>(b[SecretBytes - 1] ^ 0x80);
    EXPECT_FALSE(SameSecret(a, b));
    EXPECT_FALSE(SameSecret(a, a.left(SecretBytes - 1)));
    EXPECT_FALSE(SameSecret(a, QByteArray()));
}

TEST(TokenBucket, ABurstIsAllowedThenTheRateAndNeverMoreThanTheBurstIsSaved) {
    TokenBucket bucket(3, 2);
    int taken = 0;
    for (int n = 0; n < 10; ++n) taken += bucket.Take(1000) ? 1 : 0;
    EXPECT_EQ(taken, 3);
    EXPECT_FALSE(bucket.Take(1400)) << "two a second: none earned in 0.4 s";
    EXPECT_TRUE(bucket.Take(1500));
    EXPECT_FALSE(bucket.Take(1500));
    taken = 0;
    for (int n = 0; n < 10; ++n) taken += bucket.Take(60000) ? 1 : 0;
    EXPECT_EQ(taken, 3) << "a long silence saves no more than the burst";
    EXPECT_FALSE(bucket.Take(59000)) << "a clock that goes back earns nothing";
}

}  // namespace
}  // namespace vantry::net
