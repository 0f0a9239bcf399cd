// Counts that the instrument keeps in unsigned 16-bit fields print unsigned
// in the report view: the average and overload counts of FFT snapshots and
// the average count of spatially averaged RTA samples.
#include "ReportText.h"
#include "ReportViewTestSupport.h"

using namespace reporttest;

namespace {

// Report lines of one record of each report, after the title block.
constexpr size_t kFftSnapshotLines = 88, kAveragedSampleLines = 13;

struct CountCase {
    unsigned averages;
    unsigned overloads;
    const char* fftLine;
    const char* averagedLine;
};

const CountCase kCountCases[] = {
    {65535, 40000, "Average Count: | 65535 | Overload Count: | 40000", "Average Count: | 65535 | Note: Hall"},
    {40000, 65535, "Average Count: | 40000 | Overload Count: | 65535", "Average Count: | 40000 | Note: Hall"},
    {32768, 32767, "Average Count: | 32768 | Overload Count: | 32767", "Average Count: | 32768 | Note: Hall"},
    {1, 0, "Average Count: |     1 | Overload Count: |     0", "Average Count: | 1     | Note: Hall"},
};

}  // namespace

class ReportSnapshotCounts : public ReportFixture {};

TEST_F(ReportSnapshotCounts, FftSnapshotCountsPrintUnsigned)
{
    translation.Add(SystemRecord()).Add(OutputRecordBuilder(63).I16(FftSetupFields::kBandwidthIndex, 0));
    uint32_t record = 1;
    for (const CountCase& c : kCountCases)
        translation.Add(OutputRecordBuilder(69)
                            .U32(SnapshotFields::kRecordNumber, record++)
                            .U32(SnapshotFields::kTime, 7200)
                            .U16(FftSnapshotFields::kAverageCount, c.averages)
                            .U16(FftSnapshotFields::kOverloads, c.overloads));
    Select(std::to_string(std::size(kCountCases)) + " FFT Snapshots");
    ASSERT_EQ(report->GetReportType(), 27);
    const auto lines = ScreenLines();
    for (size_t i = 0; i < std::size(kCountCases); ++i) {
        const size_t first = 15 + kFftSnapshotLines * i;
        ASSERT_LT(first + 2, lines.size());
        EXPECT_EQ(lines[first], "***Record #" + std::to_string(i + 1) + " ***");
        EXPECT_EQ(lines[first + 2], kCountCases[i].fftLine);
    }
}

TEST_F(ReportSnapshotCounts, SpatiallyAveragedSampleCountPrintsUnsigned)
{
    translation.Add(SystemRecord());
    uint32_t record = 1;
    for (const CountCase& c : kCountCases)
        translation.Add(OutputRecordBuilder(72)
                            .U32(SnapshotFields::kRecordNumber, record++)
                            .U32(SnapshotFields::kTime, 60)
                            .U16(AveragedSnapshotFields::kAverageCount, c.averages)
                            .Text(AveragedSnapshotFields::kLabel, "Hall"));
    Select(std::to_string(std::size(kCountCases)) + " Spatially Averaged Samples");
    ASSERT_EQ(report->GetReportType(), 29);
    const auto lines = ScreenLines();
    for (size_t i = 0; i < std::size(kCountCases); ++i) {
        const size_t first = 14 + kAveragedSampleLines * i;
        ASSERT_LT(first + 2, lines.size());
        EXPECT_EQ(lines[first], "***Record #" + std::to_string(i + 1) + " ***");
        EXPECT_EQ(lines[first + 2], kCountCases[i].averagedLine);
    }
}
