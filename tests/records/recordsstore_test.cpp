#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "aboutvalues.h"
#include "recordsflag.h"
#include "recordsstore.h"

namespace vantry {
namespace {

// Every test gets empty per-user and machine-wide stores of its own, so that tests running side
// by side never share a file and nothing reaches the real stores.
class StoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(userDir_.isValid() && systemDir_.isValid());
        for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, userDir_.path());
            QSettings::setPath(format, QSettings::SystemScope, systemDir_.path());
        }
    }

    // Writes the machine-wide file as an installer or an administrator would by hand.
    void WriteSystemFile(const QByteArray& text) {
        const QString path =
            QSettings(QSettings::NativeFormat, QSettings::SystemScope, "Quorlen", "Vantry").fileName();
        ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QTemporaryDir userDir_;
    QTemporaryDir systemDir_;
};

TEST_F(StoreTest, MarkerIsTheTextTrueThatTheBoardReadsBack) {
    bool stored = false;
    ReadRecordsStored(stored);
    EXPECT_FALSE(stored);
    WriteRecordsMarker();
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
    EXPECT_EQ(settings.childKeys().size(), 20);
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
    WriteSystemFile("[2.0]\nName=Ann\n");
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
        // A folder per case: the settings cache could take a rewritten file of the same size
        // and time for the one it read before.
        QTemporaryDir caseDir;
        ASSERT_TRUE(caseDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, caseDir.path());
        WriteSystemFile(c.file);
        EXPECT_EQ(ReadAboutValues(), c.expected) << c.what;
    }
}

}  // namespace
}  // namespace vantry
