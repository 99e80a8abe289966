#include "numerals.h"

namespace vantry {

bool IsNumeral(QStringView text, bool fraction) {
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    qsizetype i = 0;
    if (i < text.size() && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) ++i;
    qsizetype digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text[i] >= QLatin1Char('0') && text[i] <= QLatin1Char('9')) {
            ++digits;
        } else if (fraction && !point && text[i] == QLatin1Char('.')) {
            point = true;
        } else {
            return false;
        }
    }
    return digits > 0;
}

}  // namespace vantry
