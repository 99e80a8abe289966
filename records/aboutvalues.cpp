#include "aboutvalues.h"

#include <QCoreApplication>
#include <QSettings>

#include "userstorewrite.h"

namespace vantry {

QStringList ReadAboutValues() {
    QSettings store(QSettings::NativeFormat, QSettings::SystemScope, "Quorlen", "Vantry");
    // Only the game's own key counts, not one shared by every program of the organisation.
    store.setFallbacksEnabled(false);
    if (store.status() != QSettings::NoError || !store.childGroups().contains("1.0")) {
        return {QCoreApplication::translate("AboutValues", "Error")};
    }
    store.beginGroup("1.0");
    QStringList values;
    for (const QString& key : store.childKeys()) {
        const QString text = SettingText(store.value(key));
        if (!text.isEmpty()) values << text;
    }
    return values;
}

}  // namespace vantry
