#include "document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "boardgeometry.h"
#include "documentwindow.h"
#include "gamestate.h"
#include "prompter.h"
#include "savefile.h"
#include "saverecord.h"

namespace vantry {

namespace {
QString Shown(const QString& path) { return QDir::toNativeSeparators(path); }
}  // namespace

QString Document::UntitledCaption() { return QCoreApplication::translate("Document", "Vantry - Untitled"); }
// The pattern is the same in every language; only the description is translated.
QString Document::FileFilter() {
    return QCoreApplication::translate("Document", "Vantry Game Files (*.vty)") + QStringLiteral("|*.vty");
}
QString Document::OpenTitle() { return QCoreApplication::translate("Document", "Open File"); }
QString Document::SaveTitle() { return QCoreApplication::translate("Document", "Save File"); }

Document::Document(GameState& state, DocumentWindow& window, Prompter& prompter)
    : state_(state), window_(window), prompter_(prompter) {}

void Document::ResetBoard() {
    state_.CurrentPlayer = 0;
    state_.Position.fill(0);
    state_.MoveCount.fill(0);
    state_.GameReplaced();
    window_.ShowStartFace();
    window_.SetTimerEnabled(GameTimer::Timer1, true);
    window_.SetTimerEnabled(GameTimer::timPlay, true);
    window_.SetTimerEnabled(GameTimer::timGo, false);
    gamePath_.clear();
    BoardView& view = window_.Board();
    for (int i = 0; i < SeatCount; ++i) {
        view.SetCounterLeft(i, CounterStartLeft + CounterSpacing * static_cast<float>(i));
        view.SetCounterTop(i, CounterStartTop);
        // A throw of the old game may still wait for its move; the new one starts with a throw.
        view.SetCounterEnabled(i, false);
    }
    view.SetGoEnabled(false);
    window_.SetCaption(UntitledCaption());
}

void Document::OpenGame() {
    const auto path = prompter_.OpenFileName(OpenTitle(), FileFilter());
    if (!path) return;
    OpenPath(*path);
}

bool Document::OpenPath(const QString& path) {
    const ParsedRecord parsed = ReadSaveRecord(path);
    RecordResult result = parsed.result;
    if (result.ok) result = ApplySaveRecord(parsed.record, state_, window_);
    if (!result.ok) {
        prompter_.Message(QCoreApplication::translate("Document", "The game could not be opened from \"%1\".\n\n%2")
                              .arg(Shown(path), result.error),
                          Prompter::Icon::Warning);
        return false;
    }
    TieTo(path);
    return true;
}

bool Document::Save() {
    if (gamePath_.isEmpty()) return SaveAs();
    return Write(FillSaveRecord(state_, window_), gamePath_);
}

bool Document::SaveAs() {
    // The record is taken before the dialog, while the timers may still move the game on.
    const SaveRecord record = FillSaveRecord(state_, window_);
    const auto path = prompter_.SaveFileName(SaveTitle(), FileFilter());
    if (!path) return false;
    if (!Write(record, *path)) return false;
    TieTo(*path);
    return true;
}

QString Document::CaptionFor(const QString& path) { return Title + QStringLiteral(" - ") + QFileInfo(path).fileName(); }

QString Document::CloseQuestion(bool untitled) {
    return untitled ? QCoreApplication::translate("Document", "Do you want to save your game?")
                    : QCoreApplication::translate("Document", "Do you want to save changes on your game?");
}

bool Document::Write(const SaveRecord& record, const QString& path) {
    const RecordResult result = WriteSaveRecord(record, path);
    if (!result.ok) {
        prompter_.Message(QCoreApplication::translate("Document", "The game could not be saved to \"%1\".\n\n%2")
                              .arg(Shown(path), result.error),
                          Prompter::Icon::Warning);
    }
    return result.ok;
}

void Document::TieTo(const QString& path) {
    gamePath_ = path;
    window_.SetCaption(CaptionFor(path));
}

}  // namespace vantry
