#include "board/filemenu.h"

#include <QKeySequence>

namespace vantry {

FileMenu::FileMenu(QWidget* parent) : QMenu(tr("File"), parent) {
    setObjectName("mnuFile");
    mnuFileAbout = Entry("mnuFileAbout", tr("&About"), "Ctrl+A");
    //: The File menu's entry that opens the Settings window; its letter is used by no other entry.
    mnuFileSettings = Entry("mnuFileSettings", tr("Se&ttings..."), "Ctrl+,");
    addSeparator()->setObjectName("fdgf");
    mnuFileNew = Entry("mnuFileNew", tr("&New"), "Ctrl+N");
    mnuFileOpen = Entry("mnuFileOpen", tr("&Open"), "Ctrl+O");
    mnuFileSave = Entry("mnuFileSave", tr("&Save"), "Ctrl+S");
    mnuFileSaveAs = Entry("mnuFileSaveAs", tr("Save &As..."), nullptr);
    //: Opens the window that gives seats to players on other computers and shows their invitations.
    mnuFileInvite = Entry("mnuFileInvite", tr("&Invite Players..."), nullptr);
    //: Asks for an invitation from a player on another computer and joins that player's game.
    mnuFileJoin = Entry("mnuFileJoin", tr("&Join Game..."), nullptr);
    //: Opens the window with the game's log, the race chart and the players' statistics.
    mnuFileLog = Entry("mnuFileLog", tr("Game &Log"), "L");
    addSeparator()->setObjectName("mnuFileDat1");
    mnuFileExit = Entry("mnuFileExit", tr("&Exit"), "Ctrl+X");
}

QAction* FileMenu::Entry(const char* name, const QString& caption, const char* shortcut) {
    // The text after a tab is drawn in the shortcut column without binding a shortcut. Qt's own
    // translations name the keys as the player's keyboard does ("Strg+N" in German).
    const QString keys =
        shortcut ? QKeySequence::fromString(QString::fromLatin1(shortcut), QKeySequence::PortableText)
                       .toString(QKeySequence::NativeText)
                 : QString();
    QAction* action = addAction(keys.isEmpty() ? caption : caption + '\t' + keys);
    action->setObjectName(name);
    return action;
}

}  // namespace vantry
