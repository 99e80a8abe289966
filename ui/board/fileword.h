#pragma once

#include <QString>
#include <QWidget>

namespace vantry {

// The word on the FILE button in a language other than English: the button's picture then
// comes without its word, and this writes the player's own over it, white on a faint shadow
// as the picture draws it, in the largest bold face that fits the picture's room for it.
// It takes no clicks; they reach the picture beneath.
class FileWord : public QWidget {
public:
    FileWord(const QString& word, QWidget* picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QString word_;
};

}  // namespace vantry
