#include "recordsstore.h"

#include <QSettings>

#include "settingtext.h"

namespace vantry {

namespace {

QString NamesKey(int row) { return QStringLiteral("Names%1").arg(row); }
QString MovesKey(int row) { return QStringLiteral("Moves%1").arg(row); }

}  // namespace

RecordRows ReadStoredRecordRows() {
    QSettings settings("Vantry", "Vantry");
    settings.beginGroup("Records");
    RecordRows rows;
    for (int row = 1; row <= RecordRowCount; ++row) {
        rows[static_cast<std::size_t>(row - 1)] = {SettingText(settings.value(NamesKey(row))),
                                                   SettingText(settings.value(MovesKey(row)))};
    }
    return rows;
}

bool StoreRecordRows(const RecordRows& rows) {
    QSettings settings("Vantry", "Vantry");
    settings.beginGroup("Records");
    for (int row = 1; row <= RecordRowCount; ++row) {
        const RecordRow& shown = rows[static_cast<std::size_t>(row - 1)];
        settings.setValue(NamesKey(row), shown.name);
        settings.setValue(MovesKey(row), shown.moves);
    }
    settings.setValue("Boolean", QStringLiteral("True"));
    settings.sync();
    return settings.status() == QSettings::NoError;
}

}  // namespace vantry
