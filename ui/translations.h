#pragma once

#include <QTranslator>

class QLocale;
class QString;

namespace vantry {

// The game in the player's language: the game's own texts, compiled into the program, and
// Qt's texts for the message boxes' buttons and the file dialogs, from the system's Qt
// translations. Under English, the C locale or a language the game has no translation for,
// every text stays the game's own English, with only its plural forms ("1 square") loaded.
// The translators stay installed for as long as this object lives.
class Translations {
public:
    ~Translations();

    // The locale of the language the player chose in the Settings window ("de", "pt_BR"), or
    // the desktop's when none (empty).
    static QLocale Chosen(const QString& language);

    // Installs the translators for `locale` into the running application; false when the
    // game has no translation for it and speaks English.
    bool Install(const QLocale& locale);

private:
    QTranslator game_;
    QTranslator qt_;
    bool installed_ = false;
};

}  // namespace vantry
