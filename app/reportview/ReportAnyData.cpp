// The "Any Data" blocks of the summaries: the levels of the overall or the
// current measurement for the weightings A, C and Flat side by side, and
// Lmax and Lmin for each detector with the times they occurred. Also the
// integrating sound level meter summary, which is the current block alone.
#include <limits>
#include <optional>

#include "LOGSetup.h"
#include "MeasDataSet.h"
#include "ReportSummaries.h"
#include "ReportText.h"
#include "SummaryWriterSupport.h"

namespace {

using namespace summary;

// The ZU-Reru summary's blocks on the screen: their first and last line, the
// layout they switch to (none: they stay on the summary's), their drawer and
// the line its index counts from.
struct TalBlock {
    int first;
    int last;
    std::optional<ReportLines::Grid> grid;
    void (*draw)(const ReportLines&, ReportDC&, unsigned index, int line);
    int origin;
};
// The band layout moves columns 0 to 4; the tonality lines stand at the
// summary's columns whatever was drawn before them.
const TalBlock kTalBlocks[] = {
    {14, 28, std::nullopt, DrawTalLine, 14},
    {29, 43, std::nullopt, DrawTalLevelLine, 29},
    {44, 47, std::nullopt, DrawTalLine, 29},
    {48, 69, ReportLines::Grid::kTalBands, DrawTalSpectrumLine, 48},
    {70, std::numeric_limits<int>::max(), ReportLines::Grid::kSummary, DrawTalLine, 51},
};

void DrawTalScreenLine(ReportLines& report, ReportDC& dc, int line)
{
    for (const TalBlock& block : kTalBlocks)
        if (line >= block.first && line <= block.last) {
            if (block.grid)
                report.RunLayout(dc, *block.grid);
            block.draw(report, dc, static_cast<unsigned>(line - block.origin), line);
            return;
        }
}

void DrawAnyDataLine(const ReportLines& report, ReportDC& dc, unsigned index, int line, bool overall)
{
    PrinterFontScope font(dc);
    const RecordView sum = report.DataSet().SummaryView();
    if (sum.IsEmpty() || index >= static_cast<unsigned>(kAnyDataLines))
        return;
    const MeasurementSet& set = overall ? kOverallSet : kCurrentSet;
    const int y = report.LineY(dc, line);
    switch (index) {
    case 0: {
        const int32_t overloads = sum.I32(SummaryFields::kOverloads);
        if (!overall)
            dc.TextOut(report.LeftEdge(), y, "Current Any Data");
        else if (overloads >= 1)
            dc.TextOut(report.LeftEdge(), y,
                       Printf("Overall Any Data      **** %d OVERLOAD(S) DETECTED ****", overloads));
        else
            dc.TextOut(report.LeftEdge(), y, "Overall Any Data");
        return;
    }
    case 1:
        DrawLabelAndValue(report, dc, y, "Start Time:", DateTimeText(sum.U32(set.start)));
        return;
    case 2:
        DrawLabelAndValue(report, dc, y, "Elapsed Time:", DurationText(sum.F32(set.elapsed)));
        return;
    case 4:
        DrawWeightingHeadings(report, dc, y);
        return;
    case 5:
        dc.TextOut(report.LeftEdge(), y, sum.Text(set.averageLabel, kLevelLabelLength) + ":");
        DrawLevelsByWeighting(report, dc, y, sum, set.average, 1);
        return;
    case 6:
        dc.TextOut(report.LeftEdge(), y, "SEL:");
        DrawLevelsByWeighting(report, dc, y, sum, set.sel, 1);
        return;
    case 7:
        dc.TextOut(report.LeftEdge(), y, "Peak:");
        DrawLevelsByWeighting(report, dc, y, sum, set.peak, 1);
        return;
    case 8: DrawTimesByWeighting(report, dc, y, sum, set.peakTimes, 1); return;
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
        dc.TextOut(report.LeftEdge(), y, kLabels[detector][minimum ? 1 : 0]);
        DrawLevelsByWeighting(report, dc, y, sum, (minimum ? set.lmin : set.lmax) + at, 3);
    } else {
        DrawTimesByWeighting(report, dc, y, sum, (minimum ? set.lminTimes : set.lmaxTimes) + at, 3);
    }
}

}  // namespace

namespace summary {

void DrawLevelsByWeighting(const ReportLines& report, ReportDC& dc, int y, const RecordView& sum, size_t offset,
                           size_t stride)
{
    for (size_t w = 0; w < 3; ++w) {
        std::string letter;
        LOGSetup::WeightingLetter(static_cast<int>(w), letter);
        DrawRightAligned(dc, report.LnColumn(2 + 2 * w), y,
                         FormatFixed(sum.F32(offset + 4 * stride * w), 1) + " dB" + letter);
    }
}

void DrawTimesByWeighting(const ReportLines& report, ReportDC& dc, int y, const RecordView& sum, size_t offset,
                          size_t stride)
{
    for (size_t w = 0; w < 3; ++w)
        DrawRightAligned(dc, report.LnColumn(2 + 2 * w), y, DateTimeText(sum.U32(offset + 4 * stride * w)));
}

void DrawLabelAndValue(const ReportLines& report, ReportDC& dc, int y, const std::string& label,
                       const std::string& value)
{
    dc.TextOut(report.LeftEdge(), y, label);
    dc.TextOut(report.Column(2), y, value);
}

void DrawWeightingHeadings(const ReportLines& report, ReportDC& dc, int y)
{
    static const char* const kHeadings[3] = {"A Weight", "C Weight", "Flat"};
    for (size_t w = 0; w < 3; ++w)
        DrawRightAligned(dc, report.LnColumn(2 + 2 * w), y, kHeadings[w]);
}

void DrawOverallAnyDataLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    DrawAnyDataLine(report, dc, index, line, true);
}

void DrawCurrentAnyDataLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    DrawAnyDataLine(report, dc, index, line, false);
}

void DrawModeLine(ReportLines& report, ReportDC& dc, int mode, int line)
{
    if (line < 14)
        return;
    const unsigned from14 = static_cast<unsigned>(line - 14);
    switch (mode) {
    case 6: DrawCurrentAnyDataLine(report, dc, from14, line); break;
    case 7: {
        // The summary block, then the overall and the current block.
        const int end = 14 + LogBlockLines(report.DataSet());
        if (line <= end)
            DrawLogLine(report, dc, from14, line);
        else if (line <= end + kAnyDataLines + 1)
            DrawOverallAnyDataLine(report, dc, static_cast<unsigned>(line - end - 1), line);
        else
            DrawCurrentAnyDataLine(report, dc, static_cast<unsigned>(line - end - kAnyDataLines - 2), line);
        break;
    }
    case 8: DrawTalScreenLine(report, dc, line); break;
    default: break;
    }
}

}  // namespace summary
