// The FFT analyser's summary.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "KeptRecordFields.h"
#include "ReportWriter.h"
#include "SummaryRecordFixture.h"
#include "WriterTestSupport.h"

using summaryfixture::kStart;
using testsupport::OutputRecordBuilder;
using writertest::Lines;
using writertest::Written;

namespace {

// An hour's measurement whose spectrum rises 0.25 dB a line from 10 dB;
// line 5 was not measured.
OutputRecordBuilder FftSummaryRecord()
{
    OutputRecordBuilder record(55);
    record.F32(kCurrentSet.elapsed, 3600.0f).U32(kOverallSet.start, kStart)
        .U32(SummaryFields::kFftEndTime, kStart + 3600);
    record.FloatRamp(SummaryFields::kFftSpectrum, 401, 10.0f, 0.25f).F32(SummaryFields::kFftSpectrum + 4 * 5, 999.0f);
    return record;
}

// 0 - 200 Hz, Hanning, overload skip on, an average count stored as 0xFFFE.
OutputRecordBuilder FftSetupRecord(int bandwidth = 0, int window = 1)
{
    return OutputRecordBuilder(63).I16(FftSetupFields::kBandwidthIndex, bandwidth).I16(FftSetupFields::kWindow, window)
        .I16(FftSetupFields::kOverloadSkipping, 1).U16(FftSetupFields::kAverageCount, 0xFFFE);
}

std::string Summary(ExportFormat format, const RecordView& setup)
{
    return Written([&](ReportWriter& writer, std::ostream& out) {
        out << std::setprecision(3);  // as the common header leaves it
        writer.WriteFftSummary(out, format, writertest::View(FftSummaryRecord()), setup);
    });
}

std::vector<std::string> SplitLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

}  // namespace

TEST(FftSummaryWriter, TextLayout)
{
    const auto setup = FftSetupRecord();
    const std::string text = Summary(kTextFormat, writertest::View(setup));
    const std::string head = Lines({
        "Overall Measurement",
        "Start Time:    09-Jun-2003 14:05:09 End Time:  09-Jun-2003 15:05:09",
        "Run Time:      01:00:00            ",
        "",
        "Bandwidth:     0 - 200 Hz          ",
        "Average Count: -2",
        "Window:        Hanning",
        "Overload Skip: Enabled",
        "",
        "Freq. Hz  Level dB  Freq. Hz  Level dB Freq. Hz Level dB Freq. Hz Level dB Freq. Hz Level dB",
        "  0.0    10.00",
        "  0.5    10.25     40.5    30.25     80.5    50.25    120.5    70.25    160.5    90.25    ",
    });
    EXPECT_EQ(text.substr(0, head.size()), head);
    const auto lines = SplitLines(text);
    ASSERT_EQ(lines.size(), 91u);
    EXPECT_EQ(lines[15], "  2.5   999.00     42.5    31.25     82.5    51.25    122.5    71.25    162.5    91.25    ");
    EXPECT_EQ(lines[90], " 40.0    30.00     80.0    50.00    120.0    70.00    160.0    90.00    200.0   110.00    ");
}

TEST(FftSummaryWriter, CsvLayout)
{
    const auto setup = FftSetupRecord();
    const std::string csv = Summary(kCsvFormat, writertest::View(setup));
    const std::string head = Lines({
        "\"Overall Measurement\",",
        "\"Start Time:\",\"09-Jun-2003 14:05:09\",\"End Time:\",\"09-Jun-2003 15:05:09\",",
        "\"Run Time:\",\"01:00:00\",",
        "",
        "\"Bandwidth:\",\"0 - 200 Hz\",",
        "\"Average Count:\",\"-2\",",
        "\"Window:\",\"Hanning\",",
        "\"Overload Skip:\",\"Enabled\",",
        "",
        "\"Freq. Hz\",\"Level dB\",",
        "\"0.000\",\"10.000\",",
        "\"0.500\",\"10.250\",",
    });
    EXPECT_EQ(csv.substr(0, head.size()), head);
    const auto lines = SplitLines(csv);
    ASSERT_EQ(lines.size(), 411u);
    EXPECT_EQ(lines[15], "\"2.500\",\"999.000\",");  // the stored mark, as a number
    EXPECT_EQ(lines[410], "\"200.000\",\"110.000\",");
}

TEST(FftSummaryWriter, WidestBandwidthAndAWindowOutsideTheTable)
{
    const auto setup = FftSetupRecord(6, 3);
    const auto lines = SplitLines(Summary(kTextFormat, writertest::View(setup)));
    ASSERT_EQ(lines.size(), 91u);
    EXPECT_EQ(lines[4], "Bandwidth:     0 - 20K Hz          ");
    EXPECT_EQ(lines[6], "Window:        ");
    EXPECT_EQ(lines[90].substr(lines[90].size() - 22), "    20000   110.00    ");
    EXPECT_EQ(lines[90].substr(0, 5), " 4000");
}

TEST(FftSummaryWriter, WithoutTheBandwidthTheFrequenciesAreEmpty)
{
    // The line frequencies depend on the bandwidth; the levels are still
    // written, beside empty frequency cells.
    const auto unknownBandwidth = FftSetupRecord(7);
    for (const auto& setup : {RecordView(), writertest::View(unknownBandwidth)}) {
        const auto lines = SplitLines(Summary(kTextFormat, setup));
        ASSERT_EQ(lines.size(), 91u);
        EXPECT_EQ(lines[4], "Bandwidth:                         ");
        EXPECT_EQ(lines[10], "         10.00");
        EXPECT_EQ(lines[90].substr(lines[90].size() - 22), std::string(12, ' ') + "110.00    ");
    }
    const auto empty = Summary(kCsvFormat, RecordView());
    EXPECT_NE(empty.find("\"Window:\",\"\",\n\"Overload Skip:\",\"\",\n\n"), std::string::npos);
    EXPECT_NE(empty.find("\"Freq. Hz\",\"Level dB\",\n\"\",\"10"), std::string::npos);
    EXPECT_NE(empty.find("\n\"\",\"110"), std::string::npos);
}

TEST(FftSummaryWriter, NothingForAFailedStreamOrAMissingSummary)
{
    const auto setup = FftSetupRecord();
    EXPECT_EQ(Written([&](ReportWriter& writer, std::ostream& out) {
                  writer.WriteFftSummary(out, kTextFormat, RecordView(), writertest::View(setup));
              }),
              "");
    EXPECT_EQ(Written(
                  [&](ReportWriter& writer, std::ostream& out) {
                      writer.WriteFftSummary(out, kCsvFormat, writertest::View(FftSummaryRecord()),
                                             writertest::View(setup));
                  },
                  true),
              "");
}
