#include "recordsflag.h"

#include <QSettings>

#include "recordsstore.h"
#include "settingtext.h"

namespace vantry {

void ReadRecordsStored(bool& stored) {
    const QString marker = SettingText(QSettings("Vantry", "Vantry").value("Records/Boolean")).trimmed();
    if (marker.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0 || StoreHoldsRecordRows()) {
        stored = true;
    } else if (marker.isEmpty()) {
        stored = false;
    }
}

}  // namespace vantry
