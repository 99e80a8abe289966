#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QTemporaryDir>

#include "examplegame.h"
#include "savefile.h"
#include "saverecord.h"

namespace vantry {
namespace {

using test::ExampleBytes;

SaveRecord ExampleRecord() {
    GameState state;
    test::SetUpExample(state);
    return FillSaveRecord(state);
}

// The example file with its name lines replaced.
QByteArray WithNameLines(const QByteArray& names) {
    return ExampleBytes.left(ExampleBytes.indexOf("Bart")) + names;
}

SaveRecord Parsed(const QByteArray& bytes) {
    const ParsedRecord parsed = ParseSaveRecord(bytes);
    EXPECT_TRUE(parsed.result.ok) << parsed.result.error.toStdString();
    return parsed.record;
}

TEST(SaveFile, ExampleIsWrittenByteForByteAndReadBack) {
    const SaveRecord record = ExampleRecord();
    EXPECT_EQ(EncodeSaveRecord(record), ExampleBytes);
    EXPECT_EQ(Parsed(ExampleBytes), record);
}

TEST(SaveFile, FirstGameBeforeAnyMove) {
    GameState state;
    state.IsComputer = {true, false, false, true};
    EXPECT_EQ(EncodeSaveRecord(FillSaveRecord(state)),
              QByteArray("False\r\nTrue\r\nTrue\r\nFalse\r\n") + QByteArray(" 0 \r\n").repeated(9) +
                  "Unknown2\r\nUnknown4\r\nUnknown1\r\nUnknown3\r\n");
}

TEST(SaveFile, LineEndsOfEveryKindEndALine) {
    const SaveRecord expected = Parsed(ExampleBytes);
    QByteArray lf = ExampleBytes;
    lf.replace("\r\n", "\n");
    QByteArray cr = ExampleBytes;
    cr.replace("\r\n", "\r");
    QByteArray mixed = ExampleBytes;
    mixed.replace("True\r\n", "True\n").replace(" 5 \r\n", " 5 \r");
    for (const QByteArray& bytes : {lf, cr, mixed}) EXPECT_EQ(Parsed(bytes), expected) << bytes.toStdString();
}

TEST(SaveFile, ReadingStopsAfterTheSeventeenthField) {
    EXPECT_EQ(Parsed(ExampleBytes + "not,a saved\r\ngame at all\r\n"), ExampleRecord());
    // The last line may lack its line end.
    EXPECT_EQ(Parsed(ExampleBytes.chopped(2)), ExampleRecord());
}

TEST(SaveFile, TooFewFieldsFail) {
    const QByteArray sixteen = ExampleBytes.left(ExampleBytes.indexOf("Robin"));
    const ParsedRecord parsed = ParseSaveRecord(sixteen);
    EXPECT_FALSE(parsed.result.ok);
    EXPECT_TRUE(parsed.result.error.contains(QLatin1String("after 16 of the 17"))) << parsed.result.error.toStdString();
    EXPECT_FALSE(ParseSaveRecord(QByteArray()).result.ok);
}

TEST(SaveFile, NumberFields) {
    struct Case {
        QByteArray line;
        bool ok;
        std::int16_t value;
    };
    const Case cases[] = {
        {" 7 ", true, 7},        {"7", true, 7},          {"   +7   ", true, 7},    {"-32768", true, -32768},
        {"32767", true, 32767},  {"32768", false, 0},     {"-32769", false, 0},    {"seven", false, 0},
        {"7x", false, 0},        {"", false, 0},          {"\"7\"", false, 0},     {"1.5", false, 0},
    };
    for (const Case& c : cases) {
        QByteArray bytes = ExampleBytes;
        bytes.replace(bytes.indexOf(" 20 "), 4, c.line);  // the square of Blue, field 6
        const ParsedRecord parsed = ParseSaveRecord(bytes);
        EXPECT_EQ(parsed.result.ok, c.ok) << c.line.toStdString();
        if (c.ok) {
            EXPECT_EQ(parsed.record.Square(1), c.value) << c.line.toStdString();
        } else {
            EXPECT_TRUE(parsed.result.error.contains(QLatin1String("square of Blue"))) << parsed.result.error.toStdString();
        }
    }
}

TEST(SaveFile, SeveralNumbersMayShareALine) {
    QByteArray bytes = ExampleBytes;
    bytes.replace(" 5 \r\n 20 \r\n", "5, 20 \r\n");
    EXPECT_EQ(Parsed(bytes), ExampleRecord());
}

// Files made before names were quoted: a comma splits a name line, the later name fields
// shift down a line, and the last line is not read.
TEST(SaveFile, NameLinesAsOlderFilesHoldThem) {
    struct Case {
        QByteArray lines;
        std::array<const char*, 4> names;  // fields 14..17
    };
    const Case cases[] = {
        {"Bart\r\nEve\r\nAnn, Smith\r\nRobin\r\n", {"Bart", "Eve", "Ann", "Smith"}},
        {"Bart,Jr\r\nEve\r\nAnn\r\nRobin\r\n", {"Bart", "Jr", "Eve", "Ann"}},
        {"Bart\r\nEve\r\nAnn\r\nRobin,Hood\r\n", {"Bart", "Eve", "Ann", "Robin"}},
        {"   Bart\r\nEve\r\n\r\nRobin\r\n", {"Bart", "Eve", "", "Robin"}},
        {"\"Bart, Jr\" junk\r\nEve\r\nAnn\r\nRobin\r\n", {"Bart, Jr", "Eve", "Ann", "Robin"}},
        {"Bart\r\nEve\r\nAnn\r\n\"Robin", {"Bart", "Eve", "Ann", "Robin"}},
        // A quoted name over two lines is one line, as the new-game dialog lets names be.
        {"\"Ann\r\nEvil\"\r\nEve\r\nAnn\r\nRobin\r\n", {"Ann Evil", "Eve", "Ann", "Robin"}},
        {"Bart\r\nEve\r\n\"Ann\n\rEvil\rOne\"\r\nRobin\r\n", {"Bart", "Eve", "Ann  Evil One", "Robin"}},
    };
    for (const Case& c : cases) {
        const SaveRecord record = Parsed(WithNameLines(c.lines));
        for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(record.Names[i], QString::fromUtf8(c.names[i])) << c.lines.toStdString();
    }
}

TEST(SaveFile, EveryNameTheGameAcceptsComesBack) {
    const QString names[] = {
        QStringLiteral("Ann"),           QString(),                        QStringLiteral("   "),
        QStringLiteral(" Ann"),          QStringLiteral("Ann "),           QStringLiteral("Smith, Ann"),
        QStringLiteral(","),             QStringLiteral("Ann \"the\" Great"),
        QStringLiteral("O'Neil"),        QStringLiteral("Zoë Łukasz 日本"), QStringLiteral("True"),
        QStringLiteral(" 7 "),
    };
    for (const QString& name : names) {
        EXPECT_TRUE(NameSurvivesSaving(name)) << name.toStdString();
        SaveRecord record = ExampleRecord();
        record.Name(0) = name;
        record.Name(2) = name;
        EXPECT_EQ(Parsed(EncodeSaveRecord(record)), record) << name.toStdString();
    }
}

TEST(SaveFile, NamesAreWrittenPlainUnlessTheReaderWouldChangeThem) {
    struct Case {
        QString name;
        QByteArray line;
        QString readBack;
    };
    const Case cases[] = {
        {QStringLiteral("Ann \"the\" Great"), "Ann \"the\" Great", QStringLiteral("Ann \"the\" Great")},
        {QStringLiteral(" Ann"), "\" Ann\"", QStringLiteral(" Ann")},
        {QStringLiteral("Smith, Ann"), "\"Smith, Ann\"", QStringLiteral("Smith, Ann")},
        // Quoted names cannot hold a double quote; it becomes an apostrophe.
        {QStringLiteral("\"Ann\", the"), "\"'Ann', the\"", QStringLiteral("'Ann', the")},
        {QStringLiteral("\""), "\"'\"", QStringLiteral("'")},
        {QStringLiteral("\"Ann\""), "\"'Ann'\"", QStringLiteral("'Ann'")},
        // A line break would end the field.
        {QStringLiteral("Ann\r\nBart\nEve"), "Ann Bart Eve", QStringLiteral("Ann Bart Eve")},
        {QStringLiteral("Zoë"), "Zo\xC3\xAB", QStringLiteral("Zoë")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NameSurvivesSaving(c.name), c.readBack == c.name) << c.name.toStdString();
        SaveRecord record = ExampleRecord();
        record.Name(3) = c.name;  // field 15, the second name line
        const QByteArray bytes = EncodeSaveRecord(record);
        EXPECT_EQ(bytes, WithNameLines("Bart\r\n" + c.line + "\r\nAnn\r\nRobin\r\n")) << c.name.toStdString();
        EXPECT_EQ(Parsed(bytes).Name(3), c.readBack) << c.name.toStdString();
    }
}

TEST(SaveFile, TextThatIsNotUtf8IsWindows1252) {
    const SaveRecord record = Parsed(WithNameLines("Zo\xEB\r\n\x80uro\r\nA\x9Fn\r\nRobin\r\n"));
    EXPECT_EQ(record.Name(1), QStringLiteral("Zoë"));
    EXPECT_EQ(record.Name(3), QStringLiteral("€uro"));
    EXPECT_EQ(record.Name(0), QStringLiteral("AŸn"));
}

TEST(SaveFile, OwnWindows1252TableAgreesWithTheSystemConverter) {
    QStringDecoder system("windows-1252");
    if (!system.isValid()) GTEST_SKIP() << "no Windows-1252 converter on this system";
    for (int b = 0; b < 256; ++b) {
        const QByteArray byte(1, static_cast<char>(b));
        EXPECT_EQ(DecodeWindows1252(byte), QString(system(byte))) << b;
    }
}

TEST(SaveFile, ReadFromDisk) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("game.vty"));
    ASSERT_TRUE(WriteSaveRecord(ExampleRecord(), path).ok);
    EXPECT_EQ(test::ReadBytes(path), ExampleBytes);
    const ParsedRecord read = ReadSaveRecord(path);
    EXPECT_TRUE(read.result.ok);
    EXPECT_EQ(read.record, ExampleRecord());
}

TEST(SaveFile, OverOneMebibyteIsNotASavedGame) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.vty"));
    const QByteArray padding = QByteArray("\r\n").repeated(MaxSaveFileSize / 2);
    test::WriteBytes(path, ExampleBytes + padding.left(MaxSaveFileSize - ExampleBytes.size()));
    EXPECT_TRUE(ReadSaveRecord(path).result.ok);
    test::WriteBytes(path, ExampleBytes + padding.left(MaxSaveFileSize - ExampleBytes.size() + 1));
    const ParsedRecord big = ReadSaveRecord(path);
    EXPECT_FALSE(big.result.ok);
    EXPECT_TRUE(big.result.error.contains(QLatin1String("1 MiB")));
    // A device that never ends is not read to its end either.
    EXPECT_FALSE(ReadSaveRecord(QStringLiteral("/dev/zero")).result.ok);
}

}  // namespace
}  // namespace vantry
