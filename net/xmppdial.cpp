#include "xmppdial.h"

#include <QDnsLookup>
#include <QHostInfo>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "xmppaccount.h"

namespace vantry::net {

namespace {

constexpr quint16 ClientPort = 5222;
// How long one address of the server is given to take the connection.
constexpr int ConnectMs = 10000;

}  // namespace

XmppDial::XmppDial(const XmppSettings& s, Done done) : done_(std::move(done)), port_(ClientPort) {
    timeout_.setSingleShot(true);
    connect(&timeout_, &QTimer::timeout, this, [this] { Next(); });
    const QString domain = s.address.section(QLatin1Char('@'), 1);
    if (!s.server.isEmpty()) {
        Resolve(s.server, s.port ? s.port : ClientPort);
        return;
    }
    auto* srv = new QDnsLookup(QDnsLookup::SRV, QStringLiteral("_xmpp-client._tcp.") + domain, this);
    connect(srv, &QDnsLookup::finished, this, [this, srv, domain] {
        const auto records = srv->serviceRecords();
        const auto best = std::min_element(records.begin(), records.end(), [](const auto& a, const auto& b) {
            return a.priority() < b.priority();
        });
        if (best == records.end()) return Resolve(domain, ClientPort);
        Resolve(best->target(), best->port());
    });
    srv->lookup();
}

XmppDial::~XmppDial() { Drop(); }

void XmppDial::Resolve(const QString& host, quint16 port) {
    port_ = port;
    QHostInfo::lookupHost(host, this, [this](const QHostInfo& info) {
        addresses_ = info.addresses();
        Next();
    });
}

void XmppDial::Next() {
    Drop();
    if (addresses_.isEmpty()) return Finish(-1);
    const QHostAddress address = addresses_.takeFirst();
    sockaddr_storage where{};
    socklen_t size = 0;
    if (address.protocol() == QAbstractSocket::IPv4Protocol) {
        auto* in = reinterpret_cast<sockaddr_in*>(&where);
        in->sin_family = AF_INET;
        in->sin_port = htons(port_);
        in->sin_addr.s_addr = htonl(address.toIPv4Address());
        size = sizeof(sockaddr_in);
    } else {
        auto* in6 = reinterpret_cast<sockaddr_in6*>(&where);
        in6->sin6_family = AF_INET6;
        in6->sin6_port = htons(port_);
        const Q_IPV6ADDR bytes = address.toIPv6Address();
        std::copy(std::begin(bytes.c), std::end(bytes.c), in6->sin6_addr.s6_addr);
        size = sizeof(sockaddr_in6);
    }
    socket_ = ::socket(where.ss_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket_ < 0) return Next();
    if (::connect(socket_, reinterpret_cast<sockaddr*>(&where), size) == 0) return Connected();
    if (errno != EINPROGRESS) return Next();
    writable_ = std::make_unique<QSocketNotifier>(socket_, QSocketNotifier::Write);
    connect(writable_.get(), &QSocketNotifier::activated, this, [this] {
        int error = 0;
        socklen_t length = sizeof(error);
        writable_->setEnabled(false);
        if (::getsockopt(socket_, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error != 0) {
            // Not from within the notifier's own signal.
            QTimer::singleShot(0, this, [this] { Next(); });
            return;
        }
        Connected();
    });
    timeout_.start(ConnectMs);
}

void XmppDial::Connected() {
    timeout_.stop();
    const int socket = socket_;
    socket_ = -1;
    if (writable_) {
        writable_->setEnabled(false);
        writable_.release()->deleteLater();
    }
    ::fcntl(socket, F_SETFL, ::fcntl(socket, F_GETFL) & ~O_NONBLOCK);
    Finish(socket);
}

void XmppDial::Finish(int socket) {
    QMetaObject::invokeMethod(this, [this, socket] { done_(socket); }, Qt::QueuedConnection);
}

void XmppDial::Drop() {
    timeout_.stop();
    if (writable_) {
        writable_->setEnabled(false);
        writable_.release()->deleteLater();
    }
    if (socket_ >= 0) ::close(socket_);
    socket_ = -1;
}

}  // namespace vantry::net
