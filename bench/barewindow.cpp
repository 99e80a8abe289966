// The floor the board window is measured against: an empty Qt Widgets window of the board's
// size, from the same toolchain, reporting its first frame through the same hook.
#include <QApplication>
#include <QWidget>

#include "firstframereport.h"
#include "boardlayout.h"
#include "twips.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    vantry::ReportFirstFrameIfAsked();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(vantry::PixelRect(vantry::TwipsRect{0.0f, 0.0f, vantry::ClientWidth, vantry::ClientHeight}).size());
    window.show();
    return QApplication::exec();
}
