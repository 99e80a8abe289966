#include "dialogs/racechart.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <functional>

#include "board/announcer.h"
#include "gamestate.h"
#include "seat/seatlook.h"

namespace vantry {

namespace {

constexpr int Margin = 8;
constexpr int AxisRoom = 28;
constexpr int LegendRow = 22;
// Marks are left out where the moves stand closer than this, but for each seat's last one.
constexpr double MarkSpacing = 9.0;
constexpr double MarkSize = 4.0;
const std::array<Qt::PenStyle, 4> LineStyle{Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine};

// A seat's mark on the chart: its shape, drawn over by the seat's line pens.
void Mark(QPainter& p, std::size_t seat, QPointF at) {
    const double r = MarkSize + 1;
    p.drawPath(SeatLook::MarkShape(static_cast<int>(seat), QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r)));
}

// A dark edge under every line and mark keeps yellow and green readable on the light ground.
void StrokeTwice(QPainter& p, std::size_t seat, const std::function<void()>& draw, Qt::PenStyle style) {
    p.setPen(QPen(QColor(40, 40, 40), 4.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(40, 40, 40));
    draw();
    p.setPen(QPen(SeatLook::Colour(static_cast<int>(seat)), 2.0, style, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(SeatLook::Colour(static_cast<int>(seat)));
    draw();
}

}  // namespace

RaceChart::RaceChart(const GameState& state, QWidget* parent) : QWidget(parent), state_(state) {
    setObjectName("raceChart");
    //: What a screen reader calls the chart of every seat's square after each move.
    setAccessibleName(tr("Race chart"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(240, 180);
    Recorded(state_.Record, true);
}

void RaceChart::Recorded(const GameRecord& record, bool restarted) {
    if (restarted || record.size() < taken_) {
        races_ = {};
        taken_ = 0;
    }
    for (; taken_ < record.size(); ++taken_) {
        const RecordEvent& e = record[taken_];
        // A game opened part way starts its seats on their squares; a new game beside the board.
        if (taken_ == 0 && e.StartsGame()) {
            for (std::size_t s = 0; s < races_.size(); ++s) {
                races_[s].start = e.kind == RecordEvent::Kind::NewGame ? 0 : e.positions[s] + 1;
            }
        }
        if (e.kind == RecordEvent::Kind::Move && e.seat >= 0 && e.seat < SeatCount) {
            races_[static_cast<std::size_t>(e.seat)].steps.push_back({e.reached + 1, e.to + 1});
        }
    }
    const QString summary = Summary(state_);
    if (summary != accessibleDescription()) {
        setAccessibleDescription(summary);
        emit SummaryChanged(summary);
    }
    update();
}

QString RaceChart::Summary(const GameState& state) {
    std::array<int, SeatCount> order{0, 1, 2, 3};
    if (std::all_of(order.begin(), order.end(), [&](int s) { return state.AtStart(s); })) {
        return tr("No counter has moved yet.");
    }
    const auto square = [&](int s) { return state.Position[static_cast<std::size_t>(s)] + 1; };
    const auto name = [&](int s) { return Announcer::SeatOf(state, s).name; };
    const int winner = state.Winner();
    if (winner >= 0) std::swap(order[0], order[static_cast<std::size_t>(winner)]);
    std::stable_sort(order.begin() + (winner >= 0 ? 1 : 0), order.end(),
                     [&](int a, int b) { return square(a) > square(b); });
    const int first = order[0];
    const int second = order[1];
    const int ahead = square(first) - square(second);
    if (winner >= 0 && ahead > 0) return tr("%1 has won, %n squares ahead of %2.", nullptr, ahead).arg(name(first), name(second));
    if (winner >= 0) return tr("%1 has won.").arg(name(first));
    if (ahead > 0) {
        return tr("%1 leads on square %2, %n squares ahead of %3.", nullptr, ahead)
            .arg(name(first), QString::number(square(first)), name(second));
    }
    const auto level = std::count_if(order.begin() + 1, order.end(), [&](int s) { return square(s) == square(first); });
    return tr("%1 and %n other players share the lead on square %2.", nullptr, static_cast<int>(level))
        .arg(name(first), QString::number(square(first)));
}

void RaceChart::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(250, 250, 245));
    // Each seat's name with its line and mark.
    const int legendWidth = (width() - 2 * Margin) / SeatCount;
    for (std::size_t s = 0; s < SeatCount; ++s) {
        const double x = Margin + static_cast<double>(s) * legendWidth;
        const double y = Margin + LegendRow / 2.0;
        StrokeTwice(p, s, [&] { p.drawLine(QPointF(x, y), QPointF(x + 24, y)); }, LineStyle[s]);
        StrokeTwice(p, s, [&] { Mark(p, s, QPointF(x + 12, y)); }, Qt::SolidLine);
        p.setPen(palette().color(QPalette::Text));
        const QRectF text(x + 30, y - LegendRow / 2.0, legendWidth - 32, LegendRow);
        p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
                   fontMetrics().elidedText(Announcer::SeatOf(state_, static_cast<int>(s)).name, Qt::ElideRight,
                                            static_cast<int>(text.width())));
    }

    const QRectF plot(Margin + AxisRoom, Margin + LegendRow + 6, width() - 2 * Margin - AxisRoom - 6,
                      height() - 2 * Margin - LegendRow - 6 - AxisRoom / 2);
    if (plot.width() < 10 || plot.height() < 10) return;
    std::size_t longest = 1;
    for (const SeatRace& r : races_) longest = std::max(longest, r.steps.size());

    // Squares up the side every ten, moves along the foot.
    const auto rowAt = [&](int square) { return plot.bottom() - plot.height() * square / 100.0; };
    p.setPen(QPen(QColor(200, 200, 200), 1.0));
    for (int sq = 0; sq <= 100; sq += 10) p.drawLine(QPointF(plot.left(), rowAt(sq)), QPointF(plot.right(), rowAt(sq)));
    p.setPen(palette().color(QPalette::Text));
    for (int sq = 0; sq <= 100; sq += 20) {
        p.drawText(QRectF(Margin, rowAt(sq) - 8, AxisRoom - 4, 16), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(sq));
    }
    p.drawText(QRectF(plot.left(), plot.bottom() + 2, plot.width(), AxisRoom / 2.0), Qt::AlignRight | Qt::AlignTop,
               QString::number(longest));

    for (std::size_t s = 0; s < SeatCount; ++s) DrawRace(p, s, plot, longest);
}

// While every move has a device pixel column of its own, the line joins every corner in the
// seat's line style. A longer race is drawn as a band, in each column from the lowest square the
// seat stood on there to the highest, all a line could show: what that costs is bound by the
// plot's width and not by the game's length. It is solid, since no dash could be seen among more
// than one move a pixel. The marks are spaced out, all but the last.
void RaceChart::DrawRace(QPainter& p, std::size_t seat, const QRectF& plot, std::size_t longest) {
    const SeatRace& race = races_[seat];
    const double dx = plot.width() / static_cast<double>(longest);
    const auto rowAt = [&](int square) { return plot.bottom() - plot.height() * square / 100.0; };
    const auto at = [&](std::size_t move, int square) {
        return QPointF(plot.left() + dx * static_cast<double>(move), rowAt(square));
    };
    const auto columns = static_cast<int>(plot.width() * devicePixelRatioF());
    if (longest <= static_cast<std::size_t>(columns)) {
        // Every corner of the line as one path.
        QPainterPath line(at(0, race.start));
        for (std::size_t m = 0; m < race.steps.size(); ++m) {
            line.lineTo(at(m + 1, race.steps[m].reached));
            if (race.steps[m].to != race.steps[m].reached) line.lineTo(at(m + 1, race.steps[m].to));
        }
        StrokeTwice(p, seat, [&] {
            p.setBrush(Qt::NoBrush);
            p.drawPath(line);
        }, LineStyle[seat]);
    } else {
        const std::vector<RaceSpan> spans = RaceSpans(race, longest, columns);
        const double pixel = 1.0 / devicePixelRatioF();
        const auto band = [&](double edge) {
            // A column reaches as high and as low as those within `edge` either side, as under a
            // pen that wide, and to the next column the line passes through.
            const auto reach = static_cast<std::size_t>(std::ceil(edge * devicePixelRatioF()));
            QVector<QRectF> area;
            area.reserve(static_cast<qsizetype>(spans.size()));
            std::size_t from = 0;
            for (std::size_t i = 0; i < spans.size(); ++i) {
                const std::size_t column = spans[i].column;
                const std::size_t next = i + 1 < spans.size() ? spans[i + 1].column : column + 1;
                while (spans[from].column + reach < column) ++from;
                int low = spans[i].low;
                int high = spans[i].high;
                for (std::size_t j = from; j < spans.size() && spans[j].column <= next + reach; ++j) {
                    low = std::min(low, spans[j].low);
                    high = std::max(high, spans[j].high);
                }
                const double left = i == 0 ? -edge : pixel * static_cast<double>(column);
                const double right = i + 1 == spans.size() ? pixel * static_cast<double>(next) + edge
                                                           : pixel * static_cast<double>(next);
                area << QRectF(QPointF(plot.left() + left, rowAt(high) - edge), QPointF(plot.left() + right, rowAt(low) + edge));
            }
            return area;
        };
        // The same dark edge under the seat's colour as a stroked line has; a band of one rectangle
        // a column costs little to fill, where stroking a line or filling a polygon that turns back
        // in every column costs QPainter tens of milliseconds.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(40, 40, 40));
        p.drawRects(band(2.0));
        p.setBrush(SeatLook::Colour(static_cast<int>(seat)));
        p.drawRects(band(1.0));
    }

    const std::size_t moves = race.steps.size();
    const std::size_t every = dx >= MarkSpacing ? 1 : static_cast<std::size_t>(MarkSpacing / dx) + 1;
    StrokeTwice(p, seat, [&] {
        for (std::size_t m = every; m <= moves; m += every) Mark(p, seat, at(m, race.steps[m - 1].to));
        if (moves > 0 && moves % every != 0) Mark(p, seat, at(moves, race.steps[moves - 1].to));
    }, Qt::SolidLine);
}

std::vector<RaceSpan> RaceSpans(const SeatRace& race, std::size_t longest, int columns) {
    const auto across = static_cast<std::size_t>(std::max(columns, 1));
    const std::size_t foot = std::max({longest, race.steps.size(), std::size_t{1}});
    std::vector<RaceSpan> spans;
    spans.reserve(std::min(race.steps.size(), across) + 1);
    const auto add = [&](std::size_t move, int square) {
        const std::size_t column = move * across / foot;
        if (spans.empty() || spans.back().column != column) {
            spans.push_back({column, square, square});
            return;
        }
        spans.back().low = std::min(spans.back().low, square);
        spans.back().high = std::max(spans.back().high, square);
    };
    add(0, race.start);
    for (std::size_t m = 0; m < race.steps.size(); ++m) {
        add(m + 1, race.steps[m].reached);
        add(m + 1, race.steps[m].to);
    }
    return spans;
}

}  // namespace vantry
