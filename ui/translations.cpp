#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace vantry {

namespace {
// Where the build puts the compiled .ts files of translations/.
const QString GameTranslations = QStringLiteral(":/i18n");
}  // namespace

QLocale Translations::Chosen(const QString& language) {
    return language.isEmpty() ? QLocale::system() : QLocale(language);
}

Translations::~Translations() {
    if (!installed_) return;
    QCoreApplication::removeTranslator(&qt_);
    QCoreApplication::removeTranslator(&game_);
}

bool Translations::Install(const QLocale& locale) {
    // The first of the languages the player reads (LANGUAGE, LC_MESSAGES) decides.
    const QStringList languages = locale.uiLanguages();
    const QLocale::Language first = languages.isEmpty() ? QLocale::C : QLocale(languages.constFirst()).language();
    const bool english = first == QLocale::English || first == QLocale::C;
    const bool translated =
        !english && game_.load(locale, QStringLiteral("vantry"), QStringLiteral("_"), GameTranslations);
    // Else the game's own English, of which only the texts with a count ("1 square") need a file.
    if (!translated && !game_.load(QStringLiteral("vantry_en"), GameTranslations)) return false;
    QCoreApplication::installTranslator(&game_);
    installed_ = true;
    // Without Qt's own file the buttons stay English, which is still a game to play.
    if (translated && qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt_);
    }
    return translated;
}

}  // namespace vantry
