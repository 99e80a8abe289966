#pragma once

#include <QStringView>

namespace vantry {

// Whether the whole text is a decimal numeral: an optional sign, then ASCII digits, with a
// decimal point among or before them when `fraction` allows it ("12", "-3", "4.", ".5", "1.25").
// As with a pattern anchored by '$', one line feed may close the text. Written out rather than
// matched by a regular expression, so that reading a saved game does not load and compile a
// pattern engine.
bool IsNumeral(QStringView text, bool fraction);

}  // namespace vantry
