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

// The dialog's rules over a game on an engine. The board window, the board's drawing of the
// game and the document commands all write to the board's log.
struct Rig {
    explicit Rig(const GameState& start = GameState{}) : state(start) { engine.SetListener(&drawn); }

    std::optional<SeatRefusal> Start(const SeatEntries& seats) {
        return setup.StartGame(seats, [this] { board.log << "hide"; });
    }

    GameState state;
    ScriptedRandom random;
    Engine engine{state, random};
    FakeBoardWindow board;
    BoardLog drawn{state, board};
    RecordingGameCommands commands{board, engine};
    ScriptedPrompter prompter;
    NewGameSetup setup{engine, board, commands, prompter};
};

struct SeatCase {
    const char* what;
    SeatEntry entry;
    QString message;  // empty: the seat is taken
    NameBox box;
};

TEST(NewGameSetupTest, ChecksTheNameOfTheChosenKind) {
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
        {"non-ASCII name", Person("Zoë Łukasz"), "", NameBox::Typed},
    };
    for (const SeatCase& c : cases) {
        SCOPED_TRACE(c.what);
        // The seat's kind starts opposite to the one chosen, so taking it shows.
        GameState start;
        start.IsComputer[1] = c.entry.kind == SeatKind::Person;
        Rig rig{start};
        SeatEntries seats{Untouched(0), c.entry, Untouched(2), Untouched(3)};

        const auto refusal = rig.setup.StartGame(seats, [] {});
        if (c.message.isEmpty()) {
            EXPECT_FALSE(refusal.has_value());
            EXPECT_TRUE(rig.prompter.messages.isEmpty());
            EXPECT_EQ(rig.state.IsComputer[1], c.entry.kind == SeatKind::Computer);
            EXPECT_EQ(rig.commands.resets, 1);
            const QString& name = c.entry.kind == SeatKind::Computer ? c.entry.comboText : c.entry.typedText;
            // Named as the seat is taken, before the board is reset.
            EXPECT_EQ(rig.board.log.value(0), "Name 1 " + name);
            EXPECT_EQ(rig.state.Names[1], name.toStdString());
        } else {
            ASSERT_TRUE(refusal.has_value());
            EXPECT_EQ(refusal->seat, 1);
            EXPECT_EQ(refusal->box, c.box);
            EXPECT_EQ(refusal->message, c.message);
            EXPECT_EQ(rig.prompter.messages, QStringList{c.message});
            EXPECT_EQ(rig.commands.resets, 0);
            // The dialog stays: nothing of the board changed and it was not shown.
            EXPECT_TRUE(rig.board.log.isEmpty()) << rig.board.log.join(", ").toStdString();
            EXPECT_EQ(rig.state.Names[1], "Unknown2");
            EXPECT_EQ(rig.state.IsComputer[1], c.entry.kind == SeatKind::Person);
        }
    }
}

TEST(NewGameSetupTest, StartTakesSeatsThenResetsHidesShowsAndNamesAgain) {
    Rig rig;
    rig.setup.Load();
    rig.board.log.clear();
    SeatEntries seats{Person("Ann"), Computer("Daxo"), Untouched(2), Computer("Daxo")};
    seats[1].typedText = "left behind";
    ASSERT_FALSE(rig.Start(seats).has_value());
    // The second naming gives seat 2, whose kind was never chosen, the name of the box on show.
    EXPECT_EQ(rig.board.log, (QStringList{"Name 0 Ann", "Name 1 Daxo", "Name 3 Daxo", "ResetBoard", "replaced",
                                          "Timer1 on", "timPlay on", "hide", "ShowWindow", "Name 2 Select"}));
    EXPECT_EQ(rig.state.Names, (std::array<std::string, 4>{"Ann", "Daxo", "Select", "Daxo"}));
    EXPECT_EQ(rig.state.IsComputer, (std::array<bool, 4>{false, true, false, true}));
}

// A seat whose kind was never chosen still names a player on the board, from the box on show,
// so that name must come back from a saved game as well.
TEST(NewGameSetupTest, ANameTheBoardTakesWithoutAKindIsCheckedToo) {
    const std::pair<SeatEntry, NameBox> seats[] = {
        {SeatEntry{SeatKind::None, "Select", "\"Bob, Jr", true}, NameBox::Typed},
        {SeatEntry{SeatKind::None, " Al, \"B\"", "", false}, NameBox::Combo},
    };
    for (const auto& [seat, box] : seats) {
        Rig rig;
        const auto refusal = rig.setup.StartGame({Person("Ann"), Untouched(1), seat, Untouched(3)}, [] {});
        ASSERT_TRUE(refusal.has_value()) << seat.typedText.toStdString();
        EXPECT_EQ(refusal->seat, 2);
        EXPECT_EQ(refusal->box, box);
        EXPECT_EQ(rig.prompter.messages, QStringList{refusal->message});
        EXPECT_FALSE(refusal->message.isEmpty());
        EXPECT_EQ(rig.commands.resets, 0);
        EXPECT_EQ(rig.state.Names[2], "Unknown3");
        // The seat before the refused one keeps what it was given.
        EXPECT_EQ(rig.state.Names[0], "Ann");
    }
}

TEST(NewGameSetupTest, LoadStopsTheThreeTimers) {
    GameState start;
    start.TimerOn = {true, true, true};
    start.NameLit[2] = false;  // the blink in its dark half
    Rig rig{start};
    rig.setup.Load();
    EXPECT_EQ(rig.board.log, (QStringList{"Timer1 off", "timPlay off", "timGo off"}));
    EXPECT_EQ(rig.state.TimerOn, (std::array<bool, 3>{false, false, false}));
    // A name stopped dark would stay off the board while the dialog is open.
    EXPECT_EQ(rig.state.NameLit, (std::array<bool, 4>{true, true, true, true}));
}

TEST(NewGameSetupTest, CloseBoxResumesUnlessSeatZeroIsExactlyUnknown) {
    struct Case {
        std::string seat0;
        bool reset;
    };
    for (const Case& c : {Case{"Unknown1", false}, Case{"unknown", false}, Case{"Unknown ", false},
                          Case{"Ann", false}, Case{"Unknown", true}}) {
        SCOPED_TRACE(c.seat0);
        // As the dialog's load leaves the board.
        GameState start;
        start.Names = {c.seat0, "Bart", "Eve", "Robin"};
        start.TimerOn = {false, false, false};
        Rig rig{start};
        rig.setup.CloseBox([&rig] { rig.board.log << "hide"; });
        if (c.reset) {
            EXPECT_EQ(rig.board.log, (QStringList{"hide", "ShowWindow", "Name 1 Unknown", "Name 2 Unknown",
                                                  "Name 3 Unknown", "ResetBoard", "replaced", "Timer1 on",
                                                  "timPlay on"}));
            EXPECT_EQ(rig.state.Names, (std::array<std::string, 4>{"Unknown", "Unknown", "Unknown", "Unknown"}));
        } else {
            EXPECT_EQ(rig.board.log, (QStringList{"hide", "ShowWindow", "Timer1 on", "timPlay on"}));
            EXPECT_EQ(rig.state.Names, start.Names);
        }
        EXPECT_EQ(rig.commands.resets, c.reset ? 1 : 0);
        // timPlay and Timer1 running, timGo stopped.
        EXPECT_EQ(rig.state.TimerOn, (std::array<bool, 3>{true, false, true}));
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
