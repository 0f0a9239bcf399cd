// The run/stop log of LOG, SSA, TAL and FFT measurements.
#include "CDataReport.h"
#include "ReportText.h"

namespace {
// Marker names of the parameter-lines record: 9-byte slots, marker n in
// slot n - 1.
constexpr size_t kMarkerNames = 640;
constexpr size_t kMarkerSlot = 9;
constexpr int kMarkState = 32;

// Only the measurements with a time history number their entries.
bool HasThColumn(int setupType)
{
    return setupType == 7 || setupType == 5 || setupType == 8;
}
}  // namespace

std::string CDataReport::MarkerName(int marker) const
{
    if (marker < 1 || marker > 6)
        return {};
    return data_.ParameterView().Text(kMarkerNames + kMarkerSlot * static_cast<size_t>(marker - 1), 8);
}

void CDataReport::DrawRunStopHeadings(ReportDC& dc, int line)
{
    PrinterFontScope font(dc);
    const int y = LineY(dc, line);
    dc.TextOut(left_, y, "Rec #");
    dc.TextOut(columns_[1], y, "Date");
    dc.TextOut(columns_[2], y, "Time");
    dc.TextOut(columns_[3], y, "R/S Num");
    dc.TextOut(columns_[4], y, "Type");
    dc.TextOut(columns_[5], y, "Cause");
    if (HasThColumn(data_.GetSetupType()))
        dc.TextOut(columns_[6], y, "Time Hist Num");
}

void CDataReport::DrawRunStopRow(ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const int y = LineY(dc, line);
    const RSMgr& mgr = data_.Records().runStops;
    const RSRec* rec = index < static_cast<unsigned>(mgr.GetCount()) ? mgr.GetAt(static_cast<int>(index)) : nullptr;
    if (!rec)
        return;
    dc.TextOut(left_, y, Printf("%u", rec->GetRecordNumber()));
    dc.TextOut(columns_[1], y, TimeText(rec->GetTime(), "%d-%b-%Y"));
    dc.TextOut(columns_[2], y, TimeText(rec->GetTime(), "%H:%M:%S"));
    if (rec->GetStateCode() != kMarkState)
        dc.TextOut(columns_[3], y, Printf("%d", static_cast<int16_t>(rec->GetRunStopNumber())));
    std::string state;
    rec->GetStateText(state);
    const int cause = rec->GetCauseCode();
    if (state == "Mark")
        state = Printf("%s%d", state.c_str(), cause == 0 ? 0 : cause - 10);
    dc.TextOut(columns_[4], y, state);
    std::string causeText;
    if (cause >= 11 && cause <= 16)
        causeText = MarkerName(cause - 10);
    else
        rec->GetCauseText(causeText);
    dc.TextOut(columns_[5], y, causeText);
    if (HasThColumn(data_.GetSetupType()))
        dc.TextOut(columns_[6], y, Printf("%d", static_cast<int>(rec->GetThRecordNumber())));
}
