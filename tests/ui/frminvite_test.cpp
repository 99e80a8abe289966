#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>

#include "dialogs/frminvite.h"
#include "scriptedprompter.h"
#include "recordingtable.h"

namespace vantry::test {
namespace {

// Ticking a person's seat hosts it and shows its invitation and the watchers'; unticking plays
// it here again; a computer's seat cannot be given, and a failed hosting leaves the box unticked.
TEST(InviteWindow, GivesAPersonsSeatAwayAndTakesItBack) {
    GameState state;
    state.IsComputer = {false, true, false, false};
    RecordingTable table;
    ScriptedPrompter prompter;
    frmInvite window(state, table, prompter, nullptr);
    EXPECT_FALSE(window.Seat(1)->isEnabled());
    EXPECT_TRUE(window.Link(2)->text().isEmpty());

    window.Seat(2)->setChecked(true);
    EXPECT_EQ(window.Link(2)->text(), QStringLiteral("vantry://seat2/1"));
    EXPECT_EQ(window.WatchLink()->text(), QStringLiteral("vantry://watch"));
    window.Seat(2)->setChecked(false);
    EXPECT_TRUE(window.Link(2)->text().isEmpty());
    EXPECT_EQ(table.asked, QStringList({"invite 2", "watch", "here 2"}));

    table.fails = true;
    window.Seat(0)->setChecked(true);
    EXPECT_FALSE(window.Seat(0)->isChecked());
    EXPECT_EQ(prompter.messages, QStringList{frmInvite::FailedText()});
}

}  // namespace
}  // namespace vantry::test
