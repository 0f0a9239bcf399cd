// Wind direction readings in the five direction units.
#include <gtest/gtest.h>

#include <iomanip>
#include <string>

#include "DirectionText.h"
#include "ExportStream.h"

TEST(DirectionText, EveryUnit)
{
    struct Case {
        int raw;
        int units;
        std::string text;
    };
    const Case cases[] = {
        {0, 0, "  N"},    {248, 0, "  N"},        {247, 0, "NNW"},          {32, 0, " NE"},
        {64, 1, "090\xB0"}, {120, 1, "168\xB0"}, {1, 1, "001\xB0"}, {-64, 1, "-90\xB0"},
        {64, 2, "25 %"},  {128, 3, "1.25 Volts"}, {64, 3, "0.63 Volts"}, {-7, 4, "-7"},            {5, 5, ""},
        {0x1FFF8, 0, "  N"},  // only the low 16 bits of the reading count
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDirectionText(c.raw, c.units), c.text) << c.raw << " " << c.units;
    // One character wide in a column; export files get it as UTF-8.
    ExportStream out;
    out << std::left << std::setw(5) << FormatDirectionText(120, 1) << '|' << FormatDirectionText(32, 0);
    EXPECT_EQ(out.Text(), "168\xC2\xB0 | NE");
}
