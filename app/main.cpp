#include <QApplication>

#include "frmmain.h"
#include "gamestate.h"
#include "placeholdercommands.h"
#include "qtprompter.h"
#include "randomsource.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vantry::GameState state;
    vantry::QtPrompter prompter;
    vantry::ClockRandom random;
    PlaceholderCommands commands;
    vantry::frmMain board(state, prompter, random, commands);
    board.SetCaption("Vantry - Untitled");
    board.show();
    return QApplication::exec();
}
