#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <functional>
#include <memory>

namespace vantry::net {

struct XmppSettings;

// A TCP connection to the account's server made on the event loop: the server named in the
// settings, or the one the domain's SRV record names, or the domain itself; each address in turn.
class XmppDial final : public QObject {
public:
    using Done = std::function<void(int socket)>;  // -1: none could be made

    XmppDial(const XmppSettings& s, Done done);
    ~XmppDial() override;

private:
    void Resolve(const QString& host, quint16 port);
    void Next();
    // gloox reads and writes it as a blocking socket.
    void Connected();
    // Heard from the event loop, never from within a call of the one that made it.
    void Finish(int socket);
    void Drop();

    Done done_;
    QList<QHostAddress> addresses_;
    quint16 port_;
    int socket_ = -1;
    std::unique_ptr<QSocketNotifier> writable_;
    QTimer timeout_;
};

}  // namespace vantry::net
