// The RT60 table in both layouts.
#include <gtest/gtest.h>

#include <vector>

#include "RecordManagers.h"
#include "StreamedRecordFields.h"
#include "TableTestSupport.h"

using namespace tabletest;
using testsupport::OutputRecordBuilder;

namespace {

// An RTA event of 10 triggered samples 0.1 s apart whose bands decay by 60
// dB/s (even bands, RT60 1.00 s) or 120 dB/s (odd bands, 0.50 s). Its RT60
// texts are left uncomputed: the writer works them out itself.
std::unique_ptr<EventRec> RtaEvent(uint32_t number)
{
    OutputRecordBuilder r(1);
    r.U32(RtaEventFields::kStartTime, kJune9).F32(RtaEventFields::kDuration, 1.0f).I16(RtaEventFields::kPreTrigger, 0)
        .U32(RtaEventFields::kRecordNumber, number).I16(RtaEventFields::kTriggered, 10)
        .U32(RtaEventFields::kAveragedEvents, 0);
    auto event = std::make_unique<EventRec>(EventRec::FromRta(writertest::View(r)));
    std::vector<std::vector<float>> decays;
    for (int band = 0; band < 33; ++band) {
        std::vector<float> levels;
        for (int k = 0; k < 10; ++k)
            levels.push_back(100.0f - (band % 2 ? 12.0f : 6.0f) * static_cast<float>(k));
        decays.push_back(levels);
    }
    event->SetDecayData(decays, std::vector<EventRec::DecayPeak>(33));
    return event;
}

struct Rt60Table : ::testing::Test {
    void Bands(int first, int last)
    {
        events.rt60FirstBand = first;
        events.rt60LastBand = last;
        events.rt60DbDown = 10;
    }
    std::string Write(ExportFormat format, bool thirdOctave, bool failed = false) const
    {
        const OutputRecordBuilder setup = RtaSetup(thirdOctave);
        return writertest::Written(
            [&](ReportWriter& w, std::ostream& out) {
                w.WriteRt60(out, format, events, ThMgr(), writertest::View(setup));
            },
            failed);
    }
    EventRecMgr events;
};

const char* const kHeadingLine = "Freq. Hz        RT60 (sec)         Freq. Hz        RT60 (sec)";

std::string Pair(const char* left, const char* leftTime, const char* right, const char* rightTime)
{
    return R(left, 8) + "        " + R(leftTime, 10) + "         " + R(right, 8) + "        " + R(rightTime, 10);
}

}  // namespace

TEST_F(Rt60Table, TextLayoutOctavesWithAMiddleBand)
{
    // The default range 0 to 32 is kept within the 11 octaves.
    Bands(0, 32);
    events.Add(RtaEvent(3));
    events.Add(RtaEvent(4));
    const std::vector<std::string> block = {
        "Rec # 3       1 averaged events       Duration: 1.000       dB Down: 10 dB",
        kHeadingLine,
        Pair("16.0", "1.00", "1000", "1.00"),
        Pair("31.5", "0.50", "2000", "0.50"),
        Pair("63.0", "1.00", "4000", "1.00"),
        Pair("125", "0.50", "8000", "0.50"),
        Pair("250", "1.00", "16000", "1.00"),
        R("500", 8) + "        " + R("0.50", 10) + " ",
        "",
    };
    std::string expected;
    for (const std::string& line : block)
        expected += line + "\n";
    std::string second = expected;
    second.replace(second.find("Rec # 3"), 7, "Rec # 4");
    EXPECT_EQ(Write(kTextFormat, false), expected + second);
}

TEST_F(Rt60Table, TextLayoutPairsTheHalvesOfTheBands)
{
    Bands(0, 32);
    events.Add(RtaEvent(1));
    const std::string text = Write(kTextFormat, true);
    EXPECT_NE(text.find("\n" + Pair("12.5", "1.00", "630", "0.50") + "\n"), std::string::npos);
    EXPECT_NE(text.find("\n" + Pair("400", "0.50", "20000", "1.00") + "\n" + R("500", 8) + "        " +
                        R("1.00", 10) + " \n\n"),
              std::string::npos);

    // An even number of bands has no middle band; one band is a middle band.
    Bands(3, 6);
    EXPECT_NE(Write(kTextFormat, true).find(kHeadingLine + std::string("\n") + Pair("25.0", "0.50", "40.0", "0.50") +
                                            "\n" + Pair("31.5", "1.00", "50.0", "1.00") + "\n\n"),
              std::string::npos);
    Bands(5, 5);
    EXPECT_NE(Write(kTextFormat, true).find(kHeadingLine + std::string("\n") + R("40.0", 8) + "        " +
                                            R("0.50", 10) + " \n\n"),
              std::string::npos);
}

TEST_F(Rt60Table, CsvLayout)
{
    Bands(2, 4);
    events.Add(RtaEvent(1));
    events.Add(RtaEvent(2));
    EXPECT_EQ(Write(kCsvFormat, true),
              writertest::Lines({
                  Csv({"Rec # ", "avgd evnts", "Duration", "dB Down", "20.0 Hz", "25.0 Hz", "31.5 Hz"}),
                  Csv({"1", "1", "1.000", "10", "   1.00", "   0.50", "   1.00"}),
                  Csv({"2", "1", "1.000", "10", "   1.00", "   0.50", "   1.00"}),
              }));
    // Octave data at the default range: one column per octave.
    Bands(0, 32);
    const std::string octaves = Write(kCsvFormat, false);
    EXPECT_EQ(octaves.substr(0, octaves.find('\n')),
              Csv({"Rec # ", "avgd evnts", "Duration", "dB Down", "16.0 Hz", "31.5 Hz", "63.0 Hz", "125 Hz", "250 Hz",
                   "500 Hz", "1000 Hz", "2000 Hz", "4000 Hz", "8000 Hz", "16000 Hz"}));
    EXPECT_NE(octaves.find(Csv({"1", "1", "1.000", "10", "   1.00", "   0.50", "   1.00", "   0.50", "   1.00",
                                "   0.50", "   1.00", "   0.50", "   1.00", "   0.50", "   1.00"}) +
                           "\n"),
              std::string::npos);
}

TEST_F(Rt60Table, SettingsOutsideTheBandsStayWithinThem)
{
    Bands(-4, 40);
    events.Add(RtaEvent(1));
    const std::string csv = Write(kCsvFormat, true);
    EXPECT_EQ(csv.find(Csv({"dB Down", "12.5 Hz"})), Csv({"Rec # ", "avgd evnts", "Duration"}).size());
    EXPECT_NE(csv.find("\"20000 Hz\",\n"), std::string::npos);
    // A reversed range is turned round.
    Bands(6, 3);
    EXPECT_EQ(Write(kCsvFormat, true),
              writertest::Lines({Csv({"Rec # ", "avgd evnts", "Duration", "dB Down", "25.0 Hz", "31.5 Hz", "40.0 Hz",
                                      "50.0 Hz"}),
                                 Csv({"1", "1", "1.000", "10", "   0.50", "   1.00", "   0.50", "   1.00"})}));
}

TEST_F(Rt60Table, NothingWithoutEventsOrOnAFailedStream)
{
    EXPECT_EQ(Write(kTextFormat, true), "");
    events.Add(RtaEvent(1));
    EXPECT_EQ(Write(kCsvFormat, true, true), "");
}
