// What hosting costs the host: a game at the brisk pace while hostile connections come at it,
// and a game with every remote seat and watcher place taken. The host runs in a process of its
// own, the guests in another and the attacker in a third, so that the host's figures are its
// own; they meet over 127.0.0.1 and leave what they measured in files of a scratch folder.
#include <sys/resource.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "childprocess.h"
#include "directserver.h"
#include "engine.h"
#include "framereader.h"
#include "gameguest.h"
#include "gamehost.h"
#include "hostidentity.h"
#include "hostloadreport.h"
#include "invitation.h"
#include "messagecodec.h"
#include "procstats.h"
#include "randomsource.h"

namespace {

using namespace vantry;
using namespace vantry::net;
using namespace vantry::bench;
namespace fs = std::filesystem;

constexpr std::int64_t StepNs = BriskStepMs * 1000000LL;
// Hostile connections open this far apart, in rounds of this many.
constexpr int AttackGapMs = 20;
constexpr int AttackRoundSize = 200;
// A watcher that dials the host this long into the attack, when the silent connections have
// long filled what the host allows at once.
constexpr int LateWatcherAfterMs = 5000;
constexpr int TableWatchers = 16;

std::string Arg(int argc, char** argv, const std::string& key, const std::string& fallback = {}) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (argv[i] == key) return argv[i + 1];
    }
    return fallback;
}

// Written whole under another name first, so a reader never sees half of it.
void WriteFile(const fs::path& path, const std::string& text) {
    const fs::path part = path.string() + ".part";
    std::ofstream(part) << text;
    fs::rename(part, path);
}

bool Exists(const fs::path& path) { return fs::exists(path); }

// Runs `each` on the event loop every few milliseconds until it says stop.
void Poll(const std::function<bool()>& each) {
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (each()) QCoreApplication::quit();
    });
    timer.start(20);
    QCoreApplication::exec();
}

double CpuNsSelf() {
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    const auto ns = [](const timeval& t) { return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_usec) * 1e3; };
    return ns(use.ru_utime) + ns(use.ru_stime);
}

// ---------------------------------------------------------------------------------------------
// The host: the engine with the production die, the direct server with its production limits
// and the referee. The computer seats step on a timer at the brisk pace, each step due a pace
// after the one before, as the board window's timers drive them; a won game starts anew.

class EventStamps final : public RecordFollower {
public:
    EventStamps(const GameHost& host, std::ostream& out) : host_(host), out_(out) {}
    void Recorded(const GameRecord& record, bool) override {
        if (phase >= 0 && !record.empty())
            out_ << "event " << phase << ' ' << host_.Game() << ' ' << record.size() - 1 << ' ' << MonotonicNs() << '\n';
    }
    // The phase being measured; none (-1) before and after.
    int phase = -1;

private:
    const GameHost& host_;
    std::ostream& out_;
};

int RunHost(int argc, char** argv) {
    const fs::path dir = Arg(argc, argv, "--dir");
    std::vector<int> remote;
    for (char c : Arg(argc, argv, "--seats")) remote.push_back(c - '0');
    const int watchers = std::stoi(Arg(argc, argv, "--watchers", "0"));
    std::vector<int> phases;
    std::istringstream lengths(Arg(argc, argv, "--phases"));
    for (int s = 0; lengths >> s;) phases.push_back(s);

    GameState state;
    ClockRandom random;
    Engine engine{state, random};
    const std::optional<HostIdentity> identity = HostIdentity::Make();
    if (!identity) return 1;
    DirectServer server{*identity};
    GameHost host{engine, server};
    std::ostringstream out;
    EventStamps stamps(host, out);
    engine.AddRecordFollower(&stamps);
    for (int s = 0; s < SeatCount; ++s) engine.SetSeat(s, true, "Computer " + std::to_string(s + 1));
    for (int s : remote) {
        engine.SetSeat(s, false, "Player " + std::to_string(s + 1));
        engine.SetRemote(s, true);
    }
    engine.ResetBoard();
    if (!server.Listen()) return 1;

    std::ostringstream links;
    const auto invite = [&](int seat, const QByteArray& secret) {
        Invitation in;
        in.address = QHostAddress(QHostAddress::LocalHost);
        in.port = server.Port();
        in.fingerprint = identity->Fingerprint();
        in.seat = seat;
        in.secret = secret;
        links << in.Format().toStdString() << '\n';
    };
    for (int s : remote) invite(s, host.OfferSeat(s));
    // Under attack, two watchers more, last: the one that comes late and the attacker's own,
    // with which it floods once it is in.
    const bool attacked = Arg(argc, argv, "--attacked") == "1";
    for (int w = 0; w < watchers + (attacked ? 2 : 0); ++w) invite(Invitation::Watch, host.AddWatcher());
    WriteFile(dir / "invitations", links.str());

    const auto guests = static_cast<int>(remote.size()) + watchers;
    std::int64_t due = 0, phaseEnd = 0;
    std::size_t phase = 0;
    int steps = 0;
    double cpuAt = 0.0;
    std::int64_t wallAt = 0;
    bool started = false, finished = false;
    QTimer step;
    step.setSingleShot(true);
    step.setTimerType(Qt::PreciseTimer);
    const auto schedule = [&] { step.start(static_cast<int>(std::max<std::int64_t>(0, (due - MonotonicNs() + 999999) / 1000000))); };
    const auto beginPhase = [&](std::int64_t now) {
        stamps.phase = static_cast<int>(phase);
        steps = 0;
        cpuAt = CpuNsSelf();
        wallAt = now;
        phaseEnd = now + static_cast<std::int64_t>(phases[phase]) * 1000000000LL;
        WriteFile(dir / ("phase-" + std::to_string(phase)), "");
    };
    QObject::connect(&step, &QTimer::timeout, [&] {
        const std::int64_t now = MonotonicNs();
        out << "late " << phase << ' ' << now - due << '\n';
        ++steps;
        if (state.TurnPhase() == Phase::Won) {
            engine.ResetBoard();
        } else if (state.IsComputer[static_cast<std::size_t>(state.CurrentPlayer)]) {
            state.TurnPhase() == Phase::AwaitingThrow ? engine.timPlay_Timer() : engine.timGo_Timer();
        }
        // A step later than a whole pace is missed, not made up.
        do due += StepNs;
        while (due <= now);
        if (now >= phaseEnd) {
            out << "phase " << phase << ' ' << steps << ' ' << phases[phase] * 1000 / BriskStepMs << ' '
                << (CpuNsSelf() - cpuAt) / static_cast<double>(now - wallAt) << '\n';
            if (++phase == phases.size()) {
                stamps.phase = -1;
                finished = true;
                WriteFile(dir / "host", out.str());
                return;
            }
            beginPhase(now);
        }
        schedule();
    });
    // Guests that have not all joined within a minute, or a finish never called for, end it.
    const std::int64_t giveUp = MonotonicNs() + 60000000000LL;
    std::int64_t finishedAt = 0;
    Poll([&] {
        const std::int64_t now = MonotonicNs();
        if (!started && server.Connections() >= guests) {
            bool seated = true;
            for (int s : remote) seated = seated && host.Joined(s);
            if (seated) {
                // A second to settle after the last join before anything is measured.
                started = true;
                QTimer::singleShot(1000, [&] {
                    beginPhase(MonotonicNs());
                    due = MonotonicNs() + StepNs;
                    schedule();
                });
            }
        }
        if (finished && !finishedAt) finishedAt = now;
        // The host stays up until everyone has read what it measured.
        return (finished && Exists(dir / "finish")) || (!started && now > giveUp) ||
               (finishedAt && now - finishedAt > 60000000000LL);
    });
    engine.RemoveRecordFollower(&stamps);
    return finished ? 0 : 1;
}

// ---------------------------------------------------------------------------------------------
// The guests: the seated ones play their seat at the pace, a step a pace after their board
// showed their turn, following the game with an engine as the guest's window does; each guest
// stamps every event it hears.

struct Player {
    explicit Player(const Invitation& in) : guest(std::make_unique<GameGuest>(in)) {}
    std::unique_ptr<GameGuest> guest;
    GameState state;
    ClockRandom random;
    Engine engine{state, random};
    std::size_t askedAt = 0;
};

int RunGuests(int argc, char** argv) {
    const fs::path dir = Arg(argc, argv, "--dir");
    const bool late = Arg(argc, argv, "--attacked") == "1";
    std::vector<Invitation> invitations;
    std::ifstream in(dir / "invitations");
    for (std::string line; std::getline(in, line);) {
        if (auto i = Invitation::Parse(QString::fromStdString(line))) invitations.push_back(*i);
    }
    if (late) invitations.pop_back();  // the attacker's
    if (invitations.empty()) return 1;
    const Invitation lateOne = invitations.back();
    if (late) invitations.pop_back();

    std::ostringstream out;
    // Lines of chat the guests were shown: none is said but the attacker's flood.
    int chats = 0;
    std::vector<std::unique_ptr<Player>> players;
    for (const Invitation& i : invitations) {
        players.push_back(std::make_unique<Player>(i));
        Player* p = players.back().get();
        QObject::connect(p->guest.get(), &GameGuest::EventReceived, [p, &out, index = players.size()](int number, const RecordEvent&) {
            out << "event " << index << ' ' << p->guest->Setup().game << ' ' << number << ' ' << MonotonicNs() << '\n';
            const GameRecord& record = p->guest->Record();
            p->engine.Follow(record, number == 0);
            const int seat = p->guest->Seat();
            if (seat == Invitation::Watch || p->state.TurnPhase() == Phase::Won || p->state.CurrentPlayer != seat ||
                p->askedAt == record.size())
                return;
            p->askedAt = record.size();
            const Phase phase = p->state.TurnPhase();
            QTimer::singleShot(BriskStepMs, p->guest.get(), [p, phase, held = record.size()] {
                if (p->guest->Record().size() != held) return;
                phase == Phase::AwaitingThrow ? p->guest->Throw() : p->guest->Move();
            });
        });
        QObject::connect(p->guest.get(), &GameGuest::ChatHeard, [&chats] { ++chats; });
        p->guest->Start();
    }

    std::unique_ptr<GameGuest> lateGuest;
    std::int64_t lateAt = 0, joinedAt = 0;
    Poll([&] {
        if (late && !lateGuest && Exists(dir / "phase-1")) {
            lateGuest = std::make_unique<GameGuest>(lateOne);
            QTimer::singleShot(LateWatcherAfterMs, lateGuest.get(), [&] {
                lateAt = MonotonicNs();
                lateGuest->Start();
            });
        }
        if (lateGuest && lateAt && !joinedAt && lateGuest->Connected()) joinedAt = MonotonicNs();
        if (!Exists(dir / "host")) return false;
        if (late) out << "late " << (joinedAt ? static_cast<double>(joinedAt - lateAt) / 1e9 : -1.0) << '\n';
        out << "chats " << chats << '\n';
        WriteFile(dir / "guests", out.str());
        return true;
    });
    return 0;
}

// ---------------------------------------------------------------------------------------------
// The attacker: connections that are no guest, of five kinds by turns, one every AttackGapMs
// from the start of the attack until the host has measured it: a hello with a wrong secret,
// bytes that are no TLS, a connection that says nothing, a frame's length past the largest,
// and a flood of lines from a watcher let in by a secret of its own. Each counts as dropped
// when the host ends it; one still open a handshake's deadline after the attack is not.

struct Hostile {
    std::string kind;
    QTcpSocket* socket = nullptr;
    std::int64_t openedNs = 0;
    std::int64_t heldNs = -1;  // from opening to the host's drop
    bool encrypted = false;
};

QByteArray Frame(const Message& m) { return FrameReader::Framed(EncodeMessage(m)); }

void Attack(Hostile& h, int kind, const Invitation& target, QObject* owner) {
    const quint16 port = target.port;
    QTcpSocket*& socket = h.socket;
    if (kind == 1 || kind == 2) {
        // Garbage where the TLS handshake belongs, or nothing at all.
        socket = new QTcpSocket(owner);
        if (kind == 1) {
            QObject::connect(socket, &QTcpSocket::connected, socket, [socket] {
                QByteArray junk(4096, '\0');
                for (char& c : junk) c = static_cast<char>(QRandomGenerator::global()->generate());
                socket->write(junk);
            });
        }
        socket->connectToHost(QHostAddress(QHostAddress::LocalHost), port);
        return;
    }
    auto* tls = new QSslSocket(owner);
    socket = tls;
    tls->setPeerVerifyMode(QSslSocket::VerifyNone);
    QObject::connect(tls, &QSslSocket::readyRead, tls, [tls] { tls->readAll(); });
    QObject::connect(tls, &QSslSocket::encrypted, tls, [tls, kind, secret = target.secret, &h] {
        h.encrypted = true;
        if (kind == 0) {
            tls->write(Frame(Message::HelloOf(NewSecret(), 0, -1)));
        } else if (kind == 3) {
            // A length past the largest frame, and the start of what it promises.
            QByteArray big("\x00\x10\x00\x00", 4);
            big += QByteArray(8192, 'x');
            tls->write(big);
        } else {
            // In by the attacker's own watcher invitation (while no other of its connections
            // holds it), then far more lines at once than the rate allows.
            QByteArray flood = Frame(Message::HelloOf(secret, 0, -1));
            const QByteArray chat = Frame(Message::ChatOf(0, QStringLiteral("hello hello hello")));
            for (int i = 0; i < 500; ++i) flood += chat;
            tls->write(flood);
        }
    });
    tls->connectToHostEncrypted(QStringLiteral("127.0.0.1"), port);
}

int RunAttacker(int argc, char** argv) {
    const fs::path dir = Arg(argc, argv, "--dir");
    std::ifstream in(dir / "invitations");
    std::string last;
    for (std::string line; std::getline(in, line);) last = line;
    const std::optional<Invitation> target = Invitation::Parse(QString::fromStdString(last));
    if (!target) return 1;
    static const char* const Kinds[] = {"bad secret", "garbage bytes", "silent (no handshake)", "oversize frame",
                                        "flood of frames"};
    // The sockets go before what their handlers write to.
    std::vector<std::unique_ptr<Hostile>> hostile;
    QObject owner;
    QTimer opener;
    int next = 0;
    QObject::connect(&opener, &QTimer::timeout, [&] {
        auto h = std::make_unique<Hostile>();
        const int kind = next++ % 5;
        h->kind = Kinds[kind];
        Attack(*h, kind, *target, &owner);
        Hostile* raw = h.get();
        raw->openedNs = MonotonicNs();
        const auto gone = [raw] {
            if (raw->heldNs < 0) raw->heldNs = MonotonicNs() - raw->openedNs;
        };
        QObject::connect(raw->socket, &QAbstractSocket::disconnected, raw->socket, gone);
        QObject::connect(raw->socket, &QAbstractSocket::errorOccurred, raw->socket, gone);
        hostile.push_back(std::move(h));
    });
    opener.start(AttackGapMs);
    std::int64_t stoppedAt = 0;
    Poll([&] {
        if (!stoppedAt && Exists(dir / "host")) {
            opener.stop();
            stoppedAt = MonotonicNs();
        }
        if (!stoppedAt) return false;
        bool open = false;
        for (const auto& h : hostile) open = open || h->heldNs < 0;
        return !open || MonotonicNs() - stoppedAt > (DirectLink::HandshakeMs + 3000) * 1000000LL;
    });
    std::ostringstream out;
    for (const auto& h : hostile) out << "conn " << h->heldNs << ' ' << h->encrypted << ' ' << h->kind << '\n';
    WriteFile(dir / "attack", out.str());
    return 0;
}

// ---------------------------------------------------------------------------------------------
// The orchestra: starts the three, waits for their files and reads them.

// False after `seconds`, or at once when the host has ended without it.
bool WaitForFile(const fs::path& path, int seconds, ChildProcess& host) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!Exists(path)) {
        if (std::chrono::steady_clock::now() > until || !host.Running()) return Exists(path);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// The "event" lines of a file by their first field: the phase in the host's, the guest in the
// guests'.
std::map<int, std::vector<EventStamp>> ReadStamps(const fs::path& path) {
    std::map<int, std::vector<EventStamp>> stamps;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        std::istringstream f(line);
        std::string key;
        int group = 0;
        EventStamp s;
        long long ns = 0;
        if (f >> key >> group >> s.game >> s.number >> ns && key == "event") {
            s.ns = ns;
            stamps[group].push_back(s);
        }
    }
    return stamps;
}

PhaseFigures ReadPhase(const fs::path& dir, int phase) {
    PhaseFigures figures;
    std::ifstream in(dir / "host");
    for (std::string line; std::getline(in, line);) {
        std::istringstream f(line);
        std::string key;
        int p = -1;
        f >> key >> p;
        if (p != phase) continue;
        if (key == "late") {
            long long ns = 0;
            f >> ns;
            figures.lateMs.push_back(static_cast<double>(ns) / 1e6);
        } else if (key == "phase") {
            f >> figures.stepsTaken >> figures.stepsDue >> figures.cpuShare;
        }
    }
    const std::vector<EventStamp> recorded = ReadStamps(dir / "host")[phase];
    for (const auto& [guest, heard] : ReadStamps(dir / "guests")) {
        const std::vector<double> ms = Latencies(recorded, heard);
        figures.latencyMs.insert(figures.latencyMs.end(), ms.begin(), ms.end());
    }
    return figures;
}

struct Run {
    fs::path dir;
    bool ok = false;
};

// One hosted game with its guests (and the attacker in its second phase), until the host has
// written what it measured and the others theirs.
Run Host(const std::string& self, const std::string& seats, int watchers, const std::string& phases, bool attacked) {
    char pattern[] = "/tmp/vantry-hostload-XXXXXX";
    Run run{mkdtemp(pattern)};
    const std::string d = run.dir.string();
    const std::vector<std::string> env;
    ChildProcess host({self, "--role", "host", "--dir", d, "--seats", seats, "--watchers", std::to_string(watchers),
                       "--phases", phases, "--attacked", attacked ? "1" : "0"},
                      env, d + "/host.log");
    if (!WaitForFile(run.dir / "invitations", 30, host)) return run;
    ChildProcess guests({self, "--role", "guests", "--dir", d, "--attacked", attacked ? "1" : "0"}, env, d + "/guests.log");
    std::unique_ptr<ChildProcess> attacker;
    if (attacked) {
        if (!WaitForFile(run.dir / "phase-1", 300, host)) return run;
        attacker = std::make_unique<ChildProcess>(std::vector<std::string>{self, "--role", "attack", "--dir", d}, env,
                                                  d + "/attack.log");
    }
    if (!WaitForFile(run.dir / "host", 300, host) || !WaitForFile(run.dir / "guests", 30, host)) return run;
    if (attacked && !WaitForFile(run.dir / "attack", DirectLink::HandshakeMs / 1000 + 30, host)) return run;
    WriteFile(run.dir / "finish", "");
    run.ok = true;
    return run;
}

std::optional<AttackRound> MeasureAttack(const std::string& self, int seconds) {
    const Run run = Host(self, "0", 0, std::to_string(seconds) + " " + std::to_string(seconds), true);
    if (!run.ok) {
        std::fprintf(stderr, "the attacked host's round did not finish; its files are in %s\n", run.dir.c_str());
        return std::nullopt;
    }
    AttackRound r{ReadPhase(run.dir, 0), ReadPhase(run.dir, 1), {}, {}};
    std::ifstream in(run.dir / "attack");
    for (std::string line; std::getline(in, line);) {
        std::istringstream f(line);
        std::string key, kind;
        long long heldNs = 0;
        int encrypted = 0;
        if (!(f >> key >> heldNs >> encrypted) || key != "conn") continue;
        std::getline(f >> std::ws, kind);
        r.counts.encrypted[kind] += encrypted;
        ++r.counts.opened[kind];
        r.counts.dropped[kind] += heldNs >= 0 ? 1 : 0;
        double& longest = r.counts.longestHeldS[kind];
        longest = std::max(longest, static_cast<double>(heldNs) / 1e9);
    }
    std::ifstream g(run.dir / "guests");
    for (std::string line; std::getline(g, line);) {
        if (line.rfind("late ", 0) == 0) r.late.seconds = std::stod(line.substr(5));
        if (line.rfind("chats ", 0) == 0) r.chatsHeard = std::stoi(line.substr(6));
    }
    fs::remove_all(run.dir);
    return r;
}

std::optional<TableRound> MeasureTable(const std::string& self, int seconds) {
    const Run run = Host(self, "012", TableWatchers, std::to_string(seconds), false);
    if (!run.ok) {
        std::fprintf(stderr, "the full table's round did not finish; its files are in %s\n", run.dir.c_str());
        return std::nullopt;
    }
    TableRound r{ReadPhase(run.dir, 0)};
    fs::remove_all(run.dir);
    return r;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string role = Arg(argc, argv, "--role");
    if (!role.empty()) {
        QCoreApplication app(argc, argv);
        if (role == "host") return RunHost(argc, argv);
        if (role == "guests") return RunGuests(argc, argv);
        if (role == "attack") return RunAttacker(argc, argv);
        return 2;
    }
    const int rounds = std::stoi(Arg(argc, argv, "--rounds", "3"));
    const int attackSeconds = std::stoi(Arg(argc, argv, "--attack-seconds", "20"));
    const int tableSeconds = std::stoi(Arg(argc, argv, "--table-seconds", "30"));
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    std::vector<AttackRound> attack;
    std::vector<TableRound> table;
    // By turns, so that whatever else the machine does falls on both alike.
    for (int i = 0; i < rounds; ++i) {
        if (auto r = MeasureAttack(self, attackSeconds)) attack.push_back(std::move(*r));
        if (auto r = MeasureTable(self, tableSeconds)) table.push_back(std::move(*r));
    }
    if (attack.empty() || table.empty()) return 1;
    PrintHostLoadReport(attackSeconds, tableSeconds, attack, table);
    return 0;
}
