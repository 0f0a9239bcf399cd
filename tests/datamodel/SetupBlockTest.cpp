#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "SetupBlock.h"
#include "SetupBlockBuilder.h"
#include "TALSetup.h"

using namespace SetupBlock;

TEST(SetupBlockEncoding, FixedPoint88RoundsTheFractionHalfDownAndCarries)
{
    struct Case {
        double value;
        uint8_t whole, fraction;
    };
    const Case cases[] = {
        {94.5, 94, 128},
        {94.999, 95, 0},                   // the fraction rounds to 256: carry
        {10.0 + 0.5 / 256.0, 10, 0},       // an exact half 256th is dropped
        {10.0 + 0.51 / 256.0, 10, 1},
        {0.0, 0, 0},
        {-3.0, 0, 0},                      // below the range: clamped
        {300.0, 255, 255},                 // above the range: clamped
        {255.999, 255, 255},               // no carry past the top
    };
    for (const Case& c : cases) {
        uint8_t p[2] = {0xEE, 0xEE};
        Set88(p, c.value);
        EXPECT_EQ(p[0], c.whole) << c.value;
        EXPECT_EQ(p[1], c.fraction) << c.value;
    }
    uint8_t p[2] = {94, 128};
    EXPECT_DOUBLE_EQ(Get88(p), 94.5);
    Set88(p, std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(p[0], 94);
    EXPECT_EQ(p[1], 128);
}

TEST(SetupBlockEncoding, TwentyFourBitTimesAndTheRtaRounding)
{
    uint8_t p[3] = {};
    Set24(p, 0.125);
    EXPECT_EQ(p[0], 0);
    EXPECT_EQ(p[1], 0x20);
    EXPECT_EQ(p[2], 0);
    Set24(p, 2.0 + 1.0 / 256 + 255.9 / 65536);  // both fraction bytes truncate
    EXPECT_EQ(p[0], 2);
    EXPECT_EQ(p[1], 1);
    EXPECT_EQ(p[2], 255);

    Set24Rounded(p, 1.0 + 3.6 / 65536);  // the wind scale rounds its last byte
    EXPECT_EQ(p[2], 4);
    Set24Rounded(p, 1.0 + 255.0 / 256 + 255.7 / 65536);  // and carries
    EXPECT_EQ(p[0], 2);
    EXPECT_EQ(p[1], 0);
    EXPECT_EQ(p[2], 0);

    EXPECT_DOUBLE_EQ(RoundToRtaTimeStep(0.125), 0.125);
    EXPECT_DOUBLE_EQ(RoundToRtaTimeStep(0x56 / 65536.0), 0.0025);  // remainder 13 goes up
    EXPECT_DOUBLE_EQ(RoundToRtaTimeStep(1 / 65536.0), 0.0);
    EXPECT_DOUBLE_EQ(RoundToRtaTimeStep(0.0012), 0.0);             // remainder 12 goes down
    EXPECT_NEAR(RoundToRtaTimeStep(1.0036), 1.0025, 1e-12);
}

TEST(SetupBlockEncoding, PackedBcdDatesAndTimes)
{
    EXPECT_EQ(EncodeBcd(59), 0x59);
    EXPECT_EQ(EncodeBcd(100), 0);
    EXPECT_EQ(EncodeBcd(-1), 0);
    EXPECT_EQ(DecodeBcd(0x75), 75);

    struct DateCase {
        int year, month, day;
        uint8_t stored[3];
        int readYear;
    };
    const DateCase dates[] = {
        {2003, 6, 9, {0x09, 0x06, 0x03}, 2003},
        {1999, 12, 31, {0x31, 0x12, 0x99}, 1999},
        {1980, 1, 1, {0x01, 0x01, 0x80}, 1980},
        {2100, 1, 1, {0x01, 0x01, 0x00}, 2000},  // beyond the century: year byte 0
        {1979, 1, 1, {0x01, 0x01, 0x00}, 2000},
        {5, 1, 1, {0x01, 0x01, 0x05}, 2005},     // a two-digit year as it is
    };
    for (const DateCase& c : dates) {
        uint8_t p[3] = {};
        SetBcdDate(p, c.year, c.month, c.day);
        EXPECT_EQ(p[0], c.stored[0]) << c.year;
        EXPECT_EQ(p[1], c.stored[1]) << c.year;
        EXPECT_EQ(p[2], c.stored[2]) << c.year;
        int y = 0, m = 0, d = 0;
        GetBcdDate(p, y, m, d);
        EXPECT_EQ(y, c.readYear);
        EXPECT_EQ(m, c.month);
        EXPECT_EQ(d, c.day);
    }

    uint8_t t[2] = {};
    SetBcdTime(t, 23, 59);
    EXPECT_EQ(t[0], 0x23);
    EXPECT_EQ(t[1], 0x59);
    SetBcdTime(t, 24, 60);
    EXPECT_EQ(t[0], 0);
    EXPECT_EQ(t[1], 0);
    const uint8_t stored[2] = {0x24, 0x75};
    int hour = -1, minute = -1;
    GetBcdTime(stored, hour, minute);
    EXPECT_EQ(hour, 0);
    EXPECT_EQ(minute, 0);
}

TEST(SetupBlockEncoding, NameAndTitleAreBlankPaddedFieldsCutToTheirLength)
{
    auto block = testsupport::SetupBlockBuilder(219).Pattern(0, 219, 7).Bytes();
    TALSetup setup;
    setup.Load(block.data(), block.size());

    setup.SetName("ABCDEFGHI");
    setup.SetTitle(std::string(31, 'T') + "U");
    const uint8_t* b = setup.GetSetupBlock();
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b + 1), 8), "ABCDEFGH");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b + 9), 30), std::string(30, 'T'));
    EXPECT_EQ(b[0], block[0]);
    EXPECT_EQ(b[39], block[39]);

    setup.SetName("ABC");
    setup.SetTitle("Site 4 ");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(b + 1), 8), "ABC     ");
    EXPECT_EQ(setup.GetNameText(), "ABC     ");  // as stored
    EXPECT_EQ(setup.GetTitle(), "Site 4");
}

TEST(SetupBlockEncoding, LockFlagIsBit7OfByte40AndLeavesTheOtherBits)
{
    auto block = testsupport::SetupBlockBuilder(219).Byte(SetupBlock::kLockByte, 0x05).Bytes();
    TALSetup setup;
    setup.Load(block.data(), block.size());
    setup.SetLocked(1);
    EXPECT_EQ(setup.GetSetupBlock()[40], 0x85);
    EXPECT_EQ(setup.IsLocked(), 1);
    setup.SetHeaderFlag(2);  // only 1 sets
    EXPECT_EQ(setup.GetSetupBlock()[40], 0x05);
    EXPECT_EQ(setup.IsLocked(), 0);
}

TEST(SetupBlockEncoding, ObjectWithoutBlockReadsZeroAndIgnoresSetters)
{
    TALSetup setup;
    setup.SetName("X");
    setup.SetLocked(1);
    EXPECT_EQ(setup.GetSetupBlock(), nullptr);
    EXPECT_EQ(setup.GetVersion(), 0);
    EXPECT_EQ(setup.IsLocked(), 0);
    EXPECT_EQ(setup.GetNameText(), "");
}
