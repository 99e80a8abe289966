// Writes the seed corpus of the fuzz targets: saved games from the game's own writer, and
// files a little beside the format, which a seed from the writer alone would not suggest.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

#include <cstdio>

#include "savefile.h"
#include "saverecord.h"

namespace {

using vantry::SaveRecord;

SaveRecord Game(const char* kinds, std::array<std::int16_t, 9> numbers, std::array<const char*, 4> names) {
    SaveRecord record;
    for (int i = 0; i < 4; ++i) {
        record.Kinds[static_cast<std::size_t>(i)] = kinds[i] == 'c' ? QStringLiteral("True") : QStringLiteral("False");
        record.Names[static_cast<std::size_t>(i)] = QString::fromUtf8(names[static_cast<std::size_t>(i)]);
    }
    record.Numbers = numbers;
    return record;
}

bool Put(const QDir& dir, const QString& name, const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A records input: the winner's moves, the way the store is written, then the marker, the
// names, the counts and the winner's name, one to a line.
QByteArray RecordsInput(std::int16_t moves, bool raw, bool stored, const QStringList& names, const QStringList& counts,
                        const QString& winner, const QString& marker = QStringLiteral("True")) {
    QByteArray bytes;
    bytes += static_cast<char>(moves & 0xff);
    bytes += static_cast<char>((moves >> 8) & 0xff);
    bytes += static_cast<char>((raw ? 1 : 0) | (stored ? 2 : 0));
    bytes += marker.toUtf8();
    for (const QString& text : names + counts) bytes += '\n' + text.toUtf8();
    bytes += '\n' + winner.toUtf8();
    return bytes;
}

bool WriteRecordsSeeds(const QDir& dir) {
    if (!QDir().mkpath(dir.path() + QStringLiteral("/records"))) return false;
    const QDir seeds(dir.path() + QStringLiteral("/records"));
    QStringList names;
    QStringList counts;
    QStringList odd;
    for (int row = 1; row <= 10; ++row) {
        names << QStringLiteral("P%1").arg(row);
        counts << QString::number(10 * row);
    }
    odd << QStringLiteral("Smith, Jo") << QStringLiteral("\"quoted\"") << QStringLiteral("@Variant(x)")
        << QStringLiteral("a\\nb") << QString() << QStringLiteral("  spaced  ") << QStringLiteral("Zoë")
        << QStringLiteral("x;y") << QStringLiteral("=") << QStringLiteral("[Other]");
    const QStringList oddCounts{"", "abc", "32768", "-5", " 7 ", "0x10", "+3", "1e2", "99999999999", "12"};
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"ladder-values.rec", RecordsInput(25, false, true, names, counts, QStringLiteral("Winner"))},
        {"ladder-raw.rec", RecordsInput(25, true, true, names, counts, QStringLiteral("Winner"))},
        {"first-run.rec", RecordsInput(14, true, false, {}, {}, QStringLiteral("Unknown1"), QString())},
        {"odd-raw.rec", RecordsInput(7, true, true, odd, oddCounts, QStringLiteral("A, B"))},
        {"odd-values.rec", RecordsInput(-1, false, true, odd, oddCounts, QStringLiteral("\"Q\""), QStringLiteral("true"))},
    };
    for (const auto& file : files) {
        if (!Put(seeds, QString::fromLatin1(file.name), file.bytes)) return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_makecorpus CORPUS-FOLDER\n");
        return 2;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(dir.path() + QStringLiteral("/savegame"))) return 1;
    const QDir games(dir.path() + QStringLiteral("/savegame"));

    const SaveRecord written[] = {
        Game("pccp", {5, 20, 5, 44, 6, 12, 1, 5, 3}, {"Bart", "Eve", "Ann", "Robin"}),
        Game("pppp", {0, 0, 0, 0, 0, 0, 0, 0, 0}, {"Unknown2", "Unknown4", "Unknown1", "Unknown3"}),
        Game("cccc", {32767, 99, 0, 0, 14, 98, 3, 1, 2}, {"Ægir", "Zoë", "Łucja", "Ōta"}),
        Game("cpcp", {3, 7, 2, 1, 4, 30, 2, 9, 64}, {"Smith, Jo", " lead", "\"Q\"uinn", ""}),
    };
    int n = 0;
    for (const SaveRecord& record : written) {
        if (!Put(games, QStringLiteral("written-%1.vty").arg(++n), vantry::EncodeSaveRecord(record))) return 1;
    }

    const QByteArray base = vantry::EncodeSaveRecord(written[0]);
    QByteArray lf = base;
    lf.replace("\r\n", "\n");
    QByteArray commas = base;
    commas.replace("\r\n", ",");
    QByteArray ansi = base;
    ansi.replace("Robin", "Ren\xe9\x80");
    const struct {
        const char* name;
        QByteArray bytes;
    } near[] = {
        {"lf-only.vty", lf},
        {"one-line.vty", commas},
        {"windows-1252.vty", ansi},
        {"sixteen-fields.vty", base.left(base.lastIndexOf("Robin"))},
        {"square-101.vty", QByteArray(base).replace(" 44 ", " 100 ")},
        {"player-4.vty", QByteArray(base).replace(" 1 \r\n 5 ", " 4 \r\n 5 ")},
        {"moves-negative.vty", QByteArray(base).replace(" 6 ", " -1 ")},
        {"number-overflow.vty", QByteArray(base).replace(" 20 ", " 32768 ")},
        {"kind-numeral.vty", QByteArray(base).replace("True\r\nFalse", "-0.5\r\n0")},
        {"kind-word.vty", QByteArray(base).replace("False", "Maybe")},
        {"open-quote.vty", QByteArray(base).replace("Bart", "\"Bart")},
        {"bom.vty", "\xef\xbb\xbf" + base},
        {"trailing.vty", base + "extra line\r\n"},
    };
    for (const auto& file : near) {
        if (!Put(games, QString::fromLatin1(file.name), file.bytes)) return 1;
    }
    return WriteRecordsSeeds(dir) ? 0 : 1;
}
