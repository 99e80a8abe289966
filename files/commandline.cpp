#include "commandline.h"

#include "version.h"

#include <QCoreApplication>
#include <QTextStream>
#include <QUrl>

#include <cstdio>
#include <cstring>

namespace vantry {

CommandLine CommandLine::Parse(const QStringList& arguments) {
    CommandLine result;
    QStringList parts;
    bool optionsEnded = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& arg = arguments.at(i);
        if (!optionsEnded && arg == QLatin1String("--")) {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == QLatin1String("--help") || arg == QLatin1String("-h"))) {
            result.action = Action::Help;
            return result;
        } else if (!optionsEnded && arg == QLatin1String("--version")) {
            result.action = Action::Version;
            return result;
        } else if (!optionsEnded && arg == QLatin1String("--host")) {
            result.host = true;
        } else if (!optionsEnded && arg.startsWith(QLatin1String("--"))) {
            result.action = Action::Error;
            result.error = QCoreApplication::translate(
                               "CommandLine", "vantry: unknown option '%1'\nTry 'vantry --help' for more information.")
                               .arg(arg);
            return result;
        } else {
            parts << arg;
        }
    }
    QString path = parts.join(QLatin1Char(' '));
    if (path.size() >= 2 && path.startsWith(QLatin1Char('"')) && path.endsWith(QLatin1Char('"'))) {
        path = path.mid(1, path.size() - 2);
    }
    // The desktop hands over a saved game as a file: link or a path, and an invitation as it is.
    if (path.startsWith(QLatin1String("file://"))) path = QUrl(path).toLocalFile();
    if (path.startsWith(QLatin1String("vantry://"))) {
        result.invitation = path;
        path.clear();
    }
    if (result.host && path.isEmpty()) {
        result.action = Action::Error;
        result.error = QCoreApplication::translate("CommandLine", "vantry: --host needs the saved game to host\n"
                                                                  "Try 'vantry --help' for more information.");
    }
    result.path = path;
    return result;
}

CommandLine CommandLine::ParseEarly(int argc, const char* const* argv) {
    CommandLine result;
    for (int i = 1; i < argc && result.action == Action::Play; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--")) break;
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h")) result.action = Action::Help;
        if (arg == QLatin1String("--version")) result.action = Action::Version;
    }
    return result;
}

int CommandLine::Report() const {
    QTextStream out(action == Action::Error ? stderr : stdout);
    switch (action) {
        case Action::Help: out << Usage(); break;
        case Action::Version: out << Version() << '\n'; break;
        case Action::Error: out << error << '\n'; break;
        case Action::Play: break;
    }
    return action == Action::Error ? 2 : 0;
}

QString CommandLine::Usage() {
    return QCoreApplication::translate(
        "CommandLine",
        "Usage: vantry [FILE]\n"
        "Plays Vantry, a race over a board of ladders and snakes for up to four players.\n"
        "With FILE, opens that saved game (a .vty file) and goes on with it; without,\n"
        "starts with the new-game dialog.\n"
        "\n"
        "  -h, --help     show this help and exit\n"
        "      --version  show the version and exit\n"
        "      --         take every later argument as part of FILE\n"
        "\n"
        "A FILE given as several arguments is joined again with single blanks.\n"
        "With VANTRY_NO_TRAVEL=1 in the environment the counters jump to their squares\n"
        "instead of travelling there.\n"
        "\n"
        "On the board: Space throws; Enter moves, or presses the control with the focus;\n"
        "Tab goes from the die to the counters, Go and FILE; B reads the whole board\n"
        "aloud through a screen reader.\n") +
           QCoreApplication::translate("CommandLine",
                                       "F11 shows the board on the whole screen, and Escape leaves it.\n") +
           QCoreApplication::translate("CommandLine",
                                       "--host FILE hosts it and prints the invitations; vantry://... joins one.\n") +
           QCoreApplication::translate(
               "CommandLine",
               "\n"
               "Settings (in the File menu, or Ctrl+comma on the board) turn the seats' marks,\n"
               "the counters' travel and the sound on or off and set the computer's pace, the\n"
               "volume and the language; they are kept for the next start. VANTRY_NO_TRAVEL=1\n"
               "stops the travel whatever the settings say.\n");
}

QString CommandLine::Version() { return QStringLiteral("vantry " VANTRY_VERSION); }

void CommandLine::HideInvitations(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "vantry://", 9) == 0) std::memset(argv[i], 0, std::strlen(argv[i]));
    }
}

}  // namespace vantry
