#include "recordsstore.h"

#include <QSettings>

namespace vantry {

namespace {

QString NamesKey(int row) { return QStringLiteral("Names%1").arg(row); }
QString MovesKey(int row) { return QStringLiteral("Moves%1").arg(row); }

}  // namespace

RecordRows ReadStoredRecordRows() {
    RecordRows rows = DefaultRecordRows();
    const auto store = OpenUserStore();
    if (!store) return rows;
    QSettings& settings = *store;
    settings.beginGroup("Records");
    for (int row = 1; row <= RecordRowCount; ++row) {
        RecordRow& stored = rows[static_cast<std::size_t>(row - 1)];
        if (settings.contains(NamesKey(row))) stored.name = SettingText(settings.value(NamesKey(row)));
        if (settings.contains(MovesKey(row))) stored.moves = SettingText(settings.value(MovesKey(row)));
    }
    return rows;
}

void ReadRecordsStored(bool& stored) {
    const auto store = OpenUserStore();
    QString marker;
    bool held = false;
    if (store) {
        store->beginGroup("Records");
        marker = SettingText(store->value("Boolean")).trimmed();
        held = marker.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0;
        for (int row = 1; row <= RecordRowCount && !held; ++row) {
            held = store->contains(NamesKey(row)) || store->contains(MovesKey(row));
        }
    }
    // Any other marker leaves `stored` as it was.
    if (held || marker.isEmpty()) stored = held;
}

std::optional<StoreFailure> StoreRecordRows(const RecordRows& rows, int lockWaitMs) {
    StoreValues values;
    for (int row = 1; row <= RecordRowCount; ++row) {
        const RecordRow& shown = rows[static_cast<std::size_t>(row - 1)];
        values.append({QStringLiteral("Records/") + NamesKey(row), shown.name});
        values.append({QStringLiteral("Records/") + MovesKey(row), shown.moves});
    }
    values.append({QStringLiteral("Records/Boolean"), QStringLiteral("True")});
    return WriteUserStore(values, lockWaitMs);
}

}  // namespace vantry
