#pragma once

#include <QString>

#include "documentwindow.h"
#include "fakeboardview.h"

namespace vantry::test {

// A board window without widgets around a FakeBoardView: the names live in the view's name
// labels (UTF-8, as the engine reads them), the timers in the view's timer state.
class FakeDocumentWindow : public DocumentWindow {
public:
    QString Caption() const override { return caption; }
    void SetCaption(const QString& text) override {
        caption = text;
        ++captionChanges;
    }
    QString NameCaption(int seat) const override { return QString::fromStdString(board.NameCaption(seat)); }
    void SetNameCaption(int seat, const QString& name) override {
        board.names[static_cast<std::size_t>(seat)] = name.toStdString();
    }
    void ShowStartFace() override { board.SetFaceVisible(6, true); }
    void SetTimerEnabled(GameTimer timer, bool enabled) override { board.SetTimerEnabled(timer, enabled); }
    bool TimerEnabled(GameTimer timer) const override { return board.TimerOn(timer); }
    void ShowWindow() override { ++shown; }
    BoardView& Board() override { return board; }

    FakeBoardView board;
    QString caption = QStringLiteral("frmMain");
    int captionChanges = 0;
    int shown = 0;
};

}  // namespace vantry::test
