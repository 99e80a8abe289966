#pragma once

#include <QMenu>

namespace vantry {

// The board window's File menu. It is never in a menu bar: the FILE picture pops it up. The
// shortcut texts are only shown; the window's key handler runs those keys, so no entry owns a
// real shortcut that could fire a second time.
class FileMenu : public QMenu {
    Q_OBJECT
public:
    explicit FileMenu(QWidget* parent);

    QAction* mnuFileAbout = nullptr;
    QAction* mnuFileSettings = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileInvite = nullptr;
    QAction* mnuFileJoin = nullptr;
    QAction* mnuFileLog = nullptr;
    QAction* mnuFileExit = nullptr;

private:
    QAction* Entry(const char* name, const QString& caption, const char* shortcut);
};

}  // namespace vantry
