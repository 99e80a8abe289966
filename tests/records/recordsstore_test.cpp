#include <gtest/gtest.h>

#include <QSettings>

#include "aboutvalues.h"
#include "isolatedstores.h"
#include "recordsflag.h"
#include "recordsstore.h"

namespace vantry {
namespace {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(stores_.valid()); }

    test::IsolatedStores stores_;
};

TEST_F(StoreTest, MarkerIsTheTextTrueThatTheBoardReadsBack) {
    bool stored = false;
    ReadRecordsStored(stored);
    EXPECT_FALSE(stored);
    StoreRecordRows(DefaultRecordRows());
    EXPECT_EQ(QSettings("Vantry", "Vantry").value("Records/Boolean").toString(), "True");
    ReadRecordsStored(stored);
    EXPECT_TRUE(stored);
}

TEST_F(StoreTest, RowsGoUnderTheirNumberedKeysAsStrings) {
    RecordRows rows = DefaultRecordRows();
    rows[2] = {"Ann, the Bold", "23"};
    rows[9] = {"", "x"};
    StoreRecordRows(rows);

    QSettings settings("Vantry", "Vantry");
    settings.beginGroup("Records");
    EXPECT_EQ(settings.childKeys().size(), 21) << "the rows and the marker";
    EXPECT_EQ(settings.value("Names3").toString(), "Ann, the Bold");
    EXPECT_EQ(settings.value("Moves3").toString(), "23");
    EXPECT_EQ(settings.value("Names1").toString(), "Unknown1");
    EXPECT_EQ(settings.value("Moves10").toString(), "x");
    EXPECT_EQ(ReadStoredRecordRows(), rows);
}

TEST_F(StoreTest, MissingKeysReadAsEmptyCaptions) {
    QSettings("Vantry", "Vantry").setValue("Records/Names1", "Bea");
    const RecordRows rows = ReadStoredRecordRows();
    EXPECT_EQ(rows[0], (RecordRow{"Bea", ""}));
    EXPECT_EQ(rows[1], (RecordRow{"", ""}));
}

TEST_F(StoreTest, AboutValuesWithoutAStoreOrGroupAreTheSingleLineError) {
    EXPECT_EQ(ReadAboutValues(), QStringList{"Error"});
    ASSERT_TRUE(stores_.WriteMachineValues("[2.0]\nName=Ann\n"));
    EXPECT_EQ(ReadAboutValues(), QStringList{"Error"});
}

TEST_F(StoreTest, AboutValuesSkipEmptiesAndKeepCommasWhole) {
    struct Case {
        const char* what;
        QByteArray file;
        QStringList expected;
    };
    const Case cases[] = {
        {"one value", "[1.0]\nName=Ann Lee\n", {"Ann Lee"}},
        {"empty value skipped", "[1.0]\n1Name=\n2Company=Acme\n3Extra=More\n", {"Acme", "More"}},
        {"comma left whole", "[1.0]\n1Name=Ann\n2Company=Acme, Inc.\n", {"Ann", "Acme, Inc."}},
        {"quoted comma", "[1.0]\nCompany=\"Acme, Inc.\"\n", {"Acme, Inc."}},
        // A settings file gives its keys in the alphabetical order of their names.
        {"store order", "[1.0]\nb=second\na=first\n", {"first", "second"}},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(stores_.WriteMachineValues(c.file));
        EXPECT_EQ(ReadAboutValues(), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace vantry
