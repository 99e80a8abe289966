#pragma once

#include <QString>
#include <QStringList>

namespace vantry {

// What the program was asked to do by its arguments. The game takes one saved-game path; a
// path split over several arguments (an unquoted name with blanks) is joined again with single
// blanks, and one pair of double quotes around the whole of it is dropped. "--help"/"-h" and
// "--version" are the only options; any other argument that begins with "--" is refused as an
// unknown option rather than taken for a file, and after "--" every argument is part of the
// path.
struct CommandLine {
    enum class Action { Play, Help, Version, Error };

    Action action = Action::Play;
    // The saved game to open at start; empty for a new game.
    QString path;
    // --host: the saved game is hosted for players on other computers.
    bool host = false;
    // A vantry:// invitation in place of the path: the game it names is joined.
    QString invitation;
    // For Error: what to tell the user on the error stream.
    QString error;

    // `arguments` as QCoreApplication::arguments() gives them: the program first, the
    // toolkit's own options already taken out.
    static CommandLine Parse(const QStringList& arguments);
    // Only --help, -h and --version, straight from main's arguments before the toolkit starts,
    // so that they answer without a display; Play for everything else, the toolkit's options
    // included.
    static CommandLine ParseEarly(int argc, const char* const* argv);
    // Blanks each invitation among main's arguments once it has been read, so that its secret
    // no longer stands in the system's list of processes for other users to read.
    static void HideInvitations(int argc, char** argv);
    // Prints the usage, the version or the error and gives the exit status (2 after an error);
    // nothing for Play.
    int Report() const;
    static QString Usage();
    // "vantry 3.0.0".
    static QString Version();
};

}  // namespace vantry
