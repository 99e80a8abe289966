#include "filemenu.h"

namespace vantry {

FileMenu::FileMenu(QWidget* parent) : QMenu("File", parent) {
    setObjectName("mnuFile");
    mnuFileAbout = Entry("mnuFileAbout", "&About", "Ctrl+A");
    Separator("fdgf");
    mnuFileNew = Entry("mnuFileNew", "&New", "Ctrl+N");
    mnuFileOpen = Entry("mnuFileOpen", "&Open", "Ctrl+O");
    mnuFileSave = Entry("mnuFileSave", "&Save", "Ctrl+S");
    mnuFileSaveAs = Entry("mnuFileSaveAs", "Save &As...", QString());
    Separator("mnuFileDat1");
    mnuFileExit = Entry("mnuFileExit", "&Exit", "Ctrl+X");
}

QAction* FileMenu::Entry(const char* name, const QString& caption, const QString& shortcut) {
    // The text after a tab is drawn in the shortcut column without binding a shortcut.
    QAction* action = addAction(shortcut.isEmpty() ? caption : caption + '\t' + shortcut);
    action->setObjectName(name);
    return action;
}

void FileMenu::Separator(const char* name) { addSeparator()->setObjectName(name); }

}  // namespace vantry
