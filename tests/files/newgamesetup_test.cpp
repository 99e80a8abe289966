#include <gtest/gtest.h>

#include <cmath>

#include "fakeboardwindow.h"
#include "newgamesetup.h"
#include "qstringprinter.h"
#include "scriptedprompter.h"

namespace vantry::test {
namespace {

const QString SelectMessage = "Please Select the Name!";
const QString TypeMessage = "Please type the Name!";
const QString LeadingQuote = "A name cannot begin with a double quote (\").";
const QString QuoteWithComma = "A name with a comma or a leading blank cannot also hold a double quote (\").";

SeatEntry Computer(const QString& name) { return {SeatKind::Computer, name, QString(), false}; }
SeatEntry Person(const QString& name) { return {SeatKind::Person, "Select", name, true}; }
SeatEntry Untouched(int seat) {
    return seat == 0 ? SeatEntry{SeatKind::None, "Select", "", true} : SeatEntry{SeatKind::None, "Select", "", false};
}

class NewGameSetupTest : public ::testing::Test {
protected:
    std::optional<SeatRefusal> Start(const SeatEntries& seats) {
        return setup.StartGame(seats, [this] { board.log << "hide"; });
    }

    GameState state;
    FakeBoardWindow board;
    RecordingGameCommands commands{board};
    ScriptedPrompter prompter;
    NewGameSetup setup{state, board, commands, prompter};
};

struct SeatCase {
    const char* what;
    SeatEntry entry;
    QString message;  // empty: the seat is taken
    NameBox box;
};

TEST_F(NewGameSetupTest, ChecksTheNameOfTheChosenKind) {
    const std::vector<SeatCase> cases = {
        {"computer still reading Select", Computer("Select"), SelectMessage, NameBox::Combo},
        {"computer with an empty combo", Computer(""), SelectMessage, NameBox::Combo},
        {"Select in another case is a name", Computer("select"), "", NameBox::Combo},
        {"preset name", Computer("Daxo"), "", NameBox::Combo},
        {"typed computer name", Computer("Hal 9"), "", NameBox::Combo},
        {"person with an empty box", Person(""), TypeMessage, NameBox::Typed},
        {"blanks only", Person("   "), "", NameBox::Typed},
        {"person ignores the combo", SeatEntry{SeatKind::Person, "", "Ann", true}, "", NameBox::Typed},
        {"computer ignores the text box", SeatEntry{SeatKind::Computer, "Bart", "", false}, "", NameBox::Combo},
        {"leading quote", Person("\"Ann"), LeadingQuote, NameBox::Typed},
        {"lone quote", Person("\""), LeadingQuote, NameBox::Typed},
        {"quote with a comma", Person("Ann, \"B\""), QuoteWithComma, NameBox::Typed},
        {"quote with a leading blank", Person(" An\"n"), QuoteWithComma, NameBox::Typed},
        // The file's reader skips blanks only, so a leading tab comes back without quotes.
        {"quote with a leading tab", Person("\tAn\"n"), "", NameBox::Typed},
        {"quote inside a plain name", Person("An\"n"), "", NameBox::Typed},
        {"comma without a quote", Person("Ann, Bob"), "", NameBox::Typed},
        {"leading blank without a quote", Person("  Ann"), "", NameBox::Typed},
        {"typed computer name with a leading quote", Computer("\"Hal"), LeadingQuote, NameBox::Combo},
    };
    for (const SeatCase& c : cases) {
        SCOPED_TRACE(c.what);
        // The seat's kind starts opposite to the one chosen, so taking it shows.
        state = GameState{};
        state.IsComputer[1] = c.entry.kind == SeatKind::Person;
        FakeBoardWindow window;
        RecordingGameCommands recorder{window};
        ScriptedPrompter asked;
        NewGameSetup rules{state, window, recorder, asked};
        SeatEntries seats{Untouched(0), c.entry, Untouched(2), Untouched(3)};

        const auto refusal = rules.StartGame(seats, [] {});
        if (c.message.isEmpty()) {
            EXPECT_FALSE(refusal.has_value());
            EXPECT_TRUE(asked.messages.isEmpty());
            EXPECT_EQ(state.IsComputer[1], c.entry.kind == SeatKind::Computer);
            EXPECT_EQ(recorder.resets, 1);
            const QString& name = c.entry.kind == SeatKind::Computer ? c.entry.comboText : c.entry.typedText;
            EXPECT_EQ(window.log.value(0), "Name 1 " + name);
        } else {
            ASSERT_TRUE(refusal.has_value());
            EXPECT_EQ(refusal->seat, 1);
            EXPECT_EQ(refusal->box, c.box);
            EXPECT_EQ(refusal->message, c.message);
            EXPECT_EQ(asked.messages, QStringList{c.message});
            EXPECT_EQ(recorder.resets, 0);
            EXPECT_EQ(window.NameCaption(1), "Unknown2");
            EXPECT_EQ(state.IsComputer[1], c.entry.kind == SeatKind::Person);
        }
    }
}

TEST_F(NewGameSetupTest, StartTakesSeatsThenResetsHidesShowsAndNamesAgain) {
    SeatEntries seats{Person("Ann"), Computer("Daxo"), Untouched(2), Computer("Daxo")};
    seats[1].typedText = "left behind";
    ASSERT_FALSE(Start(seats).has_value());
    EXPECT_EQ(board.log, (QStringList{"Name 0 Ann", "Name 1 Daxo", "Name 3 Daxo", "ResetBoard", "hide", "ShowWindow",
                                      "Name 0 Ann", "Name 1 Daxo", "Name 2 Select", "Name 3 Daxo"}));
    EXPECT_EQ(state.IsComputer, (std::array<bool, 4>{false, true, false, true}));
}

// A seat whose kind was never chosen still names a player on the board, from the box on show,
// so that name must come back from a saved game as well.
TEST_F(NewGameSetupTest, ANameTheBoardTakesWithoutAKindIsCheckedToo) {
    const std::pair<SeatEntry, NameBox> seats[] = {
        {SeatEntry{SeatKind::None, "Select", "\"Bob, Jr", true}, NameBox::Typed},
        {SeatEntry{SeatKind::None, " Al, \"B\"", "", false}, NameBox::Combo},
    };
    for (const auto& [seat, box] : seats) {
        FakeBoardWindow window;
        RecordingGameCommands recorder{window};
        ScriptedPrompter asked;
        NewGameSetup rules{state, window, recorder, asked};
        const auto refusal = rules.StartGame({Person("Ann"), Untouched(1), seat, Untouched(3)}, [] {});
        ASSERT_TRUE(refusal.has_value()) << seat.typedText.toStdString();
        EXPECT_EQ(refusal->seat, 2);
        EXPECT_EQ(refusal->box, box);
        EXPECT_EQ(asked.messages, QStringList{refusal->message});
        EXPECT_FALSE(refusal->message.isEmpty());
        EXPECT_EQ(recorder.resets, 0);
        EXPECT_EQ(window.NameCaption(2), "Unknown3");
    }
}

TEST_F(NewGameSetupTest, LoadStopsTheThreeTimers) {
    setup.Load();
    EXPECT_EQ(board.log, (QStringList{"Timer1 off", "timPlay off", "timGo off"}));
    EXPECT_EQ(board.Timers(), (std::array<bool, 3>{false, false, false}));
}

TEST_F(NewGameSetupTest, CloseBoxResumesUnlessSeatZeroIsExactlyUnknown) {
    struct Case {
        QString seat0;
        bool reset;
    };
    for (const Case& c : {Case{"Unknown1", false}, Case{"unknown", false}, Case{"Unknown ", false},
                          Case{"Ann", false}, Case{"Unknown", true}}) {
        SCOPED_TRACE(c.seat0.toStdString());
        FakeBoardWindow window;
        RecordingGameCommands recorder{window};
        NewGameSetup rules{state, window, recorder, prompter};
        window.view.names = {c.seat0.toStdString(), "Bart", "Eve", "Robin"};
        window.view.timers = {false, false, false};
        rules.CloseBox([&window] { window.log << "hide"; });
        if (c.reset) {
            EXPECT_EQ(window.log, (QStringList{"hide", "ShowWindow", "Name 0 Unknown", "Name 1 Unknown",
                                               "Name 2 Unknown", "Name 3 Unknown", "ResetBoard"}));
        } else {
            EXPECT_EQ(window.log, (QStringList{"hide", "ShowWindow", "Timer1 on", "timPlay on", "timGo off"}));
            EXPECT_EQ(window.Names(), (QStringList{c.seat0, "Bart", "Eve", "Robin"}));
        }
        EXPECT_EQ(recorder.resets, c.reset ? 1 : 0);
        EXPECT_EQ(window.Timers(), (std::array<bool, 3>{true, true, false}));
    }
}

TEST(PresetIndex, MapsTheDrawOntoTheElevenNames) {
    const struct {
        float draw;
        int index;
    } cases[] = {{0.0f, 0}, {0.09f, 0}, {0.091f, 1}, {0.5f, 5}, {0.95f, 10}, {std::nextafter(1.0f, 0.0f), 10}};
    for (const auto& c : cases) EXPECT_EQ(NewGameSetup::PresetIndex(c.draw), c.index) << c.draw;
}

TEST(PresetIndex, DrawsOncePerSeatAfterAFreshSeed) {
    ScriptedRandom random({0.0f, 0.3f, 0.6f, 0.99f});
    EXPECT_EQ(NewGameSetup::DrawPresetNames(random), (std::array<int, 4>{0, 3, 6, 10}));
    EXPECT_EQ(random.reseeds, 5);
    EXPECT_FLOAT_EQ(random.Next(), 0.0f);  // exactly four draws were taken
}

}  // namespace
}  // namespace vantry::test
