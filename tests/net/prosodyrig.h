#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>

#include "netrig.h"
#include "xmppaccount.h"

namespace vantry::net::test {

// A real XMPP server of its own on 127.0.0.1 for one test: prosody in the foreground on a free
// port, its configuration and accounts in a temporary folder, in-band registration on, TLS not
// asked for on loopback and the usual rate limit of clients.
class ProsodyRig {
public:
    static constexpr const char* Domain = "localhost";

    explicit ProsodyRig(bool registration = true) {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port_ = probe.serverPort();
        probe.close();
        const QString root = dir_.path();
        QDir(root).mkpath(QStringLiteral("data"));
        QDir(root).mkpath(QStringLiteral("certs"));
        QFile config(Config());
        if (!config.open(QIODevice::WriteOnly)) return;
        config.write(QStringLiteral(R"(run_as_root = true
daemonize = false
data_path = "%1/data"
certificates = "%1/certs"
log = { error = "%1/prosody.log" }
interfaces = { "127.0.0.1" }
c2s_ports = { %2 }
s2s_ports = { }
component_ports = { }
http_ports = { }
https_ports = { }
modules_enabled = { "saslauth"; "tls"; "disco"; "ping"; "register"; "limits" }
modules_disabled = { "s2s"; "posix"; "offline" }
limits = { c2s = { rate = "10kb/s"; burst = "2s" } }
allow_registration = %3
min_seconds_between_registrations = 0
c2s_require_encryption = false
authentication = "internal_hashed"
storage = "internal"
VirtualHost "localhost"
)")
                         .arg(root)
                         .arg(port_)
                         .arg(registration ? QStringLiteral("true") : QStringLiteral("false"))
                         .toUtf8());
    }
    ~ProsodyRig() { Stop(); }

    // Makes an account as an administrator would.
    bool Register(const QString& name, const QString& password) {
        QProcess ctl;
        ctl.setProcessChannelMode(QProcess::MergedChannels);
        ctl.start(QStringLiteral("prosodyctl"), {QStringLiteral("--config"), Config(), QStringLiteral("register"), name,
                                                 QLatin1String(Domain), password});
        return ctl.waitForFinished(20000) && ctl.exitStatus() == QProcess::NormalExit && ctl.exitCode() == 0;
    }

    // True once the server takes connections.
    bool Start() {
        server_.setStandardOutputFile(QProcess::nullDevice());
        server_.setStandardErrorFile(QProcess::nullDevice());
        server_.start(QStringLiteral("prosody"), {QStringLiteral("--config"), Config()});
        if (!server_.waitForStarted(10000)) return false;
        return WaitFor([this] {
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, port_);
            return probe.waitForConnected(200);
        }, 20000);
    }

    void Stop() {
        if (server_.state() == QProcess::NotRunning) return;
        server_.terminate();
        if (!server_.waitForFinished(10000)) {
            server_.kill();
            server_.waitForFinished(5000);
        }
    }

    XmppSettings Account(const QString& name, const QString& password) const {
        return {name + QLatin1Char('@') + QLatin1String(Domain), password, QStringLiteral("127.0.0.1"), port_};
    }

private:
    QString Config() const { return dir_.filePath(QStringLiteral("prosody.cfg.lua")); }

    QTemporaryDir dir_;
    quint16 port_ = 0;
    QProcess server_;
};

}  // namespace vantry::net::test
