// The calibration settings, the ISM settings and the calibration check log.
#include "ReportCalibration.h"

#include "KeptRecordFields.h"
#include "MeasDataSet.h"
#include "ReportText.h"
#include "SetupValueTexts.h"
#include "TimeTexts.h"

namespace calibration {

void DrawSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    const RecordView cal = report.DataSet().CalibrationView();
    if (cal.IsEmpty() || index >= 11)
        return;
    auto dateAndTime = [&](const char* dateLabel, const char* timeLabel, uint32_t stamp) {
        dc.TextOut(report.LeftEdge(), y, dateLabel);
        dc.TextOut(report.Column(1), y, DateText(stamp));
        dc.TextOut(report.Column(2), y, timeLabel);
        dc.TextOut(report.Column(3), y, ClockText(stamp));
    };
    switch (index) {
    case 0:
        dc.TextOut(report.LeftEdge(), y, "Calibration Offset:");
        dc.TextOut(report.Column(1), y, FormatReportNumber(cal.F32(CalibrationFields::kOffset), 1, 0));
        break;
    case 1: dateAndTime("Calibration Date:", "Calibration Time:", cal.U32(CalibrationFields::kCalibrationTime)); break;
    case 2: dateAndTime("Calib Check Date:", "Calib Check Time:", cal.U32(CalibrationFields::kCheckTime)); break;
    case 3:
        dc.TextOut(report.LeftEdge(), y, "Calib Check Level:");
        dc.TextOut(report.Column(1), y, FormatReportNumber(cal.F32(CalibrationFields::kCheckLevel), 1, 0));
        break;
    default: break;
    }
}

void DrawIsmSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    const RecordView setup = report.DataSet().SetupView();
    if (setup.IsEmpty() || index >= 11)
        return;
    if (index == 0) {
        dc.TextOut(report.LeftEdge(), y, "Simple Sound Level Meter");
        return;
    }
    std::string value;
    const char* label = nullptr;
    switch (index) {
    case 1:
        label = "Detector:";
        ISMValueTexts::GetDetectorText(setup.U8(IsmSetupFields::kDetector), value);
        break;
    case 2:
        label = "Weighting:";
        SSAValueTexts::WeightingText(setup.U8(IsmSetupFields::kWeighting), value);
        break;
    case 3:
        label = "Peak-1 Weighting:";
        SSAValueTexts::Peak1WeightingText(setup.U8(IsmSetupFields::kPeak1Weighting), value);
        break;
    case 4:
        label = "Range";
        ISMValueTexts::GetRangeText(setup.U8(IsmSetupFields::kRange), value);
        break;
    case 5:
        label = "AC-Out Filter:";
        ISMValueTexts::GetAcOutputText(setup.U8(IsmSetupFields::kAcOutput), value);
        break;
    case 6:
        label = "Threshold";
        value = Printf("%d", setup.I16(IsmSetupFields::kThreshold));
        break;
    case 7:
        label = "Exchange Rate:";
        value = Printf("%d dB", setup.I16(IsmSetupFields::kExchangeRate) + 3);
        break;
    default: return;
    }
    dc.TextOut(report.LeftEdge() + dc.TextWidth("S"), y, label);
    dc.TextOut(report.Column(2), y, value);
}

void DrawCheckHeadings(const ReportLines& report, ReportDC& dc, int line)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    const char* const heads[] = {"Rec #", "Date", "Time", "Level", "Offset", "Mode", "Status"};
    dc.TextOut(report.LeftEdge(), y, heads[0]);
    for (int k = 1; k <= 6; ++k)
        dc.TextOut(report.Column(k), y, heads[k]);
}

void DrawCheckRow(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    const CalRecMgr& mgr = report.DataSet().Records().calibrations;
    const CalRec* rec = index < static_cast<unsigned>(mgr.GetCount()) ? mgr.GetAt(static_cast<int>(index)) : nullptr;
    if (!rec)
        return;
    std::string mode, status;
    dc.TextOut(report.LeftEdge(), y, Printf("%ld", static_cast<long>(rec->GetRecordNumber())));
    dc.TextOut(report.Column(1), y, DateText(rec->GetTime()));
    dc.TextOut(report.Column(2), y, ClockText(rec->GetTime()));
    dc.TextOut(report.Column(3), y, FormatReportNumber(rec->GetLevel(), 1, 0));
    dc.TextOut(report.Column(4), y, FormatReportNumber(rec->GetOffset(), 1, 0));
    dc.TextOut(report.Column(5), y, rec->GetModeText(mode));
    dc.TextOut(report.Column(6), y, rec->GetStatusText(status));
}

}  // namespace calibration
