#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QLocale>
#include <QPushButton>

#include <optional>

#include "apprig.h"
#include "translations.h"

namespace vantry::test {
namespace {

// The program started under a German locale: the translators go in before any window is made,
// as at a real start.
class GermanAppTest : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        german.emplace();
        ASSERT_TRUE(german->Install(QLocale(QLocale::German, QLocale::Germany)));
    }
    void TearDown() override {
        AppTest::TearDown();
        app.reset();
        german.reset();
    }
    // Starts from the German dialog: Ann and Cleo by hand, Daxo and Zed by the computer.
    void StartGame(ModalDriver& driver) {
        driver.Expect("frmNew", [&](QDialog& d) {
            FillSeats(d, {{{false, "Ann"}, {true, "Daxo"}, {false, "Cleo"}, {true, "Zed"}}});
            Click(d, "cmdStart");
        });
        app->Start(QString());
    }

    std::optional<Translations> german;
};

TEST_F(GermanAppTest, TheNewGameDialogAndTheClosePromptSpeakGerman) {
    Make();
    ModalDriver driver;
    driver.Expect("frmNew", [&](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Vantry - Neues Spiel");
        EXPECT_EQ(d.findChild<QPushButton*>("cmdStart")->text(), "&Starten");
        // A computer seat left on the shown prompt is refused: the prompt is known in German.
        auto* combo = d.findChild<QComboBox*>("cmbNew(1)");
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->currentText(), "Auswählen");
        Click(d, "optCom(1)");
        Click(d, "cmdStart");
        EXPECT_EQ(prompter.messages, QStringList{"Bitte wähle den Namen aus!"});
        EXPECT_TRUE(d.isVisible());
        FillSeats(d, {{{false, "Ann"}, {true, "Daxo"}, {false, "Cleo"}, {true, "Zed"}}});
        Click(d, "cmdStart");
    });
    app->Start(QString());
    ASSERT_TRUE(driver.Done());
    EXPECT_EQ(Board().windowTitle(), "Vantry - Unbenannt");

    prompter.answers = {Prompter::Answer::Cancel};
    EXPECT_FALSE(Board().close());
    prompter.files.push_back(PathOf("Spiel.vty"));
    Board().Menu().mnuFileSave->trigger();
    EXPECT_EQ(Board().windowTitle(), "Vantry - Spiel.vty");
    prompter.answers = {Prompter::Answer::Cancel};
    EXPECT_FALSE(Board().close());
    EXPECT_EQ(prompter.questions, (QStringList{"Möchtest du dein Spiel speichern?",
                                               "Möchtest du die Änderungen an deinem Spiel speichern?"}));
}

TEST_F(GermanAppTest, AGameSavedInGermanOpensInEnglish) {
    Make();
    ModalDriver driver;
    StartGame(driver);
    ASSERT_TRUE(driver.Done());
    const QString path = PathOf("race.vty");
    prompter.files.push_back(path);
    app->SaveAs();
    const std::array<bool, 4> kinds = State().IsComputer;
    const QStringList names = Names();

    // The next run speaks English; the file reads as it was written.
    app->Board().CloseWithoutAsking();
    app.reset();
    german.reset();
    Make();
    EXPECT_TRUE(app->GameDocument().OpenPath(path));
    EXPECT_EQ(State().IsComputer, kinds);
    EXPECT_EQ(Names(), names);
    EXPECT_EQ(Board().windowTitle(), "Vantry - race.vty");
    EXPECT_TRUE(prompter.messages.isEmpty());
}

// English, and any language the game has no translation for, counts in English: one square,
// two squares, where the texts alone would say "1 squares".
TEST(EnglishCounts, OneIsSingularAndTwoPluralUnderEnglishAndAnUntranslatedLanguage) {
    struct Count {
        const char* context;
        const char* text;
        int n;
        const char* said;
    };
    const Count counts[] = {
        {"vantry::RaceChart", "%1 has won, %n squares ahead of %2.", 1, "%1 has won, 1 square ahead of %2."},
        {"vantry::RaceChart", "%1 has won, %n squares ahead of %2.", 2, "%1 has won, 2 squares ahead of %2."},
        {"Announcer", "%1 wins in %n moves", 1, "%1 wins in 1 move"},
    };
    for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedKingdom), QLocale(QLocale::Japanese)}) {
        SCOPED_TRACE(locale.name().toStdString());
        Translations english;
        EXPECT_FALSE(english.Install(locale));
        for (const Count& c : counts) {
            EXPECT_EQ(QCoreApplication::translate(c.context, c.text, nullptr, c.n), QString::fromLatin1(c.said));
        }
    }
}

}  // namespace
}  // namespace vantry::test
