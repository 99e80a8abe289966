#include <QApplication>
#include <QLocale>
#include <QTextStream>

#include "application.h"
#include "commandline.h"
#include "benchmarkhooks.h"
#include "fontconfigwarmup.h"
#include "playeroptions.h"
#include "qtprompter.h"
#include "randomsource.h"
#include "translations.h"
#include "version.h"

int main(int argc, char** argv) {
    // --help and --version answer before the toolkit starts, so they need no display.
    const vantry::CommandLine early = vantry::CommandLine::ParseEarly(argc, argv);
    if (early.action != vantry::CommandLine::Action::Play) {
        // Translators need an application; a core one needs no display either.
        QCoreApplication core(argc, argv);
        vantry::Translations translations;
        translations.Install(vantry::Translations::Chosen(vantry::ReadPlayerOptions().language));
        return early.Report();
    }

    vantry::FontConfigWarmUp fonts;
    QApplication app(argc, argv);
    vantry::Translations translations;
    translations.Install(vantry::Translations::Chosen(vantry::ReadPlayerOptions().language));
    vantry::ReportFirstFrameIfAsked();
    QGuiApplication::setDesktopFileName(VANTRY_APP_ID);

    const vantry::CommandLine line = vantry::CommandLine::Parse(QCoreApplication::arguments());
    if (line.action != vantry::CommandLine::Action::Play) return line.Report();
    vantry::CommandLine::HideInvitations(argc, argv);

    fonts.Wait();
    vantry::QtPrompter prompter;
    vantry::ClockRandom random;
    vantry::Application game({prompter, random});
    game.Start(line.path, line.invitation);
    if (line.host) {
        const QStringList invitations = game.HostPersonSeats();
        if (invitations.isEmpty()) {
            QTextStream(stderr) << QCoreApplication::translate("CommandLine", "vantry: the game could not be hosted") << '\n';
            return 1;
        }
        QTextStream out(stdout);
        for (const QString& invitation : invitations) out << invitation << '\n';
    }
    return QApplication::exec();
}
