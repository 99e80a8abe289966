#include <QApplication>

#include "frmmain.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vantry::frmMain board;
    board.show();
    return QApplication::exec();
}
