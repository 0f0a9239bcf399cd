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

TEST(BandNames, TwoColumnsGiveTheLeftColumnTheLargerHalf)
{
    const int cases[][2] = {{0, 0}, {1, 1}, {2, 1}, {11, 6}, {30, 15}, {33, 17}};
    for (const auto& c : cases)
        EXPECT_EQ(TwoColumnRows(c[0]), c[1]) << c[0];
}
