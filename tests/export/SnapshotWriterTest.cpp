// The ZU-Reru and FFT snapshot records.
#include <gtest/gtest.h>

#include <algorithm>
#include <iomanip>
#include <memory>

#include "KeptRecordFields.h"
#include "StreamedRecordFields.h"
#include "WriterTestSupport.h"

using namespace writertest;
using testsupport::OutputRecordBuilder;

namespace {

constexpr uint32_t kJan2nd2004 = 1073041200;   // 02-Jan-2004 12:00:00 in Berlin (winter time)
constexpr uint32_t kJune9th2003 = 1055160309;  // 09-Jun-2003 14:05:09 in Berlin (summer time)

std::unique_ptr<SnapRec> Snapshot(const OutputRecordBuilder& r, int subKind)
{
    return std::make_unique<SnapRec>(RecordView(r.Bytes().data(), r.Bytes().size()), subKind);
}

// Output records of the snapshot kinds, fields by their names.
OutputRecordBuilder SnapshotHeader(int kind, uint32_t number, uint32_t time)
{
    OutputRecordBuilder r(kind);
    r.U32(SnapshotFields::kRecordNumber, number).U32(SnapshotFields::kTime, time);
    return r;
}

std::unique_ptr<SnapRec> SlmSnapshot(uint32_t number, uint32_t time)
{
    auto r = SnapshotHeader(66, number, time);
    r.FloatRamp(TalSlmSnapshotFields::kSplTable, 9, 60, 1);  // SPL, weighting x 3 + detector
    r.FloatRamp(TalSlmSnapshotFields::kLmaxTable, 9, 70, 1);
    r.Floats(TalSlmSnapshotFields::kLeqTable, {55.5f, 58.25f, 59.0f, 57.125f});  // LAeq, LCeq, flat Leq, LAIeq
    r.F32(TalSlmSnapshotFields::kLaftm5, 61.375f);
    r.Floats(TalSlmSnapshotFields::kLnPercentiles, {1, 5, 10, 50, 90, 95});
    r.Floats(TalSlmSnapshotFields::kLnLevels, {70, 65.25f, 60, 55, 50, 999});
    return Snapshot(r, SnapRec::kTalSlm);
}

std::unique_ptr<SnapRec> RtaSnapshot(uint32_t number, uint32_t time)
{
    auto r = SnapshotHeader(67, number, time);
    r.FloatRamp(TalRtaSnapshotFields::kLeqBands, 33, 30, 1);  // Leq of 8 Hz to 12.5 kHz
    r.FloatRamp(TalRtaSnapshotFields::kLiveBands, 33, 40.5f, 1);
    return Snapshot(r, SnapRec::kTalRta);
}

std::unique_ptr<SnapRec> ToneSnapshot(int subKind, uint32_t number, uint32_t time)
{
    auto r = SnapshotHeader(68, number, time);
    r.I16(TalToneSnapshotFields::kToneFrequency, 1000).I16(TalToneSnapshotFields::kDeltaFc, -125)
        .F32(TalToneSnapshotFields::kToneLevel, 62.5f).F32(TalToneSnapshotFields::kGroupLevel, 58.25f);
    return Snapshot(r, subKind);
}

std::unique_ptr<SnapRec> FftSnapshot(uint32_t number, uint32_t time)
{
    auto r = SnapshotHeader(69, number, time);
    r.I16(FftSnapshotFields::kAverageCount, 32).I16(FftSnapshotFields::kOverloads, -1)
        .F32(FftSnapshotFields::kSpl, 999.0f).FloatRamp(FftSnapshotFields::kSpectrum, 401, 0, 0.25f);
    r.F32(FftSnapshotFields::kSpectrum + 4 * 400, 999.0f);  // the last line without value
    return Snapshot(r, SnapRec::kFft);
}

OutputRecordBuilder FftSetupRecord(int bandwidthIndex)
{
    OutputRecordBuilder r(63);
    r.I16(FftSetupFields::kBandwidthIndex, bandwidthIndex);
    return r;
}

std::string Tal(const SnapMgr& snapshots, ExportFormat format)
{
    return Written([&](ReportWriter& w, std::ostream& out) { w.WriteTalSnapshots(out, format, snapshots); });
}

std::string Fft(const SnapMgr& snapshots, ExportFormat format, const RecordView& setup)
{
    return Written([&](ReportWriter& w, std::ostream& out) { w.WriteFftSnapshots(out, format, snapshots, setup); });
}

}  // namespace

TEST(TalSnapshotWriter, TextLayoutOfTheThreeKinds)
{
    SnapMgr snapshots;
    snapshots.Add(SlmSnapshot(12, kJan2nd2004));
    snapshots.Add(RtaSnapshot(13, kJan2nd2004 + 1));
    snapshots.Add(ToneSnapshot(SnapRec::kTalTone, 14, kJune9th2003));  // summer time: shown an hour earlier
    EXPECT_EQ(Tal(snapshots, kTextFormat), Lines({
        "Snapshot Records",
        "***Record #12***",
        "Timestamp:     02-Jan-2004 12:00:00      ",
        "",
        "LAFTM5:        61.38 dB     LCeq:          58.25 dB     LAIeq:         57.13 dB     ",
        "LAeq:          55.50 dB     LAeq:          55.50 dB     LAeq:          55.50 dB     ",
        "LAFTM5-LAeq:    5.88 dB     LCeq-LAeq:      2.75 dB     LAIeq-LAeq:     1.63 dB     ",
        "",
        "                   A Weight    C Weight        Flat",
        "Leq:              55.50 dBA   58.25 dBC   59.00 dBF",
        "SPL (slow):       60.00 dBA   63.00 dBC   66.00 dBF",
        "Lmax (slow):      70.00 dBA   73.00 dBC   76.00 dBF",
        "SPL (fast):       61.00 dBA   64.00 dBC   67.00 dBF",
        "Lmax (fast):      71.00 dBA   74.00 dBC   77.00 dBF",
        "SPL (impulse):    62.00 dBA   65.00 dBC   68.00 dBF",
        "Lmax (impulse):   72.00 dBA   75.00 dBC   78.00 dBF",
        "",
        "L( 1.00)  70.0",
        "L( 5.00)  65.3",
        "L(10.00)  60.0",
        "L(50.00)  55.0",
        "L(90.00)  50.0",
        "L(95.00)   --- ",
        "",
        "***Record #13***",
        "       Date      Time",
        "02-Jan-2004  12:00:01",
        "",
        "   Freq.Hz Leq 1/3dB Live 1/3dB   Freq.Hz Leq 1/3dB Live 1/3dB",
        "       8.0     30.00      40.50       400     47.00      57.50",
        "      10.0     31.00      41.50       500     48.00      58.50",
        "      12.5     32.00      42.50       630     49.00      59.50",
        "      16.0     33.00      43.50       800     50.00      60.50",
        "      20.0     34.00      44.50      1000     51.00      61.50",
        "      25.0     35.00      45.50      1250     52.00      62.50",
        "      31.5     36.00      46.50      1600     53.00      63.50",
        "      40.0     37.00      47.50      2000     54.00      64.50",
        "      50.0     38.00      48.50      2500     55.00      65.50",
        "      63.0     39.00      49.50      3150     56.00      66.50",
        "      80.0     40.00      50.50      4000     57.00      67.50",
        "       100     41.00      51.50      5000     58.00      68.50",
        "       125     42.00      52.50      6300     59.00      69.50",
        "       160     43.00      53.50      8000     60.00      70.50",
        "       200     44.00      54.50     10000     61.00      71.50",
        "       250     45.00      55.50     12500     62.00      72.50",
        "       315     46.00      56.50",
        "",
        "***Record #14***",
        "Timestamp:     09-Jun-2003 13:05:09      ",
        "",
        "ft (Freq. tone)             1000 Hz     Lt (Ltone)    62.50 dB",
        "delta fc (BARQ Bandwidth)   -125 Hz     Lg (LGroup)   58.25 dB",
        "                                        Lt-Lg          4.25 dB",
        "",
    }));
}

TEST(TalSnapshotWriter, CsvLayoutRepeatsTheHeadingAndKeepsTheStreamPrecision)
{
    SnapMgr snapshots;
    snapshots.Add(ToneSnapshot(SnapRec::kTalTone, 14, kJune9th2003));
    snapshots.Add(SlmSnapshot(12, kJan2nd2004));
    snapshots.Add(RtaSnapshot(13, kJan2nd2004 + 1));
    const std::string csv = Written([&](ReportWriter& w, std::ostream& out) {
        out << std::fixed << std::setprecision(3);  // as the common header leaves the stream
        w.WriteTalSnapshots(out, kCsvFormat, snapshots);
    });
    const std::string rta = csv.substr(csv.find("\"***Record #13***\""));
    EXPECT_EQ(csv.substr(0, csv.size() - rta.size()), Lines({
        R"("Snapshot Records",)",
        R"("RecordNum #14",)",
        R"("Timestamp:","09-Jun-2003 13:05:09",)",
        "",
        R"x("ft (Freq. tone)","1000","Hz","Lt (Ltone)","62.500","dB",)x",
        R"x("delta fc (BARQ Bandwidth)","-125","Hz","Lg (LGroup)","58.250","dB",)x",
        R"(" "," "," ","Lt-Lg","4.250","dB",)",
        "",
        R"("Snapshot Records",)",
        R"("***Record #12***",)",
        R"("Timestamp:","02-Jan-2004 12:00:00",)",
        "",
        R"("LAFTM5","61.38 dB","LCeq","58.25 dB","LAIeq","57.13 dB",)",
        R"("LAeq","55.50 dB","LAeq","55.50 dB","LAeq","55.50 dB",)",
        R"("LAFTM5-LAeq","5.88 dB","LCeq-LAeq","2.75 dB","LAIeq-LAeq","1.63 dB",)",
        "",
        R"("","A Weight","C Weight","Flat",)",
        R"("Leq:","55.50 dBA","58.25 dBC","59.00 dBF",)",
        R"("SPL (slow):","60.00 dBA","63.00 dBC","66.00 dBF",)",
        R"("Lmax (slow):","70.00 dBA","73.00 dBC","76.00 dBF",)",
        R"("SPL (fast):","61.00 dBA","64.00 dBC","67.00 dBF",)",
        R"("Lmax (fast):","71.00 dBA","74.00 dBC","77.00 dBF",)",
        R"("SPL (impulse):","62.00 dBA","65.00 dBC","68.00 dBF",)",
        R"("Lmax (impulse):","72.00 dBA","75.00 dBC","78.00 dBF",)",
        "",
        R"("L1.00","70.0",)",
        R"("L5.00","65.3",)",
        R"("L10.00","60.0",)",
        R"("L50.00","55.0",)",
        R"("L90.00","50.0",)",
        R"("L95.00","999.0",)",
        "",
        R"("Snapshot Records",)",
    }));
    // One band a row; the SLM block's single decimal stays.
    EXPECT_EQ(rta.substr(0, rta.find("\"10.0\"")), Lines({
        R"("***Record #13***",)",
        R"("Date","Time",)",
        R"("02-Jan-2004","12:00:01",)",
        "",
        R"("Freq.Hz","Leq 1/3dB","Live 1/3dB",)",
        R"("8.0","30.0","40.5",)",
    }));
    EXPECT_EQ(rta.substr(rta.find("\"12500\"")), Lines({R"("12500","62.0","72.5",)", ""}));
    EXPECT_EQ(std::count(rta.begin(), rta.end(), '\n'), 5 + 33 + 1);
}

TEST(TalSnapshotWriter, CsvNumbersStayFixedWithoutTheCommonHeader)
{
    SnapMgr snapshots;
    snapshots.Add(ToneSnapshot(SnapRec::kTalTone, 14, kJune9th2003));
    snapshots.Add(FftSnapshot(15, kJune9th2003));  // any kind but 1 and 2 is written as a tonality snapshot
    const std::string csv = Tal(snapshots, kCsvFormat);
    EXPECT_NE(csv.find(R"x("Lt (Ltone)","62.500000","dB",)x"), std::string::npos);
    EXPECT_NE(csv.find(R"("RecordNum #15",)"), std::string::npos);
}

TEST(FftSnapshotWriter, TextLayout)
{
    SnapMgr snapshots;
    snapshots.Add(FftSnapshot(3, kJan2nd2004));
    const auto setup = FftSetupRecord(0);
    const std::string text = Fft(snapshots, kTextFormat, View(setup));
    const std::string row1 =
        "  0.5      0.3     40.5     20.3     80.5     40.3    120.5     60.3    160.5     80.3    \n";
    EXPECT_EQ(text.substr(0, text.find(row1) + row1.size()), Lines({
        "Snapshot Records",
        "***Record #3 ***",
        "    Timestamp:  02-Jan-2004 12:00:00",
        "Average Count:     32                  Overload Count:  65535",
        "          SPL:  999.00 dB",
        "",
        "Freq. Hz  Level dB  Freq. Hz  Level dB Freq. Hz Level dB Freq. Hz Level dB Freq. Hz Level dB",
        "  0.0      0.0    ",
        row1.substr(0, row1.size() - 1),
    }));
    // Row 80 ends at the full bandwidth; a line without value is one character shorter.
    const std::string row80 =
        " 40.0     20.0     80.0     40.0    120.0     60.0    160.0     80.0    200.0    ---     \n\n";
    EXPECT_EQ(text.substr(text.size() - row80.size()), row80);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 88);
}

TEST(FftSnapshotWriter, WithoutTheBandwidthTheFrequenciesAreEmpty)
{
    SnapMgr snapshots;
    snapshots.Add(FftSnapshot(3, kJan2nd2004));
    const auto unknownBandwidth = FftSetupRecord(7);
    for (const RecordView& setup : {RecordView(), View(unknownBandwidth)}) {
        const std::string text = Fft(snapshots, kTextFormat, setup);
        EXPECT_NE(text.find("\n" + std::string(5, ' ') + "      0.0    \n"), std::string::npos);
        EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 88);
        const std::string csv = Fft(snapshots, kCsvFormat, setup);
        EXPECT_NE(csv.find("\"Freq. Hz\",\"Level dB\",\n\"\",\"0.0\",\n\"\",\"0.3\",\n"), std::string::npos);
    }
}

TEST(FftSnapshotWriter, CsvLayout)
{
    SnapMgr snapshots;
    snapshots.Add(FftSnapshot(3, kJan2nd2004));
    const auto setup = FftSetupRecord(0);
    const std::string csv = Fft(snapshots, kCsvFormat, View(setup));
    EXPECT_EQ(csv.substr(0, csv.find(R"("  1.0")")), Lines({
        R"("Snapshot Records",)",
        R"("***Record #3 ***",)",
        R"("Timestamp:","02-Jan-2004 12:00:00",)",
        R"("Average Count:","32"," ","Overload Count:","65535",)",
        R"("SPL:"," --- ","dB",)",
        "",
        R"("Freq. Hz","Level dB",)",
        R"("  0.0","0.0",)",
        R"("  0.5","0.3",)",
    }));
    EXPECT_EQ(csv.substr(csv.find(R"("199.5")")), Lines({R"("199.5","99.8",)", R"("200.0"," --- ",)", ""}));
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 1 + 408);
}

TEST(FftSnapshotWriter, LineFrequenciesFollowTheBandwidth)
{
    SnapMgr snapshots;
    snapshots.Add(FftSnapshot(3, kJan2nd2004));
    struct Case {
        int bandwidth;
        const char* row1Start;
        const char* lastCell;
    } cases[] = {
        {1, "  1.25      0.3    101.25     20.3", "500.00    ---     \n"},
        {6, "   50      0.3     4050     20.3", "20000    ---     \n"},
    };
    for (const Case& c : cases) {
        const auto setup = FftSetupRecord(c.bandwidth);
        const std::string text = Fft(snapshots, kTextFormat, View(setup));
        EXPECT_NE(text.find(std::string("\n") + c.row1Start), std::string::npos) << c.bandwidth;
        EXPECT_NE(text.find(std::string(c.lastCell) + "\n"), std::string::npos) << c.bandwidth;
    }
}

TEST(SnapshotWriters, NothingWithoutRecordsOrStream)
{
    SnapMgr empty;
    SnapMgr snapshots;
    snapshots.Add(FftSnapshot(3, kJan2nd2004));
    const auto setup = FftSetupRecord(0);
    for (ExportFormat format : {kTextFormat, kCsvFormat}) {
        EXPECT_EQ(Tal(empty, format), "");
        EXPECT_EQ(Fft(empty, format, View(setup)), "");
        EXPECT_EQ(Written([&](ReportWriter& w, std::ostream& out) {
                      w.WriteTalSnapshots(out, format, snapshots);
                      w.WriteFftSnapshots(out, format, snapshots, View(setup));
                  }, true),
                  "");
    }
}

namespace {

// Average and overload counts are unsigned 16-bit counts of the instrument.
class FftSnapshotCounts : public ::testing::TestWithParam<int> {};

TEST_P(FftSnapshotCounts, PrintUnsigned)
{
    auto r = SnapshotHeader(69, 1, kJune9th2003);
    r.I16(FftSnapshotFields::kAverageCount, GetParam()).I16(FftSnapshotFields::kOverloads, GetParam())
        .F32(FftSnapshotFields::kSpl, 70.0f).FloatRamp(FftSnapshotFields::kSpectrum, 401, 0, 0.25f);
    SnapMgr snapshots;
    snapshots.Add(Snapshot(r, SnapRec::kFft));
    const OutputRecordBuilder setup = FftSetupRecord(0);
    const std::string count = std::to_string(GetParam());
    const std::string padded = std::string(5 - count.size(), ' ') + count;
    EXPECT_NE(Fft(snapshots, kTextFormat, View(setup))
                  .find("Average Count:  " + padded + "                  Overload Count:  " + padded),
              std::string::npos);
    EXPECT_NE(Fft(snapshots, kCsvFormat, View(setup))
                  .find("\"Average Count:\",\"" + count + "\",\" \",\"Overload Count:\",\"" + count + "\","),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Counts, FftSnapshotCounts, ::testing::Values(65535, 40000, 7));

}  // namespace
