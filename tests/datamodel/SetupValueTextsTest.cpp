#include <gtest/gtest.h>

#include <functional>

#include "ISMSetup.h"
#include "LOGSetup.h"
#include "OBASetup.h"
#include "SSASetup.h"
#include "TALSetup.h"

namespace {
using TextOf = std::function<const std::string&(int, std::string&)>;

struct TextCase {
    const char* name;
    TextOf text;
    int code;
    const char* expected;
};
}  // namespace

// The ends of each table and the first code past them.
TEST(SetupValueTexts, CodeTablesAtTheirEnds)
{
    const TextCase cases[] = {
        {"ISM detector", ISMSetup::GetDetectorText, 2, "Impulse"},
        {"ISM detector", ISMSetup::GetDetectorText, 3, ""},
        {"TAL detector", TALSetup::DetectorText, 0, "Slow"},
        {"SSA weighting", SSASetup::WeightingText, 2, "Flat"},
        {"SSA weighting", SSASetup::WeightingText, 7, ""},
        {"TAL weighting", TALSetup::WeightingText, 3, ""},
        {"SSA letter", SSASetup::WeightingLetter, 2, "F"},
        {"SSA letter", SSASetup::WeightingLetter, 3, ""},
        {"LOG weighting", LOGSetup::WeightingText, 7, "Flat"},
        {"SSA peak 1", SSASetup::Peak1WeightingText, 1, "C"},
        {"SSA peak 1", SSASetup::Peak1WeightingText, 5, "Flat"},
        {"LOG letter", LOGSetup::WeightingLetter, 9, "F"},
        {"LOG freq", LOGSetup::FreqWeightingText, 4, "1/3"},
        {"LOG freq", LOGSetup::FreqWeightingText, 5, ""},
        {"LOG freq short", LOGSetup::FreqWeightingShortText, 3, "1/1"},
        {"LOG freq short", LOGSetup::FreqWeightingShortText, 5, ""},
        {"LOG range", LOGSetup::RangeText, 1, "Low"},
        {"ISM range", ISMSetup::GetRangeText, 2, "High"},
        {"ISM range", ISMSetup::GetRangeText, 3, ""},
        {"OBA range", OBASetup::GetRangeText, 1, "High"},
        {"OBA range", OBASetup::GetRangeText, 2, "Low"},
        {"LOG AC out", LOGSetup::AcOutputText, 3, "AC-2 AC-1"},
        {"SSA AC out", SSASetup::AcOutputText, 4, ""},
        {"ISM AC out", ISMSetup::GetAcOutputText, 1, "Weighted"},
        {"ISM AC out", ISMSetup::GetAcOutputText, 2, ""},
        {"gain", SSASetup::GainText, 0, "-20"},
        {"gain", SSASetup::GainText, 7, "+50"},
        {"gain", SSASetup::GainText, 2, "+0"},
        {"gain", SSASetup::GainText, 8, "+0"},
        {"gain", SSASetup::GainText, 200, "+0"},
        {"other level", LOGSetup::OtherLevelText, 4, "Advanced"},
        {"other level", LOGSetup::OtherLevelText, 5, ""},
        {"period unit", LOGSetup::PeriodUnitText, 0, "1/32 seconds"},
        {"period unit", LOGSetup::PeriodUnitText, 4, ""},
        {"report choice", LOGSetup::ReportChoiceText, 2, "Long"},
        {"timer mode", LOGSetup::TimerModeText, 3, "2/Day"},
        {"timer mode", LOGSetup::TimerModeText, 4, ""},
        {"second display", SSASetup::SecondDisplayText, 4, "Peak"},
        {"second display", SSASetup::SecondDisplayText, 5, ""},
        {"scan mode", OBASetup::GetScanModeText, 2, "Timed"},
        {"profile", OBASetup::GetProfileText, 3, "Custom"},
        {"profile", OBASetup::GetProfileText, 4, ""},
        {"bandwidth", OBASetup::GetBandwidthText, 2, ""},
        {"bandwidth", OBASetup::GetBandwidthText, 3, "1/1"},
        {"bandwidth", OBASetup::GetBandwidthText, 4, "1/3"},
        {"bandwidth", OBASetup::GetBandwidthText, 5, ""},
        // Codes are taken as one byte.
        {"SSA weighting", SSASetup::WeightingText, 0x101, "C"},
    };
    for (const auto& c : cases) {
        std::string out = "old";
        EXPECT_EQ(c.text(c.code, out), c.expected) << c.name << ' ' << c.code;
        EXPECT_EQ(out, c.expected);
    }
}

TEST(SetupValueTexts, BandNames)
{
    const TextCase cases[] = {
        {"SSA", SSASetup::BandName, 0, "12.5 Hz"},
        {"SSA", SSASetup::BandName, 19, "1000 Hz"},
        {"SSA", SSASetup::BandName, 32, "20000 Hz"},
        {"SSA", SSASetup::BandName, 33, ""},
        {"SSA", SSASetup::BandName, -1, ""},
        {"octave", SSASetup::OctaveBandName, 0, ""},
        {"octave", SSASetup::OctaveBandName, 1, "16.0 Hz"},
        {"octave", SSASetup::OctaveBandName, 19, "1000 Hz"},
        {"octave", SSASetup::OctaveBandName, 20, ""},
        {"octave", SSASetup::OctaveBandName, 31, "16000 Hz"},
        {"octave", SSASetup::OctaveBandName, 34, ""},
        {"TAL", TALSetup::BandName, 0, "8.0 Hz"},
        {"TAL", TALSetup::BandName, 2, "12.5 Hz"},
        {"TAL", TALSetup::BandName, 32, "12500 Hz"},
        {"TAL", TALSetup::BandName, 33, ""},
        {"OBA", OBASetup::GetBandLabel, 0, "25.0 Hz"},
        {"OBA", OBASetup::GetBandLabel, 29, "20000 Hz"},
        {"OBA", OBASetup::GetBandLabel, 30, ""},
    };
    for (const auto& c : cases) {
        std::string out;
        EXPECT_EQ(c.text(c.code, out), c.expected) << c.name << ' ' << c.code;
    }
}

TEST(SetupValueTexts, NumbersIndexesAndBitTests)
{
    EXPECT_EQ(LOGSetup::ExchangeRateToDb(0), 3);
    EXPECT_EQ(LOGSetup::ExchangeRateToDb(4), 7);
    EXPECT_EQ(LOGSetup::ExchangeRateToDb(5), 3);
    EXPECT_EQ(LOGSetup::WeightingDetectorIndex(2, 1), 7);
    EXPECT_EQ(LOGSetup::WeightingDetectorIndex(2, 2), 8);
    EXPECT_EQ(LOGSetup::WeightingDetectorIndex(3, 0), 0);
    EXPECT_EQ(LOGSetup::WeightingDetectorIndex(0, -1), 0);
    EXPECT_EQ(OBASetup::GetBandwidthIndex(3), 0);
    EXPECT_EQ(OBASetup::GetBandwidthIndex(4), 1);
    EXPECT_EQ(OBASetup::GetBandwidthIndex(5), 0);
    EXPECT_EQ(CountFlagBits(0x1FF), 8);
    EXPECT_EQ(CountFlagBits(0x15), 3);
    EXPECT_EQ(IsFlagSet(0x100, 0x100), 0);
    EXPECT_EQ(IsFlagSet(0x42, 0x40), 1);
    EXPECT_EQ(SSASetup::IsBit80Set(0x80), 1);
    EXPECT_EQ(SSASetup::IsBit40Set(0x80), 0);
    EXPECT_EQ(SSASetup::IsBit02Set(0x02), 1);
}
