// The field decoders and text helpers behind the exports.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <vector>

#include "BodyReader.h"
#include "FileReader.h"
#include "Text.h"

using namespace tessdec;

namespace {

// A work buffer as the library places it in the caller's zeroed memory.
struct Work {
    std::vector<uint8_t> bytes = std::vector<uint8_t>(TESSDEC_WORK_SIZE, 0);
    WorkState& w = *reinterpret_cast<WorkState*>(bytes.data());

    BodyReader Body(std::initializer_list<uint8_t> b) {
        std::copy(b.begin(), b.end(), w.body);
        w.bodyLen = static_cast<uint32_t>(b.size());
        w.bodyPos = 0;
        return BodyReader(w);
    }
};

TEST(DecodersTest, BcdDateCorrectsItsFields) {
    Work k;
    BodyReader r = k.Body({0x00, 0x13, 0x69, 0x31, 0x12, 0x70, 0x23, 0x59, 0x58});
    std::tm a = r.BcdDate();
    EXPECT_EQ(a.tm_mday, 1);
    EXPECT_EQ(a.tm_mon, 0);
    EXPECT_EQ(a.tm_year + 1900, 2069);
    std::tm b = r.BcdDateTime();
    EXPECT_EQ(b.tm_mday, 31);
    EXPECT_EQ(b.tm_mon, 11);
    EXPECT_EQ(b.tm_year + 1900, 1970);
    EXPECT_EQ(b.tm_hour, 23);
    EXPECT_EQ(b.tm_min, 59);
    EXPECT_EQ(b.tm_sec, 58);
    EXPECT_EQ(b.tm_isdst, -1);
    EXPECT_EQ(r.Status(), 0);
}

TEST(DecodersTest, Levels) {
    Work k;
    k.w.levelOffset = 0.5f;
    BodyReader r = k.Body({0x00, 0x00, 0x00, 0x01, 0x50, 0x00, 0x50, 0x80, 0xC0, 0x80, 0xBF, 0x80});
    EXPECT_EQ(r.LevelZeroNone(), 999.0f);
    EXPECT_FLOAT_EQ(r.LevelZeroNone(), 1.0f / 256 + 0.5f);
    EXPECT_EQ(r.LevelFracNone(), 999.0f);
    EXPECT_FLOAT_EQ(r.LevelFracNone(), 80.5f + 0.5f);
    EXPECT_FLOAT_EQ(r.SignedFix88(), -63.5f);
    EXPECT_FLOAT_EQ(r.SignedFix88(), 191.5f);
    EXPECT_EQ(r.Status(), 0);
}

TEST(DecodersTest, FlaggedLevelSignAndValidBits) {
    Work k;
    k.w.levelOffset = 1.0f;
    BodyReader r = k.Body({60, 0x03, 60, 0x01, 60, 0x02});
    EXPECT_FLOAT_EQ(r.FlaggedLevel(), 60 + 3 / 256.0f + 1);
    EXPECT_FLOAT_EQ(r.FlaggedLevel(), -(60 + 1 / 256.0f + 1));
    EXPECT_EQ(r.FlaggedLevel(), 0.0f);
}

TEST(DecodersTest, NumbersAndDurations) {
    Work k;
    BodyReader r = k.Body({0x12, 0x34, 0x01, 0x02, 0x03,       // 16-bit, 24-bit
                           0x00, 0x01, 0x02, 0x03, 0x80,       // duration 5
                           0x01, 0x80, 0x00,                   // 8.16
                           0x40,                               // scaled byte
                           0x00, 0x01, 0x02, 0x03, 0x40, 0x00});  // duration 6
    EXPECT_EQ(r.U16(), 0x1234);
    EXPECT_EQ(r.U24(), 0x010203u);
    EXPECT_FLOAT_EQ(r.Duration5(), 3600 + 2 * 60 + 3 + 0.5f);
    EXPECT_FLOAT_EQ(r.Fix816(), 1.5f);
    EXPECT_FLOAT_EQ(r.ScaledByte(0.0f, 100.0f), 25.0f);
    EXPECT_FLOAT_EQ(r.Duration6(), 3600 + 2 * 60 + 3 + 0.25f);
    EXPECT_EQ(r.Status(), 0);
}

TEST(DecodersTest, EventAndStateBytes) {
    Work k;
    BodyReader r = k.Body({0x5A, 0x88, 0x25});
    uint16_t a, b;
    r.EventByte(a, b);
    EXPECT_EQ(a, 0x50);
    EXPECT_EQ(b, 0x0A);
    r.StateByte(a, b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 128);
    r.StateByte(a, b);
    EXPECT_EQ(a, 32);
    EXPECT_EQ(b, 5);
}

TEST(DecodersTest, Scaled16ByModel) {
    Work k;
    k.w.model = kModelJ57;
    EXPECT_EQ(k.Body({0xFF, 0xFF}).Scaled16(), 65535.0f);
    k.w.model = kModelJ61;
    EXPECT_FLOAT_EQ(k.Body({0xFF, 0xFF}).Scaled16(), static_cast<float>(65535 * 12478.0 / 65536));
}

TEST(DecodersTest, TimeHistoryLevels) {
    Work k;
    k.w.model = kModelJ61;
    k.w.firmware = 2.0f;
    k.w.levelOffset = 1.0f;
    struct Case {
        uint16_t format;
        uint8_t b0, b1;
        float expect;
    } cases[] = {
        {0, 1, 1, 999.0f},                                 // sum 2: no value
        {4, 1, 1, 1 + 2 / 256.0f},                         // format 4 keeps it
        {0, 0, 0, 999.0f},
        {4, 0, 0, 0.0f},
        {0, 60, 128, 60 + 1.0f + 1.0f + 16.0f},            // format below 3: + 16
        {3, 60, 128, 61.0f + 1.0f},                        // format 3, recent firmware: no 16
    };
    for (const Case& c : cases) {
        k.w.thFormatCode = c.format;
        EXPECT_FLOAT_EQ(k.Body({c.b0, c.b1}).ThLevel(), c.expect) << c.format << " " << int(c.b0);
    }
    k.w.thFormatCode = 3;
    k.w.firmware = 1.11f;  // a J61 below 1.111 adds 16 at format 3 too
    EXPECT_FLOAT_EQ(k.Body({60, 128}).ThLevel(), 62.0f + 16.0f);

    // With the single-byte flag the second byte is absent and the offset's
    // whole part, one lower for a negative offset with a first decimal, is added.
    k.w.singleByteLevel = 1;
    k.w.levelOffset = -2.5f;
    BodyReader r = k.Body({70, 71});
    EXPECT_FLOAT_EQ(r.ThLevelFirst(40), 40.0f - 3.0f);
    EXPECT_EQ(k.w.bodyPos, 0u);
    k.w.model = kModelJ57;
    k.w.singleByteLevel = 0;
    k.w.setupLevelOffset = 10.0f;
    EXPECT_FLOAT_EQ(k.Body({128}).ThLevelFirst(40), 40.5f + 10.0f);
}

TEST(DecodersTest, ReadPastTheBodyGivesStatusAndZero) {
    Work k;
    BodyReader r = k.Body({7});
    EXPECT_EQ(r.Byte(), 7);
    EXPECT_EQ(r.Status(), 0);
    EXPECT_EQ(r.Byte(), 0);
    EXPECT_EQ(r.Status(), -313);
    EXPECT_EQ(r.U16(), 0);
    EXPECT_EQ(r.Status(), -313);
}

TEST(TextTest, DecimalReader) {
    struct Case {
        const char* text;
        int result;
        double value;
    } cases[] = {
        {"", -1, 0}, {"abc", -1, 0}, {"12ab", 0, 12}, {" \t-3.25", 0, -3.25}, {"+ 7", 0, 7},
        {".5", 0, 0.5}, {"4.", 0, 4}, {"3.112", 0, 3.112}, {"-", -1, 0},
    };
    for (const Case& c : cases) {
        double v = 99;
        EXPECT_EQ(ParseDecimal(c.text, v), c.result) << c.text;
        if (c.result == 0) {
            EXPECT_DOUBLE_EQ(v, c.value) << c.text;
        }
    }
}

TEST(TextTest, DurationReader) {
    EXPECT_DOUBLE_EQ(ParseDuration("1:30.5"), 90.5);
    EXPECT_DOUBLE_EQ(ParseDuration("1:02:03"), 3723.0);
    EXPECT_DOUBLE_EQ(ParseDuration("1:02"), 0.0);   // two colons needed without a point
    EXPECT_DOUBLE_EQ(ParseDuration("130.5"), 0.0);  // a point but no colon
    EXPECT_DOUBLE_EQ(ParseDuration("a:b:c"), 0.0);
}

TEST(TextTest, ModeLines) {
    struct Case {
        uint16_t model;
        const char* line;
        uint16_t mode;
    } cases[] = {
        {kModelJ57, "RTA\r\n", 4}, {kModelJ57, "TAL", 7}, {kModelJ57, "rta", 0}, {kModelJ57, "VIB", 8},
        {kModelJ46, "sSLM", 1}, {kModelJ46, "ENV ", 3}, {kModelJ46, "ENV", 0}, {kModelJ61, "RTA", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ModeIndexOf(c.model, c.line), c.mode) << c.line;
}

}  // namespace
