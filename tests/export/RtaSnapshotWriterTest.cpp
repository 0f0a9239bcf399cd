// The RTA spatially averaged history in both layouts.
#include <gtest/gtest.h>

#include "RecordManagers.h"
#include "StreamedRecordFields.h"
#include "TableTestSupport.h"

using namespace tabletest;
using testsupport::OutputRecordBuilder;

namespace {

// Bands 40.0, 41.0, ... with band 2 holding no value.
OutputRecordBuilder Snapshot(uint32_t number, int averageCount, const std::string& note)
{
    OutputRecordBuilder r(72);
    r.U32(SnapshotFields::kRecordNumber, number).U32(SnapshotFields::kTime, kJune9)
        .I16(AveragedSnapshotFields::kAverageCount, averageCount).Text(AveragedSnapshotFields::kLabel, note)
        .F32(AveragedSnapshotFields::kSpl, 71.256f);
    r.FloatRamp(AveragedSnapshotFields::kBands, 33, 40.0f, 1.0f).F32(AveragedSnapshotFields::kBands + 2 * 4, kNoValue);
    return r;
}

struct RtaSnapshots : ::testing::Test {
    std::string Write(ExportFormat format, bool thirdOctave, bool failed = false) const
    {
        const OutputRecordBuilder setup = RtaSetup(thirdOctave);
        return writertest::Written(
            [&](ReportWriter& w, std::ostream& out) { w.WriteRtaSnapshots(out, format, snaps, writertest::View(setup)); },
            failed);
    }
    void Add(const OutputRecordBuilder& r)
    {
        snaps.Add(std::make_unique<SnapRec>(writertest::View(r), SnapRec::kAveraged));
    }
    SnapMgr snaps;
};

}  // namespace

TEST_F(RtaSnapshots, TextLayoutOctaves)
{
    Add(Snapshot(4, 40000, "hall"));
    // The time stamp is standard time: an hour less in summer.
    EXPECT_EQ(Write(kTextFormat, false),
              writertest::Lines({
                  "***Record #4 ***",
                  "    Timestamp:  09-Jun-2003 13:05:09",
                  "Average Count:  40000" + std::string(14, ' ') + "Note:        hall",
                  "   Flat Level:  71.26 dB",
                  "",
                  "  Freq.Hz Avg 1/1dB  Freq.Hz Avg 1/1dB",
                  "     16.0     40.00     1000     46.00",
                  "     31.5     41.00     2000     47.00",
                  "     63.0    999.00     4000     48.00",
                  "      125     43.00     8000     49.00",
                  "      250     44.00    16000     50.00",
                  "      500     45.00",
                  "",
              }));
}

TEST_F(RtaSnapshots, TextLayoutThirdOctavesPairsTheHalves)
{
    Add(Snapshot(1, 3, ""));
    const std::string text = Write(kTextFormat, true);
    EXPECT_NE(text.find("Average Count:  3" + std::string(14, ' ') + "Note:  " + std::string(10, ' ') + "\n"), std::string::npos);
    EXPECT_NE(text.find("\n     12.5     40.00      630     57.00\n"), std::string::npos);
    EXPECT_NE(text.find("\n      500     56.00\n\n"), std::string::npos);
}

TEST_F(RtaSnapshots, CsvLayoutHeadsOnceWithFixedNumbers)
{
    Add(Snapshot(1, 3, "A"));
    Add(Snapshot(2, 5, "B"));
    std::string bandNames;
    std::string values;
    for (const char* name : {"16.0 Hz", "31.5 Hz", "63.0 Hz", "125 Hz", "250 Hz", "500 Hz", "1000 Hz", "2000 Hz",
                             "4000 Hz", "8000 Hz", "16000 Hz"})
        bandNames += Csv({name});
    // The numbers are fixed with three decimals, whatever the stream held.
    for (const char* value : {"40", "41", "999", "43", "44", "45", "46", "47", "48", "49", "50"})
        values += Csv({std::string(value) + ".000"});
    EXPECT_EQ(Write(kCsvFormat, false),
              writertest::Lines({
                  Csv({" ", " ", " ", " ", " ", " ", "Avg 1/1dB Spectra"}),
                  Csv({"Record #", "Timestamp", "Average Count", "Note", "Flat Level", " "}) + bandNames,
                  Csv({"1", "09-Jun-2003 13:05:09", "3", "A", "71.256", " "}) + values,
                  Csv({"2", "09-Jun-2003 13:05:09", "5", "B", "71.256", " "}) + values,
              }));
}

TEST_F(RtaSnapshots, NothingWithoutSnapshotsOrOnAFailedStream)
{
    EXPECT_EQ(Write(kTextFormat, true), "");
    Add(Snapshot(1, 3, "A"));
    EXPECT_EQ(Write(kCsvFormat, true, true), "");
}

// The average count is an unsigned 16-bit count of the instrument.
class RtaSnapshotCounts : public RtaSnapshots, public ::testing::WithParamInterface<int> {};

TEST_P(RtaSnapshotCounts, PrintUnsigned)
{
    Add(Snapshot(1, GetParam(), "A"));
    const std::string count = std::to_string(GetParam());
    EXPECT_NE(Write(kTextFormat, false).find("Average Count:  " + count + "     "), std::string::npos);
    EXPECT_NE(Write(kCsvFormat, false).find(Csv({"1", "09-Jun-2003 13:05:09", count, "A"})), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Counts, RtaSnapshotCounts, ::testing::Values(65535, 40000, 32767));
