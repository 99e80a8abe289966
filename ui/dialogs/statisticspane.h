#pragma once

#include <QWidget>

#include "playerstatistics.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace vantry {

class Prompter;
class StoreFailureNotice;

// The players' statistics as the store holds them: a row a player, read by a screen reader as
// one phrase, and a button that clears them all after asking.
class StatisticsPane final : public QWidget {
    Q_OBJECT
public:
    StatisticsPane(Prompter& prompter, StoreFailureNotice& notice, QWidget* parent = nullptr);

    // Reads the figures afresh: another copy of the game may have stored some.
    void Refresh();

    // What a screen reader says for a player's row.
    static QString Phrase(const PlayerStatistics& player);

private:
    QTreeWidget* table_ = nullptr;
    QLabel* empty_ = nullptr;
    QPushButton* clear_ = nullptr;
};

}  // namespace vantry
