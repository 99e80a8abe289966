#include "document.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "engine.h"
#include "prompter.h"
#include "savefile.h"
#include "saverecord.h"

namespace vantry {

QString Document::FileFilter() { return QCoreApplication::translate("Document", "Vantry Game Files (*.vty)"); }

Document::Document(Engine& engine, Prompter& prompter) : engine_(engine), prompter_(prompter) {}

QString Document::GamePath() const { return QString::fromStdString(engine_.State().GamePath); }

void Document::ResetBoard() { engine_.ResetBoard(); }

void Document::OpenGame() {
    const auto path = prompter_.OpenFileName(QCoreApplication::translate("Document", "Open File"), FileFilter());
    if (path) OpenPath(*path);
}

bool Document::OpenPath(const QString& path, bool spread) {
    const ParsedRecord parsed = ReadSaveRecord(path);
    const RecordResult result =
        parsed.result.ok ? ApplySaveRecord(parsed.record, engine_, path, spread) : parsed.result;
    return Told(result, QT_TRANSLATE_NOOP("Document", "The game could not be opened from \"%1\".\n\n%2"), path);
}

bool Document::Save() {
    const QString path = GamePath();
    if (path.isEmpty()) return SaveAs();
    return Write(FillSaveRecord(engine_.State()), path);
}

bool Document::SaveAs() {
    // The record is taken before the dialog, while the timers may still move the game on.
    const SaveRecord record = FillSaveRecord(engine_.State());
    const auto path = prompter_.SaveFileName(QCoreApplication::translate("Document", "Save File"), FileFilter());
    if (!path || !Write(record, *path)) return false;
    engine_.SetGamePath(path->toStdString());
    return true;
}

QString Document::CaptionFor(const QString& path) {
    if (path.isEmpty()) return QCoreApplication::translate("Document", "Vantry - Untitled");
    return Title + QStringLiteral(" - ") + QFileInfo(path).fileName();
}

QString Document::CloseQuestion(bool untitled) {
    return untitled ? QCoreApplication::translate("Document", "Do you want to save your game?")
                    : QCoreApplication::translate("Document", "Do you want to save changes on your game?");
}

bool Document::Write(const SaveRecord& record, const QString& path) {
    return Told(WriteSaveRecord(record, path),
                QT_TRANSLATE_NOOP("Document", "The game could not be saved to \"%1\".\n\n%2"), path);
}

bool Document::Told(const RecordResult& result, const char* failed, const QString& path) {
    if (!result.ok) {
        prompter_.Message(
            QCoreApplication::translate("Document", failed).arg(QDir::toNativeSeparators(path), result.error),
            Prompter::Icon::Warning);
    }
    return result.ok;
}

}  // namespace vantry
