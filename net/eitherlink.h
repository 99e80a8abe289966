#pragma once

#include <vector>

#include "link.h"

namespace vantry::net {

// Several ways to the same host tried at once: the first that opens is kept and the others
// are let go. It ends when the one kept ends, or when every way failed, with the most telling
// reason among theirs (a host that is not the invitation's before one that was not reached).
class EitherLink final : public Link {
    Q_OBJECT
public:
    // Takes the links as its children; they must not be open yet.
    EitherLink(std::vector<Link*> ways, QObject* parent = nullptr);

    void Send(const Message& message) override;
    void Close() override;
    void Abort() override;
    bool IsOpen() const override { return chosen_ && chosen_->IsOpen(); }

private:
    void Opened(Link* way);
    void WayEnded(Link* way, LinkEnd why);

    std::vector<Link*> ways_;
    Link* chosen_ = nullptr;
    LinkEnd worst_ = LinkEnd::Unreachable;
    bool ended_ = false;
};

}  // namespace vantry::net
