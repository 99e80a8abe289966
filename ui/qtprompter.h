#pragma once

#include "prompter.h"

namespace vantry {

// The prompter of the running game: QMessageBox and QFileDialog over the active window, with
// the program title as caption.
class QtPrompter : public Prompter {
public:
    void Message(const QString& text, Icon icon = Icon::None) override;
    Answer AskYesNoCancel(const QString& text) override;
    std::optional<QString> OpenFileName(const QString& title, const QString& filter) override;
    std::optional<QString> SaveFileName(const QString& title, const QString& filter) override;
    std::optional<QString> AskText(const QString& label) override;
    std::optional<QString> AskSecret(const QString& label) override;
};

}  // namespace vantry
