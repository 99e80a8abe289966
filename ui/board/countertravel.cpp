#include "board/countertravel.h"

#include "board/clickpanel.h"
#include "gamerecord.h"
#include "gamestate.h"
#include "playeroptions.h"

namespace vantry {

namespace {
// About sixty frames a second: smooth enough for a hop of fifty milliseconds.
constexpr int FrameMs = 16;
}  // namespace

CounterTravel::CounterTravel(const GameState& state, const std::array<ClickPanel*, 4>& counters)
    : state_(state), counters_(counters) {
    timer_.setInterval(FrameMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { Frame(Now()); });
    for (std::size_t i = 0; i < 4; ++i) targets_[i] = drawn_[i] = {state.Counters[i].left, state.Counters[i].top};
}

qint64 CounterTravel::Now() const { return clock_.isValid() ? clock_.elapsed() : 0; }

void CounterTravel::Apply(const PlayerOptions& options) {
    constexpr int designed = PlayerOptions::DesignedPace;
    const int pace = options.pace;
    speed_ = pace > 0 && pace < designed ? static_cast<float>(designed) / static_cast<float>(pace) : 1.0f;
    enabled_ = options.travel && qEnvironmentVariable("VANTRY_NO_TRAVEL") != QLatin1String("1");
    if (enabled_) return;
    for (int i = 0; i < 4; ++i) {
        if (travelling_[Index(i)]) Jump(i);
    }
}

void CounterTravel::Follow(const RecordEvent& event, bool jump) {
    for (int i = 0; i < 4; ++i) {
        if (!event.Placed(i)) continue;
        targets_[Index(i)] = event.places[Index(i)];
        const TwipsRect& counter = state_.Counters[Index(i)];
        if (!enabled_ || jump || event.StartsGame()) {
            Jump(i);
        } else if (event.kind == RecordEvent::Kind::Move && i == event.seat) {
            SetOff(i, MovePath(event.Move(), drawn_[Index(i)], counter.width, counter.height));
        } else {
            TravelPath glide(drawn_[Index(i)]);
            glide.Finish(GlideMs);
            SetOff(i, glide);
        }
    }
}

void CounterTravel::SetMapping(const TwipsMapping& mapping) {
    mapping_ = mapping;
    for (int i = 0; i < 4; ++i) Draw(i);
}

void CounterTravel::Jump(int i) {
    travelling_[Index(i)] = false;
    drawn_[Index(i)] = targets_[Index(i)];
    Draw(i);
}

void CounterTravel::SetOff(int i, const TravelPath& path) {
    if (!clock_.isValid()) clock_.start();
    paths_[Index(i)] = path;
    startedAt_[Index(i)] = Now();
    travelling_[Index(i)] = true;
    if (!timer_.isActive()) timer_.start();
}

void CounterTravel::Frame(qint64 nowMs) {
    bool any = false;
    for (int i = 0; i < 4; ++i) {
        const std::size_t k = Index(i);
        if (!travelling_[k]) continue;
        const auto ms = static_cast<float>(nowMs - startedAt_[k]) * speed_;
        drawn_[k] = paths_[k].At(ms, targets_[k]);
        travelling_[k] = ms < paths_[k].TotalMs();
        any = any || travelling_[k];
        Draw(i);
    }
    if (!any) timer_.stop();
}

void CounterTravel::Draw(int i) {
    const TwipsRect& counter = state_.Counters[Index(i)];
    const CounterPlace& at = drawn_[Index(i)];
    counters_[Index(i)]->setGeometry(mapping_.Rect(TwipsRect{at.left, at.top, counter.width, counter.height}));
}

}  // namespace vantry
