// The ZU-Reru time history in both layouts.
#include <gtest/gtest.h>

#include "RecordManagers.h"
#include "StreamedRecordFields.h"
#include "TableTestSupport.h"
#include "ThColumns.h"

using namespace tabletest;
using testsupport::OutputRecordBuilder;

namespace {

struct Flags {
    int a1 = 0, a2 = 0, c1 = 0, c2 = 0, f1 = 0, f2 = 0;
};

OutputRecordBuilder TalSetup(int otherLevel, const Flags& f)
{
    OutputRecordBuilder r(60);
    const ThColumnFlagOffsets& at = TalSetupFields::kThFlags;
    r.I16(TalSetupFields::kOtherLevel, otherLevel);
    r.U16(at.a1, f.a1).U16(at.a2, f.a2).U16(at.c1, f.c1).U16(at.c2, f.c2).U16(at.f1, f.f1).U16(at.f2, f.f2);
    return r;
}

OutputRecordBuilder LevelSample(uint32_t number, float leq)
{
    OutputRecordBuilder r(57);
    r.U32(TimeHistoryFields::kTime, kJune9).F32(TimeHistoryFields::kFirst, leq).F32(TimeHistoryFields::kSecond, 101.04f)
        .U32(TimeHistoryFields::kRecordNumber, number);
    // Each set holds three 8-entry arrays A, C, F; bit 1 << k is entry k.
    const size_t stride = TimeHistoryFields::kSetStride;
    r.F32(TimeHistoryFields::kSet1 + 7 * 4, 61.25f).F32(TimeHistoryFields::kSet1 + 6 * 4, kNoValue);  // LAeq, A-Peak
    r.F32(TimeHistoryFields::kSet2 + 2 * 4, 63.0f);               // LAFTM5
    r.F32(TimeHistoryFields::kSet2 + stride + 2 * 4, 6.75f);      // battery
    r.F32(TimeHistoryFields::kSet2 + 2 * stride + 2 * 4, 64.5f);  // LAIeq
    r.FloatRamp(TimeHistoryFields::kLeqBands, 33, 20.0f, 1.0f).FloatRamp(TimeHistoryFields::kLiveBands, 33, 50.0f, 0.5f);
    return r;
}

OutputRecordBuilder RunStop(uint32_t number, int state, int cause)
{
    OutputRecordBuilder r(57);
    r.U32(TimeHistoryFields::kTime, kJune9 + 60).F32(TimeHistoryFields::kFirst, -1.0f)
        .U32(TimeHistoryFields::kRecordNumber, number).I16(TimeHistoryFields::kCause, cause)
        .I16(TimeHistoryFields::kState, state);
    return r;
}

OutputRecordBuilder Parameters()
{
    OutputRecordBuilder r(7);
    for (int mark = 1; mark <= 5; ++mark)
        r.Text(ParameterFields::kMarkNames + ParameterFields::kMarkNameSlot * (mark - 1), "Mark" + std::to_string(mark) + "nm");
    return r;
}

struct TalTimeHistory : ::testing::Test {
    TalTimeHistory()
    {
        Add(LevelSample(1, kNoValue));
        Add(RunStop(2, 2, 12));  // mark 2
        Add(RunStop(3, 0, 10));  // stopped by the wind
        Add(RunStop(4, 4, 14));  // a run after mark 4
        Add(RunStop(5, 2, 0));
    }
    void Add(const OutputRecordBuilder& r) { records.Add(std::make_unique<ThRec>(ThRec::FromTimeHistory(writertest::View(r)))); }
    std::string Write(ExportFormat format, const OutputRecordBuilder& setup, bool failed = false) const
    {
        const OutputRecordBuilder parameters = Parameters();
        return writertest::Written(
            [&](ReportWriter& w, std::ostream& out) {
                w.WriteTalTimeHistory(out, format, records, writertest::View(setup), writertest::View(parameters));
            },
            failed);
    }
    ThMgr records;
};

// The 33 band cells from first in steps of step, right-aligned in 10 or as
// fields.
std::string Bands(float first, float step, bool text)
{
    std::string cells;
    for (int band = 0; band < 33; ++band) {
        const std::string value = FormatReportNumber(first + step * static_cast<float>(band), 1, 0);
        cells += text ? R(value, 10) : Csv({value});
    }
    return cells;
}

std::string BandHeadings(bool text)
{
    std::string cells;
    for (const char* name : {"12.5Hz", "16.0 Hz", "20.0 Hz", "25.0 Hz", "31.5 Hz", "40.0 Hz", "50.0 Hz", "63.0 Hz",
                             "80.0 Hz", "100 Hz", "125 Hz", "160 Hz", "200 Hz", "250 Hz", "315 Hz", "400 Hz", "500 Hz",
                             "630 Hz", "800 Hz", "1000 Hz", "1250 Hz", "1600 Hz", "2000 Hz", "2500 Hz", "3150 Hz",
                             "4000 Hz", "5000 Hz", "6300 Hz", "8000 Hz", "10000 Hz", "12500 Hz", "16000 Hz",
                             "20000 Hz"})
        cells += text ? R(name, 10) : Csv({name});
    return cells;
}

const std::string kRunStopRows[] = {"Mark2:Mark2nm", "Stop:Wind", "Run:Mark4nm", "Mark0:Key"};

std::string TextRunStops()
{
    std::string lines;
    for (int i = 0; i < 4; ++i)
        lines += L(std::to_string(i + 2), 9) + L("09-Jun-2003", 12) + L("14:06:09", 12) + kRunStopRows[i] + "\n";
    return lines;
}

}  // namespace

TEST_F(TalTimeHistory, TextLayoutAdvancedColumnsAndLeqSpectrum)
{
    Flags f;
    f.a1 = 0xC0;  // LAeq, A-Peak
    f.a2 = 0x04;  // LAFTM5
    f.c2 = 0x04;  // battery
    f.f2 = 0x07;  // LAIeq, both spectra: the Leq spectrum is shown
    const OutputRecordBuilder setup = TalSetup(4, f);
    int width = 0;
    EXPECT_EQ(ReportWriter::CountTalTimeHistoryColumns(writertest::View(setup), &width), 9);
    EXPECT_EQ(width, 89);
    EXPECT_EQ(Write(kTextFormat, setup),
              std::string(93, ' ') + "RTA Leq 1/3 Spectrum" + std::string(308, ' ') + "\n" +
                  L("Rec #", 9) + L("Date", 12) + L("Time", 12) + "   Leq" + "      LAeq    A-Peak    LAFTM5" +
                  "      LAIeq   Battery" + BandHeadings(true) + "\n" +
                  L("1", 9) + L("09-Jun-2003", 12) + L("14:05:09", 12) + " 999.0" + R("61.3", 10) + R(" --- ", 10) +
                  R("63.0", 10) + R("64.5", 10) + R("6.8", 10) + Bands(20.0f, 1.0f, true) + "\n" + TextRunStops());
}

TEST_F(TalTimeHistory, TextLayoutOtherLevelKeepsOnlyTheSpectrum)
{
    Flags f;
    f.a1 = 0xFF;
    f.f2 = 0x01;  // the live spectrum
    const OutputRecordBuilder setup = TalSetup(2, f);
    const std::string text = Write(kTextFormat, setup);
    // The title stands over the spectrum, after the one other level; every
    // band column has its heading.
    EXPECT_EQ(text.substr(0, text.find('\n') + 1),
              std::string(39 + 9 + 4, ' ') + "RTA Live 1/3 Spectrum" + std::string(308, ' ') + "\n");
    EXPECT_NE(text.find("\n" + L("Rec #", 9) + L("Date", 12) + L("Time", 12) + "   Leq" + "   Peak-I" +
                        BandHeadings(true) + "\n" + L("1", 9) +
                        L("09-Jun-2003", 12) + L("14:05:09", 12) + " 999.0" + R("101.0", 9) + Bands(50.0f, 0.5f, true) +
                        "\n"),
              std::string::npos);

    // Without a spectrum bit: no title line, no band columns; code 0 writes
    // no other-level column.
    const std::string plain = Write(kTextFormat, TalSetup(0, Flags{}));
    EXPECT_EQ(plain, L("Rec #", 9) + L("Date", 12) + L("Time", 12) + "   Leq\n" + L("1", 9) + L("09-Jun-2003", 12) +
                         L("14:05:09", 12) + " 999.0\n" + TextRunStops());
}

TEST_F(TalTimeHistory, CsvLayoutHasTheSetColumnsWhateverTheOtherLevel)
{
    Flags f;
    f.a1 = 0x40;  // A-Peak
    f.c1 = 0x80;  // LCeq
    f.f2 = 0x02;
    const OutputRecordBuilder setup = TalSetup(2, f);
    std::string expected = ",,,,,,RTA Leq 1/3 Spectrum" + std::string(33, ',') + "\n" +
                           Csv({"Rec #", "Date", "Time", "Leq", "A-Peak", "LCeq"}) + BandHeadings(false) + "\n" +
                           Csv({"1", "09-Jun-2003", "14:05:09", " --- ", " --- ", "0.0"}) + Bands(20.0f, 1.0f, false) +
                           "\n";
    for (int i = 0; i < 4; ++i)
        expected += Csv({std::to_string(i + 2), "09-Jun-2003", "14:06:09", kRunStopRows[i]}) + "\n";
    EXPECT_EQ(Write(kCsvFormat, setup), expected);
}

TEST_F(TalTimeHistory, NothingWithoutSetupOrRecordsOrOnAFailedStream)
{
    const OutputRecordBuilder setup = TalSetup(4, Flags{});
    EXPECT_EQ(Write(kCsvFormat, setup, true), "");
    EXPECT_EQ(writertest::Written([&](ReportWriter& w, std::ostream& out) {
                  w.WriteTalTimeHistory(out, kTextFormat, records, RecordView(), RecordView());
              }),
              "");
    EXPECT_EQ(writertest::Written([&](ReportWriter& w, std::ostream& out) {
                  w.WriteTalTimeHistory(out, kTextFormat, ThMgr(), writertest::View(setup), RecordView());
              }),
              "");
}

// A sample of a time-history stream stores its level and, at most, a second
// level: the detector, auxiliary and band cells of its row stay empty instead
// of showing zeros it never held.
TEST_F(TalTimeHistory, StreamSampleLeavesTheColumnsItLacksEmpty)
{
    Flags f;
    f.a1 = 0x40;  // A-Peak
    f.c2 = 0x04;  // battery
    f.f2 = 0x02;  // the Leq spectrum
    records.Add(std::make_unique<ThRec>(ThRec::FromStream(kJune9 + 120, 6, 0, 58.25f, 0.0f, false)));

    const std::string csv = Write(kCsvFormat, TalSetup(4, f));
    std::string emptyCells;  // A-Peak, battery and the 33 bands
    for (int cell = 0; cell < 35; ++cell)
        emptyCells += Csv({""});
    EXPECT_NE(csv.find("\n" + Csv({"6", "09-Jun-2003", "14:07:09", "58.3"}) + emptyCells + "\n"),
              std::string::npos)
        << csv;

    Flags none;
    const std::string text = Write(kTextFormat, TalSetup(2, none));
    EXPECT_NE(text.find("\n" + L("6", 9) + L("09-Jun-2003", 12) + L("14:07:09", 12) + "  58.3" + std::string(9, ' ') +
                        "\n"),
              std::string::npos)
        << text;
}

// The run/stop cell of every time history (LOG, SSA, ZU-Reru; export and
// screen): the cause code is the entry's 16-bit word, so a code written wider
// in a stream entry is cut to it.
TEST(ThRunStopText, StateAndCauseOfAnEntry)
{
    const OutputRecordBuilder parameters = Parameters();
    const struct {
        int state;
        float cause;
        const char* cell;
    } cases[] = {
        {2, 12.0f, "Mark2:Mark2nm"}, {2, 0.0f, "Mark0:Key"},   {0, 10.0f, "Stop:Wind"}, {4, 14.0f, "Run:Mark4nm"},
        {5, 1.0f, "Cont:Timer"},     {2, 65548.0f, "Mark2:Mark2nm"}, {9, 17.0f, ":"},
    };
    for (const auto& c : cases) {
        const ThRec entry = ThRec::FromStream(kJune9, 1, 0, -static_cast<float>(c.state), c.cause, false);
        EXPECT_EQ(ThRunStopText(entry, writertest::View(parameters)), c.cell) << c.state << " " << c.cause;
    }
}
