#include "message.h"

namespace vantry::net {

namespace {
Message Of(Message::Type type) {
    Message m;
    m.type = type;
    return m;
}
}  // namespace

Message Message::HelloOf(const QByteArray& secret, int game, int lastEvent) {
    Message m = Of(Type::Hello);
    m.secret = secret;
    m.game = game;
    m.number = lastEvent;
    return m;
}

Message Message::WelcomeOf(int seat, int game, const std::array<QString, 4>& names,
                           const std::array<SeatKind, 4>& kinds) {
    Message m = Of(Type::Welcome);
    m.seat = seat;
    m.game = game;
    m.names = names;
    m.kinds = kinds;
    return m;
}

Message Message::EventOf(int number, const RecordEvent& event) {
    Message m = Of(Type::Event);
    m.number = number;
    m.event = event;
    return m;
}

Message Message::Request(Type type) { return Of(type); }

Message Message::ChatOf(int from, const QString& text) {
    Message m = Of(Type::Chat);
    m.seat = from;
    m.text = text;
    return m;
}

Message Message::RefusalOf(Refusal why) {
    Message m = Of(Type::Refused);
    m.refusal = why;
    return m;
}

Message Message::SeatNotice(Type type, int seat) {
    Message m = Of(type);
    m.seat = seat;
    return m;
}

Message Message::ByeOf(ByeReason why) {
    Message m = Of(Type::Bye);
    m.bye = why;
    return m;
}

Message Message::MismatchOf(int hostVersion, int guestVersion) {
    Message m = Of(Type::VersionMismatch);
    m.version = hostVersion;
    m.theirVersion = guestVersion;
    return m;
}

// Two records are equal without the drawing's places, but a message must carry them whole.
static bool SameDrawing(const RecordEvent& a, const RecordEvent& b) {
    for (std::size_t k = 0; k < a.places.size(); ++k) {
        if (a.places[k].left != b.places[k].left || a.places[k].top != b.places[k].top) return false;
    }
    return a.placed == b.placed && a.quiet == b.quiet;
}

bool Message::operator==(const Message& o) const {
    return SameDrawing(event, o.event) && type == o.type && version == o.version && theirVersion == o.theirVersion && secret == o.secret &&
           game == o.game && number == o.number && seat == o.seat && names == o.names && kinds == o.kinds &&
           event == o.event && text == o.text && refusal == o.refusal && bye == o.bye;
}

bool IsPlainText(const QString& text, int maxChars) {
    if (text.size() > maxChars) return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate()) {
            if (i + 1 >= text.size() || !text[i + 1].isLowSurrogate()) return false;
            ++i;
            continue;
        }
        if (c.isLowSurrogate() || c.unicode() == 0xfffd) return false;
        const QChar::Category category = c.category();
        if (category == QChar::Other_Control || category == QChar::Other_Format ||
            category == QChar::Other_NotAssigned || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph) {
            return false;
        }
    }
    return true;
}

}  // namespace vantry::net
