// The RTA and ZU-Reru summaries.
#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>

#include "KeptRecordFields.h"
#include "TableWriterFixtures.h"

using namespace tablefixture;

namespace {

// Overall from kStart for 1 h 2 min 5.5 s; the current measurement from a
// minute later for 125.8 s; spectra over 12.5 s.
OutputRecordBuilder RtaSummary(float spatialCount)
{
    OutputRecordBuilder record(55);
    record.U32(kOverallSet.start, kStart).F32(kOverallSet.elapsed, 3725.5f).U32(kCurrentSet.start, kStart + 60)
        .F32(kCurrentSet.elapsed, 125.8f).F32(SummaryFields::kSpectraDuration, 12.5f);
    record.FloatRamp(SummaryFields::kLeqThirds, 34, 40.0f, 1.0f).FloatRamp(SummaryFields::kMaxThirds, 34, 60.0f, 1.0f)
        .FloatRamp(SummaryFields::kMinThirds, 34, 20.0f, 1.0f);
    record.F32(SummaryFields::kMinThirds + 4 * 2, 999.0f);  // no Min in the third band
    record.FloatRamp(SummaryFields::kSpatialThirds, 34, 30.0f, 1.0f).F32(SummaryFields::kSpatialCount, spatialCount);
    return record;
}

OutputRecordBuilder RtaSetup(int bandwidthFlags, int storeFlags)
{
    OutputRecordBuilder record(70);
    record.U8(RtaSetupFields::kBandwidthFlags, bandwidthFlags).U8(RtaSetupFields::kStoreFlags, storeFlags);
    return record;
}

std::string RtaSummaryText(ExportFormat format, const OutputRecordBuilder& summary, const RecordView& setup)
{
    return Written([&](std::ostream& out) {
        out << std::fixed << std::setprecision(3);  // as the file header leaves it
        ReportWriter().WriteRtaSummary(out, format, View(summary), setup);
    });
}

const char* const kRtaHead =
    "Overall Start Time: 09-Jun-2003 14:05:09\n"
    "Overall End Time:   09-Jun-2003 15:07:14\n"
    "\n"
    "AutoStore:          Enabled\n"
    "ByTime:             Disabled\n"
    "\n"
    "Current Start Time: 09-Jun-2003 14:06:09 Current End Time: 09-Jun-2003 14:08:14 \n"
    "Elapsed Time:       00:02:05.8\n"
    "\n"
    "Leq, Min, Max spectra are for the last recorded event.\n"
    "Spectra Duration:   12.50\n";

}  // namespace

TEST(RtaSummaryWriter, OctaveTextLayout)
{
    const auto summary = RtaSummary(0.0f);
    const auto setup = RtaSetup(0x00, 0x20);
    EXPECT_EQ(RtaSummaryText(kTextFormat, summary, View(setup)),
              std::string(kRtaHead) +
                  "  Freq.Hz Leq 1/1dB Max 1/1dB Min 1/1dB    Freq.Hz Leq 1/1dB Max 1/1dB Min 1/1dB\n"
                  "     16.0     40.00     60.00     20.00       1000     46.00     66.00     26.00\n"
                  "     31.5     41.00     61.00     21.00       2000     47.00     67.00     27.00\n"
                  "     63.0     42.00     62.00      ---        4000     48.00     68.00     28.00\n"
                  "      125     43.00     63.00     23.00       8000     49.00     69.00     29.00\n"
                  "      250     44.00     64.00     24.00      16000     50.00     70.00     30.00\n"
                  "      500     45.00     65.00     25.00      Flat:     51.00     71.00     31.00\n");
}

TEST(RtaSummaryWriter, OctaveCsvLayout)
{
    const auto summary = RtaSummary(0.0f);
    const auto setup = RtaSetup(0x00, 0x20);
    std::string expected =
        "\"Overall Start Time:\",\"09-Jun-2003 14:05:09\",\n"
        "\"Overall End Time:\",\"09-Jun-2003 15:07:14\",\n"
        "\n"
        "\"AutoStore:\",\"Enabled\",\n"
        "\"ByTime:\",\"Disabled\",\n"
        "\n"
        "\"Current Start Time:\",\"09-Jun-2003 14:06:09\",\"Current End Time:\",\"09-Jun-2003 14:08:14\",\n"
        "\"Elapsed Time:\",\"00:02:05.8\",\n"
        "\n"
        "\"Leq, Min, Max spectra are for the last recorded event.\",\n"
        "\"Spectra Duration:\",\"12.500\",\n"
        "\n"
        "\"Spectra (1/1dB)\",\"16.0 Hz\",\"31.5 Hz\",\"63.0 Hz\",\"125 Hz\",\"250 Hz\",\"500 Hz\",\"1000 Hz\","
        "\"2000 Hz\",\"4000 Hz\",\"8000 Hz\",\"16000 Hz\",\"Flat\",\n";
    const struct {
        const char* name;
        int first;
    } rows[] = {{"Leq", 40}, {"Max", 60}, {"Min", 20}};
    for (const auto& row : rows) {
        expected += "\"" + std::string(row.name) + "\",";
        for (int p = 0; p < 12; ++p)
            expected += (row.first == 20 && p == 2) ? "\" --- \"," : "\"" + std::to_string(row.first + p) + ".00\",";
        expected += "\n";
    }
    EXPECT_EQ(RtaSummaryText(kCsvFormat, summary, View(setup)), expected);
}

TEST(RtaSummaryWriter, ThirdOctavesWithTheSpatialAverage)
{
    const auto summary = RtaSummary(3.0f);
    const auto setup = RtaSetup(0x80, 0x80);
    const std::string text = RtaSummaryText(kTextFormat, summary, View(setup));
    EXPECT_EQ(Lines(text, 3, 4), "AutoStore:          Disabled\nByTime:             Enabled\n");
    EXPECT_EQ(Lines(text, 11, 12),
              "  Freq.Hz Leq 1/3dB Max 1/3dB Min 1/3dB Spat.Avg 1/3dB|Freq.Hz Leq 1/3dB Max 1/3dB Min 1/3dB "
              "Spat.Avg 1/3dB\n"
              "     12.5     40.00     60.00     20.00     30.00     |   630     57.00     77.00     37.00     47.00\n");
    EXPECT_EQ(Lines(text, 28, 29),
              "      500     56.00     76.00     36.00     46.00     | Flat:     73.00     93.00     53.00     63.00\n");
    const std::string csv = RtaSummaryText(kCsvFormat, summary, View(setup));
    EXPECT_EQ(Lines(csv, 12, 12).substr(0, 38), "\"Spectra (1/3dB)\",\"12.5 Hz\",\"16.0 Hz\",");
    EXPECT_EQ(Lines(csv, 16, 16).substr(0, 32), "\"Spatial Avg. \",\"30.00\",\"31.00\",");
    EXPECT_EQ(Lines(csv, 17, 17), "");
}

TEST(RtaSummaryWriter, WithoutSetupOrSummary)
{
    const auto summary = RtaSummary(0.0f);
    const std::string text = RtaSummaryText(kTextFormat, summary, RecordView());
    EXPECT_EQ(Lines(text, 3, 4), "AutoStore:          \nByTime:             \n");
    // Every stored band is shown.
    EXPECT_EQ(Lines(text, 11, 11).substr(0, 21), "  Freq.Hz Leq 1/3dB M");
    const auto setup = RtaSetup(0x80, 0);
    EXPECT_EQ(Written([&](std::ostream& out) { ReportWriter().WriteRtaSummary(out, kTextFormat, RecordView(), View(setup)); }),
              "");
}

namespace {

// A ZU-Reru summary: SLM weighting C, Ln start level 35 dB, Ln table and
// time history on; no Flat Leq measured, no sixth Ln level.
OutputRecordBuilder TalSummary()
{
    OutputRecordBuilder record(55);
    record.U32(kOverallSet.start, kStart).U32(SummaryFields::kOverallEnd, kStart + 3725)
        .U32(SummaryFields::kIntervalRecords, 12).U32(SummaryFields::kHistoryRecords, 345);
    record.U32(kCurrentSet.start, kStart + 60).F32(kCurrentSet.elapsed, 59.9f)
        .Floats(kCurrentSet.average, {65.25f, 70.5f, 999.0f}).Text(kCurrentSet.averageLabel, "Leq");
    record.F32(SummaryFields::kLaftm5, 68.0f).F32(SummaryFields::kLaieq, 67.5f)
        .FloatRamp(SummaryFields::kSpl, 9, 50.0f, 1.0f).FloatRamp(kCurrentSet.lmax, 9, 80.0f, 1.0f);
    for (uint32_t e = 0; e < 9; ++e)
        record.U32(kCurrentSet.lmaxTimes + 4 * e, kStart + 3600 + 60 * e);
    record.Floats(SummaryFields::kLnLevels, {70, 65, 60, 55, 50, 999})
        .Floats(SummaryFields::kLnPercentiles, {1, 5, 10, 50, 90, 99});
    record.F32(SummaryFields::kRtaRunTime, 3725.0f).FloatRamp(SummaryFields::kLeqThirds, 33, 30.0f, 0.5f)
        .F32(SummaryFields::kTonalityElapsed, 30.0f);
    record.U32(SummaryFields::kToneFrequency, 1250).U32(SummaryFields::kBarqBandwidth, 160)
        .F32(SummaryFields::kToneLevel, 45.5f).F32(SummaryFields::kGroupLevel, 40.25f);
    return record;
}

OutputRecordBuilder TalSetup()
{
    OutputRecordBuilder record(60);
    record.U16(TalSetupFields::kLnEnableFlags, 0x40).U16(TalSetupFields::kHistoryFlags, 2 | 8)
        .U16(TalSetupFields::kSlmWeighting, 1).I16(TalSetupFields::kLnStartLevel, 35);
    return record;
}

std::string L(const std::string& text, size_t width) { return text + std::string(width > text.size() ? width - text.size() : 0, ' '); }
std::string R(const std::string& text, size_t width) { return std::string(width > text.size() ? width - text.size() : 0, ' ') + text; }

const char* const kBandNames[33] = {"8.0 Hz",  "10.0 Hz", "12.5 Hz", "16.0 Hz", "20.0 Hz",  "25.0 Hz",  "31.5 Hz",
                                    "40.0 Hz", "50.0 Hz", "63.0 Hz", "80.0 Hz", "100 Hz",   "125 Hz",   "160 Hz",
                                    "200 Hz",  "250 Hz",  "315 Hz",  "400 Hz",  "500 Hz",   "630 Hz",   "800 Hz",
                                    "1000 Hz", "1250 Hz", "1600 Hz", "2000 Hz", "2500 Hz",  "3150 Hz",  "4000 Hz",
                                    "5000 Hz", "6300 Hz", "8000 Hz", "10000 Hz", "12500 Hz"};

std::string Decimals(double value, int decimals)
{
    std::ostringstream out;
    out << std::fixed << std::setprecision(decimals) << value;
    return out.str();
}

}  // namespace

TEST(TalSummaryWriter, TextLayout)
{
    const auto summary = TalSummary();
    const auto setup = TalSetup();
    const std::string text =
        Written([&](std::ostream& out) { ReportWriter().WriteTalSummary(out, kTextFormat, View(summary), View(setup)); });
    auto cells = [](const std::string& label, const std::string& a, const std::string& c, const std::string& f) {
        return L(label, 15) + R(a, 20) + "  " + R(c, 20) + "  " + R(f, 20) + "\n";
    };
    std::string expected =
        "Overall Start Time:09-Jun-2003 14:05:09  \n"
        "Overall End Time:09-Jun-2003 15:07:14  \n"
        "\n" +
        L("Number SnapShot Records:", 26) + R("12", 10) + "   " + L("Ln Table:", 20) + L("Enabled", 21) + "\n" +
        L("Number History Records:", 26) + R("345", 10) + "   " + L("Time History:", 20) + L("Enabled", 21) + "\n" +
        "\nCurrent Data\n\nSLM Mode\n"
        "SLM Start Time:09-Jun-2003 14:06:09  \n"
        "SLM End Time: 09-Jun-2003 14:07:08  \n"
        "SLM Elapsed Time:          00:00:59.9  \n"
        "\n"
        "LAFTM5:        68.00 dB    LCEQ:          70.50 dB    LAIeq:         67.50 dB\n"
        "LAeq:          65.25 dB    LAeq:          65.25 dB    LAeq:          65.25 dB\n"
        "LAFTM5-LAeq:    2.75 dB    LCeq-LAeq:      5.25 dB    LAIeq-LAeq:     2.25 dB\n"
        "\n" +
        cells("", "A Weight", "C Weight", "Flat") + cells("Leq:", "65.3 dBA", "70.5 dBC", " ---  dBF") +
        cells("SPL (Slow):", "50.0 dBA", "53.0 dBC", "56.0 dBF") + cells("SPL (Fast):", "51.0 dBA", "54.0 dBC", "57.0 dBF") +
        cells("SPL (Impulse):", "52.0 dBA", "55.0 dBC", "58.0 dBF") + "\n" +
        cells("Lmax (slow):", "80.0 dBA", "83.0 dBC", "86.0 dBF") +
        cells(" ", "09-Jun-2003 15:05:09", "09-Jun-2003 15:08:09", "09-Jun-2003 15:11:09") + "\n" +
        cells("Lmax (fast):", "81.0 dBA", "84.0 dBC", "87.0 dBF") +
        cells(" ", "09-Jun-2003 15:06:09", "09-Jun-2003 15:09:09", "09-Jun-2003 15:12:09") + "\n" +
        cells("Lmax (impulse):", "82.0 dBA", "85.0 dBC", "88.0 dBF") +
        cells(" ", "09-Jun-2003 15:07:09", "09-Jun-2003 15:10:09", "09-Jun-2003 15:13:09") + "\n" +
        "Ln Start Level:     35 dB\n"
        "\n"
        "  L  (1.00)  70.0\n"
        "  L  (5.00)  65.0\n"
        "  L (10.00)  60.0\n"
        "  L (50.00)  55.0\n"
        "  L (90.00)  50.0\n"
        "  L (99.00)  --- \n"
        "\n"
        "RTA Mode: Leq Spectrum\n"
        "RTA Run Time:  01:02:05    \n"
        "        Freq     Leq 1/3\n";
    for (int b = 0; b < 33; ++b)
        expected += R(kBandNames[b], 12) + R(Decimals(30.0 + 0.5 * b, 2), 12) + "\n";
    expected +=
        "\n"
        "Tonality Mode\n"
        "Tonality Elapsed Time:  00:00:30.0\n"
        "  ft (Freq. Tone):              1250 Hz\n"
        "  delta fc (BARQ Bandwidth):     160 Hz\n"
        "  Lt (Ltone):                  45.50 dB\n"
        "  Lg (LGroup):                 40.25 dB\n"
        "  Lt - Lg:                      5.25 dB\n";
    EXPECT_EQ(text, expected);
}

TEST(TalSummaryWriter, CsvLayout)
{
    const auto summary = TalSummary();
    const auto setup = TalSetup();
    const std::string csv =
        Written([&](std::ostream& out) { ReportWriter().WriteTalSummary(out, kCsvFormat, View(summary), View(setup)); });
    auto fields = [](std::initializer_list<std::string> items) {
        std::string line;
        for (const std::string& item : items)
            line += "\"" + item + "\",";
        return line + "\n";
    };
    std::string expected =
        fields({"Overall Start Time:", "09-Jun-2003 14:05:09"}) + fields({"Overall End Time:", "09-Jun-2003 15:07:14"}) +
        "\n" + fields({"Number SnapShot Records:", "12", "Ln Table:", "Enabled"}) +
        fields({"Number History Records:", "345", "History Records:", "Enabled"}) + "\n" + fields({"Current Data"}) +
        "\n" + fields({"SLM Mode"}) + fields({"SLM Start Time:", "09-Jun-2003 14:06:09"}) +
        fields({"SLM End Time:", "09-Jun-2003 14:07:08"}) + fields({"SLM Elapsed Time:", "00:00:59.9"}) + "\n" +
        fields({"LAFTM5:", "68.0"}) + fields({"LAeq:", "65.3"}) + fields({"LAFTM5 - LAeq:", "2.8"}) + "\n" +
        fields({"LCEQ:", "70.5"}) + fields({"LAeq:", "65.3"}) + fields({"LCEQ - LAeq:", "5.3"}) + "\n" +
        fields({"LAIeq:", "67.5"}) + fields({"LAeq:", "65.3"}) + fields({"LAIeq - LAeq:", "2.3"}) + "\n" +
        fields({"", "A Weight", "C Weight", "Flat"}) + fields({"Leq:", "65.3 dBA", "70.5 dBC", " ---  dBF"}) +
        fields({"SPL (Slow):", "50.0 dBA", "53.0 dBC", "56.0 dBF"}) +
        fields({"SPL (Fast):", "51.0 dBA", "54.0 dBC", "57.0 dBF"}) +
        fields({"SPL (Impulse):", "52.0 dBA", "55.0 dBC", "58.0 dBF"}) + "\n" +
        fields({"Lmax (slow):", "80.0 dBA", "83.0 dBC", "86.0 dBF"}) +
        fields({"", "09-Jun-2003 15:05:09", "09-Jun-2003 15:08:09", "09-Jun-2003 15:11:09"}) + "\n" +
        fields({"Lmax (fast):", "81.0 dBA", "84.0 dBC", "87.0 dBF"}) +
        fields({"", "09-Jun-2003 15:06:09", "09-Jun-2003 15:09:09", "09-Jun-2003 15:12:09"}) + "\n" +
        fields({"Lmax (impulse):", "82.0 dBA", "85.0 dBC", "88.0 dBF"}) +
        fields({"", "09-Jun-2003 15:07:09", "09-Jun-2003 15:10:09", "09-Jun-2003 15:13:09"}) + "\n" +
        fields({"Ln Start Level:", "35 dB"}) + "\n" + fields({"L 1.00", "70.0", "dBC"}) +
        fields({"L 5.00", "65.0", "dBC"}) + fields({"L 10.00", "60.0", "dBC"}) + fields({"L 50.00", "55.0", "dBC"}) +
        fields({"L 90.00", "50.0", "dBC"}) + fields({"L 99.00", " --- ", "dBC"}) + "\n" +
        fields({"RTA Mode: Leq Spectrum"}) + fields({"RTA Run Time:", "01:02:05"}) + fields({"Freq Hz", "Leq 1/3 Oct"});
    for (int b = 0; b < 33; ++b) {
        const std::string name = kBandNames[b];
        expected += fields({name.substr(0, name.size() - 3), Decimals(30.0 + 0.5 * b, 1)});
    }
    expected += "\n" + fields({"Tonality Mode"}) + fields({"Tonality Elapsed Time:", "00:00:30.0"}) +
                fields({"ft (Freq. Tone):", "1250"}) + fields({"delta fc (BARQ Bandwidth):", "160"}) +
                fields({"Lt (Ltone):", "45.5"}) + fields({"Lg (LGroup):", "40.3"}) + "\"Lt - Lg:\",\"5.3\",\n";
    EXPECT_EQ(csv, expected);
}

TEST(TalSummaryWriter, OldSetupWithoutFlagsAndMissingRecords)
{
    const auto summary = TalSummary();
    OutputRecordBuilder oldSetup(60);
    oldSetup.U16(TalSetupFields::kLnEnableFlags, 0x40);  // the Ln bit of byte 41 alone does not enable the table
    for (const RecordView& setup : {View(oldSetup), RecordView()}) {
        const std::string text =
            Written([&](std::ostream& out) { ReportWriter().WriteTalSummary(out, kTextFormat, View(summary), setup); });
        EXPECT_EQ(Lines(text, 3, 4), L("Number SnapShot Records:", 26) + R("12", 10) + "   " + L("Ln Table:", 20) +
                                         L("Disabled", 21) + "\n" + L("Number History Records:", 26) + R("345", 10) +
                                         "   " + L("Time History:", 20) + L("Disabled", 21) + "\n");
        EXPECT_EQ(Lines(text, 32, 32), "Ln Start Level:      0 dB\n");
    }
    EXPECT_EQ(Written([&](std::ostream& out) {
                  ReportWriter().WriteTalSummary(out, kCsvFormat, RecordView(), View(oldSetup));
              }),
              "");
}
