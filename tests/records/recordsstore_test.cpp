#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "aboutvalues.h"
#include "isolatedstores.h"
#include "recordsstore.h"
#include "qstringprinter.h"
#include "userstorewrite.h"

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

// A table stored in part (by hand, or by another program) keeps the places it does not hold for
// the default rows, which any result of fewer than 100 moves beats; an empty value is kept.
TEST_F(StoreTest, MissingKeysReadAsTheDefaultRowOfTheirPlace) {
    QSettings settings("Vantry", "Vantry");
    settings.setValue("Records/Names1", "Bea");
    settings.setValue("Records/Names2", "");
    settings.setValue("Records/Moves2", "30");
    settings.sync();
    const RecordRows rows = ReadStoredRecordRows();
    EXPECT_EQ(rows[0], (RecordRow{"Bea", "100"}));
    EXPECT_EQ(rows[1], (RecordRow{"", "30"}));
    EXPECT_EQ(rows[2], (RecordRow{"Unknown3", "100"}));
    EXPECT_EQ(rows[9], (RecordRow{"Unknown10", "100"}));
}

// Whatever the marker says, rows in the store are a stored table.
TEST_F(StoreTest, MarkerIsTakenInAnyLetterCaseAndRowsCountWithoutIt) {
    struct Case {
        const char* what;
        std::optional<QString> marker;
        bool rows;
        bool before;
        bool after;
    };
    const Case cases[] = {
        {"True", QString("True"), false, false, true},
        {"true", QString("true"), false, false, true},
        {"TRUE", QString("TRUE"), false, false, true},
        {"no marker, no rows", std::nullopt, false, true, false},
        {"empty marker, no rows", QString(""), false, true, false},
        {"no marker beside rows", std::nullopt, true, false, true},
        {"False beside rows", QString("False"), true, false, true},
        {"other text, no rows", QString("yes"), false, false, false},
        {"other text leaves it", QString("yes"), false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QSettings settings("Vantry", "Vantry");
        settings.clear();
        if (c.marker) settings.setValue("Records/Boolean", *c.marker);
        if (c.rows) settings.setValue("Records/Moves7", "40");
        settings.sync();
        bool stored = c.before;
        ReadRecordsStored(stored);
        EXPECT_EQ(stored, c.after);
    }
}

// The settings file's lock as another copy of the game holds it while it writes, or as it can
// never be taken. The toolkit would wait for it for ever; the write gives up and says why.
TEST_F(StoreTest, AWriteWhoseLockCannotBeTakenGivesUpAndLeavesNothingPending) {
    const QString path = UserStorePath();
    const QString lockPath = path + ".lock";
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QLockFile>()>>> ways{
        {"a folder in its place", [&] {
             EXPECT_TRUE(QDir().mkpath(lockPath));
             return std::unique_ptr<QLockFile>();
         }},
        {"held by another writer", [&] {
             auto held = std::make_unique<QLockFile>(lockPath);
             EXPECT_TRUE(held->tryLock());
             return held;
         }},
    };
    for (const auto& [what, block] : ways) {
        SCOPED_TRACE(what);
        RecordRows rows = DefaultRecordRows();
        rows[0] = {"Ann", "12"};
        {
            const auto held = block();
            const auto failure = StoreRecordRows(rows, 0);
            ASSERT_TRUE(failure.has_value());
            EXPECT_EQ(failure->path, path);
            EXPECT_TRUE(failure->reason.contains(lockPath)) << failure->reason.toStdString();
            // A change left pending would be written (and the lock waited for) by any later use.
            EXPECT_EQ(ReadStoredRecordRows(), DefaultRecordRows());
            bool stored = false;
            ReadRecordsStored(stored);
            EXPECT_FALSE(stored);
            QDir().rmdir(lockPath);
        }
        const auto failure = StoreRecordRows(rows, 0);
        EXPECT_FALSE(failure) << "the lock let go: " << (failure ? failure->reason.toStdString() : "");
        EXPECT_EQ(ReadStoredRecordRows(), rows);
        QSettings("Vantry", "Vantry").clear();
    }
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
