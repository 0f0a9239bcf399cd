// The "Any Data" blocks of the summaries: the levels of the overall or the
// current measurement for the weightings A, C and Flat side by side, and
// Lmax and Lmin for each detector with the times they occurred. Also the
// integrating sound level meter summary, which is the current block alone.
#include "CDataReport.h"
#include "LOGSetup.h"
#include "ReportText.h"
#include "SummaryWriterSupport.h"

namespace {

// The level label that the instrument sends with the labelled level: at
// most its 8-byte field.
constexpr size_t kLevelLabelLength = 8;
constexpr int kLastAnyDataIndex = 23;

}  // namespace

void CDataReport::DrawLevelsByWeighting(ReportDC& dc, int y, const RecordView& sum, size_t offset, size_t stride)
{
    for (size_t w = 0; w < 3; ++w) {
        std::string letter;
        LOGSetup::WeightingLetter(static_cast<int>(w), letter);
        DrawRightAligned(dc, lnColumns_[2 + 2 * w], y,
                         FormatFixed(sum.F32(offset + 4 * stride * w), 1) + " dB" + letter);
    }
}

void CDataReport::DrawTimesByWeighting(ReportDC& dc, int y, const RecordView& sum, size_t offset, size_t stride)
{
    for (size_t w = 0; w < 3; ++w)
        DrawRightAligned(dc, lnColumns_[2 + 2 * w], y, TimeCell(sum.U32(offset + 4 * stride * w)));
}

void CDataReport::DrawLabelAndValue(ReportDC& dc, int y, const std::string& label, const std::string& value)
{
    dc.TextOut(left_, y, label);
    dc.TextOut(columns_[2], y, value);
}

void CDataReport::DrawWeightingHeadings(ReportDC& dc, int y)
{
    static const char* const kHeadings[3] = {"A Weight", "C Weight", "Flat"};
    for (size_t w = 0; w < 3; ++w)
        DrawRightAligned(dc, lnColumns_[2 + 2 * w], y, kHeadings[w]);
}

void CDataReport::DrawOverallAnyDataLine(ReportDC& dc, unsigned index, int line)
{
    DrawAnyDataLine(dc, index, line, true);
}

void CDataReport::DrawCurrentAnyDataLine(ReportDC& dc, unsigned index, int line)
{
    DrawAnyDataLine(dc, index, line, false);
}

void CDataReport::DrawAnyDataLine(ReportDC& dc, unsigned index, int line, bool overall)
{
    PrinterFontScope font(dc);
    const RecordView sum = data_.SummaryView();
    if (sum.IsEmpty() || index > kLastAnyDataIndex)
        return;
    const MeasurementSet& set = overall ? kOverallSet : kCurrentSet;
    const int y = LineY(dc, line);
    switch (index) {
    case 0: {
        const int32_t overloads = sum.I32(SummaryFields::kOverloads);
        if (!overall)
            dc.TextOut(left_, y, "Current Any Data");
        else if (overloads >= 1)
            dc.TextOut(left_, y, Printf("Overall Any Data      **** %d OVERLOAD(S) DETECTED ****", overloads));
        else
            dc.TextOut(left_, y, "Overall Any Data");
        return;
    }
    case 1:
        DrawLabelAndValue(dc, y, "Start Time:", TimeCell(sum.U32(set.start)));
        return;
    case 2:
        DrawLabelAndValue(dc, y, "Elapsed Time:", DurationCell(sum.F32(set.elapsed)));
        return;
    case 4:
        DrawWeightingHeadings(dc, y);
        return;
    case 5:
        dc.TextOut(left_, y, sum.Text(set.averageLabel, kLevelLabelLength) + ":");
        DrawLevelsByWeighting(dc, y, sum, set.average, 1);
        return;
    case 6:
        dc.TextOut(left_, y, "SEL:");
        DrawLevelsByWeighting(dc, y, sum, set.sel, 1);
        return;
    case 7:
        dc.TextOut(left_, y, "Peak:");
        DrawLevelsByWeighting(dc, y, sum, set.peak, 1);
        return;
    case 8: DrawTimesByWeighting(dc, y, sum, set.peakTimes, 1); return;
    default: break;
    }
    // Lmax and Lmin of the slow, fast and impulse detectors, five lines each
    // from index 10: level, time, level, time and an empty line.
    static const char* const kLabels[3][2] = {{"Lmax (slow):", "Lmin (slow):"},
                                              {"Lmax (fast):", "Lmin (fast):"},
                                              {"Lmax (impulse):", "Lmin (impulse):"}};
    if (index < 10)
        return;
    const size_t detector = (index - 10) / 5;
    const unsigned row = (index - 10) % 5;
    if (row == 4)
        return;
    const bool minimum = row >= 2;
    const size_t at = 4 * detector;
    if (row % 2 == 0) {
        dc.TextOut(left_, y, kLabels[detector][minimum ? 1 : 0]);
        DrawLevelsByWeighting(dc, y, sum, (minimum ? set.lmin : set.lmax) + at, 3);
    } else {
        DrawTimesByWeighting(dc, y, sum, (minimum ? set.lminTimes : set.lmaxTimes) + at, 3);
    }
}

void CDataReport::DrawModeSummaryLine(ReportDC& dc, int mode, int line)
{
    if (line < 14)
        return;
    const unsigned from14 = static_cast<unsigned>(line - 14);
    switch (mode) {
    case 6: DrawCurrentAnyDataLine(dc, from14, line); break;
    case 7: {
        // The summary block, then the overall and the current block.
        const int end = 14 + LogSummaryBlockLines();
        if (line <= end)
            DrawLogSummaryLine(dc, from14, line);
        else if (line <= end + 25)
            DrawOverallAnyDataLine(dc, static_cast<unsigned>(line - end - 1), line);
        else
            DrawCurrentAnyDataLine(dc, static_cast<unsigned>(line - end - 26), line);
        break;
    }
    case 8:
        if (line <= 28) {
            DrawTalSummaryLine(dc, from14, line);
        } else if (line <= 43) {
            DrawTalLevelLine(dc, static_cast<unsigned>(line - 29), line);
        } else if (line <= 47) {
            DrawTalSummaryLine(dc, static_cast<unsigned>(line - 29), line);
        } else if (line <= 69) {
            LayoutTalBandColumns(dc);
            DrawTalSpectrumLine(dc, static_cast<unsigned>(line - 48), line);
        } else {
            // The band layout moved columns 0 to 4; the tonality lines stand
            // at the summary's columns whatever was drawn before them.
            LayoutSummaryColumns(dc);
            DrawTalSummaryLine(dc, static_cast<unsigned>(line - 51), line);
        }
        break;
    default: break;
    }
}
