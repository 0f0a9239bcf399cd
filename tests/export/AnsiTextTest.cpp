// The Windows-1252 texts of the instrument as UTF-8, and back.
#include <gtest/gtest.h>

#include <string>

#include "AnsiText.h"

TEST(AnsiText, Windows1252AndUtf8BothWays)
{
    struct Case {
        std::string ansi;
        std::string utf8;
    };
    const Case cases[] = {
        {"Leq 65.3", "Leq 65.3"},
        {"M\xFCllerstra\xDF" "e", "M\xC3\xBCllerstra\xC3\x9F" "e"},
        {"\x80 5", "\xE2\x82\xAC 5"},      // the euro sign of the 0x80 row
        {"168\xB0", "168\xC2\xB0"},        // the degree sign
        {"\x81", "\xC2\x81"},              // a byte that names no character keeps its code
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::AnsiToUtf8(c.ansi), c.utf8) << c.ansi;
        EXPECT_EQ(platform::Utf8ToAnsi(c.utf8), c.ansi) << c.ansi;
    }
    // What Windows-1252 cannot hold, and what is not UTF-8, becomes '?'.
    EXPECT_EQ(platform::Utf8ToAnsi("\xE6\x97\xA5 \xF0\x9F\x98\x80 \xC3"), "? ? ?");
    EXPECT_EQ(platform::Utf8ToAnsi("a\xFF" "b"), "a?b");
}
