// The floor the board window is measured against: an empty Qt Widgets window of the board's
// size, from the same toolchain, reporting its first frame through the same hook. With
// --one-word it also shows one label, "Go" where the board's Go button stands, in the
// application's font: the least a window showing any text costs, fonts and all.
#include <QApplication>
#include <QLabel>
#include <QWidget>

#include <cstring>

#include "board/boardlayout.h"
#include "benchmarkhooks.h"
#include "twips.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vantry::ReportFirstFrameIfAsked();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(vantry::PixelRect(vantry::TwipsRect{0.0f, 0.0f, vantry::ClientWidth, vantry::ClientHeight}).size());
    if (argc > 1 && std::strcmp(argv[1], "--one-word") == 0) {
        auto* word = new QLabel(QStringLiteral("Go"), &window);
        word->setGeometry(vantry::PixelRect(vantry::GoRect));
    }
    window.show();
    return QApplication::exec();
}
