#pragma once

#include <QString>

#include "gamecommands.h"

namespace vantry {

class Engine;
class Prompter;
struct RecordResult;
struct SaveRecord;

// The game on the board as a document: untitled, or tied to one saved-game file (the state's
// GamePath), whose name the board window's caption shows. Opens, saves and resets the board for the File menu, the
// new-game dialog, the best-players window and start-up. Every failure is told to the user
// through the prompter and leaves the game, the file on disk and the document state as they
// were.
class Document : public GameCommands {
public:
    // The program's name, the same in every language.
    static inline const QString Title = QStringLiteral("Vantry");
    // The text below is in the player's language, so it is asked for when shown.
    static QString FileFilter();

    Document(Engine& engine, Prompter& prompter);

    // The untitled new-game state: every counter back at the start, the turn cycle running.
    void ResetBoard() override;
    // Asks for a file and loads it. Counters sharing a square are not spread, and the timers
    // keep running, so play goes on from the loaded player.
    void OpenGame() override;
    // Loads the file at `path` and ties the document to it; false, after telling the user why,
    // when the file is not a saved game the board can take. `spread` sets counters that share
    // a square side by side, as a start-up with a saved game does.
    bool OpenPath(const QString& path, bool spread = false);

    // Writes to GamePath, or asks for a file first while the game is untitled. True only when
    // the file was written.
    bool Save();
    // Always asks for a file; the document is tied to it only when the write succeeded.
    bool SaveAs();

    // The full path of the file the game is tied to; empty while untitled.
    QString GamePath() const;

    // "Vantry - " and the file's name without its folder; the untitled caption for no file.
    static QString CaptionFor(const QString& path);
    // The close prompt's question, for a game tied to no file or to one. Chosen by that state
    // rather than by the caption, which reads differently in every language.
    static QString CloseQuestion(bool untitled);

private:
    bool Write(const SaveRecord& record, const QString& path);
    // True when `result` succeeded; otherwise the user is told the sentence `failed`, with the
    // file's path and why.
    bool Told(const RecordResult& result, const char* failed, const QString& path);

    Engine& engine_;
    Prompter& prompter_;
};

}  // namespace vantry
