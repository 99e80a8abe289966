// The protocol's messages as bytes: what goes out comes back the same, and what does not read
// as a message of ours is refused whole.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QList>

#include <cmath>
#include <limits>

#include "framereader.h"
#include "messagecodec.h"

namespace vantry::net {
namespace {

// A move of seat 2 that set every counter, with places no short number spells.
RecordEvent FullMove() {
    RecordEvent e = RecordEvent::MoveOf(MoveReport{2, 42, 47, 13, 31}, false);
    e.placed = 0b1111;
    e.places = {CounterPlace{1234.567f, 8765.4321f}, CounterPlace{-0.1f, 1.0e-7f},
                CounterPlace{std::nextafter(5000.0f, 6000.0f), 3.0f}, CounterPlace{9999.999f, 0.0f}};
    return e;
}

RecordEvent Opened() {
    RecordEvent e;
    e.kind = RecordEvent::Kind::Opened;
    e.positions = {0, 17, 99, 45};
    e.moveCounts = {0, 3, 32767, 9};
    e.current = 3;
    e.fileName = "Zoë's game.sav";
    return e;
}

TEST(MessageCodec, EveryKindOfMessageComesBackAsItWasSent) {
    RecordEvent quietTurn = RecordEvent::TurnOf(3);
    quietTurn.quiet = true;
    const Message messages[] = {
        Message::HelloOf(QByteArray(SecretBytes, '\xa5'), 7, -1),
        Message::HelloOf(QByteArray::fromHex("00112233445566778899aabbccddeeff"), 0, 123456),
        Message::WelcomeOf(2, 3, {"Ann", "Ben", "Zoë", "李"},
                           {SeatKind::HostPerson, SeatKind::Computer, SeatKind::RemotePerson, SeatKind::Computer}),
        Message::WelcomeOf(WatcherSeat, 0, {"", "", "", ""}, {}),
        Message::EventOf(0, RecordEvent{}),
        Message::EventOf(41, FullMove()),
        Message::EventOf(42, RecordEvent::MoveOf(MoveReport{0, 0, 5, 5, 1}, true)),
        Message::EventOf(7, RecordEvent::ThrowOf(1, 5)),
        Message::EventOf(9, quietTurn),
        Message::EventOf(10, RecordEvent::WinOf(1, 20)),
        Message::EventOf(11, Opened()),
        Message::Request(Message::Type::Throw),
        Message::Request(Message::Type::Move),
        Message::ChatOf(ChatFromWatcher, QStringLiteral("gg — well played 🎲")),
        Message::ChatOf(3, QString(MaxChatChars, QLatin1Char('x'))),
        Message::RefusalOf(Refusal::NotJoined),
        Message::SeatNotice(Message::Type::SeatAway, 3),
        Message::SeatNotice(Message::Type::SeatBack, 0),
        Message::ByeOf(ByeReason::GameOver),
        Message::MismatchOf(1, 2),
    };
    for (const Message& m : messages) {
        const QByteArray bytes = EncodeMessage(m);
        const auto back = DecodeMessage(bytes);
        ASSERT_TRUE(back.has_value()) << bytes.toStdString();
        EXPECT_TRUE(*back == m) << bytes.toStdString();
    }
}

TEST(MessageCodec, AMoveEventThatSetsEveryCounterFitsItsBudget) {
    RecordEvent e = FullMove();
    e.moves = 32767;
    for (CounterPlace& p : e.places) p = CounterPlace{-123456.78f, -987654.3f};
    const QByteArray frame = FrameReader::Framed(EncodeMessage(Message::EventOf(2147483647, e)));
    EXPECT_LE(frame.size(), 512);
}

TEST(MessageCodec, AHelloOfAnotherVersionIsReadForItsVersionAlone) {
    const auto m = DecodeMessage(R"({"t":"hello","v":2,"whatever":[1,2,3]})");
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->type, Message::Type::Hello);
    EXPECT_EQ(m->version, 2);
    EXPECT_TRUE(m->secret.isEmpty());
}

TEST(MessageCodec, AnythingMalformedUnknownOrOutOfRangeIsRefused) {
    const QByteArray secret = QByteArray(SecretBytes, 'k').toBase64(QByteArray::Base64UrlEncoding |
                                                                     QByteArray::OmitTrailingEquals);
    const QByteArray hello = R"({"t":"hello","v":1,"k":")" + secret + R"(","g":0,"n":-1,)";
    const char* cases[] = {
        "", "null", "[]", "{", R"("hello")", "{}", R"({"t":"shout"})", R"({"t":7})", R"({"t":"throw","x":1})",
        R"({"t":"throw"} )" "\x01",
        // a hello: bad secrets, numbers out of range, a field too many or too few
        R"({"t":"hello","v":1,"k":"AAAA","g":0,"n":-1})",
        R"({"t":"hello","v":1,"k":"a2tra2tra2tra2tra2tra2s=","g":0,"n":-1})",
        R"({"t":"hello","v":0,"g":0,"n":-1})",
        R"({"t":"hello","v":1e300})",
        // events: unknown kinds and fields, every range
        R"({"t":"event","n":1,"e":{"k":"jump"}})",
        R"({"t":"event","n":1,"e":{"k":"throw","s":4,"f":1}})",
        R"({"t":"event","n":1,"e":{"k":"throw","s":-1}})",
        R"({"t":"event","n":1,"e":{"k":"throw","s":1,"f":6}})",
        R"({"t":"event","n":1,"e":{"k":"throw","s":1.5}})",
        R"({"t":"event","n":1,"e":{"k":"throw","s":"1"}})",
        R"({"t":"event","n":1,"e":{"k":"move","to":100}})",
        R"({"t":"event","n":1,"e":{"k":"move","fr":-1}})",
        R"({"t":"event","n":1,"e":{"k":"move","mv":32768}})",
        R"({"t":"event","n":1,"e":{"k":"move","pl":16}})",
        R"({"t":"event","n":1,"e":{"k":"move","pc":[1,2,3]}})",
        R"({"t":"event","n":1,"e":{"k":"move","pc":[1,2,3,4,5,6,7,1e9]}})",
        R"({"t":"event","n":1,"e":{"k":"move","pc":[1,2,3,4,5,6,7,"8"]}})",
        R"({"t":"event","n":1,"e":{"k":"open","ps":[0,0,0,100]}})",
        R"({"t":"event","n":1,"e":{"k":"open","mc":[0,0,-1,0]}})",
        R"({"t":"event","n":1,"e":{"k":"open","cu":4}})",
        R"({"t":"event","n":1,"e":{"k":"open","fn":"a\nb"}})",
        R"({"t":"event","n":1,"e":{"k":"turn","q":1}})",
        R"({"t":"event","n":1,"e":{"k":"turn","extra":0}})",
        R"({"t":"event","n":-1,"e":{"k":"turn"}})",
        R"({"t":"event","n":2147483648,"e":{"k":"turn"}})",
        R"({"t":"event","n":1,"e":[]})",
        R"({"t":"event","n":1})",
        // chat: empty, too long, control and formatting characters
        R"({"t":"chat","s":1,"x":""})",
        R"({"t":"chat","s":1,"x":"a\u0007b"})",
        R"({"t":"chat","s":1,"x":"abc\u202edef"})",
        R"({"t":"chat","s":1,"x":"\ud800"})",
        R"({"t":"chat","s":-3,"x":"hi"})",
        // the rest: every number in its range
        R"({"t":"welcome","s":4,"g":0,"na":["","","",""],"ki":[0,0,0,0]})",
        R"({"t":"welcome","s":0,"g":0,"na":["","",""],"ki":[0,0,0,0]})",
        R"({"t":"welcome","s":0,"g":0,"na":["","","",""],"ki":[0,0,0,3]})",
        R"({"t":"welcome","s":0,"g":0,"na":["","","","\t"],"ki":[0,0,0,0]})",
        R"({"t":"refused","r":10})",
        R"({"t":"away","s":4})",
        R"({"t":"bye","r":2})",
        R"({"t":"version","v":1,"w":0})",
    };
    for (const char* text : cases) EXPECT_FALSE(DecodeMessage(QByteArray(text)).has_value()) << text;
    EXPECT_TRUE(DecodeMessage(hello.chopped(1) + "}").has_value()) << "the hello the cases above spoil";
    EXPECT_FALSE(DecodeMessage(hello + R"("more":1})").has_value());
    EXPECT_FALSE(DecodeMessage(R"({"t":"chat","s":1,"x":")" + QByteArray(MaxChatChars + 1, 'x') + R"("})").has_value());
    EXPECT_FALSE(DecodeMessage(R"({"t":"chat","s":1,"x":")" + QByteArray(MaxFrameBytes, 'x') + R"("})").has_value());
}

TEST(FrameReader, FramesComeWholeHoweverTheBytesAreCutAndAnOversizedOneBreaksTheStream) {
    const QByteArray a = FrameReader::Framed("first");
    const QByteArray b = FrameReader::Framed(QByteArray(MaxFrameBytes, 'b'));
    const QByteArray stream = a + b + FrameReader::Framed("");
    for (qsizetype cut : {qsizetype{1}, qsizetype{3}, qsizetype{7}, qsizetype{4096}, stream.size()}) {
        FrameReader reader;
        QList<QByteArray> frames;
        for (qsizetype at = 0; at < stream.size(); at += cut) {
            reader.Append(stream.mid(at, cut));
            QByteArray f;
            while (reader.Next(f)) frames.push_back(f);
        }
        EXPECT_EQ(frames, (QList<QByteArray>{"first", QByteArray(MaxFrameBytes, 'b'), ""})) << "cut " << cut;
    }
    FrameReader reader;
    QByteArray header("\x00\x01\x00\x01", 4);  // one byte past the largest frame
    reader.Append(header + QByteArray(16, 'x'));
    QByteArray f;
    EXPECT_FALSE(reader.Next(f));
    EXPECT_TRUE(reader.Broken());
    reader.Append(FrameReader::Framed("later"));
    EXPECT_FALSE(reader.Next(f)) << "nothing after a broken frame is read";
}

}  // namespace
}  // namespace vantry::net
