#pragma once
// The histogram reports (types 9 and 10: the SPL, peak and unweighted peak
// tables), the section titles, and the Ln-table block of the interval and
// day reports.
#include <cstdint>

#include "ReportLines.h"

struct RecordManagers;

namespace histograms {

// The three tables of the histogram reports.
enum Table { kSpl, kPeak, kUwPeak };

// Reads the histogram options into the three histogram managers and gives
// the table rows of each: those of a peak table without bins are 0.
void Configure(RecordManagers& managers, int rows[3]);
// The screen lines of the report at those rows.
int ScreenLineCount(const int rows[3]);
// Screen line 14 + index of the report: the three tables, each after its
// title and column heads.
void DrawScreenLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);

// The table rows of the managers as the options left them.
void TableRows(const RecordManagers& managers, int rows[3]);

// A table's title ("SPL Histogram" ...) at the left edge; paper heads each
// table's pages with it.
void DrawTableTitle(const ReportLines& report, ReportDC& dc, unsigned table, int line);
void DrawColumnHeads(const ReportLines& report, ReportDC& dc, int line);
void DrawRow(const ReportLines& report, ReportDC& dc, Table table, unsigned row, int line);
// A title at the left edge; the snapshot reports head their records so.
void DrawSectionTitle(const ReportLines& report, ReportDC& dc, int line, const char* text);
void DrawSnapshotRecordsTitle(const ReportLines& report, ReportDC& dc, int line);

// One line of the Ln-table block of an interval or a day, at y: the block's
// title, its heads, then below, range and above rows of the bins.
void DrawLnTableRow(const ReportLines& report, ReportDC& dc, unsigned index, int y, int lineCount,
                    const uint32_t* bins, int baseLevel, int divisor);

}  // namespace histograms
