// The daily noise history of a logging measurement: one block per day with
// its levels, the day's wind statistics when the file has wind data, and the
// day's Ln-table histogram when the file has daily histograms.
#include "CDataReport.h"
#include "DirectionText.h"
#include "KeptRecordFields.h"
#include "ReportText.h"
#include "SetupValueTexts.h"
#include "TimeTexts.h"

namespace {
using namespace LogSetupFields;
constexpr int kLogMode = 7;
// Every second of the sixteen compass points, N to NW.
const char* const kCompass[8] = {"  N", " NE", "  E", " SE", "  S", " SW", "  W", " NW"};
}  // namespace

void CDataReport::DrawDailyHeadings(ReportDC& dc, int line)
{
    PrinterFontScope font(dc);
    const int y = LineY(dc, line);
    const char* const heads[] = {"Rec #", "Date", "Time", "Duration", "Leq", "Ldn",
                                 "CNEL",  "Peak", "UwPeak", "Lmax", "Lmin"};
    dc.TextOut(left_, y, heads[0]);
    for (int k = 1; k < 11; ++k)
        dc.TextOut(columns_[k], y, heads[k]);
}

void CDataReport::DrawDailyRow(ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const int y = LineY(dc, line);
    const DayRecMgr& mgr = data_.Records().days;
    const int perDay = mgr.GetLinesPerRecord();
    if (mgr.GetCount() == 0 || index >= static_cast<unsigned>(mgr.GetReportLineCount()))
        return;
    const DailyRec* day = mgr.GetAt(static_cast<int>(index / static_cast<unsigned>(perDay)));
    if (!day)
        return;
    int s = static_cast<int>(index % static_cast<unsigned>(perDay));
    if (s > 0 && !mgr.wind)
        s += 7;  // no wind lines

    const RecordView setup = data_.SetupView();
    std::string suffix, uwSuffix;
    if (!setup.IsEmpty() && data_.GetSetupType() == kLogMode) {
        LOGValueTexts::FreqWeightingShortText(setup.U8(kFreqWeighting), suffix);
        LOGValueTexts::WeightingLetter(setup.U8(kPeak1Weighting), uwSuffix);
    }
    const float scale = setup.F32(kWindScale);
    const std::string units = setup.Text(kWindUnits, 4);
    auto wind = [&](float raw) { return FormatFixed(raw * scale, 1) + " " + units; };
    auto db = [](float value, const std::string& unit) {
        return FormatFixed(value, 1) + " dB" + unit;
    };
    auto pair = [&](const char* label, const std::string& value, const char* label2, const std::string& value2) {
        dc.TextOut(columns_[0], y, label);
        dc.TextOut(columns_[2], y, value);
        dc.TextOut(columns_[3], y, label2);
        dc.TextOut(columns_[6], y, value2);
    };

    switch (s) {
    case 0: {
        std::string duration;
        SecondsToTime(day->GetDuration(), duration, 1, 0);
        dc.TextOut(left_, y, Printf("%ld", static_cast<long>(static_cast<int32_t>(day->GetRecordNumber()))));
        dc.TextOut(columns_[1], y, TimeText(day->GetStartTime(), "%d-%b-%Y"));
        dc.TextOut(columns_[2], y, TimeText(day->GetStartTime(), "%H:%M:%S"));
        dc.TextOut(columns_[3], y, duration);
        const float levels[] = {day->GetLeq(), day->GetLdn(), day->GetCnel(), day->GetPeak(),
                                day->GetUwPeak(), day->GetLmax(), day->GetLmin()};
        for (int k = 0; k < 7; ++k)
            dc.TextOut(columns_[4 + k], y, db(levels[k], k == 4 ? uwSuffix : suffix));
        break;
    }
    case 1: pair("Wind Average:", wind(day->GetWindAverage()), "Wind Max:", wind(day->GetWindMax())); break;
    case 2:
        pair("Max Wind Dir.:", FormatDirectionText(day->GetMaxWindDir(), setup.U8(kDirectionUnits)),
             "Time at Wind Max:", TimeText(day->GetMaxWindTime(), "%d/%m/%y %H:%M:%S"));
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
        dc.TextOut(columns_[0], y, "Wind Direction Percents:");
        for (int k = 0; k < 8; ++k)
            dc.TextOut(columns_[3 + k], y, kCompass[k]);
        break;
    case 6:
        for (int k = 0; k < 8; ++k)
            dc.TextOut(columns_[3 + k], y, Printf("%d%%", day->GetWindDirectionPercent(k)));
        break;
    case 7: break;
    default:
        if (mgr.histogram) {
            uint32_t bins[128];
            for (int i = 0; i < 128; ++i)
                bins[i] = day->GetHistogramBin(i);
            DrawLnTableRow(dc, static_cast<unsigned>(s - 8), y, mgr.GetLnTableRowCount(), bins, mgr.baseLevel, 32);
        }
        break;
    }
}
