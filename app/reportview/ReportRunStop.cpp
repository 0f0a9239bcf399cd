// The run/stop log of LOG, SSA, TAL and FFT measurements.
#include "ReportRunStop.h"

#include "KeptRecordFields.h"
#include "MeasDataSet.h"
#include "ReportText.h"
#include "TimeTexts.h"

namespace {
constexpr int kMarkState = 32;

// Only the measurements with a time history number their entries.
bool HasThColumn(int setupType)
{
    return setupType == 7 || setupType == 5 || setupType == 8;
}
}  // namespace

namespace runstop {

std::string MarkerName(const MeasDataSet& data, int marker)
{
    return MarkName(data.ParameterView(), marker);
}

void DrawHeadings(const ReportLines& report, ReportDC& dc, int line)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    dc.TextOut(report.LeftEdge(), y, "Rec #");
    dc.TextOut(report.Column(1), y, "Date");
    dc.TextOut(report.Column(2), y, "Time");
    dc.TextOut(report.Column(3), y, "R/S Num");
    dc.TextOut(report.Column(4), y, "Type");
    dc.TextOut(report.Column(5), y, "Cause");
    if (HasThColumn(report.DataSet().GetSetupType()))
        dc.TextOut(report.Column(6), y, "Time Hist Num");
}

void DrawRow(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    const MeasDataSet& data = report.DataSet();
    const RSMgr& mgr = data.Records().runStops;
    const RSRec* rec = index < static_cast<unsigned>(mgr.GetCount()) ? mgr.GetAt(static_cast<int>(index)) : nullptr;
    if (!rec)
        return;
    dc.TextOut(report.LeftEdge(), y, Printf("%u", rec->GetRecordNumber()));
    dc.TextOut(report.Column(1), y, DateText(rec->GetTime()));
    dc.TextOut(report.Column(2), y, ClockText(rec->GetTime()));
    if (rec->GetStateCode() != kMarkState)
        dc.TextOut(report.Column(3), y, Printf("%d", static_cast<int16_t>(rec->GetRunStopNumber())));
    std::string state;
    rec->GetStateText(state);
    const int cause = rec->GetCauseCode();
    if (state == "Mark")
        state = Printf("%s%d", state.c_str(), cause == 0 ? 0 : cause - 10);
    dc.TextOut(report.Column(4), y, state);
    std::string causeText;
    if (cause >= 11 && cause <= 16)
        causeText = MarkerName(data, cause - 10);
    else
        rec->GetCauseText(causeText);
    dc.TextOut(report.Column(5), y, causeText);
    if (HasThColumn(data.GetSetupType()))
        dc.TextOut(report.Column(6), y, Printf("%d", static_cast<int>(rec->GetThRecordNumber())));
}

}  // namespace runstop
