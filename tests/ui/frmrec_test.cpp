#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

#include "dialogs/frmrec.h"
#include "gamecommands.h"
#include "gamestate.h"
#include "isolatedstores.h"
#include "recordsstore.h"
#include "scriptedprompter.h"

namespace vantry {
namespace {

class RecordingCommands : public GameCommands {
public:
    void ResetBoard() override { Log("ResetBoard"); }
    void OpenGame() override { Log("OpenGame"); }
    std::vector<std::string> calls;
    std::function<void()> onCall;

private:
    void Log(const char* name) {
        calls.emplace_back(name);
        if (onCall) onCall();
    }
};

// Rows "P1".."P10" with 10, 20, .. 100 moves.
RecordRows Ladder() {
    RecordRows rows;
    for (int i = 0; i < RecordRowCount; ++i) rows[static_cast<std::size_t>(i)] = {QStringLiteral("P%1").arg(i + 1), QString::number(10 * (i + 1))};
    return rows;
}

class FrmRecTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(stores_.valid()); }

    // No `stored`: the flag stays as earlier openings of this run left it.
    frmRec& Open(const char* name, int moves, std::optional<bool> stored) {
        state_.WinnerName = name;
        state_.WinnerMoves = static_cast<std::int16_t>(moves);
        if (stored) state_.RecordsStored = *stored;
        window_ = std::make_unique<frmRec>(state_, prompter_, commands_, &owner_, [this] { ++exits_; });
        window_->Form_Load();
        window_->show();
        return *window_;
    }
    QLabel* Label(const char* column, int row) const {
        return window_->findChild<QLabel*>(QStringLiteral("%1(%2)").arg(column).arg(row));
    }
    void Click(const char* button) { QTest::mouseClick(window_->findChild<QPushButton*>(button), Qt::LeftButton); }
    RecordRows Shown() const {
        RecordRows rows;
        for (int r = 1; r <= RecordRowCount; ++r) rows[static_cast<std::size_t>(r - 1)] = {Label("lblName", r)->text(), Label("lblMove", r)->text()};
        return rows;
    }
    static QStringList StoredKeys() {
        QSettings settings("Vantry", "Vantry");
        settings.beginGroup("Records");
        return settings.childKeys();
    }

    test::IsolatedStores stores_;
    GameState state_;
    test::ScriptedPrompter prompter_;
    RecordingCommands commands_;
    QWidget owner_;
    std::unique_ptr<frmRec> window_;
    int exits_ = 0;
};

// Notes whether the table window was on screen while its message was up.
class WatchingPrompter : public test::ScriptedPrompter {
public:
    void Message(const QString& text, Icon icon = Icon::None) override {
        windowShownDuringMessage.push_back(watched && watched->isVisible());
        ScriptedPrompter::Message(text, icon);
    }
    QWidget* watched = nullptr;
    std::vector<bool> windowShownDuringMessage;
};

TEST_F(FrmRecTest, AnnouncesTheResultBeforeTheWindowShows) {
    state_.WinnerName = "Ann";
    state_.WinnerMoves = 23;
    state_.RecordsStored = true;
    WatchingPrompter prompter;
    frmRec window(state_, prompter, commands_, &owner_, [] {});
    prompter.watched = &window;
    QTimer::singleShot(0, &window, [&] { window.findChild<QPushButton*>("cmdOK")->click(); });
    EXPECT_EQ(window.Run(), frmRec::Outcome::NewGame);
    EXPECT_EQ(prompter.messages, QStringList{"Ann Moves = 23"});
    EXPECT_EQ(prompter.windowShownDuringMessage, std::vector<bool>{false});
    EXPECT_EQ(window.windowTitle(), "Vantry - Best Players");
}

TEST_F(FrmRecTest, StoredTableTakesTheWinnerAndMarksItsRowBold) {
    StoreRecordRows(Ladder());
    Open("Ann", 25, true);
    const std::vector<QString> names{"P1", "P2", "Ann", "P3", "P4", "P5", "P6", "P7", "P8", "P9"};
    for (int r = 1; r <= RecordRowCount; ++r) {
        EXPECT_EQ(Label("lblName", r)->text(), names[static_cast<std::size_t>(r - 1)]);
        const bool bold = r == 3;
        for (const char* column : {"lblName", "lblMove", "lblP"}) EXPECT_EQ(Label(column, r)->font().bold(), bold) << column << r;
    }
    EXPECT_EQ(Label("lblMove", 3)->text(), "25");
    EXPECT_EQ(Label("lblMove", 10)->text(), "90");
}

TEST_F(FrmRecTest, TheBoldRankOfANewRowIsWideEnoughForItsText) {
    StoreRecordRows(Ladder());
    Open("Ann", 95, true);
    QLabel* rank = Label("lblP", 10);
    ASSERT_TRUE(rank->font().bold());
    EXPECT_GE(rank->width(), rank->sizeHint().width());
}

TEST_F(FrmRecTest, ResultNotGoodEnoughLeavesTheTableAsShown) {
    RecordRows stored = Ladder();
    stored[4].moves = " 50";
    StoreRecordRows(stored);
    Open("Ann", 100, true);
    EXPECT_EQ(Shown(), stored);
    for (int r = 1; r <= RecordRowCount; ++r) EXPECT_FALSE(Label("lblName", r)->font().bold());
}

// Counts that are no number rank after every count and go back to the store as they were read.
TEST_F(FrmRecTest, StoredCountsThatAreNoNumberRankLastAndAreStoredBackAsRead) {
    RecordRows stored = Ladder();
    stored[1].moves = "lots";
    stored[4].moves = "99999";
    StoreRecordRows(stored);
    Open("Ann", 15, true);
    const std::vector<QString> moves{"10", "15", "lots", "30", "40", "99999", "60", "70", "80", "90"};
    for (int r = 1; r <= RecordRowCount; ++r) EXPECT_EQ(Label("lblMove", r)->text(), moves[static_cast<std::size_t>(r - 1)]) << r;
    EXPECT_TRUE(Label("lblName", 2)->font().bold());
    Click("cmdOK");
    EXPECT_EQ(ReadStoredRecordRows(), Shown());
}

// A table written by hand: the marker in small letters and only two rows. The winner takes the
// third place, before the default rows that fill the rest, and the two rows are kept.
TEST_F(FrmRecTest, AHandWrittenTableWithTwoRowsIsReadAndKept) {
    {
        QSettings settings("Vantry", "Vantry");
        settings.setValue("Records/Boolean", "true");
        settings.setValue("Records/Names1", "Cy");
        settings.setValue("Records/Moves1", "30");
        settings.setValue("Records/Names2", "Di");
        settings.setValue("Records/Moves2", "40");
    }
    Open("Ann", 41, false);
    Click("cmdOK");
    const RecordRows stored = ReadStoredRecordRows();
    EXPECT_EQ(stored[0], (RecordRow{"Cy", "30"}));
    EXPECT_EQ(stored[1], (RecordRow{"Di", "40"}));
    EXPECT_EQ(stored[2], (RecordRow{"Ann", "41"}));
    EXPECT_EQ(stored[3], (RecordRow{"Unknown3", "100"}));
    EXPECT_EQ(stored[9], (RecordRow{"Unknown9", "100"}));
}

// Two copies of the game on one account. The other copy stores its result while this one's
// table is open, even the first table of all; closing this one keeps both results.
TEST_F(FrmRecTest, ClosingEntersTheResultIntoTheTableAnotherCopyStoredMeanwhile) {
    struct Case {
        const char* what;
        bool tableBefore;
        int ours;
        int theirs;
        std::vector<QString> names;
    };
    const Case cases[] = {
        {"theirs better", true, 35, 15, {"P1", "Bo", "P2", "P3", "Ann", "P4", "P5", "P6", "P7", "P8"}},
        {"ours better", true, 15, 35, {"P1", "Ann", "P2", "P3", "Bo", "P4", "P5", "P6", "P7", "P8"}},
        {"a tie goes after theirs", true, 25, 25, {"P1", "P2", "Bo", "Ann", "P3", "P4", "P5", "P6", "P7", "P8"}},
        {"their table is the first", false, 45, 15, {"P1", "Bo", "P2", "P3", "P4", "Ann", "P5", "P6", "P7", "P8"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QSettings("Vantry", "Vantry").clear();
        if (c.tableBefore) StoreRecordRows(Ladder());
        Open("Ann", c.ours, c.tableBefore);
        RecordsTable theirs(Ladder());
        theirs.Enter("Bo", static_cast<std::int16_t>(c.theirs));
        StoreRecordRows(theirs.Captions());
        Click("cmdOK");
        const RecordRows stored = ReadStoredRecordRows();
        for (int r = 1; r <= RecordRowCount; ++r) EXPECT_EQ(stored[static_cast<std::size_t>(r - 1)].name, c.names[static_cast<std::size_t>(r - 1)]) << r;
    }
}

// A copy whose board loaded before any table existed reads the one stored since.
TEST_F(FrmRecTest, TheMarkerIsReadAgainWhenTheWindowOpens) {
    StoreRecordRows(Ladder());
    Open("Ann", 95, false);
    EXPECT_EQ(Label("lblName", 9)->text(), "P9");
    EXPECT_EQ(Label("lblName", 10)->text(), "Ann");
    EXPECT_TRUE(state_.RecordsStored);
}

// The first run starts from the default rows; once it has stored them, the next win of the
// same run builds on what was stored, as a later run would.
TEST_F(FrmRecTest, FirstRunStartsFromTheDefaultsThenKeepsWhatItStored) {
    Open("Ann", 99, false);
    EXPECT_EQ(Label("lblName", 1)->text(), "Ann");
    EXPECT_EQ(Label("lblName", 2)->text(), "Unknown1");
    Click("cmdOK");

    Open("Bo", 50, std::nullopt);
    EXPECT_EQ(Label("lblName", 1)->text(), "Bo");
    EXPECT_EQ(Label("lblName", 2)->text(), "Ann");
    Click("cmdOK");
    const RecordRows stored = ReadStoredRecordRows();
    EXPECT_EQ(stored[0], (RecordRow{"Bo", "50"}));
    EXPECT_EQ(stored[1], (RecordRow{"Ann", "99"}));
    EXPECT_EQ(stored[2], (RecordRow{"Unknown1", "100"}));
}

TEST_F(FrmRecTest, NewGameAndTheCloseBoxStoreTheRowsShown) {
    const std::vector<std::function<void()>> ways{
        [this] { Click("cmdOK"); },
        [this] { window_->close(); },
    };
    const frmRec::Outcome outcomes[] = {frmRec::Outcome::NewGame, frmRec::Outcome::Closed};
    for (std::size_t way = 0; way < ways.size(); ++way) {
        StoreRecordRows(Ladder());
        Open("Ann", 95, true);
        const RecordRows shown = Shown();
        ways[way]();
        EXPECT_FALSE(window_->isVisible());
        EXPECT_EQ(window_->outcome(), outcomes[way]);
        EXPECT_EQ(StoredKeys().size(), 21) << "the rows and the marker";
        EXPECT_EQ(ReadStoredRecordRows(), shown);
        EXPECT_EQ(ReadStoredRecordRows()[9], (RecordRow{"Ann", "95"})) << "old row 10 gone";
    }
    EXPECT_TRUE(commands_.calls.empty());
}

// Also on the first run: the marker never stands in the store without its rows.
TEST_F(FrmRecTest, ExitEndsAtOnceStoringNothing) {
    Open("Ann", 5, false);
    Click("cmdExit");
    EXPECT_EQ(exits_, 1);
    EXPECT_EQ(window_->outcome(), frmRec::Outcome::Exit);
    EXPECT_FALSE(window_->isVisible());
    EXPECT_TRUE(StoredKeys().isEmpty());
    EXPECT_TRUE(commands_.calls.empty());
}

TEST_F(FrmRecTest, OpenGameWithAStoredTableDropsTheNewRow) {
    StoreRecordRows(Ladder());
    Open("Ann", 5, true);
    std::vector<bool> hiddenAtCall;
    commands_.onCall = [&] { hiddenAtCall.push_back(!window_->isVisible() && owner_.isVisible()); };
    // Tells the rows read back at the click from those read at load.
    RecordRows changed = Ladder();
    changed[0].name = "Someone else";
    StoreRecordRows(changed);
    Click("cmdOpen");
    EXPECT_EQ(commands_.calls, (std::vector<std::string>{"ResetBoard", "OpenGame"}));
    EXPECT_EQ(hiddenAtCall, (std::vector<bool>{false, true}));
    EXPECT_EQ(window_->outcome(), frmRec::Outcome::OpenGame);
    EXPECT_EQ(Shown(), changed);
    EXPECT_EQ(ReadStoredRecordRows(), changed);
}

TEST_F(FrmRecTest, OpenGameOnTheFirstRunStoresTheTableShown) {
    Open("Ann", 5, false);
    Click("cmdOpen");
    EXPECT_EQ(QSettings("Vantry", "Vantry").value("Records/Boolean").toString(), "True");
    EXPECT_EQ(ReadStoredRecordRows()[0], (RecordRow{"Ann", "5"}));
    EXPECT_EQ(ReadStoredRecordRows()[9], (RecordRow{"Unknown9", "100"}));
}

// Each row stands under the one before with its place, name and moves side by side, the buttons
// below the table, everything inside the window; Enter starts a new game.
TEST_F(FrmRecTest, RowsStackUnderTheHeadingsAndTheButtonsStandBelowThem) {
    Open("Ann", 5, true);
    const QRect inside = window_->rect();
    for (int row = 0; row <= 10; ++row) {
        SCOPED_TRACE(row);
        const QRect place = row == 0 ? window_->findChild<QLabel*>("Label11")->geometry() : Label("lblP", row)->geometry();
        const QRect name = Label("lblName", row)->geometry();
        const QRect moves = Label("lblMove", row)->geometry();
        EXPECT_LT(place.right(), name.left());
        EXPECT_LT(name.right(), moves.left());
        EXPECT_TRUE(inside.contains(moves));
        if (row > 0) {
            EXPECT_GT(name.top(), Label("lblName", row - 1)->geometry().bottom());
        }
    }
    int left = 0;
    for (const char* name : {"cmdOK", "cmdOpen", "cmdExit"}) {
        const auto* button = window_->findChild<QPushButton*>(name);
        ASSERT_NE(button, nullptr) << name;
        EXPECT_GT(button->y(), Label("lblName", 10)->geometry().bottom()) << name;
        EXPECT_GT(button->x(), left) << name;
        EXPECT_TRUE(inside.contains(button->geometry())) << name;
        EXPECT_EQ(button->isDefault(), std::string(name) == "cmdOK");
        left = button->geometry().right();
    }
}

}  // namespace
}  // namespace vantry
