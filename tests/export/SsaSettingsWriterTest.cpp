// The SSA mode's settings printout.
#include <gtest/gtest.h>

#include "KeptRecordFields.h"
#include "WriterTestSupport.h"

using namespace writertest;
using testsupport::OutputRecordBuilder;

namespace {

// An SSA setup record (output kind 51), fields by their names.
struct SsaSetupRecord : OutputRecordBuilder {
    SsaSetupRecord() : OutputRecordBuilder(51) {}
    SsaSetupRecord& FormatVersion(int v) { I16(SsaSetupFields::kFormatVersion, v); return *this; }
    SsaSetupRecord& RtaFlags(int v) { U8(SsaSetupFields::kModeFlags, v); return *this; }
    SsaSetupRecord& IntervalFlags(int v) { U8(SsaSetupFields::kIntervalFlags, v); return *this; }
    SsaSetupRecord& Timer(int mode, const char* start, const char* stop)
    {
        U8(SsaSetupFields::kTimerMode, mode);
        Text(SsaSetupFields::kStartDate, start);
        Text(SsaSetupFields::kStopDate, stop);
        return *this;
    }
    SsaSetupRecord& Times(const char* start1, const char* stop1, const char* start2, const char* stop2)
    {
        Text(SsaSetupFields::kStartTime1, start1);
        Text(SsaSetupFields::kStopTime1, stop1);
        Text(SsaSetupFields::kStartTime2, start2);
        Text(SsaSetupFields::kStopTime2, stop2);
        return *this;
    }
    SsaSetupRecord& Meter(int detector, int weighting, int acOutput, int peak1, int rtaWeighting, int display, int gain)
    {
        U8(SsaSetupFields::kDetector, detector);
        U8(SsaSetupFields::kWeighting, weighting);
        U8(SsaSetupFields::kAcOutput, acOutput);
        U8(SsaSetupFields::kPeak1Weighting, peak1);
        U8(SsaSetupFields::kRtaWeighting, rtaWeighting);
        U8(SsaSetupFields::kSecondDisplay, display); U8(SsaSetupFields::kGain, gain);
        return *this;
    }
    SsaSetupRecord& Interval(int exchangeIndex, int threshold, const char* period, int spectra)
    {
        I16(SsaSetupFields::kIntervalExchangeRate, exchangeIndex);
        I16(SsaSetupFields::kIntervalThreshold, threshold);
        Text(SsaSetupFields::kIntervalPeriod, period);
        I16(SsaSetupFields::kIntervalSpectra, spectra);
        return *this;
    }
    SsaSetupRecord& LnFlags(int v) { U16(SsaSetupFields::kLnFlags, v); return *this; }
    SsaSetupRecord& History(int period, int unit)
    {
        I16(SsaSetupFields::kHistoryPeriod, period);
        U8(SsaSetupFields::kHistoryUnit, unit);
        return *this;
    }
    SsaSetupRecord& Ln(int startLevel, std::initializer_list<float> percentiles, int spectral)
    {
        I16(SsaSetupFields::kLnStartLevel, startLevel);
        Floats(SsaSetupFields::kLnPercentiles, percentiles);
        I16(SsaSetupFields::kSpectralLn, spectral);
        return *this;
    }
};

SsaSetupRecord Representative()
{
    SsaSetupRecord r;
    r.FormatVersion(3).RtaFlags(0x08 | 0x04).IntervalFlags(0x80 | 0x40 | 0x10).Timer(3, "03/06/09", "85/13/10");
    r.Times("07:00", "11:00", "14:00", "18:00").Meter(2, 1, 1, 4, 1, 2, 9);
    r.Interval(3, -5, "1:2:3", 3).LnFlags(0x02 | 0x04).History(10, 1).Ln(25, {10, 50, 90, 5.5f, 99, 1}, 5);
    return r;
}

std::string Write(const SsaSetupRecord& r, ExportFormat format)
{
    return Written([&](ReportWriter& w, std::ostream& out) { w.WriteSsaSettings(out, format, View(r)); });
}

}  // namespace

TEST(SsaSettingsWriter, TextLayout)
{
    EXPECT_EQ(Write(Representative(), kTextFormat), Lines({
        "Sound Level Meter / RTA Settings",
        "  Bandwidth:               1/3",
        "  Detector:                Impulse",
        "  Weighting:               C",
        "  Peak-1 Weighting:        Flat",
        "  Second Display:          Min",
        "  Gain:                    +0",
        "  RTA Detector:            Fast",
        "  RTA Weighting:           Flat",
        "  AC Output Control:       AC-1 DC",
        "",
        "Ln",
        "  Ln:                      Enabled",
        "  Ln Start Level:          25 dB",
        "  Spectral Ln Option:      Interval",
        "  Ln Percentiles       ",
        "    L10.00",
        "    L50.00",
        "    L90.00",
        "    L5.50",
        "    L99.00",
        "    L1.00",
        "",
        "Intervals",
        "  Intervals:               Enabled",
        "  Interval Time Sync:      No",
        "  Interval Save Ln:        Yes",
        "  Interval Save Ln Table:  No",
        "  Interval Auto Stop:      Yes",
        "  Interval Period:         01:02:03",
        "  Interval Threshold:      -5",
        "  Interval Exchange Rate:  6 dB",
        "  Interval Spectra Option:    ",
        "",
        "Time History",
        "  Time History:            Disabled",
        "  Time History Period:     10",
        "  Time History Units:      1.0 seconds",
        "  Resolution:              1.0 dB",
        "",
        "Timer",
        "  Timer Mode:              2/Day",
        "  Start Date:              09-Jun-2003",
        "  Stop Date:               10-Jan-1985",
        "  Start Time 1:            07:00",
        "  Start Time 2:            14:00",
        "  Stop Time 1:             11:00",
        "  Stop Time 2:             18:00",
    }));
}

TEST(SsaSettingsWriter, CsvLayout)
{
    SsaSetupRecord r = Representative();
    r.FormatVersion(4).RtaFlags(0).Interval(0, 60, "00:15:00", 2).LnFlags(0x08);
    EXPECT_EQ(Write(r, kCsvFormat), Lines({
        R"("Sound Level Meter / RTA Settings",)",
        R"("Bandwidth:","0 1/1",)",
        R"("Detector:","Impulse",)",
        R"("Weighting:","C",)",
        R"("Peak-1 Weighting:","Flat",)",
        R"("Second Display:","Min",)",
        R"("Gain:","+0",)",
        R"("RTA Detector:","Slow",)",
        R"("RTA Weighting:","C",)",
        R"("AC Output Control:","AC-1 DC",)",
        "",
        R"("Ln",)",
        R"("Ln:","Disabled",)",
        R"("Ln Start Level:","25","dB",)",
        R"("Spectral Ln Option:","Interval",)",
        R"("Ln Percentiles",)",
        R"("L 10.0",)",
        R"("L 50.0",)",
        R"("L 90.0",)",
        R"("L 5.5",)",
        R"("L 99.0",)",
        R"("L 1.0",)",
        "",
        R"("Intervals",)",
        R"("Intervals:","Enabled",)",
        R"("Interval Time Sync:","No",)",
        R"("Interval Save Ln:","Yes",)",
        R"("Interval Save Ln Table:","No",)",
        R"("Interval Auto Stop:","Yes",)",
        R"("Interval Period:","00:15:00",)",
        R"("Interval Threshold:","60",)",
        R"("Interval Exchange Rate:","3","dB",)",
        R"("Interval Spectra Option:","Min of Min",)",
        "",
        R"("Time History",)",
        R"("Time History:","Enabled",)",
        R"("Time History Period:","10",)",
        R"("Time History Units:","1.0 seconds",)",
        R"("Resolution:","0.1"," dB",)",
        "",
        R"("Timer",)",
        R"("Timer Mode:","2/Day",)",
        R"("Start Date:","09-Jun-2003",)",
        R"("Stop Date:","10-Jan-1985",)",
        R"("Start Time 1:","07:00",)",
        R"("Start Time 2:","14:00",)",
        R"("Stop Time 1:","11:00",)",
        R"("Stop Time 2:","18:00",)",
    }));
}

TEST(SsaSettingsWriter, VersionFourWeightingCodeOutsideTheTableIsEmpty)
{
    SsaSetupRecord r = Representative();
    r.FormatVersion(4).Meter(2, 1, 1, 4, 3, 5, 9);
    const std::string text = Write(r, kTextFormat);
    EXPECT_NE(text.find("  RTA Weighting:           \n"), std::string::npos);
    EXPECT_NE(text.find("  Second Display:          \n"), std::string::npos);
}

TEST(SsaSettingsWriter, IntervalPeriodPartsInAtLeastTwoDigits)
{
    struct Case {
        const char* stored;
        const char* shown;
    };
    const Case cases[] = {
        {"1:2:3", "01:02:03"},
        {"12", "12:00:00"},
        {"-5:100:7", "-05:100:07"},
        {" +4:x:-12", "04:00:-12"},
    };
    for (const Case& c : cases) {
        SsaSetupRecord r;
        r.Interval(3, -5, c.stored, 3);
        EXPECT_NE(Write(r, kTextFormat).find("  Interval Period:         " + std::string(c.shown) + "\n"),
                  std::string::npos)
            << c.stored;
        EXPECT_NE(Write(r, kCsvFormat).find("\"Interval Period:\",\"" + std::string(c.shown) + "\","),
                  std::string::npos)
            << c.stored;
    }
}

TEST(SsaSettingsWriter, NothingWithoutRecordOrOnAFailedStream)
{
    const SsaSetupRecord r = Representative();
    ExpectNothingWithoutRecordOrStream<&ReportWriter::WriteSsaSettings>(View(r));
}
