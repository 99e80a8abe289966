#include "application.h"

#include <QTimer>

#include "firstframereport.h"
#include "frmabout.h"
#include "frmrec.h"
#include "startup.h"

namespace vantry {

Application::Application() = default;

void Application::Start(const QString& path) {
    Main(path, state_, board_, document_, *this);
    if (BenchOpensAbout()) QTimer::singleShot(0, &board_, [this] { About(); });
}

void Application::New() { launcher_.New(); }

void Application::Open() { document_.OpenGame(); }

bool Application::Save() { return document_.Save(); }

void Application::SaveAs() { document_.SaveAs(); }

void Application::About() {
    frmAbout about(&board_);
    about.exec();
}

void Application::BestPlayers() {
    frmRec rec(state_, prompter_, document_, &board_);
    if (rec.Run() == frmRec::Outcome::NewGame) {
        // The winning move finishes first; the new game then starts from seat 0.
        QTimer::singleShot(0, &board_, [this] { launcher_.New(); });
    }
}

void Application::ShowNewGameDialog() { launcher_.ShowAtStartUp(); }

}  // namespace vantry
