#include "recordsflag.h"

#include <QSettings>

#include "recordsstore.h"
#include "userstorewrite.h"

namespace vantry {

void ReadRecordsStored(bool& stored) {
    const auto store = OpenUserStore();
    const QString marker = store ? SettingText(store->value("Records/Boolean")).trimmed() : QString();
    if (marker.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || StoreHoldsRecordRows()) {
        stored = true;
    } else if (marker.isEmpty()) {
        stored = false;
    }
}

}  // namespace vantry
