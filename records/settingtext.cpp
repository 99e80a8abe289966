#include "settingtext.h"

#include <QStringList>

namespace vantry {

QString SettingText(const QVariant& value) {
    if (value.typeId() == QMetaType::QStringList) return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

}  // namespace vantry
