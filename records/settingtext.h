#pragma once

#include <QString>
#include <QVariant>

namespace vantry {

// A stored value as the text it was written as. The settings file format splits an unquoted
// value at its commas into a list; the list is joined back with ", ", which restores the usual
// "Company, Inc." (spacing around the commas is not kept by the format).
QString SettingText(const QVariant& value);

}  // namespace vantry
