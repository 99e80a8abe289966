#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include "isolatedstores.h"
#include "playeroptions.h"
#include "qstringprinter.h"
#include "userstorewrite.h"
#include "xmppoptions.h"

namespace vantry::test {
namespace {

bool WriteStore(const QByteArray& text) {
    const QString path = UserStorePath();
    if (!QDir().mkpath(QFileInfo(path).path())) return false;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

struct OptionsCase {
    const char* stored;
    PlayerOptions expected;
};

PlayerOptions With(void (*edit)(PlayerOptions&)) {
    PlayerOptions options;
    edit(options);
    return options;
}

// A value the game never writes reads as that option's default, and leaves the others alone.
TEST(PlayerOptions, AMissingOrDamagedValueReadsAsItsDefault) {
    const OptionsCase cases[] = {
        {"", PlayerOptions{}},
        {"[Options]\n", PlayerOptions{}},
        {"\x01\xff\xfe garbage [[[\n=\n", PlayerOptions{}},
        {"[Options]\nMarks=maybe\nTravel=1\nSound=\n", PlayerOptions{}},
        {"[Options]\nMarks=FALSE\nTravel=false\nSound=False\n", With([](PlayerOptions& o) {
             o.marks = false;
             o.travel = false;
             o.sound = false;
         })},
        {"[Options]\nPace=300\n", PlayerOptions{}},
        {"[Options]\nPace=-250\n", PlayerOptions{}},
        {"[Options]\nPace=0x1f4\n", PlayerOptions{}},
        {"[Options]\nPace=250, 500\n", PlayerOptions{}},
        {"[Options]\nPace=1000\n", With([](PlayerOptions& o) { o.pace = 1000; })},
        {"[Options]\nPace=\" 250 \"\n", With([](PlayerOptions& o) { o.pace = 250; })},
        {"[Options]\nVolume=101\n", PlayerOptions{}},
        {"[Options]\nVolume=-1\n", PlayerOptions{}},
        {"[Options]\nVolume=50.5\n", PlayerOptions{}},
        {"[Options]\nVolume=99999999999\n", PlayerOptions{}},
        {"[Options]\nVolume=0\n", With([](PlayerOptions& o) { o.volume = 0; })},
        {"[Options]\nLanguage=xx\n", PlayerOptions{}},
        {"[Options]\nLanguage=pt_br\n", PlayerOptions{}},
        {"[Options]\nLanguage=../de\n", PlayerOptions{}},
        {"[Options]\nLanguage=pt_BR\nPace=abc\n", With([](PlayerOptions& o) { o.language = "pt_BR"; })},
        // The best players' section holds none of the options.
        {"[Records]\nMarks=false\nPace=250\n", PlayerOptions{}},
    };
    for (const OptionsCase& c : cases) {
        SCOPED_TRACE(c.stored);
        IsolatedStores stores;  // a file of its own each time, never one the toolkit has cached
        ASSERT_TRUE(stores.valid());
        ASSERT_TRUE(WriteStore(c.stored));
        const PlayerOptions read = ReadPlayerOptions();
        EXPECT_EQ(read.marks, c.expected.marks);
        EXPECT_EQ(read.travel, c.expected.travel);
        EXPECT_EQ(read.pace, c.expected.pace);
        EXPECT_EQ(read.sound, c.expected.sound);
        EXPECT_EQ(read.volume, c.expected.volume);
        EXPECT_EQ(read.language, c.expected.language);
    }
}

TEST(PlayerOptions, StoredOptionsAreReadBackAndLeaveTheBestPlayersAlone) {
    IsolatedStores stores;
    ASSERT_TRUE(stores.valid());
    ASSERT_TRUE(WriteStore("[Records]\nBoolean=True\nNames1=Ann\n"));
    PlayerOptions chosen;
    chosen.marks = false;
    chosen.travel = false;
    chosen.pace = PlayerOptions::BriskPace;
    chosen.sound = false;
    chosen.volume = 35;
    chosen.language = "de";
    ASSERT_FALSE(StorePlayerOptions(chosen, PlayerOptions{}).has_value());
    EXPECT_TRUE(ReadPlayerOptions() == chosen);

    QSettings settings("Vantry", "Vantry");
    EXPECT_EQ(settings.childGroups(), QStringList({"Options", "Records"}));
    settings.beginGroup("Records");
    EXPECT_EQ(settings.childKeys(), QStringList({"Boolean", "Names1"}));
}

// The account's address, server and direct way read back; only a plain "false" closes the direct
// way, so a damaged value keeps the port a player had; the store holds no password.
TEST(XmppOptions, TheAccountReadsBackAndOnlyAPlainFalseClosesTheDirectWay) {
    IsolatedStores stores;
    ASSERT_TRUE(stores.valid());
    const XmppOptions account{"anna@example.org", "xmpp.example.org:5222", false};
    ASSERT_FALSE(StoreXmppOptions(account).has_value());
    EXPECT_TRUE(ReadXmppOptions() == account);
    QSettings settings("Vantry", "Vantry");
    settings.beginGroup("Xmpp");
    EXPECT_EQ(settings.childKeys(), QStringList({"Address", "Direct", "Server"}));
    settings.setValue("Direct", "no");
    settings.sync();
    EXPECT_TRUE(ReadXmppOptions().direct);
}

// Another copy of the game chose a language after this one read the options: changing the marks
// here writes the marks alone, over what the store holds then, and the language stays.
TEST(PlayerOptions, AWriteTakesOnlyTheOptionsThatChanged) {
    IsolatedStores stores;
    ASSERT_TRUE(stores.valid());
    const PlayerOptions before = ReadPlayerOptions();
    ASSERT_TRUE(WriteStore("[Options]\nLanguage=de\nPace=250\n"));
    PlayerOptions after = before;
    after.marks = false;
    ASSERT_FALSE(StorePlayerOptions(after, before).has_value());

    const PlayerOptions read = ReadPlayerOptions();
    EXPECT_FALSE(read.marks);
    EXPECT_EQ(read.language, "de");
    EXPECT_EQ(read.pace, PlayerOptions::BriskPace);
    QSettings settings("Vantry", "Vantry");
    settings.beginGroup("Options");
    EXPECT_EQ(settings.childKeys(), QStringList({"Language", "Marks", "Pace"}));
}

}  // namespace
}  // namespace vantry::test
