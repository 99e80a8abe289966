#include "recordsstore.h"

#include <QSettings>

namespace vantry {

namespace {

QString NamesKey(int row) { return QStringLiteral("Names%1").arg(row); }
QString MovesKey(int row) { return QStringLiteral("Moves%1").arg(row); }

// True when any of the rows' keys is stored.
bool StoreHoldsRecordRows() {
    const auto store = OpenUserStore();
    if (!store) return false;
    QSettings& settings = *store;
    settings.beginGroup("Records");
    for (int row = 1; row <= RecordRowCount; ++row) {
        if (settings.contains(NamesKey(row)) || settings.contains(MovesKey(row))) return true;
    }
    return false;
}

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
    const QString marker = store ? SettingText(store->value("Records/Boolean")).trimmed() : QString();
    if (marker.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || StoreHoldsRecordRows()) {
        stored = true;
    } else if (marker.isEmpty()) {
        stored = false;
    }
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
