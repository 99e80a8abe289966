#include "statisticskeeper.h"

#include <QCoreApplication>

#include "gamestate.h"
#include "playerstatistics.h"
#include "storefailurenotice.h"

namespace vantry {

StatisticsKeeper::StatisticsKeeper(const GameState& state, Prompter& prompter, StoreFailureNotice& notice)
    : state_(state), prompter_(prompter), notice_(notice) {}

QString StatisticsKeeper::FailureText(const StoreFailure& failure) {
    return QCoreApplication::translate("StatisticsKeeper", "The players' statistics could not be stored in %1: %2.")
        .arg(failure.path, failure.reason);
}

void StatisticsKeeper::Recorded(const GameRecord& record, bool restarted) {
    if (restarted || !FinishesGame(record)) return;
    std::array<QString, 4> names;
    for (std::size_t seat = 0; seat < names.size(); ++seat) names[seat] = QString::fromStdString(state_.Names[seat]);
    if (const auto failure = StoreFinishedGame(FinishedGameOf(record, names))) {
        notice_.Tell(prompter_, FailureText(*failure));
    }
    if (stored_) stored_();
}

}  // namespace vantry
