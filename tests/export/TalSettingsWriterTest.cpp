// The ZU-Reru mode's settings printout.
#include <gtest/gtest.h>

#include "KeptRecordFields.h"
#include "WriterTestSupport.h"

using namespace writertest;
using testsupport::OutputRecordBuilder;

namespace {

// A ZU-Reru setup record (output kind 60), fields by their names.
struct TalSetupRecord : OutputRecordBuilder {
    TalSetupRecord() : OutputRecordBuilder(60) {}
    TalSetupRecord& RtaFlags(int v) { U8(TalSetupFields::kRtaFlags, v); return *this; }
    TalSetupRecord& RunTimers(const char* slm, const char* rta)
    {
        Text(TalSetupFields::kSlmRunTimer, slm);
        Text(TalSetupFields::kRtaRunTimer, rta);
        return *this;
    }
    TalSetupRecord& Meter(int detector, int weighting, int gain)
    {
        U8(TalSetupFields::kDetector, detector);
        U8(TalSetupFields::kSlmWeighting, weighting);
        U8(TalSetupFields::kGain, gain);
        return *this;
    }
    TalSetupRecord& History(int flags, int period, int unit)
    {
        U16(TalSetupFields::kHistoryFlags, flags);
        I16(TalSetupFields::kHistoryPeriod, period);
        U8(TalSetupFields::kHistoryUnit, unit);
        return *this;
    }
    TalSetupRecord& Ln(int startLevel, std::initializer_list<float> percentiles)
    {
        I16(TalSetupFields::kLnStartLevel, startLevel); Floats(TalSetupFields::kLnPercentiles, percentiles);
        return *this;
    }
    TalSetupRecord& Tonal(int averages, int mode)
    {
        U8(TalSetupFields::kTonalAveraging, averages & 0xFF);
        U8(TalSetupFields::kMode, mode);
        return *this;
    }
};

TalSetupRecord Representative()
{
    TalSetupRecord r;
    r.RtaFlags(0x04).RunTimers("00:10:00", "00:05:00").Meter(0, 0, 8).History(0x08 | 0x04, 5, 0);
    r.Ln(-3, {10, 100, 50, 90, 95, 1}).Tonal(-2, 2);
    return r;
}

std::string Write(const TalSetupRecord& r, ExportFormat format)
{
    return Written([&](ReportWriter& w, std::ostream& out) { w.WriteTalSettings(out, format, View(r)); });
}

}  // namespace

TEST(TalSettingsWriter, TextLayout)
{
    EXPECT_EQ(Write(Representative(), kTextFormat), Lines({
        "ZU-Reru Settings",
        "  Bandwidth:               1/3",
        "  Detector:                Slow",
        "  Weighting:               A",
        "  Gain:                    +0",
        "",
        "Ln Percentiles",
        "  Ln Start Level:          -3 dB",
        "  L  10.00 ",
        "  L  100.00",
        "  L  50.00 ",
        "  L  90.00 ",
        "  L  95.00 ",
        "  L  1.00  ",
        "",
        "Time History",
        "  Time History:            Enabled",
        "  Time History Period:     5",
        "  Time History Units:      1/32 seconds",
        "  Resolution:                1.00 dB",
        "",
        "Miscellaneous",
        "  Slm Run Timer:           00:10:00",
        "  RTA Run Timer:           00:05:00",
        "  Tonal Avging Count:      -2",
        "  ZU-Reru Mode:            Tonal",
    }));
}

TEST(TalSettingsWriter, CsvLayout)
{
    TalSetupRecord r = Representative();
    r.Meter(3, 3, 1).History(0, 5, 0).Tonal(8, 3);
    EXPECT_EQ(Write(r, kCsvFormat), Lines({
        R"("ZU-Reru Settings",)",
        R"("Bandwidth:","0 1/3",)",
        R"("Detector:","",)",
        R"("Weighting:","",)",
        R"("Gain:","-10",)",
        R"("RTA Detector:","Fast",)",
        "",
        R"("Ln Percentiles",)",
        R"("Ln Start Level:","-3",)",
        R"("L 10.0",)",
        R"("L 100.0",)",
        R"("L 50.0",)",
        R"("L 90.0",)",
        R"("L 95.0",)",
        R"("L 1.0",)",
        "",
        R"("Time History",)",
        R"("Time History:","Disabled",)",
        R"("Time History Period:","5",)",
        R"("Time History Units:","1/32 seconds",)",
        R"("Resolution:","0.1"," dB",)",
        "",
        R"("Miscellaneous",)",
        R"("SLM Run Timer:","00:10:00",)",
        R"("RTA Run Timer:","00:05:00",)",
        R"("Tonal Avging Count:","8",)",
        R"("ZU-Reru Mode:","",)",
    }));
}

TEST(TalSettingsWriter, NothingWithoutRecordOrOnAFailedStream)
{
    const TalSetupRecord r = Representative();
    ExpectNothingWithoutRecordOrStream<&ReportWriter::WriteTalSettings>(View(r));
}
