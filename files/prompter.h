#pragma once

#include <QString>

#include <optional>

namespace vantry {

// Every message box and file dialog of the game goes through here, so that tests can answer
// them. Message boxes carry the program title "Vantry" as their caption.
class Prompter {
public:
    enum class Answer { Yes, No, Cancel };
    enum class Icon { None, Warning };

    virtual ~Prompter() = default;

    // A message box with an OK button.
    virtual void Message(const QString& text, Icon icon = Icon::None) = 0;
    // A question with Yes, No and Cancel, Yes the default.
    virtual Answer AskYesNoCancel(const QString& text) = 0;
    // File dialogs; `filter` is in the toolkit's form, "Description (*.ext)".
    // No value when the user cancels.
    virtual std::optional<QString> OpenFileName(const QString& title, const QString& filter) = 0;
    virtual std::optional<QString> SaveFileName(const QString& title, const QString& filter) = 0;
    // One line of text typed or pasted by the player, under `label`; no value when cancelled.
    virtual std::optional<QString> AskText(const QString& label) = 0;
    // The same for a password: what is typed is not shown.
    virtual std::optional<QString> AskSecret(const QString& label) { return AskText(label); }
};

}  // namespace vantry
