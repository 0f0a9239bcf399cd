#pragma once
// The FFT reports: the settings, the snapshots (one block of 88 lines per
// snapshot with its spectrum in five column pairs) and the summary with its
// spectrum.
#include "ReportLines.h"

namespace fft {

void DrawSettingsLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawSnapshotLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
// The summary lines (index 0 to 8) and the spectrum table (index 0: its
// column heads, then 81 rows).
void DrawSummaryLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
void DrawSpectrumLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);
// The summary report after its title block: the summary lines, then the
// spectrum table.
void DrawSummaryReportLine(const ReportLines& report, ReportDC& dc, unsigned index, int line);

}  // namespace fft
