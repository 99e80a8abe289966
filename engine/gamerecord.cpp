#include "gamerecord.h"

#include <algorithm>
#include <limits>

#include "gamestate.h"

namespace vantry {

namespace {

constexpr int HighestFace = 5;

bool IsSeat(int seat) { return seat >= 0 && seat < SeatCount; }

// Plays a record through by the rules, one event at a time.
class Replay {
public:
    bool Take(const RecordEvent& e, bool first) {
        if (first != e.StartsGame()) {
            // Only an opened game may follow the first event; a new game begins a record.
            if (first || e.kind != RecordEvent::Kind::Opened) return false;
        }
        switch (e.kind) {
            case RecordEvent::Kind::NewGame: return NewGame(e);
            case RecordEvent::Kind::Opened: return Opened(e, first);
            case RecordEvent::Kind::Throw: return Throw(e);
            case RecordEvent::Kind::Move: return Move(e);
            case RecordEvent::Kind::Turn: return Turn(e);
            case RecordEvent::Kind::Win: return Win(e);
        }
        return false;
    }

    bool EndsAt(const RecordOutcome& outcome) const {
        return outcome.positions == outcome_.positions && outcome.moveCounts == outcome_.moveCounts &&
               outcome.current == outcome_.current;
    }

private:
    bool NewGame(const RecordEvent& e) {
        const std::array<std::int16_t, 4> none{};
        if (e.positions != none || e.moveCounts != none || e.current != 0) return false;
        Start(e);
        return true;
    }

    // A game opened later in the record is the one the record had reached when it was saved.
    bool Opened(const RecordEvent& e, bool first) {
        if (!IsSeat(e.current)) return false;
        for (std::size_t s = 0; s < SeatCount; ++s) {
            if (e.positions[s] < 0 || e.positions[s] > FinalPosition || e.moveCounts[s] < 0) return false;
        }
        if (!first && !EndsAt({e.positions, e.moveCounts, e.current})) return false;
        Start(e);
        return true;
    }

    // The die's last face is not part of a saved game, so the first move after a start may
    // have been made with any of them.
    void Start(const RecordEvent& e) {
        outcome_ = RecordOutcome{e.positions, e.moveCounts, e.current};
        face_ = -1;
        lastMove_ = -1;
    }

    bool Throw(const RecordEvent& e) {
        if (e.seat != outcome_.current || e.face < 0 || e.face > HighestFace) return false;
        face_ = e.face;
        lastMove_ = -1;
        return true;
    }

    bool Move(const RecordEvent& e) {
        if (e.seat != outcome_.current) return false;
        const auto s = static_cast<std::size_t>(e.seat);
        const int from = outcome_.positions[s];
        if (e.from != from || (e.fromStart && from != 0)) return false;
        const int counted = std::min<int>(outcome_.moveCounts[s] + 1, std::numeric_limits<std::int16_t>::max());
        if (e.moves != counted) return false;
        bool thrown = false;
        for (int face = 0; face <= HighestFace && !thrown; ++face) {
            if (face_ >= 0 && face != face_) continue;
            const int p = from + face + 1;
            thrown = e.reached == std::min<int>(p, FinalPosition) && e.to == SquareEffect(p);
        }
        if (!thrown) return false;
        outcome_.positions[s] = e.to;
        outcome_.moveCounts[s] = e.moves;
        lastMove_ = e.seat;
        return true;
    }

    bool Turn(const RecordEvent& e) {
        if (e.seat != (outcome_.current + 1) % SeatCount) return false;
        outcome_.current = e.seat;
        lastMove_ = -1;
        return true;
    }

    bool Win(const RecordEvent& e) {
        if (e.seat != lastMove_) return false;
        const auto s = static_cast<std::size_t>(e.seat);
        if (outcome_.positions[s] != FinalPosition || outcome_.moveCounts[s] != e.moves) return false;
        lastMove_ = -1;
        return true;
    }

    RecordOutcome outcome_;
    int face_ = -1;
    // The seat whose move came last, while a win may still follow it.
    int lastMove_ = -1;
};

// An event of one seat, its other values still to be set.
RecordEvent SeatEvent(RecordEvent::Kind kind, int seat) {
    RecordEvent e;
    e.kind = kind;
    e.seat = static_cast<std::int8_t>(seat);
    return e;
}

}  // namespace

bool RecordEvent::StartsWon() const {
    return StartsGame() && std::find(positions.begin(), positions.end(), FinalPosition) != positions.end();
}

RecordEvent RecordEvent::ThrowOf(int seat, int face) {
    RecordEvent e = SeatEvent(Kind::Throw, seat);
    e.face = static_cast<std::int8_t>(face);
    return e;
}

RecordEvent RecordEvent::MoveOf(const MoveReport& move, bool fromStart) {
    RecordEvent e = SeatEvent(Kind::Move, move.seat);
    e.fromStart = fromStart;
    e.from = static_cast<std::int16_t>(move.from);
    e.reached = static_cast<std::int16_t>(move.reached);
    e.to = static_cast<std::int16_t>(move.to);
    e.moves = static_cast<std::int16_t>(move.moves);
    return e;
}

RecordEvent RecordEvent::TurnOf(int seat) { return SeatEvent(Kind::Turn, seat); }

RecordEvent RecordEvent::WinOf(int seat, int moves) {
    RecordEvent e = SeatEvent(Kind::Win, seat);
    e.moves = static_cast<std::int16_t>(moves);
    return e;
}

RecordEvent RecordEvent::StartOf(const GameState& state, Kind kind, std::string fileName) {
    RecordEvent e;
    e.kind = kind;
    e.positions = state.Position;
    e.moveCounts = state.MoveCount;
    e.current = state.CurrentPlayer;
    e.fileName = std::move(fileName);
    // A game that starts stands every counter in its place.
    e.placed = 0xf;
    for (std::size_t k = 0; k < SeatCount; ++k) e.places[k] = {state.Counters[k].left, state.Counters[k].top};
    return e;
}

bool RecordEvent::operator==(const RecordEvent& o) const {
    return kind == o.kind && seat == o.seat && face == o.face && fromStart == o.fromStart && from == o.from &&
           reached == o.reached && to == o.to && moves == o.moves && positions == o.positions &&
           moveCounts == o.moveCounts && current == o.current && fileName == o.fileName;
}

void WinWatch::Mark(RecordEvent& e) {
    if (e.StartsGame()) won_ = e.StartsWon();
    if (e.kind == RecordEvent::Kind::Win) won_ = true;
    e.quiet = e.kind == RecordEvent::Kind::Turn && won_;
}

bool RecordLeadsTo(const GameRecord& record, const RecordOutcome& outcome) {
    if (record.empty()) return false;
    Replay replay;
    for (std::size_t i = 0; i < record.size(); ++i) {
        if (!replay.Take(record[i], i == 0)) return false;
    }
    return replay.EndsAt(outcome);
}

std::array<SeatTally, 4> TallyOf(const GameRecord& record) {
    std::array<SeatTally, 4> tally{};
    for (const RecordEvent& e : record) {
        if (e.kind != RecordEvent::Kind::Move || !IsSeat(e.seat)) continue;
        SeatTally& t = tally[static_cast<std::size_t>(e.seat)];
        if (e.Move().Ladder()) ++t.ladders;
        if (e.Move().Snake()) ++t.snakes;
    }
    return tally;
}

bool FinishesGame(const GameRecord& record) {
    if (record.empty() || record.back().kind != RecordEvent::Kind::Win) return false;
    // Any opening counts, not only the first: a record may end on the move to the last square
    // without the win, and the game opened after it was won already.
    return std::none_of(record.begin(), record.end() - 1,
                        [](const RecordEvent& e) { return e.kind == RecordEvent::Kind::Win || e.StartsWon(); });
}

}  // namespace vantry
