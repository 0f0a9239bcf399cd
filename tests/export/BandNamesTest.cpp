// Band names with and without their unit, and the rows of a two-column band
// table.
#include <gtest/gtest.h>

#include <string>

#include "BandNames.h"

TEST(BandNames, EachInstrumentsBandsAndTheirLabels)
{
    EXPECT_EQ(SsaBandName(0), "12.5 Hz");
    EXPECT_EQ(SsaBandName(32), "20000 Hz");
    EXPECT_EQ(SsaBandName(33), "");
    EXPECT_EQ(TalBandName(0), "8.0 Hz");
    EXPECT_EQ(TalBandName(32), "12500 Hz");
    EXPECT_EQ(ObaBandName(0), "25.0 Hz");
    EXPECT_EQ(ObaBandName(29), "20000 Hz");
    EXPECT_EQ(ObaBandName(-1), "");
    EXPECT_EQ(SsaBandLabel(0), "12.5");
    EXPECT_EQ(TalBandLabel(16), "315");
    // Octave positions of an RTA table are every third band from 16 Hz.
    EXPECT_EQ(RtaBandName(10, false), "16000 Hz");
    EXPECT_EQ(RtaBandLabel(0, false), "16.0");
    EXPECT_EQ(RtaBandLabel(11, false), "");
    EXPECT_EQ(WithoutUnit("Hz"), "");
}

TEST(BandNames, ShortHeadingsInHertzAndKilohertzInSevenCharacters)
{
    const char* const headings[] = {
        " 12.5Hz", "   16Hz", "   20Hz", "   25Hz", " 31.5Hz", "   40Hz", "   50Hz", "   63Hz", "   80Hz",
        "  100Hz", "  125Hz", "  160Hz", "  200Hz", "  250Hz", "  315Hz", "  400Hz", "  500Hz", "  630Hz",
        "  800Hz", "   1KHz", "1.25KHz", " 1.6KHz", "   2KHz", " 2.5KHz", "3.15KHz", "   4KHz", "   5KHz",
        " 6.3KHz", "   8KHz", "  10KHz", "12.5KHz", "  16KHz", "  20KHz",
    };
    for (int band = 0; band < 33; ++band)
        EXPECT_EQ(SsaBandShortHeading(band), headings[band]) << band;
    EXPECT_EQ(SsaBandShortHeading(33), "");
    EXPECT_EQ(SsaBandShortHeading(-1), "");
}

TEST(BandNames, TwoColumnsGiveTheLeftColumnTheLargerHalf)
{
    const int cases[][2] = {{0, 0}, {1, 1}, {2, 1}, {11, 6}, {30, 15}, {33, 17}};
    for (const auto& c : cases)
        EXPECT_EQ(TwoColumnRows(c[0]), c[1]) << c[0];
}
