#pragma once

#include <functional>
#include <string>
#include <vector>

#include "gamelistener.h"
#include "randomsource.h"

namespace vantry::test {

// Hears the engine and writes down every event: cues, moves, and a log of throws, moves, wins,
// passed turns and replaced games in their order ("throw 2 3", "move 2", "won 2", "turn 3",
// "replaced"). `onWon` stands in for the win's windows, which the real board opens while the
// move waits. The record's events come apart into one hook each, for fakes to build on.
class RecordingListener : public GameListener {
public:
    void Recorded(const GameRecord& record, bool) override {
        const RecordEvent& e = record.back();
        last = e;
        switch (e.kind) {
            case RecordEvent::Kind::NewGame:
            case RecordEvent::Kind::Opened: GameReplaced(); break;
            case RecordEvent::Kind::Throw: Thrown(e.seat, e.face); break;
            case RecordEvent::Kind::Move: Moved(e.Move()); break;
            case RecordEvent::Kind::Win: Won(e.seat); break;
            case RecordEvent::Kind::Turn: TurnPassed(e.seat); break;
        }
    }
    void CuePlayed(Cue cue) override { cues.push_back(cue); }
    virtual void Thrown(int seat, int face) { events.push_back("throw " + std::to_string(seat) + " " + std::to_string(face)); }
    virtual void Moved(const MoveReport& m) {
        moves.push_back(m);
        events.push_back("move " + std::to_string(m.seat));
    }
    virtual void Won(int seat) {
        events.push_back("won " + std::to_string(seat));
        if (onWon) onWon(seat);
    }
    virtual void TurnPassed(int seat) { events.push_back("turn " + std::to_string(seat)); }
    virtual void GameReplaced() { events.push_back("replaced"); }
    void Changed() override { ++changes; }

    int Wins() const {
        int n = 0;
        for (const std::string& e : events) n += e.rfind("won ", 0) == 0 ? 1 : 0;
        return n;
    }

    std::vector<Cue> cues;
    std::vector<MoveReport> moves;
    std::vector<std::string> events;
    int changes = 0;
    std::function<void(int)> onWon;
    // The event heard last.
    RecordEvent last;
};

// Plays back a fixed list of draws, round and round; counts the reseeds.
class ScriptedRandom : public RandomSource {
public:
    explicit ScriptedRandom(std::vector<float> draws = {0.0f}) : draws_(std::move(draws)) {}
    void Reseed() override { ++reseeds; }
    float Next() override {
        const float r = draws_[next_ % draws_.size()];
        ++next_;
        return r;
    }
    // The draw that throws `pips` (1..6).
    static float For(int pips) { return (static_cast<float>(pips) - 0.5f) / 6.0f; }
    void Script(std::vector<float> draws) {
        draws_ = std::move(draws);
        next_ = 0;
    }
    int reseeds = 0;

private:
    std::vector<float> draws_;
    std::size_t next_ = 0;
};

}  // namespace vantry::test
