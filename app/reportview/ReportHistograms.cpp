// The histogram reports (SPL, peak and unweighted peak tables), the section
// titles and the Ln-table block of the interval and day reports.
#include "ReportHistograms.h"

#include <algorithm>
#include <iterator>
#include <string>

#include "HistogramMgr.h"
#include "HistogramOptions.h"
#include "HistogramStats.h"
#include "MeasDataSet.h"
#include "Profile.h"
#include "ReportText.h"
#include "TimeTexts.h"

namespace histograms {

namespace {

const char* const kTitles[] = {"SPL Histogram", "Peak Histogram", "Unweighted Peak Histogram"};

const HistogramMgr& HistogramOf(const RecordManagers& m, Table table)
{
    return table == kSpl ? static_cast<const HistogramMgr&>(m.splHistogram)
                         : table == kPeak ? m.peakHistogram : m.uwPeakHistogram;
}

void DrawStatsCells(const ReportLines& report, ReportDC& dc, int y, const char* prefix, float level, int count,
                    float percent, float seconds)
{
    if (level <= 0.0f) {
        // The row lies beyond the bins the histogram has.
        dc.TextOut(report.LeftEdge(), y, "Upper limit too high");
        return;
    }
    std::string duration;
    SecondsToTime(seconds, duration, 1, 0);
    dc.TextOut(report.LeftEdge(), y, prefix + FormatFixed(level, 1, 5));
    dc.TextOut(report.Column(1), y, Printf("%8ld", static_cast<long>(count)));
    dc.TextOut(report.Column(2), y, FormatFixed(percent, 2, 5) + "%");
    dc.TextOut(report.Column(3), y, duration);
}

}  // namespace

void TableRows(const RecordManagers& m, int rows[3])
{
    rows[kSpl] = m.splHistogram.GetTableRowCount();
    rows[kPeak] = m.peakHistogram.GetSize() > 0 ? m.peakHistogram.GetTableRowCount() : 0;
    rows[kUwPeak] = m.uwPeakHistogram.GetSize() > 0 ? m.uwPeakHistogram.GetTableRowCount() : 0;
}

void Configure(RecordManagers& m, int rows[3])
{
    const platform::Profile& profile = platform::AppProfile();
    const HistogramResolutions resolutions = ReadHistogramResolutions(profile);
    m.splHistogram.SetResolution(resolutions.spl);
    m.peakHistogram.SetResolution(resolutions.peak);
    m.uwPeakHistogram.SetResolution(resolutions.uwPeak);
    RecordBuilders::SetHistogramRanges(m);
    TableRows(m, rows);
}

int ScreenLineCount(const int rows[3])
{
    return rows[kSpl] + 28 + rows[kPeak] + rows[kUwPeak];
}

void DrawScreenLine(const ReportLines& report, ReportDC& dc, unsigned index, int line)
{
    int rows[3];
    TableRows(report.DataSet().Records(), rows);
    const int s = rows[kSpl], p = rows[kPeak], u = rows[kUwPeak];
    const int n = 14 + static_cast<int>(index);
    if (n == 14)
        DrawSectionTitle(report, dc, line, kTitles[kSpl]);
    else if (n == 15)
        DrawColumnHeads(report, dc, line);
    else if (n >= 16 && n <= s + 16)
        DrawRow(report, dc, kSpl, static_cast<unsigned>(n - 16), line);
    else if (p == 0 && u == 0)
        return;
    else if (n == s + 17)
        DrawSectionTitle(report, dc, line, kTitles[kPeak]);
    else if (n == s + 18)
        DrawColumnHeads(report, dc, line);
    else if (n >= s + 19 && n <= s + 19 + p)
        DrawRow(report, dc, kPeak, static_cast<unsigned>(n - (s + 19)), line);
    else if (n == s + p + 20)
        DrawSectionTitle(report, dc, line, kTitles[kUwPeak]);
    else if (n == s + p + 21)
        DrawColumnHeads(report, dc, line);
    else if (n >= s + p + 22)
        DrawRow(report, dc, kUwPeak, static_cast<unsigned>(n - (s + p + 22)), line);
}

void DrawTableTitle(const ReportLines& report, ReportDC& dc, unsigned table, int line)
{
    if (table < std::size(kTitles))
        DrawSectionTitle(report, dc, line, kTitles[table]);
}

void DrawRow(const ReportLines& report, ReportDC& dc, Table table, unsigned row, int line)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    const HistogramMgr& mgr = HistogramOf(report.DataSet().Records(), table);
    if (mgr.GetSize() == 0 || row >= static_cast<unsigned>(mgr.GetSize() - 1))
        return;
    const unsigned rows = static_cast<unsigned>(mgr.GetTableRowCount());
    float level = 0, percent = 0, seconds = 0;
    int count = 0;
    const char* prefix = "";
    if (row == 0) {
        mgr.GetBelowLowStats(&level, &count, &percent, &seconds);
        prefix = "<";
    } else if (row + 2 <= rows) {
        mgr.GetRowStats(static_cast<int>(row) - 1, &level, &count, &percent, &seconds);
    } else if (row + 1 == rows) {
        mgr.GetAboveHighStats(&level, &count, &percent, &seconds);
        prefix = ">";
    } else {
        return;
    }
    DrawStatsCells(report, dc, y, prefix, level, count, percent, seconds);
}

void DrawSectionTitle(const ReportLines& report, ReportDC& dc, int line, const char* text)
{
    PrinterFontScope font(dc);
    dc.TextOut(report.LeftEdge(), report.LineY(dc, line), text);
}

void DrawSnapshotRecordsTitle(const ReportLines& report, ReportDC& dc, int line)
{
    DrawSectionTitle(report, dc, line, "Snapshot Records");
}

void DrawColumnHeads(const ReportLines& report, ReportDC& dc, int line)
{
    PrinterFontScope font(dc);
    const int y = report.LineY(dc, line);
    dc.TextOut(report.LeftEdge(), y, "Level");
    dc.TextOut(report.Column(1), y, "Count");
    dc.TextOut(report.Column(2), y, "Percent");
    dc.TextOut(report.Column(3), y, "Duration");
}

void DrawLnTableRow(const ReportLines& report, ReportDC& dc, unsigned index, int y, int lineCount,
                    const uint32_t* bins, int baseLevel, int divisor)
{
    if (index == 0) {
        dc.TextOut(report.LeftEdge(), y, "Ln Table Histogram");
        return;
    }
    if (index == 1) {
        dc.TextOut(report.LeftEdge(), y, "Level");
        dc.TextOut(report.Column(1), y, "   Count");
        dc.TextOut(report.Column(2), y, "Percent");
        dc.TextOut(report.Column(3), y, "Duration");
        return;
    }
    if (lineCount < 1 || index > static_cast<unsigned>(lineCount - 1))
        return;
    const HistogramStats stats(bins, baseLevel, divisor);
    float level = 0, percent = 0, seconds = 0;
    int count = 0;
    const char* prefix = " ";
    if (index == 2) {
        stats.GetBelowRow(&level, &count, &percent, &seconds);
        prefix = "<";
    } else if (index == static_cast<unsigned>(lineCount - 1)) {
        stats.GetAboveRow(&level, &count, &percent, &seconds);
        prefix = ">";
    } else {
        stats.GetRangeRow(static_cast<int>(index) - 3, &level, &count, &percent, &seconds);
    }
    DrawStatsCells(report, dc, y, prefix, level, count, percent, seconds);
}

}  // namespace histograms
