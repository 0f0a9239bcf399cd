// Numbers with a multiplier letter, and the fixed-notation formatter under them.
#include <gtest/gtest.h>

#include "EngineeringText.h"
#include "ReportNumbers.h"

TEST(EngineeringText, RewrittenWithItsMultiplierLetter)
{
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"1500", "1.5k"},      {"0.5", "500m"},       {"2", "2 "},          {"", "1 "},
        {"0", "1 "},           {"1.000000", "1 "},    {"0.100000", "100m"},  // no float artefacts
        {"2E-3", "2m"},        {"0.0005", "500u"},    {"2500000", "2.5M"},  {"1.5k", "1.5k"},
        {"  12.50", "12.5 "},  {"abc", "1 "},         {"+-3", "1 "},
    };
    for (const Case& c : cases) {
        std::string text = c.in;
        FormatEngineeringText(text);
        EXPECT_EQ(text, c.out) << c.in;
    }
    EXPECT_FLOAT_EQ(ParseEngineeringValue("3m"), 0.003f);
    EXPECT_FLOAT_EQ(ParseEngineeringValue("-2u"), -2e-6f);
}

TEST(EngineeringText, FormatFixedKeepsTheNoValueMarkAsANumber)
{
    EXPECT_EQ(FormatFixed(999.0, 2, 6), "999.00");
    EXPECT_EQ(FormatFixed(0.125, 2), "0.13");
    EXPECT_EQ(FormatFixed(-1.5, 0, 4), "  -2");
}
