#include "dialogs/statisticspane.h"

#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "prompter.h"
#include "statisticskeeper.h"
#include "storefailurenotice.h"

namespace vantry {

namespace {
QString Average(const PlayerStatistics& p) { return QLocale().toString(p.AverageMoves(), 'f', 1); }
}  // namespace

StatisticsPane::StatisticsPane(Prompter& prompter, StoreFailureNotice& notice, QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QVBoxLayout(this);
    table_ = new QTreeWidget(this);
    table_->setObjectName("statisticsTable");
    //: What a screen reader calls the table of every player's figures.
    table_->setAccessibleName(tr("Players' statistics"));
    table_->setRootIsDecorated(false);
    table_->setUniformRowHeights(true);
    table_->setHeaderLabels({
        //: Column heading: the player's name.
        tr("Player"),
        //: Column heading: how many games the player finished.
        tr("Games"),
        //: Column heading: how many games the player won.
        tr("Wins"),
        //: Column heading: the fewest moves the player needed for a win.
        tr("Fewest moves"),
        //: Column heading: the average moves of the player's wins.
        tr("Average moves"),
        //: Column heading: how many ladders the player climbed.
        tr("Ladders"),
        //: Column heading: how many snakes the player met.
        tr("Snakes"),
    });
    table_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table_->header()->setStretchLastSection(false);
    // Room for any heading, while a long name is cut short (its tooltip holds it whole) and
    // does not push the figures out of view.
    table_->header()->setMaximumSectionSize(table_->header()->fontMetrics().averageCharWidth() * 20);
    layout->addWidget(table_);

    empty_ = new QLabel(tr("No game has been finished yet."), this);
    empty_->setObjectName("lblNoStatistics");
    empty_->setTextFormat(Qt::PlainText);
    layout->addWidget(empty_);

    //: Button: removes every player's statistics, after asking.
    clear_ = new QPushButton(tr("Clear S&tatistics..."), this);
    clear_->setObjectName("cmdClearStatistics");
    clear_->setAutoDefault(false);
    layout->addWidget(clear_, 0, Qt::AlignLeft);
    connect(clear_, &QPushButton::clicked, this, [this, &prompter, &notice] {
        const QString ask = tr("Do you want to clear the statistics of every player?");
        if (prompter.AskYesNoCancel(ask) != Prompter::Answer::Yes) return;
        if (const auto failure = ClearStoredStatistics()) {
            notice.Tell(prompter, StatisticsKeeper::FailureText(*failure));
        }
        Refresh();
    });
    Refresh();
}

QString StatisticsPane::Phrase(const PlayerStatistics& p) {
    if (p.wins == 0) {
        return tr("%1: %n games finished, no wins, ladders: %2, snakes: %3", nullptr, p.games)
            .arg(p.name, QString::number(p.ladders), QString::number(p.snakes));
    }
    return tr("%1: %n games finished, wins: %2, fewest moves: %3, average moves: %4, ladders: %5, snakes: %6", nullptr,
              p.games)
        .arg(p.name, QString::number(p.wins), QString::number(p.fewestMoves), Average(p), QString::number(p.ladders),
             QString::number(p.snakes));
}

void StatisticsPane::Refresh() {
    const StatisticsTable players = ReadStoredStatistics();
    table_->clear();
    for (const PlayerStatistics& p : players) {
        const bool won = p.wins > 0;
        auto* row = new QTreeWidgetItem(table_, QStringList{p.name, QString::number(p.games), QString::number(p.wins),
                                                            won ? QString::number(p.fewestMoves) : QString(),
                                                            won ? Average(p) : QString(), QString::number(p.ladders),
                                                            QString::number(p.snakes)});
        // The reader is on a row's cell as the arrows move; each says the whole row.
        const QString phrase = Phrase(p);
        for (int column = 0; column < table_->columnCount(); ++column) {
            row->setData(column, Qt::AccessibleTextRole, phrase);
            if (column > 0) row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        }
        row->setToolTip(0, p.name);
    }
    if (table_->topLevelItemCount() > 0 && !table_->currentItem()) table_->setCurrentItem(table_->topLevelItem(0));
    empty_->setVisible(players.empty());
    clear_->setEnabled(!players.empty());
}

}  // namespace vantry
