// The daily noise history of a logging measurement: one block per day with
// its levels, the day's wind statistics when the file has wind data, and the
// day's Ln-table histogram when the file has daily histograms.
#include "ReportDaily.h"

#include "DirectionText.h"
#include "KeptRecordFields.h"
#include "MeasDataSet.h"
#include "ReportHistograms.h"
#include "ReportText.h"
#include "SetupValueTexts.h"
#include "TimeTexts.h"

namespace {
using namespace LogSetupFields;
constexpr int kLogMode = 7;
// The day keeps its wind direction shares by the eight points N, NE .. NW:
// point k is the reading of k eighths of the circle (256 the full circle),
// named as the compass units name a direction.
constexpr int kEighthOfCircle = 256 / 8;
constexpr int kCompassUnits = 0;

std::string CompassPoint(int k)
{
    return FormatDirectionText(k * kEighthOfCircle, kCompassUnits);
}
}  // namespace

namespace daily {

void DrawHeadings(const ReportLines& report, ReportDC& dc, int line)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    const char* const heads[] = {"Rec #", "Date", "Time", "Duration", "Leq", "Ldn",
                                 "CNEL",  "Peak", "UwPeak", "Lmax", "Lmin"};
    dc.TextOut(report.LeftEdge(), y, heads[0]);
    for (int k = 1; k < 11; ++k)
        dc.TextOut(report.Column(k), y, heads[k]);
}

void DrawRow(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    const MeasDataSet& data = report.DataSet();
    const DayRecMgr& mgr = data.Records().days;
    const int perDay = mgr.GetLinesPerRecord();
    if (mgr.GetCount() == 0 || index >= static_cast<unsigned>(mgr.GetReportLineCount()))
        return;
    const DailyRec* day = mgr.GetAt(static_cast<int>(index / static_cast<unsigned>(perDay)));
    if (!day)
        return;
    int s = static_cast<int>(index % static_cast<unsigned>(perDay));
    if (s > 0 && !mgr.wind)
        s += 7;  // no wind lines

    const RecordView setup = data.SetupView();
    std::string suffix, uwSuffix;
    if (!setup.IsEmpty() && data.GetSetupType() == kLogMode) {
        LOGValueTexts::FreqWeightingShortText(setup.U8(kFreqWeighting), suffix);
        LOGValueTexts::WeightingLetter(setup.U8(kPeak1Weighting), uwSuffix);
    }
    const float scale = setup.F32(kWindScale);
    const std::string units = setup.Text(kWindUnits, kWindUnitsLength);
    auto wind = [&](float raw) { return FormatFixed(raw * scale, 1) + " " + units; };
    auto db = [](float value, const std::string& unit) {
        return FormatFixed(value, 1) + " dB" + unit;
    };
    auto pair = [&](const char* label, const std::string& value, const char* label2, const std::string& value2) {
        dc.TextOut(report.Column(0), y, label);
        dc.TextOut(report.Column(2), y, value);
        dc.TextOut(report.Column(3), y, label2);
        dc.TextOut(report.Column(6), y, value2);
    };

    switch (s) {
    case 0: {
        std::string duration;
        SecondsToTime(day->GetDuration(), duration, 1, 0);
        dc.TextOut(report.LeftEdge(), y, Printf("%ld", static_cast<long>(static_cast<int32_t>(day->GetRecordNumber()))));
        dc.TextOut(report.Column(1), y, DateText(day->GetStartTime()));
        dc.TextOut(report.Column(2), y, ClockText(day->GetStartTime()));
        dc.TextOut(report.Column(3), y, duration);
        const float levels[] = {day->GetLeq(), day->GetLdn(), day->GetCnel(), day->GetPeak(),
                                day->GetUwPeak(), day->GetLmax(), day->GetLmin()};
        for (int k = 0; k < 7; ++k)
            dc.TextOut(report.Column(4 + k), y, db(levels[k], k == 4 ? uwSuffix : suffix));
        break;
    }
    case 1: pair("Wind Average:", wind(day->GetWindAverage()), "Wind Max:", wind(day->GetWindMax())); break;
    case 2:
        pair("Max Wind Dir.:", FormatDirectionText(day->GetMaxWindDir(), setup.U8(kDirectionUnits)),
             "Time at Wind Max:", NumericDateTimeText(day->GetMaxWindTime()));
        break;
    case 3:
        pair("Wind Threshold:", wind(setup.I16(kWindThreshold)), "Exceed Threshold:",
             Printf(" %d%%", day->GetWindAbovePercent()));
        break;
    case 4:
        pair("Wind Excd. level:", wind(setup.I16(kWindExceedanceLevel)), "Wind Exceedances:",
             Printf("%d", day->GetWindExceedances()));
        break;
    case 5:
        dc.TextOut(report.Column(0), y, "Wind Direction Percents:");
        for (int k = 0; k < 8; ++k)
            dc.TextOut(report.Column(3 + k), y, CompassPoint(k));
        break;
    case 6:
        for (int k = 0; k < 8; ++k)
            dc.TextOut(report.Column(3 + k), y, Printf("%d%%", day->GetWindDirectionPercent(k)));
        break;
    case 7: break;
    default:
        if (mgr.histogram) {
            uint32_t bins[128];
            for (int i = 0; i < 128; ++i)
                bins[i] = day->GetHistogramBin(i);
            histograms::DrawLnTableRow(report, dc, static_cast<unsigned>(s - 8), y, mgr.GetLnTableRowCount(), bins, mgr.baseLevel, 32);
        }
        break;
    }
}

}  // namespace daily
