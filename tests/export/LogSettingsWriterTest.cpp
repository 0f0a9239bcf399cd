// The logging mode's settings printout.
#include <gtest/gtest.h>

#include "KeptRecordFields.h"
#include "WriterTestSupport.h"

using namespace writertest;
using testsupport::OutputRecordBuilder;

namespace {

// A LOG setup record (output kind 53), fields by their names.
struct LogSetupRecord : OutputRecordBuilder {
    LogSetupRecord() : OutputRecordBuilder(53) {}
    LogSetupRecord& IntervalFlags(int v) { U16(LogSetupFields::kIntervalFlags, v); return *this; }
    LogSetupRecord& HistoryFlags(int v) { U16(LogSetupFields::kHistoryFlags, v); return *this; }
    LogSetupRecord& TimerMode(int v) { U16(LogSetupFields::kTimerMode, v); return *this; }
    LogSetupRecord& Dates(const char* start, const char* stop)
    {
        Text(LogSetupFields::kStartDate, start);
        Text(LogSetupFields::kStopDate, stop);
        return *this;
    }
    LogSetupRecord& Times(const char* start1, const char* stop1, const char* start2, const char* stop2)
    {
        Text(LogSetupFields::kStartTime1, start1);
        Text(LogSetupFields::kStopTime1, stop1);
        Text(LogSetupFields::kStartTime2, start2);
        Text(LogSetupFields::kStopTime2, stop2);
        return *this;
    }
    LogSetupRecord& Current(int exchangeIndex, int threshold, int criterion)
    {
        U16(LogSetupFields::kCurrentExchangeRate, exchangeIndex);
        I16(LogSetupFields::kCurrentThreshold, threshold);
        I16(LogSetupFields::kCurrentCriterion, criterion);
        return *this;
    }
    LogSetupRecord& Overall(int exchangeIndex, int threshold, int criterion)
    {
        U16(LogSetupFields::kOverallExchangeRate, exchangeIndex);
        I16(LogSetupFields::kOverallThreshold, threshold);
        I16(LogSetupFields::kOverallCriterion, criterion);
        return *this;
    }
    LogSetupRecord& CriterionHours(int v) { I16(LogSetupFields::kCriterionTime, v); return *this; }
    LogSetupRecord& Meter(int detector, int weighting, int acOutput, int peak1, int range)
    {
        U16(LogSetupFields::kDetector, detector);
        U16(LogSetupFields::kFreqWeighting, weighting);
        U16(LogSetupFields::kAcOutput, acOutput);
        U16(LogSetupFields::kPeak1Weighting, peak1);
        U16(LogSetupFields::kRange, range);
        return *this;
    }
    LogSetupRecord& Interval(int exchangeIndex, int threshold, const char* period)
    {
        U16(LogSetupFields::kIntervalExchangeRate, exchangeIndex);
        I16(LogSetupFields::kIntervalThreshold, threshold);
        Text(LogSetupFields::kIntervalPeriod, period);
        return *this;
    }
    LogSetupRecord& Percentiles(std::initializer_list<float> p)
    {
        Floats(LogSetupFields::kLnPercentiles, p);
        return *this;
    }
    LogSetupRecord& Exceedances(float spl1, int spl2, int peak1, int peak2, int hysteresis)
    {
        F32(LogSetupFields::kSplExceedance1, spl1);
        I16(LogSetupFields::kSplExceedance2, spl2);
        I16(LogSetupFields::kPeak1Exceedance, peak1);
        I16(LogSetupFields::kPeak2Exceedance, peak2);
        I16(LogSetupFields::kHysteresis, hysteresis);
        return *this;
    }
    LogSetupRecord& History(int otherLevel, int period, int unit)
    {
        U16(LogSetupFields::kOtherLevel, otherLevel);
        I16(LogSetupFields::kHistoryPeriod, period);
        U16(LogSetupFields::kHistoryUnit, unit);
        return *this;
    }
    LogSetupRecord& Prints(int data, int spl, int peak1, int peak2, int history, int intervalReport)
    {
        I16(LogSetupFields::kPrintDataReport, data);
        I16(LogSetupFields::kPrintSplHistogram, spl);
        I16(LogSetupFields::kPrintPeak1Histogram, peak1);
        I16(LogSetupFields::kPrintPeak2Histogram, peak2);
        I16(LogSetupFields::kPrintTimeHistory, history);
        U16(LogSetupFields::kIntervalReport, intervalReport);
        return *this;
    }
    LogSetupRecord& LnStart(int v) { I16(LogSetupFields::kLnStartLevel, v); return *this; }
};

LogSetupRecord Representative()
{
    LogSetupRecord r;
    r.IntervalFlags(0x80 | 0x20 | 0x01).HistoryFlags(0x08 | 0x40 | 0x10).TimerMode(2).Dates("03/07/15", "70/13/01");
    r.Times("08:00", "12:00", "13:00", "17:30").Current(2, 80, 90).Overall(5, 70, 85).CriterionHours(8);
    r.Meter(1, 5, 3, 5, 0).Interval(4, 75, "00:15:00").Percentiles({10, 50, 90, 1, 99, 100});
    r.Exceedances(85.25f, 95, 140, 135, 2).History(3, 1, 2).Prints(1, 2, 1, 0, 1, 1).LnStart(5);
    return r;
}

std::string Write(const LogSetupRecord& r, ExportFormat format)
{
    return Written([&](ReportWriter& w, std::ostream& out) { w.WriteLogSettings(out, format, View(r)); });
}

}  // namespace

TEST(LogSettingsWriter, TextLayout)
{
    EXPECT_EQ(Write(Representative(), kTextFormat), Lines({
        "Sound Level Meter",
        "  Detector:                Fast",
        "  Weighting:               ",
        "  Peak-1 Weighting:        Flat",
        "  Range:                   Normal",
        "  AC Output Control:       AC-2 AC-1",
        "  Current Threshold:        80 dB",
        "  Current Exchange Rate:     5 dB",
        "  Overall Threshold:        70 dB",
        "  Overall Exchange Rate:     3 dB",
        "",
        "Time Weighted Average",
        "  Criterion Time:            8 hours",
        "  Current Criterion Level:  90 dB",
        "  Overall Criterion Level:  85 dB",
        "",
        "Ln Start Level:    5 dB",
        "",
        "Ln Percentiles",
        "  L  10.00 ",
        "  L  50.00 ",
        "  L  90.00 ",
        "  L  1.00  ",
        "  L  99.00 ",
        "  L  100.00",
        "",
        "Triggering",
        "  SPL Exceedance Level 1:    85.3 dB",
        "  SPL Exceedance Level 2:      95 dB",
        "  Peak-1 Exceedance Level:    140 dB",
        "  Peak-2 Exceedance Level:    135 dB",
        "  Exceedance Hysteresis:        2 dB",
        "",
        "Time History",
        "  Time History:            Enabled",
        "  Time History Period:     1",
        "  Time History Units:      10.0 seconds",
        "  Store Other Level:       Lmax",
        "  Resolution:                 0.1 dB",
        "",
        "Intervals",
        "  Intervals:               Enabled",
        "  Interval Time Sync:      Yes",
        "  Interval Save Ln:        No",
        "  Interval Save Ln Table:  Yes",
        "  Interval Auto Stop:      No",
        "  Interval Period:         00:15:00",
        "  Interval Threshold:       75 dB",
        "  Interval Exchange Rate:    7 dB",
        "",
        "  Daily History:           Yes",
        "  Daily Save Ln:           No",
        "  Daily Save Ln Table:     No",
        "  Daily Auto. Calibration: Yes",
        "",
        "Define Report",
        "  Print Data Report:       Yes",
        "  Print SPL Histogram:     No",
        "  Print Peak-1 Histogram:  Yes",
        "  Print Peak-2 Histogram:  No",
        "  Print Time History:      Yes",
        "  Interval Report:         Short",
        "",
        "Timer",
        "  Timer Mode:              1/Day",
        "  Start Date:              15-Jul-2003",
        "  Stop Date:               01-Jan-2070",
        "  Start Time 1:            08:00",
        "  Start Time 2:            13:00",
        "  Stop Time 1:             12:00",
        "  Stop Time 2:             17:30",
    }));
}

TEST(LogSettingsWriter, CsvLayout)
{
    LogSetupRecord r = Representative();
    r.HistoryFlags(0x04).LnStart(45);
    EXPECT_EQ(Write(r, kCsvFormat), Lines({
        R"("Sound Level Meter",)",
        R"("Detector:","Fast",)",
        R"("Weighting:","",)",
        R"("Peak-1 Weighting:","Flat",)",
        R"("Range:","Normal",)",
        R"("AC Output Control:","AC-2 AC-1",)",
        R"("Current Threshold:","80","dB",)",
        R"("Current Exchange Rate:","5","dB",)",
        R"("Overall Threshold:","70","dB",)",
        R"("Overall Exchange Rate:","3","dB",)",
        "",
        R"("Time Weighted Average",)",
        R"("Criterion Time:","8","hours",)",
        R"("Current Criterion Level:","90","dB",)",
        R"("Overall Criterion Level:","85","dB",)",
        "",
        R"("Ln Start Level:","45 dB",)",
        "",
        R"("Ln Percentiles",)",
        R"("L 10.0",)",
        R"("L 50.0",)",
        R"("L 90.0",)",
        R"("L 1.0",)",
        R"("L 99.0",)",
        R"("L 100.0",)",
        "",
        R"("Triggering",)",
        R"("SPL Exceedance Level 1:","85.3"," dB",)",
        R"("SPL Exceedance Level 2:","95"," dB",)",
        R"("Peak-1 Exceedance Level:","140"," dB",)",
        R"("Peak-2 Exceedance Level:","135"," dB",)",
        R"("Exceedance Hysteresis:","2"," dB",)",
        "",
        R"("Time History",)",
        R"("Time History:","Disabled",)",
        R"("Time History Period:","1",)",
        R"("Time History Units:","10.0 seconds",)",
        R"("Store Other Level:","Lmax",)",
        R"("Resolution:","1.0"," dB",)",
        "",
        R"("Intervals",)",
        R"("Intervals:","Enabled",)",
        R"("Interval Time Sync:","Yes",)",
        R"("Interval Save Ln:","No",)",
        R"("Interval Save Ln Table:","Yes",)",
        R"("Interval Auto Stop:","No",)",
        R"("Interval Period:","00:15:00",)",
        R"("Interval Threshold:","75","dB",)",
        R"("Interval Exchange Rate:","7","dB",)",
        "",
        R"("Daily History:","No",)",
        R"("Daily Save Ln:","No",)",
        R"("Daily Save Ln Table:","No",)",
        R"("Daily Auto. Calibration:","No",)",
        "",
        R"("Define Report",)",
        R"("Print Data Report:","Yes",)",
        R"("Print SPL Histogram:","No",)",
        R"("Print Peak-1 Histogram:","Yes",)",
        R"("Print Peak-2 Histogram:","No",)",
        R"("Print Time History:","Yes",)",
        R"("Interval Report:","Short",)",
        "",
        R"("Timer",)",
        R"("Timer Mode:","1/Day",)",
        R"("Start Date:","15-Jul-2003",)",
        R"("Stop Date:","01-Jan-2070",)",
        R"("Start Time 1:","08:00",)",
        R"("Start Time 2:","13:00",)",
        R"("Stop Time 1:","12:00",)",
        R"("Stop Time 2:","17:30",)",
    }));
}

TEST(LogSettingsWriter, NothingWithoutRecordOrOnAFailedStream)
{
    const LogSetupRecord r = Representative();
    ExpectNothingWithoutRecordOrStream<&ReportWriter::WriteLogSettings>(View(r));
}
