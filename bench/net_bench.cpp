// Direct play over loopback: how long an event the host's engine records takes to reach a
// guest (the 95th percentile of many), and how many bytes a move event costs on the wire. Then
// the same through a prosody on loopback, at the brisk computer's pace, with the largest stanza
// either account sent, and a watcher's catch-up on a long game.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>

#include <algorithm>
#include <vector>

#include "framereader.h"
#include "messagecodec.h"
#include "netrig.h"
#include "prosodyrig.h"
#include "xmpplink.h"

namespace {

using namespace vantry;
using namespace vantry::net;
namespace rig = vantry::net::test;
using vantry::test::ScriptedRandom;

// Plays the host's computer seats a step each iteration, `pauseMs` apart (untimed), and times
// each event's way to the guest; the 50th and 95th percentiles go into the counters.
void TimeEvents(benchmark::State& st, rig::HostRig& host, rig::GuestRig& guest, int pauseMs) {
    std::vector<double> micros;
    QElapsedTimer clock;
    for (auto _ : st) {
        if (host.state.TurnPhase() == Phase::Won || pauseMs > 0) {
            st.PauseTiming();
            if (host.state.TurnPhase() == Phase::Won) {
                host.engine.ResetBoard();
                rig::WaitFor([&] { return guest.HoldsAll(host.state); });
            }
            if (pauseMs > 0) rig::Settle(pauseMs);
            st.ResumeTiming();
        }
        clock.start();
        host.PlayComputer();
        const std::size_t held = host.state.Record.size();
        QDeadlineTimer deadline(10000);
        while (guest.guest->Record().size() < held && !deadline.hasExpired()) QCoreApplication::processEvents();
        if (guest.guest->Record().size() < held) {
            st.SkipWithError("an event did not arrive");
            return;
        }
        micros.push_back(static_cast<double>(clock.nsecsElapsed()) / 1000.0);
    }
    if (micros.empty()) return;
    std::sort(micros.begin(), micros.end());
    st.counters["p50_us"] = micros[micros.size() / 2];
    st.counters["p95_us"] = micros[std::min(micros.size() - 1, micros.size() * 95 / 100)];
}

void BM_HostEventReachesGuest(benchmark::State& st) {
    rig::HostRig host({ScriptedRandom::For(2), ScriptedRandom::For(5)});
    for (int s = 0; s < 4; ++s) host.engine.SetSeat(s, true, "Computer");
    rig::GuestRig guest(host.Invite(Invitation::Watch));
    if (!rig::WaitFor([&] { return guest.guest->Connected(); })) {
        st.SkipWithError("the guest did not join");
        return;
    }
    TimeEvents(st, host, guest, 0);
}
BENCHMARK(BM_HostEventReachesGuest)->Iterations(2000)->Unit(benchmark::kMicrosecond);

// A move that set every counter, at the widest numbers the fields take.
void BM_MoveEventBytes(benchmark::State& st) {
    RecordEvent e = RecordEvent::MoveOf(MoveReport{3, 93, 98, 61, 32767}, false);
    e.placed = 0b1111;
    for (CounterPlace& p : e.places) p = CounterPlace{-12345.678f, 98765.43f};
    qsizetype bytes = 0;
    for (auto _ : st) {
        bytes = FrameReader::Framed(EncodeMessage(Message::EventOf(2147483647, e))).size();
        benchmark::DoNotOptimize(bytes);
    }
    st.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_MoveEventBytes);

// A host and a watcher through the server; the host's computer seats play a step every 250 ms.
void BM_HostEventReachesGuestThroughXmpp(benchmark::State& st) {
    rig::ProsodyRig prosody;
    if (!prosody.Register(QStringLiteral("host"), QStringLiteral("pw")) ||
        !prosody.Register(QStringLiteral("guest"), QStringLiteral("pw")) || !prosody.Start()) {
        st.SkipWithError("prosody did not start");
        return;
    }
    rig::HostRig host({ScriptedRandom::For(2), ScriptedRandom::For(5), ScriptedRandom::For(3)});
    for (int s = 0; s < 4; ++s) host.engine.SetSeat(s, true, "Computer");
    XmppAccount hostAccount(prosody.Account(QStringLiteral("host"), QStringLiteral("pw")), QStringLiteral("bench-host"));
    XmppAccount guestAccount(prosody.Account(QStringLiteral("guest"), QStringLiteral("pw")), QStringLiteral("bench-guest"));
    XmppServer server(hostAccount, [&](const QByteArray& keyId) { return host.host.SecretOf(keyId); });
    host.host.Listen(server);
    hostAccount.Start();
    guestAccount.Start();
    const auto dial = [&](const Invitation& in, QObject* parent) -> Link* { return XmppLink::Dial(guestAccount, in, parent); };
    Invitation in = host.Invite(Invitation::Watch);
    in.xmpp = hostAccount.Address();
    rig::GuestRig guest(in, dial);
    if (!rig::WaitFor([&] { return guest.guest->Connected(); })) {
        st.SkipWithError("the guest did not join through the server");
        return;
    }
    TimeEvents(st, host, guest, 250);
    if (st.error_occurred()) return;

    // A long game is played out at once, then one more watcher joins and takes its record whole.
    for (int step = 0; step < 400 && host.state.TurnPhase() != Phase::Won; ++step) host.PlayComputer();
    rig::WaitFor([&] { return guest.HoldsAll(host.state); });
    QElapsedTimer clock;
    Invitation late = host.Invite(Invitation::Watch);
    late.xmpp = hostAccount.Address();
    clock.start();
    rig::GuestRig watcher(late, dial);
    const bool caught = rig::WaitFor([&] { return watcher.HoldsAll(host.state); });
    st.counters["catchup_events"] = static_cast<double>(host.state.Record.size());
    st.counters["catchup_ms"] = caught ? static_cast<double>(clock.elapsed()) : -1.0;
    st.counters["largest_stanza_bytes"] = std::max(hostAccount.LargestStanza(), guestAccount.LargestStanza());
}
BENCHMARK(BM_HostEventReachesGuestThroughXmpp)->Iterations(120)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
