#pragma once

#include <QObject>

namespace vantry::net {

class Link;

// The host's side of a transport: hands over each peer that connects.
class LinkServer : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    // The server owns the link (as its Qt parent) until the receiver deletes it.
    void Arrived(vantry::net::Link* link);
};

}  // namespace vantry::net
