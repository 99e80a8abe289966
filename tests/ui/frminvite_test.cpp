#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>

#include "dialogs/frminvite.h"
#include "scriptedprompter.h"
#include "tableplay.h"

namespace vantry::test {
namespace {

// Hands out numbered invitations, or none when hosting fails; writes down what was asked.
class RecordingTable : public TablePlay {
public:
    QStringList HostPersonSeats() override { return {}; }
    void Join(const QString&) override {}
    QString Invite(int seat) override {
        asked << QStringLiteral("invite %1").arg(seat);
        return fails ? QString() : QStringLiteral("vantry://seat%1/%2").arg(seat).arg(++made);
    }
    void PlayHere(int seat) override { asked << QStringLiteral("here %1").arg(seat); }
    QString InviteWatcher() override {
        asked << QStringLiteral("watch");
        return QStringLiteral("vantry://watch");
    }
    QStringList asked;
    bool fails = false;
    int made = 0;
};

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
