#include <gtest/gtest.h>

#include <string>

#include "GFCrc16.h"

TEST(GFCrc16, CheckValueAndChaining)
{
    const std::string check = "123456789";
    EXPECT_EQ(GFCrc16::CalculateBlock(check.data(), check.size(), 0), 0x31C3);
    EXPECT_EQ(GFCrc16::CalculateBlock(check.data(), 0, 0x1234), 0x1234);
    // A block may be computed in pieces by passing the CRC on.
    uint16_t part = GFCrc16::CalculateBlock(check.data(), 4, 0);
    EXPECT_EQ(GFCrc16::CalculateBlock(check.data() + 4, 5, part), 0x31C3);
}
