#include <gtest/gtest.h>

#include <QRegularExpression>

#include "savefile.h"

namespace vantry::test {
namespace {

// The saved-game reader once matched its numbers with these patterns; the written-out check
// must take and refuse exactly what they did.
TEST(Numerals, AgreeWithTheAnchoredPatterns) {
    const QRegularExpression whole(QStringLiteral("^[+-]?[0-9]+$"));
    const QRegularExpression withPoint(QStringLiteral("^[+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+)$"));
    const char* const texts[] = {"0", "12", "-3", "+7", "007", "", "+", "-", ".", "1.", ".5", "1.25", "-.5",
                                 "+1.0", "1..2", "1.2.3", "..5", "1e3", " 1", "1 ", "1\n", "1\n\n", "\n",
                                 "1\r", "-1.\n", "x1", "1x", "++1", "+-1", "\xd9\xa3", "1,5"};
    for (const char* text : texts) {
        const QString s = QString::fromUtf8(text);
        EXPECT_EQ(IsNumeral(s, false), whole.match(s).hasMatch()) << text;
        EXPECT_EQ(IsNumeral(s, true), withPoint.match(s).hasMatch()) << text;
    }
}

}  // namespace
}  // namespace vantry::test
