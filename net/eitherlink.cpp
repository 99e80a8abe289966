#include "eitherlink.h"

#include <algorithm>

namespace vantry::net {

EitherLink::EitherLink(std::vector<Link*> ways, QObject* parent) : Link(parent), ways_(std::move(ways)) {
    for (Link* way : ways_) {
        way->setParent(this);
        connect(way, &Link::Opened, this, [this, way] { Opened(way); });
        connect(way, &Link::Received, this, [this, way](const Message& m) {
            if (way == chosen_) emit Received(m);
        });
        connect(way, &Link::Ended, this, [this, way](LinkEnd why) { WayEnded(way, why); });
    }
}

void EitherLink::Opened(Link* way) {
    if (chosen_ || ended_) return;
    chosen_ = way;
    // Closed, not dropped: a host the other way reached lets its end go at once.
    for (Link* other : std::vector<Link*>(ways_)) {
        if (other != way) other->Close();
    }
    emit Link::Opened();
}

void EitherLink::WayEnded(Link* way, LinkEnd why) {
    ways_.erase(std::remove(ways_.begin(), ways_.end(), way), ways_.end());
    way->deleteLater();
    if (ended_) return;
    if (chosen_) {
        if (way != chosen_) return;
        ended_ = true;
        emit Ended(why);
        return;
    }
    if (why == LinkEnd::CertificateMismatch) worst_ = why;
    if (!ways_.empty()) return;
    ended_ = true;
    emit Ended(worst_);
}

void EitherLink::Send(const Message& message) {
    if (chosen_) chosen_->Send(message);
}

void EitherLink::Close() {
    if (ended_) return;
    ended_ = true;
    for (Link* way : std::vector<Link*>(ways_)) way->Close();
    emit Ended(LinkEnd::Closed);
}

void EitherLink::Abort() {
    if (ended_) return;
    ended_ = true;
    for (Link* way : std::vector<Link*>(ways_)) way->Abort();
    emit Ended(LinkEnd::Closed);
}

}  // namespace vantry::net
