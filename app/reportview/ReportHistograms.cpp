// The histogram reports (SPL, peak and unweighted peak tables), the section
// titles and the Ln-table block of the interval and day reports.
#include "CDataReport.h"
#include "HistogramMgr.h"
#include "HistogramOptions.h"
#include "HistogramStats.h"
#include "Profile.h"
#include "ReportText.h"
#include "TimeTexts.h"

void CDataReport::ConfigureHistograms(int rows[3])
{
    const platform::Profile& profile = platform::AppProfile();
    RecordManagers& m = data_.Records();
    m.splHistogram.SetResolution(static_cast<float>(kSplHistogramOptions.resolution.Read(profile)) / 10.0f);
    m.peakHistogram.SetResolution(static_cast<float>(kPeakHistogramOptions.resolution.Read(profile)));
    m.uwPeakHistogram.SetResolution(static_cast<float>(kUwPeakHistogramOptions.resolution.Read(profile)));
    m.splHistogram.SetLevelRange(kSplHistogramOptions.low.Read(profile), kSplHistogramOptions.high.Read(profile));
    m.peakHistogram.SetLevelRange(kPeakHistogramOptions.low.Read(profile), kPeakHistogramOptions.high.Read(profile));
    m.uwPeakHistogram.SetLevelRange(kUwPeakHistogramOptions.low.Read(profile),
                                    kUwPeakHistogramOptions.high.Read(profile));
    rows[kSpl] = m.splHistogram.GetTableRowCount();
    rows[kPeak] = m.peakHistogram.GetSize() > 0 ? m.peakHistogram.GetTableRowCount() : 0;
    rows[kUwPeak] = m.uwPeakHistogram.GetSize() > 0 ? m.uwPeakHistogram.GetTableRowCount() : 0;
}

const HistogramMgr& CDataReport::HistogramOf(Histogram which) const
{
    const RecordManagers& m = data_.Records();
    return which == kSpl ? static_cast<const HistogramMgr&>(m.splHistogram)
                         : which == kPeak ? m.peakHistogram : m.uwPeakHistogram;
}

void CDataReport::DrawStatsCells(ReportDC& dc, int y, const char* prefix, float level, int count, float percent,
                                 float seconds)
{
    if (level <= 0.0f) {
        // The row lies beyond the bins the histogram has.
        dc.TextOut(left_, y, "Upper limit too high");
        return;
    }
    std::string duration;
    SecondsToTime(seconds, duration, 1, 0);
    dc.TextOut(left_, y, prefix + FormatFixed(level, 1, 5));
    dc.TextOut(columns_[1], y, Printf("%8ld", static_cast<long>(count)));
    dc.TextOut(columns_[2], y, FormatFixed(percent, 2, 5) + "%");
    dc.TextOut(columns_[3], y, duration);
}

void CDataReport::DrawHistogramRow(ReportDC& dc, Histogram which, unsigned row, int line)
{
    PrinterFontScope font(dc);
    const int y = LineY(dc, line);
    const HistogramMgr& mgr = HistogramOf(which);
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
    DrawStatsCells(dc, y, prefix, level, count, percent, seconds);
}

void CDataReport::DrawSplHistogramRow(ReportDC& dc, unsigned row, int line)
{
    DrawHistogramRow(dc, kSpl, row, line);
}

void CDataReport::DrawPeakHistogramRow(ReportDC& dc, unsigned row, int line)
{
    DrawHistogramRow(dc, kPeak, row, line);
}

void CDataReport::DrawUwPeakHistogramRow(ReportDC& dc, unsigned row, int line)
{
    DrawHistogramRow(dc, kUwPeak, row, line);
}

void CDataReport::DrawSectionTitle(ReportDC& dc, int line, const char* text)
{
    PrinterFontScope font(dc);
    dc.TextOut(left_, LineY(dc, line), text);
}

void CDataReport::DrawHistogramColumnHeads(ReportDC& dc, int line, int)
{
    PrinterFontScope font(dc);
    const int y = LineY(dc, line);
    dc.TextOut(left_, y, "Level");
    dc.TextOut(columns_[1], y, "Count");
    dc.TextOut(columns_[2], y, "Percent");
    dc.TextOut(columns_[3], y, "Duration");
}

void CDataReport::DrawSplHistogramTitle(ReportDC& dc, int line, int)
{
    DrawSectionTitle(dc, line, "SPL Histogram");
}

void CDataReport::DrawPeakHistogramTitle(ReportDC& dc, int line, int)
{
    DrawSectionTitle(dc, line, "Peak Histogram");
}

void CDataReport::DrawUwPeakHistogramTitle(ReportDC& dc, int line, int)
{
    DrawSectionTitle(dc, line, "Unweighted Peak Histogram");
}

void CDataReport::DrawSnapshotRecordsTitle(ReportDC& dc, int line, int)
{
    DrawSectionTitle(dc, line, "Snapshot Records");
}

void CDataReport::DrawLnTableRow(ReportDC& dc, unsigned index, int y, int lineCount, const uint32_t* bins,
                                 int baseLevel, int divisor)
{
    if (index == 0) {
        dc.TextOut(left_, y, "Ln Table Histogram");
        return;
    }
    if (index == 1) {
        dc.TextOut(left_, y, "Level");
        dc.TextOut(columns_[1], y, "   Count");
        dc.TextOut(columns_[2], y, "Percent");
        dc.TextOut(columns_[3], y, "Duration");
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
    DrawStatsCells(dc, y, prefix, level, count, percent, seconds);
}

void CDataReport::DrawHistogramLines(ReportDC& dc, int first, int last)
{
    int rows[3];
    ConfigureHistograms(rows);
    const int s = rows[kSpl], p = rows[kPeak], u = rows[kUwPeak];
    UpdateLineCount(s + 28 + p + u);
    last = std::min(last, lineCount_ - 1);
    const std::string title = ReportTitle(reportType_, 0);
    for (int line = first; line <= last; ++line) {
        if (line == 1)
            DrawReportTitle(dc, title, 1, -1);
        else if (line >= 3 && line <= 13)
            DrawTitleBlockLine(dc, static_cast<unsigned>(line - 3), line);
        else if (line == 14)
            DrawSplHistogramTitle(dc, line);
        else if (line == 15)
            DrawHistogramColumnHeads(dc, line);
        else if (line >= 16 && line <= s + 16)
            DrawSplHistogramRow(dc, static_cast<unsigned>(line - 16), line);
        else if (p == 0 && u == 0)
            continue;
        else if (line == s + 17)
            DrawPeakHistogramTitle(dc, line);
        else if (line == s + 18)
            DrawHistogramColumnHeads(dc, line);
        else if (line >= s + 19 && line <= s + 19 + p)
            DrawPeakHistogramRow(dc, static_cast<unsigned>(line - (s + 19)), line);
        else if (line == s + p + 20)
            DrawUwPeakHistogramTitle(dc, line);
        else if (line == s + p + 21)
            DrawHistogramColumnHeads(dc, line);
        else if (line >= s + p + 22)
            DrawUwPeakHistogramRow(dc, static_cast<unsigned>(line - (s + p + 22)), line);
    }
}
