#include <gtest/gtest.h>

#include "FormatShortDate.h"

TEST(FormatShortDate, DayMonthNameAndFourDigitYear)
{
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"03/07/15", "15-Jul-2003"}, {"70/12/01", "01-Dec-2070"}, {"71/01/31", "31-Jan-1971"},
        {"99-02-28", "28-Feb-1999"},  // the separators are not looked at
        {"xx/13/ 5", " 5-Jan-2000"},  // not numbers: 0; an unknown month is "Jan"
        {"03/07", "-Jul-2003"},       // no day
    };
    for (const Case& c : cases) {
        std::string out;
        EXPECT_EQ(FormatShortDate(c.in, out), c.out) << c.in;
    }
}
