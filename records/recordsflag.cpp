#include "recordsflag.h"

#include <QSettings>

namespace vantry {

void ReadRecordsStored(bool& stored) {
    QSettings settings("Vantry", "Vantry");
    const QString value = settings.value("Records/Boolean").toString();
    if (value.isEmpty()) {
        stored = false;
    } else if (value == "True") {
        stored = true;
    }
}

}  // namespace vantry
