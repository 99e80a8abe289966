// Arbitrary text under the "Records" keys of the per-user store, then one opening of the
// best-players window's table: load, the winner's entry, store. Input: two bytes of the
// winner's moves, one byte telling how the store is written, then fields split at line feeds:
// the marker, Names1..Names10, Moves1..Moves10 and the winner's name.

#include <QByteArray>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "recordsstore.h"
#include "recordstable.h"

namespace vantry {
namespace {

constexpr int KeyCount = 1 + 2 * RecordRowCount;

void Require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz_records: %s\n", what);
    std::abort();
}

QString KeyName(int field) {
    if (field == 0) return QStringLiteral("Boolean");
    if (field <= RecordRowCount) return QStringLiteral("Names%1").arg(field);
    return QStringLiteral("Moves%1").arg(field - RecordRowCount);
}

// One store for the whole run, in a folder of its own. The settings cache keeps the file it
// read last and takes it as unchanged while the size and time are the same, so every file
// written by hand gets a time of its own. Every store is flushed to disk, so a folder in
// memory, where there is one, keeps the run some times faster.
class Store {
public:
    Store() {
        Require(root_.isValid(), "no temporary folder");
        for (auto format : {QSettings::NativeFormat, QSettings::IniFormat}) {
            QSettings::setPath(format, QSettings::UserScope, root_.path());
        }
        path_ = QSettings("Vantry", "Vantry").fileName();
        QDir().mkpath(QFileInfo(path_).path());
    }
    const QString& Path() const { return path_; }
    QDateTime NextTime() { return QDateTime::fromSecsSinceEpoch(1000000000 + ++count_, Qt::UTC); }

private:
    static QString Template() {
        const QString base = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        return base + QStringLiteral("/vantry-fuzz-XXXXXX");
    }

    QTemporaryDir root_{Template()};
    QString path_;
    qint64 count_ = 0;
};

// As a hand-edited file would hold them: the raw text after "key=".
void WriteRaw(Store& store, const QList<QByteArray>& fields) {
    QByteArray text("[Records]\n");
    for (int f = 0; f < KeyCount && f < fields.size(); ++f) text += KeyName(f).toLatin1() + '=' + fields[f] + '\n';
    QFile file(store.Path());
    Require(file.open(QIODevice::WriteOnly) && file.write(text) == text.size(), "cannot write the store");
    Require(file.setFileTime(store.NextTime(), QFileDevice::FileModificationTime), "cannot time the store");
}

// As the program itself would have stored them.
void WriteValues(const QList<QByteArray>& fields) {
    QSettings settings("Vantry", "Vantry");
    settings.clear();
    for (int f = 0; f < KeyCount && f < fields.size(); ++f) {
        settings.setValue(QStringLiteral("Records/") + KeyName(f), QString::fromUtf8(fields[f]));
    }
}

bool Sorted(const RecordsTable& table) {
    for (int row = 1; row < RecordRowCount; ++row) {
        if (table.Moves(row) > table.Moves(row + 1)) return false;
    }
    return true;
}

void RequireEntered(const RecordsTable& before, const RecordsTable& after, int slot, const QString& name,
                    std::int16_t moves) {
    Require(slot >= 0 && slot <= RecordRowCount, "the entry took a row outside the table");
    for (int row = 1; row <= RecordRowCount; ++row) {
        const int from = slot == 0 || row < slot ? row : row - 1;
        if (slot != 0 && row == slot) {
            Require(after.Name(row) == name && after.Moves(row) == moves, "the winner is not in its row");
        } else {
            Require(after.Name(row) == before.Name(from) && after.Moves(row) == before.Moves(from),
                    "the entry moved rows it should have left");
        }
    }
    if (Sorted(before)) Require(Sorted(after), "the entry broke the order of a sorted table");
}

}  // namespace
}  // namespace vantry

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vantry;
    static Store store;
    if (size < 3) return 0;
    const auto moves = static_cast<std::int16_t>(static_cast<std::uint16_t>(data[0] | (data[1] << 8)));
    const bool raw = (data[2] & 1) != 0;
    const QByteArray rest(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3));
    const QList<QByteArray> fields = rest.split('\n');
    const QString winner = fields.size() > KeyCount ? QString::fromUtf8(fields[KeyCount]) : QString();

    if (raw) {
        WriteRaw(store, fields);
    } else {
        WriteValues(fields);
    }

    bool stored = (data[2] & 2) != 0;
    ReadRecordsStored(stored);
    const RecordRows rows = stored ? ReadStoredRecordRows() : DefaultRecordRows();
    const RecordsTable before(rows);
    RecordsTable table(rows);
    const int slot = table.Enter(winner, moves);
    RequireEntered(before, table, slot, winner, moves);

    const RecordRows captions = table.Captions();
    for (int row = 1; row <= RecordRowCount; ++row) {
        Require(MovesFromCaption(captions[static_cast<std::size_t>(row - 1)].moves) == table.Moves(row),
                "a moves caption does not read back as its count");
    }
    StoreRecordRows(captions);
    bool marker = false;
    ReadRecordsStored(marker);
    Require(marker, "the marker does not read back");
    Require(ReadStoredRecordRows() == captions, "the stored table reads back differently");
    return 0;
}
