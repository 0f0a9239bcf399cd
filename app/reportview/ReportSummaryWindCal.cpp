// The wind and calibration lines of the LOG and SSA summaries, one drawer for
// both: the wind lines (entries 0 to 6) when the setup has the wind sensor
// on, an empty line, then the calibration lines (8 to 11).
#include "DirectionText.h"
#include "KeptRecordFields.h"
#include "MeasDataSet.h"
#include "ReportSummaries.h"
#include "ReportText.h"
#include "SummaryWriterSupport.h"
#include "TimeTexts.h"

namespace summary {

void DrawWindCalLine(const ReportLines& report, ReportDC& dc, int y, unsigned entry, const RecordView& setup,
                     const WindSetup& wind)
{
    const RecordView sum = report.DataSet().SummaryView();
    const float scale = setup.F32(wind.scale);
    const std::string units = setup.Text(wind.unit, wind.unitLength);
    auto speed = [&units](float value) { return FormatFixed(value, 1) + " " + units; };
    auto limit = [&](size_t field) { return speed(static_cast<float>(setup.I16(field)) * scale); };
    // An empty value (a direction outside the compass) draws nothing.
    auto pair = [&](const char* left, const std::string& leftValue, const char* right, const std::string& rightValue) {
        dc.TextOut(report.LnColumn(0), y, left);
        if (!leftValue.empty())
            dc.TextOut(report.LnColumn(2), y, leftValue);
        dc.TextOut(report.LnColumn(4), y, right);
        dc.TextOut(report.LnColumn(6), y, rightValue);
    };
    // Four of the eight directions the summary keeps: N, E, S, W (first 0)
    // or NE, SE, SW, NW (first 1).
    auto shares = [&](int first) {
        const int step = (report.LnColumn(1) - report.LnColumn(0)) + (report.LnColumn(2) - report.LnColumn(1)) / 3;
        for (int n = 0; n < 4; ++n) {
            const int direction = first + 2 * n;
            dc.TextOut(report.LnColumn(0) + n * step, y,
                       Printf("%s:   %2d%%", CompassText(2 * direction),
                              sum.I32(SummaryFields::kWindShares + 4 * static_cast<size_t>(direction))));
        }
    };
    auto calibration = [&](const char* label, size_t time, const char* what, float level) {
        dc.TextOut(report.LeftEdge(), y, label);
        dc.TextOut(report.Column(2), y, CalibrationTimeText(sum, time));
        dc.TextOut(report.Column(4), y, LabelledDecibels(what, level));
    };
    switch (entry) {
    case 0:
        pair("Wind Average:", speed(sum.F32(SummaryFields::kWindAverage)), "Wind Max:",
             speed(sum.F32(SummaryFields::kWindMax)));
        break;
    case 1:
        pair("Wind Direction at Max:", CompassText(sum.I16(SummaryFields::kWindMaxDirection)), "Time at Wind Max:",
             NumericDateTimeText(sum.U32(SummaryFields::kWindMaxTime)));
        break;
    case 2:
        pair("Wind Threshold:", limit(wind.threshold), "Exceed Threshold:",
             " " + FormatFixed(sum.F32(SummaryFields::kWindAboveThreshold), 1) + "%");
        break;
    case 3:
        pair("Wind Exceedance level:", limit(wind.exceedanceLevel), "Wind Exceedances:",
             Printf("%d", sum.I32(SummaryFields::kWindExceedances)));
        break;
    case 4: dc.TextOut(report.LnColumn(0), y, "Wind Direction Percentages:"); break;
    case 5: shares(0); break;
    case 6: shares(1); break;
    case 8:
        calibration("Calibrated:", SummaryFields::kCalibrated, "Offset: ", sum.F32(SummaryFields::kCalOffset));
        break;
    case 9: calibration("Checked:", SummaryFields::kChecked, "Level: ", sum.F32(SummaryFields::kCheckLevel)); break;
    case 10: {
        dc.TextOut(report.LeftEdge(), y, "Calibrator");
        const RecordView system = report.DataSet().SystemView();
        if (!system.IsEmpty()) {
            dc.TextOut(report.Column(2), y, CalibratorSerial(system));
            dc.TextOut(report.Column(4), y, LabelledDecibels("Level: ", CalibratorLevel(system)));
        }
        break;
    }
    case 11:
        DrawLabelAndValue(report, dc, y, "Cal Records Count:",
                          Printf("%ld", static_cast<long>(sum.I32(SummaryFields::kCalRecords))));
        break;
    default: break;
    }
}

}  // namespace summary
