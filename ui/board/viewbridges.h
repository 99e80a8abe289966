#pragma once

#include <QString>

#include <string>

#include "boardview.h"
#include "documentwindow.h"

namespace vantry {

// The engine and the document code both ask the board window for a name label's caption, each
// in its own string type. These bridges give the two questions names of their own, so one
// window can answer both.
class BoardViewBridge : public BoardView {
public:
    std::string NameCaption(int i) const final { return NameText(i).toStdString(); }

protected:
    virtual QString NameText(int i) const = 0;
};

class DocumentWindowBridge : public DocumentWindow {
public:
    QString NameCaption(int seat) const final { return NameText(seat); }

protected:
    virtual QString NameText(int seat) const = 0;
};

}  // namespace vantry
